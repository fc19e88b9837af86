// The Options dialog, driven as a user would: loading, the page-1 reactions, "Velmora Choices" and
// Clear All, the page switching, the folder browser, and OK's order of checks and writes. Message
// boxes, the folder browser, the colour dialog and the clock are answered by fakes.
#include "app/ColorChoices.h"
#include "app/FolderTable.h"
#include "app/Preferences.h"
#include "emulator_settings/MameIni.h"
#include "platform/Seams.h"
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
    QString optionsIni;
    QString mame;

    Fixture()
    {
        QDir(tmp.path()).mkpath(QStringLiteral("program/settings"));
        optionsIni = tmp.path() + QStringLiteral("/program/settings/options.ini");
        mame = makeMameFolder(QStringLiteral("Arcade/MAME"));
    }

    QString makeMameFolder(const QString& name) const
    {
        const QString folder = tmp.path() + u'/' + name;
        QDir().mkpath(folder);
        QFile program(folder + QStringLiteral("/mame"));
        program.open(QIODevice::WriteOnly);
        program.write("#!/bin/sh\n");
        program.close();
        program.setPermissions(program.permissions() | QFile::ExeOwner);
        for (const QString& sub : defaultSubfolderNames())
            QDir(folder).mkdir(sub);
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
        return !QFile::exists(optionsIni) && !QFile::exists(mame + QStringLiteral("/mame.ini"));
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
        p.setHidden(HideFlag::Bootleg, true);
        p.cloneShots = true;
        p.disableHotKeys = true;
        p.fontSize = QStringLiteral("12");
        p.fontColor = rgbColorValue(255, 0, 0);
        ScriptedMessageBox boxes;
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        QCOMPARE(d.objectName(), QStringLiteral("frmChoose"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Options"));

        QVERIFY(child<QGroupBox>(d, "fraPreferences")->isVisible());
        QVERIFY(child<QGroupBox>(d, "fraPreferences")->isEnabled());
        QVERIFY(!child<QGroupBox>(d, "fraDirectories")->isEnabled());
        QVERIFY(!btn(d, "cmdOK")->isEnabled());
        QVERIFY(!btn(d, "cmdBack")->isEnabled());
        QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));
        QCOMPARE(txt(d, "txtSnapPath")->text(), fx.mame + QStringLiteral("/snap"));
        QVERIFY(txt(d, "txtAddROMPath")->text().isEmpty());

        QCOMPARE(child<QListWidget>(d, "lstHideBios")->count(), 19);
        QCOMPARE(selectedRows(d), QList<int>{10});
        QVERIFY(chk(d, "chkHideClones")->isChecked());
        QVERIFY(chk(d, "chkHideBoot")->isChecked());
        QVERIFY(!chk(d, "chkHideVS")->isChecked());
        // Hide Clone Games keeps the clone-shots box disabled, but it still shows its value.
        QVERIFY(chk(d, "chkCloneShots")->isChecked());
        QVERIFY(!chk(d, "chkCloneShots")->isEnabled());
        // No hot-key switch on this platform: cleared and disabled whatever was stored.
        QVERIFY(!chk(d, "chkDisable")->isChecked());
        QVERIFY(!chk(d, "chkDisable")->isEnabled());

        auto* years = child<QComboBox>(d, "cboHideYear");
        QVERIFY(!chk(d, "chkHideYear")->isChecked());
        QVERIFY(!years->isEnabled());
        QCOMPARE(years->itemText(0), QStringLiteral("1975"));
        QCOMPARE(years->currentText(), QStringLiteral("2025")); // no year stored: the last one
        QCOMPARE(years->findText(QStringLiteral("2026")), -1);

        // The first-run background (the system window colour) is an entry: no message.
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(child<ColorComboBox>(d, "cboBackColor")->currentIndex(), 5);
        QVERIFY(!child<QLabel>(d, "imgStarfield")->isVisible());
        QCOMPARE(child<QComboBox>(d, "cboSize")->currentText(), QStringLiteral("12"));
        QCOMPARE(child<QLabel>(d, "lblListText")->font().pointSize(), 12);
        QCOMPARE(textColor(d), QColor(255, 0, 0));
    }

    void storedYearAndStarFieldAreShown()
    {
        Fixture fx;
        Preferences p = fx.readyPreferences();
        p.setHidden(HideFlag::Year, true);
        p.year = QStringLiteral("1984");
        p.useStarfield = true;
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        QVERIFY(chk(d, "chkHideYear")->isChecked());
        QVERIFY(child<QComboBox>(d, "cboHideYear")->isEnabled());
        QCOMPARE(child<QComboBox>(d, "cboHideYear")->currentText(), QStringLiteral("1984"));
        QVERIFY(chk(d, "chkBackground")->isChecked());
        QVERIFY(child<QLabel>(d, "imgStarfield")->isVisible());
        QVERIFY(!child<ColorComboBox>(d, "cboBackColor")->isEnabled());
        QVERIFY(!btn(d, "cmdBackColor")->isEnabled());
        QVERIFY(!child<QLabel>(d, "lblBackColor")->isEnabled());
    }

    void checkBoxesReactToEachOther()
    {
        Fixture fx;
        Preferences p = fx.readyPreferences();
        p.cloneShots = true;
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        QCheckBox* clones = chk(d, "chkHideClones");
        QCheckBox* shots = chk(d, "chkCloneShots");
        QVERIFY(shots->isEnabled() && shots->isChecked());
        clones->click();
        QVERIFY(!shots->isChecked());
        QVERIFY(!shots->isEnabled());
        clones->click();
        QVERIFY(shots->isEnabled());
        QVERIFY(!shots->isChecked()); // not ticked again

        auto* years = child<QComboBox>(d, "cboHideYear");
        const QColor face = years->palette().color(QPalette::Button);
        QCOMPARE(years->palette().color(QPalette::ButtonText), face);
        chk(d, "chkHideYear")->click();
        QVERIFY(years->isEnabled());
        QVERIFY(years->palette().color(QPalette::ButtonText) != face);
        chk(d, "chkHideYear")->click();
        QVERIFY(!years->isEnabled());

        auto* colors = child<ColorComboBox>(d, "cboBackColor");
        colors->setCurrentIndex(colors->findText(QStringLiteral("Navy")));
        QCOMPARE(patchColor(d), QColor(0, 0, 128));
        chk(d, "chkBackground")->click();
        QVERIFY(child<QLabel>(d, "imgStarfield")->isVisible());
        QVERIFY(!colors->isEnabled());
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
        QVERIFY(!child<QLabel>(d, "imgStarfield")->isVisible());

        m_colors.answer = rgbColorValue(0, 255, 0);
        btn(d, "cmdFontColor")->click();
        QCOMPARE(textColor(d), QColor(0, 255, 0));
        QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));
        child<QComboBox>(d, "cboSize")->setCurrentIndex(3);
        QCOMPARE(child<QLabel>(d, "lblListText")->font().pointSize(), 14);
    }

    void velmoraChoicesAndClearAll()
    {
        Fixture fx;
        Preferences p = fx.readyPreferences();
        p.setHidden(HideFlag::Arcadia, true);
        p.setHidden(HideFlag::Imperfect, true);
        p.fontSize = QStringLiteral("14");
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        btn(d, "cmdMyDefaults")->click();
        QCOMPARE(selectedRows(d), (QList<int>{6, 10, 13, 14}));
        for (const char* name : {"chkHideClones", "chkHidePrelim", "chkHideVS", "chkHideYear",
                                 "chkHideBoot", "chkHideTest", "chkHideCHD", "chkBackground"})
            QVERIFY2(chk(d, name)->isChecked(), name);
        QVERIFY(!chk(d, "chkHideImperfect")->isChecked());
        QVERIFY(!chk(d, "chkDisable")->isChecked()); // disabled here, so left cleared
        QVERIFY(!chk(d, "chkCloneShots")->isChecked());
        QVERIFY(!chk(d, "chkCloneShots")->isEnabled());
        QCOMPARE(child<QComboBox>(d, "cboHideYear")->currentText(), QStringLiteral("1990"));
        QCOMPARE(child<ColorComboBox>(d, "cboBackColor")->currentIndex(), kDefaultBackColorIndex);
        QCOMPARE(textColor(d), QColor(Qt::white));
        QCOMPARE(child<QComboBox>(d, "cboSize")->currentText(), QStringLiteral("8"));
        QCOMPARE(child<QLabel>(d, "lblListText")->font().pointSize(), 8);
        QVERIFY(child<QLabel>(d, "imgStarfield")->isVisible());
        QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));

        btn(d, "cmdClearAll")->click();
        QVERIFY(selectedRows(d).isEmpty());
        for (const char* name :
             {"chkHideClones", "chkHidePrelim", "chkHideVS", "chkHideYear", "chkHideBoot",
              "chkHideTest", "chkHideCHD", "chkHideImperfect", "chkDisable", "chkBackground"})
            QVERIFY2(!chk(d, name)->isChecked(), name);
        QVERIFY(chk(d, "chkCloneShots")->isEnabled());
        // Year, colours and size stay.
        QCOMPARE(child<QComboBox>(d, "cboHideYear")->currentText(), QStringLiteral("1990"));
        QCOMPARE(child<ColorComboBox>(d, "cboBackColor")->currentIndex(), kDefaultBackColorIndex);
        QCOMPARE(child<QComboBox>(d, "cboSize")->currentText(), QStringLiteral("8"));
        QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));
    }

    void nextAndBackSwitchPagesAndFocus()
    {
        Fixture fx;
        Preferences p = firstRunPreferences();
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::FirstRun);
        d.show();
        btn(d, "cmdNext")->click();
        QVERIFY(child<QGroupBox>(d, "fraDirectories")->isEnabled());
        QVERIFY(child<QGroupBox>(d, "fraDirectories")->isVisible());
        QVERIFY(!child<QGroupBox>(d, "fraPreferences")->isEnabled());
        QVERIFY(btn(d, "cmdOK")->isEnabled() && btn(d, "cmdBack")->isEnabled());
        for (const char* name : {"cmdNext", "cmdMyDefaults", "cmdClearAll"})
            QVERIFY2(!btn(d, name)->isEnabled(), name);
        QCOMPARE(d.focusWidget(), txt(d, "txtMAMEPath"));

        const auto goBackAndForth = [&d] {
            btn(d, "cmdBack")->click();
            QCOMPARE(d.focusWidget(), btn(d, "cmdNext"));
            QVERIFY(!btn(d, "cmdOK")->isEnabled() && !btn(d, "cmdBack")->isEnabled());
            QVERIFY(btn(d, "cmdMyDefaults")->isEnabled() && btn(d, "cmdClearAll")->isEnabled());
            QVERIFY(child<QGroupBox>(d, "fraPreferences")->isEnabled());
            QVERIFY(!child<QGroupBox>(d, "fraDirectories")->isEnabled());
            btn(d, "cmdNext")->click();
        };
        txt(d, "txtMAMEPath")->setText(fx.mame);
        goBackAndForth();
        QCOMPARE(d.focusWidget(), txt(d, "txtROMPath"));
        txt(d, "txtROMPath")->setText(fx.mame + QStringLiteral("/roms"));
        goBackAndForth();
        QCOMPARE(d.focusWidget(), txt(d, "txtAddROMPath"));
        txt(d, "txtAddROMPath")->setText(fx.mame + QStringLiteral("/roms"));
        goBackAndForth();
        QCOMPARE(d.focusWidget(), btn(d, "cmdOK"));
    }

    void choosingTheMameFolderFillsOnlyEmptyBoxes()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        Preferences p = firstRunPreferences();
        p.setFolder(DataFolder::ROMs, QStringLiteral("/data/My ROMs"));
        OptionsDialog d(p, fx.optionsIni, OptionsDialog::Occasion::FirstRun);
        d.show();
        btn(d, "cmdNext")->click();

        // Cancelling the browser changes nothing.
        btn(d, "cmdSelectMAME")->click();
        QCOMPARE(m_browser.titles.last(), QStringLiteral("Select your M.A.M.E. folder..."));
        QVERIFY(txt(d, "txtMAMEPath")->text().isEmpty());

        // A folder without mame is refused and fills nothing.
        boxes.expect(QStringLiteral("Cannot find mame!"), platform::MessageAnswer::Ok,
                     QStringLiteral("Directories"));
        m_browser.answers << fx.mame + QStringLiteral("/roms");
        txt(d, "txtMAMEPath")->setText(QStringLiteral("typed"));
        btn(d, "cmdSelectMAME")->click();
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(boxes.shown().last().icon, MessageIcon::Critical);
        QVERIFY(txt(d, "txtMAMEPath")->text().isEmpty());
        QCOMPARE(d.focusWidget(), txt(d, "txtMAMEPath"));
        QVERIFY(txt(d, "txtSamPath")->text().isEmpty());

        m_browser.answers << fx.mame;
        btn(d, "cmdSelectMAME")->click();
        QCOMPARE(txt(d, "txtMAMEPath")->text(), fx.mame);
        QCOMPARE(txt(d, "txtROMPath")->text(), QStringLiteral("/data/My ROMs"));
        QCOMPARE(txt(d, "txtINIsPath")->text(), fx.mame);
        QCOMPARE(txt(d, "txtSamPath")->text(), fx.mame + QStringLiteral("/samples"));
        QCOMPARE(txt(d, "txtHiPath")->text(), fx.mame + QStringLiteral("/hi"));
        QVERIFY(txt(d, "txtAddROMPath")->text().isEmpty());
        QVERIFY(txt(d, "txtCommentPath")->text().isEmpty());
        QCOMPARE(d.focusWidget(), btn(d, "cmdOK"));
    }

    void aDataFolderAtTheRootIsRefused()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        OptionsDialog d(fx.readyPreferences(), fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        btn(d, "cmdNext")->click();
        boxes.expect(QStringLiteral("Snapshot cannot reside in the root!  Please select a folder."),
                     platform::MessageAnswer::Ok, QStringLiteral("Directories"));
        m_browser.answers << QStringLiteral("/");
        btn(d, "cmdSelectSnap")->click();
        QCOMPARE(m_browser.titles.last(), QStringLiteral("Select your Snapshot folder..."));
        QVERIFY(boxes.allExpectedShown());
        QVERIFY(txt(d, "txtSnapPath")->text().isEmpty());
        QCOMPARE(d.focusWidget(), txt(d, "txtSnapPath"));

        m_browser.answers << QStringLiteral("/Media/Snaps");
        btn(d, "cmdSelectSnap")->click();
        QCOMPARE(txt(d, "txtSnapPath")->text(), QStringLiteral("/Media/Snaps")); // case kept
        QCOMPARE(d.focusWidget(), btn(d, "cmdOK"));
    }

    void okStopsAtTheFirstBadFolderAndWritesNothing()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        const Preferences before = fx.readyPreferences();
        OptionsDialog d(before, fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        btn(d, "cmdNext")->click();
        const QString other = fx.makeMameFolder(QStringLiteral("Other MAME"));
        const auto pressOk = [&](const QString& message, const char* box) {
            boxes.expect(message, platform::MessageAnswer::Ok, QStringLiteral("Directories"));
            btn(d, "cmdOK")->click();
            QVERIFY(boxes.allExpectedShown());
            QVERIFY(d.isVisible());
            QVERIFY(d.cancelled());
            QVERIFY(fx.wroteNothing());
            QVERIFY(!QFile::exists(other + QStringLiteral("/mame.ini")));
            QVERIFY(txt(d, box)->text().isEmpty());
            QCOMPARE(d.focusWidget(), txt(d, box));
        };
        txt(d, "txtMAMEPath")->setText(fx.tmp.path());
        txt(d, "txtSamPath")->setText(fx.tmp.path() + QStringLiteral("/no samples"));
        txt(d, "txtROMPath")->clear();
        pressOk(QStringLiteral("Cannot find mame!"), "txtMAMEPath");

        txt(d, "txtMAMEPath")->setText(other + u'/');
        pressOk(QStringLiteral("You must select a ROMs folder!"), "txtROMPath");

        txt(d, "txtROMPath")->setText(other + QStringLiteral("/roms/"));
        pressOk(QStringLiteral("The Samples folder does not exist!  Please select an existing "
                               "folder."),
                "txtSamPath");

        txt(d, "txtSamPath")->setText(other + QStringLiteral("/samples"));
        txt(d, "txtINIsPath")->setText(other);
        txt(d, "txtCommentPath")->setText(fx.tmp.path() + QStringLiteral("/comments"));
        pressOk(QStringLiteral("The Comment folder does not exist!  Please select an existing "
                               "folder."),
                "txtCommentPath");

        btn(d, "cmdOK")->click();
        QVERIFY(!d.cancelled());
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.preferences().folder(DataFolder::MAME), other);
        QCOMPARE(d.preferences().folder(DataFolder::ROMs), other + QStringLiteral("/roms"));
        QVERIFY(d.preferences().folder(DataFolder::Comments).isEmpty());
        QVERIFY(QFile::exists(fx.optionsIni));
        QFile ini(other + QStringLiteral("/mame.ini"));
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
        txt(d, "txtROMPath")->setText(fx.mame + QStringLiteral("/samples"));
        txt(d, "txtCfgPath")->setText(QStringLiteral("/no/cfg"));
        boxes.expect(QStringLiteral("The Cfg folder does not exist!  Please select an existing "
                                    "folder."));
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
            QCOMPARE(d.preferences().backColor, rgbColorValue(1, 2, 3));
        }
        Preferences stored = firstRunPreferences();
        QString error;
        QVERIFY(readPreferences(fx.optionsIni, &stored, &error));
        QCOMPARE(stored.backColor, rgbColorValue(1, 2, 3));

        ScriptedMessageBox boxes;
        boxes.expect(QStringLiteral("Problem getting Back Color.  Reverting to default setting."),
                     platform::MessageAnswer::Ok, QStringLiteral("Preferences"));
        OptionsDialog again(stored, fx.optionsIni, OptionsDialog::Occasion::Tools);
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(boxes.shown().last().icon, MessageIcon::Information);
        QCOMPARE(child<ColorComboBox>(again, "cboBackColor")->currentIndex(),
                 kDefaultBackColorIndex);
        QCOMPARE(patchColor(again), QColor(Qt::black));
    }

    void firstRunOkStoresEveryPreferenceAndReopensTheSame()
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
        txt(d, "txtAddROMPath")->setText(fx.mame + QStringLiteral("/artwork"));
        btn(d, "cmdOK")->click();
        QVERIFY(!d.cancelled());
        const Preferences chosen = d.preferences();
        QVERIFY(chosen.hidden(HideFlag::SystemGX) && chosen.hidden(HideFlag::NeoGeo));
        QVERIFY(chosen.hidden(HideFlag::Imperfect));
        QCOMPARE(chosen.year, QStringLiteral("1990"));
        QVERIFY(chosen.useStarfield);
        QCOMPARE(chosen.backColor, 0);
        QCOMPARE(chosen.fontColor, 0xFFFFFF);
        QCOMPARE(chosen.folder(DataFolder::Ini), fx.mame);
        QVERIFY(QFile::exists(fx.mame + QStringLiteral("/mame.ini")));

        Preferences back = firstRunPreferences();
        QString error;
        QVERIFY(readPreferences(fx.optionsIni, &back, &error));
        QCOMPARE(back.hide, chosen.hide);
        QCOMPARE(back.folders, chosen.folders);
        QCOMPARE(back.year, chosen.year);
        QCOMPARE(back.fontSize, chosen.fontSize);
        QCOMPARE(back.backColor, chosen.backColor);
        QCOMPARE(back.fontColor, chosen.fontColor);
        QCOMPARE(back.useStarfield, chosen.useStarfield);
        QCOMPARE(back.cloneShots, chosen.cloneShots);
        QCOMPARE(back.disableHotKeys, chosen.disableHotKeys);

        // Opened again from the Tools menu it shows the same, and OK without a change asks for no
        // reload.
        OptionsDialog again(back, fx.optionsIni, OptionsDialog::Occasion::Tools);
        again.show();
        QCOMPARE(selectedRows(again), (QList<int>{6, 10, 13, 14, 18}));
        QVERIFY(chk(again, "chkHideImperfect")->isChecked());
        QCOMPARE(txt(again, "txtAddROMPath")->text(), fx.mame + QStringLiteral("/artwork"));
        btn(again, "cmdNext")->click();
        btn(again, "cmdOK")->click();
        QVERIFY(!again.cancelled());
        QVERIFY(!again.applyDecision().refreshLists);
        QVERIFY(!again.applyDecision().reloadScreenshot);
    }

    void anUnwritableMameIniKeepsTheDialogOpen()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        boxes.allowAny(true);
        QDir(fx.mame).mkdir(QStringLiteral("mame.ini")); // a folder where the file should go
        OptionsDialog d(fx.readyPreferences(), fx.optionsIni, OptionsDialog::Occasion::Tools);
        d.show();
        btn(d, "cmdNext")->click();
        btn(d, "cmdOK")->click();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().last().title, QStringLiteral("Velmora"));
        QVERIFY(boxes.lastText().startsWith(QStringLiteral("Error In cmdOK: Cannot write ")));
        QVERIFY(d.cancelled());
        QVERIFY(!QFile::exists(fx.optionsIni));
    }

    void askReturnsNothingWhenCancelled()
    {
        Fixture fx;
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QStringLiteral("frmChoose") && w->isVisible())
                    w->findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
        });
        QVERIFY(!OptionsDialog::ask(fx.readyPreferences(), fx.optionsIni,
                                    OptionsDialog::Occasion::FirstRun));
        QVERIFY(fx.wroteNothing());
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "test_optionsdialog.moc"
