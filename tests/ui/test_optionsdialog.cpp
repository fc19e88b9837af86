// The Options dialog, driven as a user would: loading, the page-1 reactions, "Velmora Choices" and
// Clear All, the page switching, the folder browser, and OK's order of checks and writes. Message
// boxes, the folder browser, the colour dialog and the clock are answered by fakes.
#include "app/ColorChoices.h"
#include "app/FolderTable.h"
#include "app/IniFile.h"
#include "emulator_settings/MameIni.h"
#include "platform/Seams.h"
#include "platform/qt/QtSeams.h"
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "support/UiHelpers.h"
#include "ui/ColorValue.h"
#include "ui/OptionsDialog.h"

#include <QTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;
using platform::MessageAnswer;
using Occasion = OptionsDialog::Occasion;

namespace {

struct FakeFolderBrowser : platform::FolderBrowser
{
    QList<std::optional<QString>> answers;
    std::optional<QString> browseForFolder(const QString&, const QString&) override
    {
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
};

struct FakeColorDialog : platform::ColorDialog
{
    std::optional<qint32> answer;
    qint32 offered = -1;
    std::optional<qint32> chooseColor(qint32 rgb) override { return offered = rgb, answer; }
};

struct FixedClock : platform::Clock
{
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
        for (const FolderEntry& e : folderTable())
            p.setFolder(e.folder,
                        e.folder == DataFolder::MAME ? mame : defaultFolderPath(e.folder, mame));
        return p;
    }
    bool wroteNothing() const
    {
        return !QFile::exists(optionsIni) && !QFile::exists(mame + "/mame.ini");
    }
};

// The dialog on screen, with its controls by name.
struct Dialog : OptionsDialog
{
    Dialog(const Preferences& p, const QString& ini, Occasion o = Occasion::Tools)
        : OptionsDialog(p, ini, o)
    {
        show();
    }
    QWidget* w(const char* name) const { return control<QWidget>(*this, name); }
    QLineEdit* txt(const char* name) const { return control<QLineEdit>(*this, name); }
    QComboBox* cbo(const char* name) const { return control<QComboBox>(*this, name); }
    void press(const char* name) const { control<QAbstractButton>(*this, name)->click(); }
    bool on(const char* name) const { return w(name)->isEnabled(); }
    bool ticked(const char* name) const { return control<QCheckBox>(*this, name)->isChecked(); }
    QColor color(const char* label, QPalette::ColorRole role) const
    {
        return control<QLabel>(*this, label)->palette().color(role);
    }
    QColor textColor() const { return color("lblListText", QPalette::WindowText); }
    QColor patch() const { return color("lblListBack", QPalette::Window); }
    QString text(const char* name) const { return txt(name)->text(); }
    QString combo(const char* name) const { return cbo(name)->currentText(); }
    void type(const char* name, const QString& text) const { txt(name)->setText(text); }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        auto* list = control<QListWidget>(*this, "lstHideBios");
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected())
                rows << i;
        return rows;
    }
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

    // Page 1 shows the stored choices and reacts to its own boxes; "Velmora Choices" and Clear
    // All set the hide boxes and leave the rest.
    void pageOneLoadsAndReacts()
    {
        Fixture fx;
        Preferences p = fx.readyPreferences();
        p.setHidden(HideFlag::NeoGeo, true);
        p.setHidden(HideFlag::Clones, true);
        p.setHidden(HideFlag::Imperfect, true);
        p.cloneShots = p.disableHotKeys = true;
        p.fontColor = rgbColorValue(255, 0, 0);
        ScriptedMessageBox boxes; // the first-run background is a list entry: no message
        Dialog d(p, fx.optionsIni);
        QVERIFY(d.on("fraPreferences") && !d.on("fraDirectories") && !d.on("cmdOK"));
        QCOMPARE(d.selectedRows(), QList<int>{10});
        QVERIFY(d.ticked("chkHideClones") && !d.ticked("chkHideVS"));
        // Hide Clone Games keeps the clone-shots box disabled, but it still shows its value.
        QVERIFY(d.ticked("chkCloneShots") && !d.on("chkCloneShots"));
        // No hot-key switch on this platform: cleared and disabled whatever was stored.
        QVERIFY(!d.ticked("chkDisable") && !d.on("chkDisable"));
        QVERIFY(!d.ticked("chkHideYear") && !d.on("cboHideYear"));
        QCOMPARE(d.combo("cboHideYear"), QString("2025")); // none stored: the last
        QCOMPARE(d.cbo("cboBackColor")->currentIndex(), 5);
        QCOMPARE(d.textColor(), QColor(255, 0, 0));

        d.press("chkHideClones");
        d.press("chkHideClones");
        QVERIFY(!d.ticked("chkCloneShots") && !d.on("chkCloneShots"));
        d.press("chkHideClones");
        QVERIFY(d.on("chkCloneShots") && !d.ticked("chkCloneShots")); // not ticked again
        d.press("chkHideYear");
        QVERIFY(d.on("cboHideYear"));

        d.cbo("cboBackColor")->setCurrentIndex(d.cbo("cboBackColor")->findText("Navy"));
        QCOMPARE(d.patch(), QColor(0, 0, 128));
        d.press("chkBackground");
        QVERIFY(d.w("imgStarfield")->isVisible() && !d.on("cboBackColor") && !d.on("cmdBackColor"));
        // A colour from the colour dialog paints the patch; unticking the star field brings the
        // list entry's colour back.
        d.press("chkBackground");
        m_colors.answer = rgbColorValue(1, 2, 3);
        d.press("cmdBackColor");
        QCOMPARE(m_colors.offered, rgbColorValue(0, 0, 128));
        QCOMPARE(d.patch(), QColor(1, 2, 3));
        d.press("chkBackground");
        d.press("chkBackground");
        QCOMPARE(d.patch(), QColor(0, 0, 128));
        m_colors.answer = rgbColorValue(0, 255, 0);
        d.press("cmdFontColor");
        QCOMPARE(d.textColor(), QColor(0, 255, 0));
        QCOMPARE(d.focusWidget(), d.w("cmdNext"));
        d.cbo("cboSize")->setCurrentIndex(3);
        QCOMPARE(control<QLabel>(d, "lblListText")->font().pointSize(), 14);

        const char* hideBoxes[] = {"chkHideClones", "chkHidePrelim", "chkHideVS",  "chkHideYear",
                                   "chkHideBoot",   "chkHideTest",   "chkHideCHD", "chkBackground"};
        d.press("cmdMyDefaults");
        QCOMPARE(d.selectedRows(), (QList<int>{6, 10, 13, 14}));
        for (const char* name : hideBoxes)
            QVERIFY2(d.ticked(name), name);
        QVERIFY(!d.ticked("chkHideImperfect") && !d.ticked("chkCloneShots"));
        QCOMPARE(d.combo("cboHideYear"), QString("1990"));
        QCOMPARE(d.cbo("cboBackColor")->currentIndex(), kDefaultBackColorIndex);
        d.press("cmdClearAll");
        QVERIFY(d.selectedRows().isEmpty() && d.on("chkCloneShots"));
        for (const char* name : hideBoxes)
            QVERIFY2(!d.ticked(name), name);
        QCOMPARE(d.combo("cboHideYear") + d.combo("cboSize"), QString("19908"));
    }

    // Next and Back switch pages; page 2 takes the focus to the first required box still empty,
    // then to OK. The folder buttons refuse bad choices and fill only empty boxes.
    void pageTwoFocusAndTheFolderButtons()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        Preferences p = firstRunPreferences();
        p.setFolder(DataFolder::ROMs, "/data/My ROMs");
        Dialog d(p, fx.optionsIni, Occasion::FirstRun);
        d.press("cmdNext");
        QVERIFY(d.on("fraDirectories") && !d.on("fraPreferences") && d.on("cmdOK"));
        for (const char* name : {"cmdNext", "cmdMyDefaults", "cmdClearAll"})
            QVERIFY2(!d.on(name), name);
        d.type("txtROMPath", "");
        const char* required[] = {"txtMAMEPath", "txtROMPath", "txtAddROMPath", "cmdOK"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(d.focusWidget(), d.w(required[i]));
            d.type(required[i], fx.mame + (i ? "/roms" : ""));
            d.press("cmdBack");
            QVERIFY(!d.on("cmdOK") && d.on("cmdClearAll"));
            d.press("cmdNext");
        }
        QCOMPARE(d.focusWidget(), d.w("cmdOK"));
        d.type("txtMAMEPath", "");
        d.type("txtROMPath", "/data/My ROMs");
        d.type("txtAddROMPath", "");

        d.press("cmdSelectMAME"); // cancelled: changes nothing
        QVERIFY(d.text("txtMAMEPath").isEmpty());
        // A folder without mame is refused and fills nothing.
        boxes.expect("Cannot find mame!", MessageAnswer::Ok, "Directories");
        m_browser.answers << fx.mame + "/roms";
        d.type("txtMAMEPath", "typed");
        d.press("cmdSelectMAME");
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(boxes.shown().last().icon, platform::MessageIcon::Critical);
        QVERIFY(d.text("txtMAMEPath").isEmpty() && d.text("txtSamPath").isEmpty());
        QCOMPARE(d.focusWidget(), d.w("txtMAMEPath"));
        m_browser.answers << fx.mame;
        d.press("cmdSelectMAME");
        QCOMPARE(d.text("txtMAMEPath") + '|' + d.text("txtROMPath") + '|' + d.text("txtSamPath"),
                 fx.mame + "|/data/My ROMs|" + fx.mame + "/samples");
        QVERIFY(d.text("txtAddROMPath").isEmpty());

        // A data folder at the root is refused; a good one keeps its letter case.
        boxes.expect("Snapshot cannot reside in the root!  Please select a folder.",
                     MessageAnswer::Ok, "Directories");
        m_browser.answers << "/"
                          << "/Media/Snaps";
        d.press("cmdSelectSnap");
        QVERIFY(boxes.allExpectedShown() && d.text("txtSnapPath").isEmpty());
        d.press("cmdSelectSnap");
        QCOMPARE(d.text("txtSnapPath"), QString("/Media/Snaps"));
    }

    // OK checks the folders in order, stops at the first bad one with the focus on it, and writes
    // nothing until all pass; Cancel after a refused OK keeps the folders as they were.
    void okStopsAtTheFirstBadFolderAndWritesNothing()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        const Preferences before = fx.readyPreferences();
        Dialog d(before, fx.optionsIni);
        d.press("cmdNext");
        const QString other = fx.makeMameFolder("Other MAME");
        d.type("txtMAMEPath", fx.tmp.path());
        d.type("txtSamPath", fx.tmp.path() + "/no samples");
        d.type("txtROMPath", other + "/roms/");
        const struct
        {
            const char* box;
            QString message;
            QString fix;
        } refusals[] = {
            {"txtMAMEPath", "Cannot find mame!", other + u'/'},
            {"txtSamPath", "The Samples folder does not exist!  Please select an existing folder.",
             other + "/samples"},
        };
        for (const auto& r : refusals) {
            boxes.expect(r.message, MessageAnswer::Ok, "Directories");
            d.press("cmdOK");
            QVERIFY2(boxes.allExpectedShown() && d.isVisible() && d.cancelled(), r.box);
            QVERIFY2(fx.wroteNothing() && !QFile::exists(other + "/mame.ini"), r.box);
            QVERIFY2(d.text(r.box).isEmpty(), r.box);
            QCOMPARE(d.focusWidget(), d.w(r.box));
            d.type(r.box, r.fix);
        }
        d.type("txtINIsPath", other);
        d.press("cmdOK");
        QVERIFY(!d.cancelled() && d.result() == QDialog::Accepted);
        QCOMPARE(d.preferences().folder(DataFolder::MAME), other);
        QCOMPARE(d.preferences().folder(DataFolder::ROMs), other + "/roms");
        QVERIFY(QFile::exists(fx.optionsIni));
        QCOMPARE(TempProgram::readFile(other + "/mame.ini"), mameIniPathLayer(d.preferences()));
        QVERIFY(d.applyDecision().refreshLists);

        Dialog cancelled(before, fx.optionsIni);
        cancelled.press("cmdNext");
        cancelled.type("txtROMPath", fx.mame + "/samples");
        cancelled.type("txtSamPath", "/no/samples");
        boxes.expect(refusals[1].message);
        cancelled.press("cmdOK");
        cancelled.press("cmdCancel");
        QVERIFY(cancelled.cancelled() && cancelled.result() == QDialog::Rejected);
        QCOMPARE(cancelled.preferences().folders, before.folders);
        QVERIFY(!QFile::exists(fx.mame + "/mame.ini"));
    }

    // A first run's choices are stored and come back; a custom back colour does not. The lists'
    // text starts in the system's window-text colour.
    void firstRunOkStoresThePreferencesAndReopensTheSame()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        Dialog d(firstRunPreferences(), fx.optionsIni, Occasion::FirstRun);
        QCOMPARE(d.textColor(), systemColor(8));
        d.press("cmdMyDefaults");
        d.press("chkHideImperfect");
        control<QListWidget>(d, "lstHideBios")->item(18)->setSelected(true);
        d.press("chkBackground");
        m_colors.answer = rgbColorValue(1, 2, 3);
        d.press("cmdBackColor");
        d.press("chkBackground");
        d.press("cmdNext");
        m_browser.answers << fx.mame;
        d.press("cmdSelectMAME");
        d.type("txtAddROMPath", fx.mame + "/artwork");
        d.press("cmdOK");
        QVERIFY(!d.cancelled());
        QCOMPARE(d.preferences().folder(DataFolder::Ini), fx.mame);
        QVERIFY(QFile::exists(fx.mame + "/mame.ini"));
        Preferences back = firstRunPreferences();
        QString error;
        QVERIFY(readPreferences(fx.optionsIni, &back, &error));
        QCOMPARE(back.backColor, rgbColorValue(1, 2, 3));

        // Opened again it shows the same, but the custom colour goes back to the default; OK
        // without a change asks for no reload.
        boxes.expect("Problem getting Back Color.  Reverting to default setting.",
                     MessageAnswer::Ok, "Preferences");
        Dialog again(back, fx.optionsIni);
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(boxes.shown().last().icon, platform::MessageIcon::Information);
        QCOMPARE(again.cbo("cboBackColor")->currentIndex(), kDefaultBackColorIndex);
        QCOMPARE(again.selectedRows(), (QList<int>{6, 10, 13, 14, 18}));
        QVERIFY(again.ticked("chkHideImperfect") && again.w("imgStarfield")->isVisible());
        QCOMPARE(again.text("txtAddROMPath"), fx.mame + "/artwork");
        again.press("cmdNext");
        again.press("cmdOK");
        QVERIFY(!again.cancelled());
        QVERIFY(!again.applyDecision().refreshLists && !again.applyDecision().reloadScreenshot);
    }

    // A stored year and font size that the lists do not offer are shown in their place and kept
    // by OK, as is the system text colour; a mame.ini that cannot be written keeps the dialog open.
    void offListChoicesStayAndAnUnwritableMameIniKeepsTheDialogOpen()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        Preferences p = fx.readyPreferences();
        p.setHidden(HideFlag::Year, true);
        p.year = "1970";
        p.fontSize = "9";
        Dialog d(p, fx.optionsIni);
        QVERIFY(d.on("cboHideYear"));
        QCOMPARE(d.combo("cboHideYear") + d.combo("cboSize"), QString("19709"));
        QCOMPARE(d.cbo("cboHideYear")->currentIndex() + d.cbo("cboSize")->currentIndex(), 1);
        d.press("cmdNext");
        d.press("cmdOK");
        QCOMPARE(d.preferences().year + d.preferences().fontSize, QString("19709"));
        QCOMPARE(ReadIniValue(fx.optionsIni, "Preferences", "FontColor", QString()),
                 QString("-2147483640"));

        boxes.allowAny(true);
        QFile::remove(fx.optionsIni);
        QFile::remove(fx.mame + "/mame.ini");
        QDir(fx.mame).mkdir("mame.ini"); // a folder where the file should go
        Dialog bad(fx.readyPreferences(), fx.optionsIni);
        bad.press("cmdNext");
        bad.press("cmdOK");
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().last().title, QString("Velmora"));
        QVERIFY(boxes.lastText().startsWith("Error In cmdOK: Cannot write "));
        QVERIFY(bad.cancelled() && !QFile::exists(fx.optionsIni));
    }

    // Cancel makes ask() return nothing and write nothing. The program's own message box: the
    // window it covered is painted as soon as it closes.
    void askCancelledAndAClosedMessageBoxLeavesTheWindowPainted()
    {
        Fixture fx;
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == "frmChoose" && w->isVisible())
                    w->findChild<QPushButton*>("cmdCancel")->click();
        });
        QVERIFY(!OptionsDialog::ask(fx.readyPreferences(), fx.optionsIni, Occasion::FirstRun));
        QVERIFY(fx.wroteNothing());
        const platform::Seams fakes = platform::seams();
        platform::installQtSeams();
        Dialog d(fx.readyPreferences(), fx.optionsIni);
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        PaintCounter counter;
        d.installEventFilter(&counter);
        QTimer::singleShot(0, [&counter] {
            counter.paints = 0;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        platform::showMessage("Cannot find mame!", "Directories", platform::MessageIcon::Critical);
        const int paintedAtClose = counter.paints;
        platform::seams() = fakes;
        QVERIFY(paintedAtClose > 0);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "test_optionsdialog.moc"
