// The Options dialog, driven as a user would: loading, the page-1 reactions, "Velmora Choices" and
// Clear All, the page switching, the folder browser, and OK's order of checks and writes. Message
// boxes, the folder browser, the colour dialog and the clock are answered by fakes.
#include "app/ColorChoices.h"
#include "app/FolderTable.h"
#include "app/IniFile.h"
#include "app/Preferences.h"
#include "emulator_settings/MameIni.h"
#include "platform/Seams.h"
#include "platform/qt/QtSeams.h"
#include "support/ScriptedMessageBox.h"
#include "ui/ColorComboBox.h"
#include "ui/ColorValue.h"
#include "ui/OptionsDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velmora;
using platform::MessageIcon;
using testing::ScriptedMessageBox;

namespace {

class FakeFolderBrowser : public platform::FolderBrowser
{
public:
    QList<std::optional<QString>> answers;
    QStringList titles;
    std::optional<QString> browseForFolder(const QString& title, const QString&) override
    {
        titles << title;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

class FakeColorDialog : public platform::ColorDialog
{
public:
    std::optional<qint32> answer;
    qint32 offered = -1;
    std::optional<qint32> chooseColor(qint32 initialRgb) override
    {
        offered = initialRgb;
        return answer;
    }
};

class FixedClock : public platform::Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 6, 1), QTime(12, 0)); }
};

// A program folder for options.ini and a MAME folder that passes every folder test.
struct Fixture
{
    QTemporaryDir tmp;
    QString optionsIni = tmp.path() + "/program/settings/options.ini";
    QString mame = makeMameFolder("Arcade/MAME");

    QString makeMameFolder(const QString& name) const
    {
        const QString folder = tmp.path() + u'/' + name;
        QDir().mkpath(tmp.path() + "/program/settings");
        for (const QString& sub : defaultSubfolderNames())
            QDir().mkpath(folder + u'/' + sub);
        QFile program(folder + "/mame");
        program.open(QIODevice::WriteOnly);
        program.setPermissions(program.permissions() | QFile::ExeOwner);
        return folder;
    }

    Preferences readyPreferences() const
    {
        Preferences p = firstRunPreferences();
        p.setFolder(DataFolder::MAME, mame);
        for (const FolderEntry& e : folderTable())
            if (e.folder != DataFolder::MAME)
                p.setFolder(e.folder, defaultFolderPath(e.folder, mame));
        return p;
    }

    bool wroteNothing() const
    {
        return !QFile::exists(optionsIni) && !QFile::exists(mame + "/mame.ini");
    }
};

template <typename T> T* child(QWidget& w, const char* name)
{
    T* found = w.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
QPushButton* btn(QWidget& w, const char* name)
{
    return child<QPushButton>(w, name);
}
QCheckBox* chk(QWidget& w, const char* name)
{
    return child<QCheckBox>(w, name);
}
QLineEdit* txt(QWidget& w, const char* name)
{
    return child<QLineEdit>(w, name);
}
QComboBox* cbo(QWidget& w, const char* name)
{
    return child<QComboBox>(w, name);
}
bool shown(QWidget& w, const char* name)
{
    return child<QWidget>(w, name)->isVisible();
}

QList<int> selectedRows(QWidget& w)
{
    QList<int> rows;
    auto* list = child<QListWidget>(w, "lstHideBios");
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected())
            rows << i;
    return rows;
}

QColor patchColor(QWidget& w)
{
    return child<QLabel>(w, "lblListBack")->palette().color(QPalette::Window);
}

QColor textColor(QWidget& w)
{
    return child<QLabel>(w, "lblListText")->palette().color(QPalette::WindowText);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(int* count) : m_count(count) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++*m_count;
        return false;
    }

private:
    int* m_count;
};

} // namespace

class TestOptionsDialog : public QObject
{
    Q_OBJECT

    FakeFolderBrowser m_browser;
    FakeColorDialog m_colors;
    FixedClock m_clock;

private slots:
    void init()
    {
        m_browser = FakeFolderBrowser();
        m_colors = FakeColorDialog();
        platform::seams().folderBrowser = &m_browser;
        platform::seams().colorDialog = &m_colors;
        platform::seams().clock = &m_clock;
    }

    void loadingShowsThePreferencesOnPageOne()
    {
        Fixture fx;
        Preferences p = fx.readyPreferences();
        p.setHidden(HideFlag::NeoGeo, true);
        p.setHidden(HideFlag::Clones, true);
        p.cloneShots = true;
        p.disableHotKeys = true;
        p.fontSize = "12";
        p.fontColor = rgbColorValue(255, 0, 0);
        ScriptedMessageBox boxes;
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        QVERIFY(child<QGroupBox>(d, "fraPreferences")->isEnabled());
        QVERIFY(!child<QGroupBox>(d, "fraDirectories")->isEnabled());
        QVERIFY(!btn(d, "cmdOK")->isEnabled() && !btn(d, "cmdBack")->isEnabled());
        QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));
        QCOMPARE(txt(d, "txtSnapPath")->text(), fx.mame + "/snap");

        QCOMPARE(selectedRows(d), QList<int>{10});
        QVERIFY(chk(d, "chkHideClones")->isChecked() && !chk(d, "chkHideVS")->isChecked());
        // Hide Clone Games keeps the clone-shots box disabled, but it still shows its value.
        QVERIFY(chk(d, "chkCloneShots")->isChecked() && !chk(d, "chkCloneShots")->isEnabled());
        // No hot-key switch on this platform: cleared and disabled whatever was stored.
        QVERIFY(!chk(d, "chkDisable")->isChecked() && !chk(d, "chkDisable")->isEnabled());
        QVERIFY(!chk(d, "chkHideYear")->isChecked() && !cbo(d, "cboHideYear")->isEnabled());
        QCOMPARE(cbo(d, "cboHideYear")->currentText(), QString("2025")); // none stored: the last

        // The first-run background (the system window colour) is an entry: no message.
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(cbo(d, "cboBackColor")->currentIndex(), 5);
        QVERIFY(!shown(d, "imgStarfield"));
        QCOMPARE(child<QLabel>(d, "lblListText")->font().pointSize(), 12);
        QCOMPARE(textColor(d), QColor(255, 0, 0));

        // A stored year and the star field.
        p.setHidden(HideFlag::Year, true);
        p.year = "1984";
        p.useStarfield = true;
        OptionsDialog stars(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        stars.show();
        QVERIFY(cbo(stars, "cboHideYear")->isEnabled());
        QCOMPARE(cbo(stars, "cboHideYear")->currentText(), QString("1984"));
        QVERIFY(shown(stars, "imgStarfield"));
        QVERIFY(!cbo(stars, "cboBackColor")->isEnabled() &&
                !btn(stars, "cmdBackColor")->isEnabled());
    }

    void checkBoxesReactToEachOther()
    {
        Fixture fx;
        Preferences p = fx.readyPreferences();
        p.cloneShots = true;
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        QCheckBox* shots = chk(d, "chkCloneShots");
        chk(d, "chkHideClones")->click();
        QVERIFY(!shots->isChecked() && !shots->isEnabled());
        chk(d, "chkHideClones")->click();
        QVERIFY(shots->isEnabled() && !shots->isChecked()); // not ticked again

        // The disabled year list hides its text in the button face.
        QComboBox* years = cbo(d, "cboHideYear");
        const QColor face = years->palette().color(QPalette::Button);
        QCOMPARE(years->palette().color(QPalette::ButtonText), face);
        chk(d, "chkHideYear")->click();
        QVERIFY(years->isEnabled() && years->palette().color(QPalette::ButtonText) != face);

        QComboBox* colors = cbo(d, "cboBackColor");
        colors->setCurrentIndex(colors->findText("Navy"));
        QCOMPARE(patchColor(d), QColor(0, 0, 128));
        chk(d, "chkBackground")->click();
        QVERIFY(shown(d, "imgStarfield") && !colors->isEnabled());
        // A colour from the colour dialog paints the patch; unticking the star field brings the
        // list entry's colour back.
        chk(d, "chkBackground")->click();
        m_colors.answer = rgbColorValue(1, 2, 3);
        btn(d, "cmdBackColor")->click();
        QCOMPARE(m_colors.offered, rgbColorValue(0, 0, 128));
        QCOMPARE(patchColor(d), QColor(1, 2, 3));
        QCOMPARE(d.focusWidget(), btn(d, "cmdFontColor"));
        chk(d, "chkBackground")->click();
        chk(d, "chkBackground")->click();
        QCOMPARE(patchColor(d), QColor(0, 0, 128));

        m_colors.answer = rgbColorValue(0, 255, 0);
        btn(d, "cmdFontColor")->click();
        QCOMPARE(textColor(d), QColor(0, 255, 0));
        QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));
        cbo(d, "cboSize")->setCurrentIndex(3);
        QCOMPARE(child<QLabel>(d, "lblListText")->font().pointSize(), 14);
    }

    void velmoraChoicesAndClearAll()
    {
        Fixture fx;
        Preferences p = fx.readyPreferences();
        p.setHidden(HideFlag::Arcadia, true);
        p.setHidden(HideFlag::Imperfect, true);
        p.fontSize = "14";
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        const char* boxes[] = {"chkHideClones", "chkHidePrelim", "chkHideVS",  "chkHideYear",
                               "chkHideBoot",   "chkHideTest",   "chkHideCHD", "chkBackground"};
        btn(d, "cmdMyDefaults")->click();
        QCOMPARE(selectedRows(d), (QList<int>{6, 10, 13, 14}));
        for (const char* name : boxes)
            QVERIFY2(chk(d, name)->isChecked(), name);
        QVERIFY(!chk(d, "chkHideImperfect")->isChecked() && !chk(d, "chkCloneShots")->isChecked());
        QCOMPARE(cbo(d, "cboHideYear")->currentText(), QString("1990"));
        QCOMPARE(cbo(d, "cboBackColor")->currentIndex(), kDefaultBackColorIndex);
        QCOMPARE(textColor(d), QColor(Qt::white));
        QCOMPARE(child<QLabel>(d, "lblListText")->font().pointSize(), 8);
        QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));

        btn(d, "cmdClearAll")->click();
        QVERIFY(selectedRows(d).isEmpty());
        for (const char* name : boxes)
            QVERIFY2(!chk(d, name)->isChecked(), name);
        QVERIFY(chk(d, "chkCloneShots")->isEnabled());
        // Year, colours and size stay.
        QCOMPARE(cbo(d, "cboHideYear")->currentText(), QString("1990"));
        QCOMPARE(cbo(d, "cboSize")->currentText(), QString("8"));
    }

    void nextAndBackSwitchPagesAndFocus()
    {
        Fixture fx;
        OptionsDialog d(firstRunPreferences(), fx.optionsIni, OptionsDialog::Occasion::FirstRun);
        d.show();
        btn(d, "cmdNext")->click();
        QVERIFY(child<QGroupBox>(d, "fraDirectories")->isEnabled());
        QVERIFY(!child<QGroupBox>(d, "fraPreferences")->isEnabled());
        QVERIFY(btn(d, "cmdOK")->isEnabled() && btn(d, "cmdBack")->isEnabled());
        for (const char* name : {"cmdNext", "cmdMyDefaults", "cmdClearAll"})
            QVERIFY2(!btn(d, name)->isEnabled(), name);
        QCOMPARE(d.focusWidget(), txt(d, "txtMAMEPath"));

        // Page 2 takes the focus to the first required box still empty, then to OK.
        const auto fillAndGoBackAndForth = [&d](const char* box, const QString& text) {
            txt(d, box)->setText(text);
            btn(d, "cmdBack")->click();
            QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));
            QVERIFY(!btn(d, "cmdOK")->isEnabled() && btn(d, "cmdClearAll")->isEnabled());
            btn(d, "cmdNext")->click();
        };
        fillAndGoBackAndForth("txtMAMEPath", fx.mame);
        QCOMPARE(d.focusWidget(), txt(d, "txtROMPath"));
        fillAndGoBackAndForth("txtROMPath", fx.mame + "/roms");
        QCOMPARE(d.focusWidget(), txt(d, "txtAddROMPath"));
        fillAndGoBackAndForth("txtAddROMPath", fx.mame + "/roms");
        QCOMPARE(d.focusWidget(), btn(d, "cmdOK"));
    }

    void theFolderButtonsRefuseBadChoicesAndFillOnlyEmptyBoxes()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        Preferences p = firstRunPreferences();
        p.setFolder(DataFolder::ROMs, "/data/My ROMs");
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::FirstRun);
        d.show();
        btn(d, "cmdNext")->click();

        // Cancelling the browser changes nothing.
        btn(d, "cmdSelectMAME")->click();
        QCOMPARE(m_browser.titles.last(), QString("Select your M.A.M.E. folder..."));
        QVERIFY(txt(d, "txtMAMEPath")->text().isEmpty());

        // A folder without mame is refused and fills nothing.
        boxes.expect("Cannot find mame!", platform::MessageAnswer::Ok, "Directories");
        m_browser.answers << fx.mame + "/roms";
        txt(d, "txtMAMEPath")->setText("typed");
        btn(d, "cmdSelectMAME")->click();
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(boxes.shown().last().icon, MessageIcon::Critical);
        QVERIFY(txt(d, "txtMAMEPath")->text().isEmpty());
        QCOMPARE(d.focusWidget(), txt(d, "txtMAMEPath"));
        QVERIFY(txt(d, "txtSamPath")->text().isEmpty());

        m_browser.answers << fx.mame;
        btn(d, "cmdSelectMAME")->click();
        QCOMPARE(txt(d, "txtMAMEPath")->text(), fx.mame);
        QCOMPARE(txt(d, "txtROMPath")->text(), QString("/data/My ROMs"));
        QCOMPARE(txt(d, "txtSamPath")->text(), fx.mame + "/samples");
        QVERIFY(txt(d, "txtAddROMPath")->text().isEmpty());
        QCOMPARE(d.focusWidget(), btn(d, "cmdOK"));

        // A data folder at the root is refused; a good one keeps its letter case.
        boxes.expect("Snapshot cannot reside in the root!  Please select a folder.",
                     platform::MessageAnswer::Ok, "Directories");
        m_browser.answers << "/"
                          << "/Media/Snaps";
        btn(d, "cmdSelectSnap")->click();
        QCOMPARE(m_browser.titles.last(), QString("Select your Snapshot folder..."));
        QVERIFY(boxes.allExpectedShown());
        QVERIFY(txt(d, "txtSnapPath")->text().isEmpty());
        QCOMPARE(d.focusWidget(), txt(d, "txtSnapPath"));
        btn(d, "cmdSelectSnap")->click();
        QCOMPARE(txt(d, "txtSnapPath")->text(), QString("/Media/Snaps"));
    }

    void okStopsAtTheFirstBadFolderAndWritesNothing()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        OptionsDialog d(fx.readyPreferences(), fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        btn(d, "cmdNext")->click();
        const QString other = fx.makeMameFolder("Other MAME");
        const auto pressOk = [&](const QString& message, const char* box) {
            boxes.expect(message, platform::MessageAnswer::Ok, "Directories");
            btn(d, "cmdOK")->click();
            QVERIFY(boxes.allExpectedShown());
            QVERIFY(d.isVisible() && d.cancelled());
            QVERIFY(fx.wroteNothing() && !QFile::exists(other + "/mame.ini"));
            QVERIFY(txt(d, box)->text().isEmpty());
            QCOMPARE(d.focusWidget(), txt(d, box));
        };
        txt(d, "txtMAMEPath")->setText(fx.tmp.path());
        txt(d, "txtSamPath")->setText(fx.tmp.path() + "/no samples");
        txt(d, "txtROMPath")->setText(other + "/roms/");
        pressOk("Cannot find mame!", "txtMAMEPath");

        txt(d, "txtMAMEPath")->setText(other + u'/');
        pressOk("The Samples folder does not exist!  Please select an existing folder.",
                "txtSamPath");

        txt(d, "txtSamPath")->setText(other + "/samples");
        txt(d, "txtINIsPath")->setText(other);
        btn(d, "cmdOK")->click();
        QVERIFY(!d.cancelled());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.preferences().folder(DataFolder::MAME), other);
        QCOMPARE(d.preferences().folder(DataFolder::ROMs), other + "/roms");
        QVERIFY(QFile::exists(fx.optionsIni));
        QFile ini(other + "/mame.ini");
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), mameIniPathLayer(d.preferences()));
        QVERIFY(d.applyDecision().refreshLists);
    }

    void cancelAfterAFailedOkKeepsEverything()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        const Preferences before = fx.readyPreferences();
        OptionsDialog d(before, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        btn(d, "cmdNext")->click();
        txt(d, "txtROMPath")->setText(fx.mame + "/samples");
        txt(d, "txtCfgPath")->setText("/no/cfg");
        boxes.expect("The Cfg folder does not exist!  Please select an existing folder.");
        btn(d, "cmdOK")->click();
        btn(d, "cmdCancel")->click();
        QVERIFY(d.cancelled());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(fx.wroteNothing());
        QCOMPARE(d.preferences().folders, before.folders);
    }

    void customBackColorRevertsOnTheNextOpening()
    {
        Fixture fx;
        {
            ScriptedMessageBox boxes;
            OptionsDialog d(fx.readyPreferences(), fx.optionsIni, OptionsDialog::Occasion::Tools);
            d.show();
            m_colors.answer = rgbColorValue(1, 2, 3);
            btn(d, "cmdBackColor")->click();
            btn(d, "cmdNext")->click();
            btn(d, "cmdOK")->click();
            QVERIFY(!d.cancelled());
        }
        Preferences stored = firstRunPreferences();
        QString error;
        QVERIFY(readPreferences(fx.optionsIni, &stored, &error));
        QCOMPARE(stored.backColor, rgbColorValue(1, 2, 3));

        ScriptedMessageBox boxes;
        boxes.expect("Problem getting Back Color.  Reverting to default setting.",
                     platform::MessageAnswer::Ok, "Preferences");
        OptionsDialog again(stored, fx.optionsIni, OptionsDialog::Occasion::Tools);
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(boxes.shown().last().icon, MessageIcon::Information);
        QCOMPARE(cbo(again, "cboBackColor")->currentIndex(), kDefaultBackColorIndex);
        QCOMPARE(patchColor(again), QColor(Qt::black));
    }

    void firstRunOkStoresThePreferencesAndReopensTheSame()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        OptionsDialog d(firstRunPreferences(), fx.optionsIni, OptionsDialog::Occasion::FirstRun);
        d.show();
        btn(d, "cmdMyDefaults")->click();
        chk(d, "chkHideImperfect")->click();
        child<QListWidget>(d, "lstHideBios")->item(18)->setSelected(true);
        btn(d, "cmdNext")->click();
        m_browser.answers << fx.mame;
        btn(d, "cmdSelectMAME")->click();
        txt(d, "txtAddROMPath")->setText(fx.mame + "/artwork");
        btn(d, "cmdOK")->click();
        QVERIFY(!d.cancelled());
        const Preferences chosen = d.preferences();
        QVERIFY(chosen.hidden(HideFlag::SystemGX) && chosen.hidden(HideFlag::Imperfect));
        QVERIFY(chosen.useStarfield);
        QCOMPARE(chosen.folder(DataFolder::Ini), fx.mame);
        QVERIFY(QFile::exists(fx.mame + "/mame.ini"));

        Preferences back = firstRunPreferences();
        QString error;
        QVERIFY(readPreferences(fx.optionsIni, &back, &error));
        QCOMPARE(back.hide, chosen.hide);
        QCOMPARE(back.folders, chosen.folders);
        QCOMPARE(back.year, chosen.year);
        QCOMPARE(back.backColor, chosen.backColor);

        // Opened again from the Tools menu it shows the same, and OK without a change asks for no
        // reload.
        OptionsDialog again(back, fx.optionsIni, OptionsDialog::Occasion::Tools);
        again.show();
        QCOMPARE(selectedRows(again), (QList<int>{6, 10, 13, 14, 18}));
        QCOMPARE(txt(again, "txtAddROMPath")->text(), fx.mame + "/artwork");
        btn(again, "cmdNext")->click();
        btn(again, "cmdOK")->click();
        QVERIFY(!again.cancelled());
        QVERIFY(!again.applyDecision().refreshLists && !again.applyDecision().reloadScreenshot);
    }

    void anUnwritableMameIniKeepsTheDialogOpen()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        boxes.allowAny(true);
        QDir(fx.mame).mkdir("mame.ini"); // a folder where the file should go
        OptionsDialog d(fx.readyPreferences(), fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        btn(d, "cmdNext")->click();
        btn(d, "cmdOK")->click();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().last().title, QString("Velmora"));
        QVERIFY(boxes.lastText().startsWith("Error In cmdOK: Cannot write "));
        QVERIFY(d.cancelled());
        QVERIFY(!QFile::exists(fx.optionsIni));
    }

    void newUsersReadTheirListsAndStoredChoicesStay()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        // A first run shows the lists' text in the system's window-text colour; Clear All keeps it.
        OptionsDialog d(firstRunPreferences(), fx.optionsIni, OptionsDialog::Occasion::FirstRun);
        d.show();
        QCOMPARE(textColor(d), systemColor(8));
        btn(d, "cmdClearAll")->click();
        btn(d, "cmdNext")->click();
        m_browser.answers << fx.mame;
        btn(d, "cmdSelectMAME")->click();
        btn(d, "cmdOK")->click();
        QVERIFY(!d.cancelled());
        QCOMPARE(ReadIniValue(fx.optionsIni, "Preferences", "FontColor", QString()),
                 QString("-2147483640"));

        // A stored year and font size that the lists do not offer are shown in their place and
        // kept by OK.
        Preferences p = fx.readyPreferences();
        p.setHidden(HideFlag::Year, true);
        p.year = "1970";
        p.fontSize = "9";
        OptionsDialog again(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        again.show();
        QCOMPARE(cbo(again, "cboHideYear")->currentText(), QString("1970"));
        QCOMPARE(cbo(again, "cboHideYear")->currentIndex(), 0);
        QCOMPARE(cbo(again, "cboSize")->currentText(), QString("9"));
        QCOMPARE(cbo(again, "cboSize")->currentIndex(), 1);
        btn(again, "cmdNext")->click();
        btn(again, "cmdOK")->click();
        QVERIFY(!again.cancelled());
        QCOMPARE(again.preferences().year, QString("1970"));
        QCOMPARE(again.preferences().fontSize, QString("9"));
        QVERIFY(boxes.shown().isEmpty());
    }

    // The program's own message box: the window it covered is painted as soon as it closes.
    void aClosedMessageBoxLeavesTheWindowPainted()
    {
        Fixture fx;
        const platform::Seams fakes = platform::seams();
        platform::installQtSeams();
        OptionsDialog d(fx.readyPreferences(), fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        int paints = 0;
        PaintCounter counter(&paints);
        d.installEventFilter(&counter);
        QTimer::singleShot(0, [&paints] {
            paints = 0;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        platform::showMessage("Cannot find mame!", "Directories", MessageIcon::Critical);
        const int paintedAtClose = paints;
        platform::seams() = fakes;
        QVERIFY(paintedAtClose > 0);
    }

    void askReturnsNothingWhenCancelled()
    {
        Fixture fx;
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "frmChoose" && w->isVisible())
                    w->findChild<QPushButton*>("cmdCancel")->click();
        });
        QVERIFY(!OptionsDialog::ask(fx.readyPreferences(), fx.optionsIni,
                                    OptionsDialog::Occasion::FirstRun));
        QVERIFY(fx.wroteNothing());
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "test_optionsdialog.moc"
