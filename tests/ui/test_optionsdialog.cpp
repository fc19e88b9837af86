// The Options dialog, driven as a user would: loading, the page-1 reactions, "Velmora Choices" and
// Clear All, the page switching, the folder browser, and OK's checks and writes. Message boxes,
// the folder browser and the colour dialog are answered by fakes.
#include "app/ColorChoices.h"
#include "app/FolderTable.h"
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
    std::optional<qint32> chooseColor(qint32) override { return answer; }
};

// A program folder for options.ini and a MAME folder that passes every folder test.
struct Fixture
{
    QTemporaryDir tmp;
    QString optionsIni = tmp.path() + "/program/settings/options.ini";
    QString mame = tmp.path() + "/Arcade/MAME";

    Fixture()
    {
        QDir().mkpath(tmp.path() + "/program/settings");
        for (const QString& sub : defaultSubfolderNames())
            QDir().mkpath(mame + u'/' + sub);
        QFile program(mame + "/mame");
        program.open(QIODevice::WriteOnly);
        program.setPermissions(program.permissions() | QFile::ExeOwner);
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
    QComboBox* cbo(const char* name) const { return control<QComboBox>(*this, name); }
    void press(const char* name) const { control<QAbstractButton>(*this, name)->click(); }
    bool on(const char* name) const { return w(name)->isEnabled(); }
    bool ticked(const char* name) const { return control<QCheckBox>(*this, name)->isChecked(); }
    QColor patch() const
    {
        return control<QLabel>(*this, "lblListBack")->palette().color(QPalette::Window);
    }
    QString text(const char* name) const { return control<QLineEdit>(*this, name)->text(); }
    QString combo(const char* name) const { return cbo(name)->currentText(); }
    void type(const char* n, const QString& t) const { control<QLineEdit>(*this, n)->setText(t); }
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

private slots:
    void init()
    {
        m_browser = FakeFolderBrowser();
        m_colors = FakeColorDialog();
        platform::seams().folderBrowser = &m_browser;
        platform::seams().colorDialog = &m_colors;
    }

    // Page 1 shows the stored choices and reacts to its own boxes; Clear All clears the hide
    // choices only.
    void pageOneLoadsAndReacts()
    {
        Fixture fx;
        Preferences p = firstRunPreferences();
        p.setHidden(HideFlag::NeoGeo, true);
        p.setHidden(HideFlag::Clones, true);
        p.cloneShots = p.disableHotKeys = true;
        p.fontColor = rgbColorValue(255, 0, 0);
        ScriptedMessageBox boxes; // the first-run background is a list entry: no message
        Dialog d(p, fx.optionsIni);
        QVERIFY(d.on("fraPreferences") && !d.on("fraDirectories") && !d.on("cmdOK"));
        QCOMPARE(d.selectedRows(), QList<int>{10});
        // Hide Clone Games keeps the clone-shots box disabled, but it still shows its value; with
        // no hot-key switch on this platform that box is cleared and disabled whatever was stored.
        QVERIFY(d.ticked("chkCloneShots") && !d.on("chkCloneShots"));
        QVERIFY(!d.ticked("chkDisable") && !d.on("chkDisable"));
        QCOMPARE(control<QLabel>(d, "lblListText")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        d.press("cmdClearAll");
        QVERIFY(d.selectedRows().isEmpty() && !d.ticked("chkHideClones"));
        // Hiding clones clears the clone-shots box: it is not ticked when it comes back.
        d.press("chkHideClones");
        d.press("chkHideClones");
        QVERIFY(d.on("chkCloneShots") && !d.ticked("chkCloneShots"));

        // A colour from the colour dialog paints the patch; the star field disables the colour
        // choice, and unticking it brings the list entry's colour back.
        d.cbo("cboBackColor")->setCurrentIndex(d.cbo("cboBackColor")->findText("Navy"));
        m_colors.answer = rgbColorValue(1, 2, 3);
        d.press("cmdBackColor");
        QCOMPARE(d.patch(), QColor(1, 2, 3));
        d.press("chkBackground");
        QVERIFY(d.w("imgStarfield")->isVisible() && !d.on("cboBackColor"));
        d.press("chkBackground");
        QCOMPARE(d.patch(), QColor(0, 0, 128));
    }

    // A first run: "Velmora Choices" on page 1; page 2 takes the focus to the first required box
    // still empty; the folder buttons refuse bad choices and fill only empty boxes; OK stops at a
    // bad folder with the focus on it and writes nothing until every folder passes and mame.ini
    // is written. Opened again, the dialog shows what was stored.
    void firstRunThroughBothPagesAndBack()
    {
        Fixture fx;
        ScriptedMessageBox boxes;
        Preferences p = firstRunPreferences();
        p.setFolder(DataFolder::ROMs, "/data/My ROMs");
        Dialog d(p, fx.optionsIni, Occasion::FirstRun);
        d.press("cmdMyDefaults");
        d.press("chkBackground");
        m_colors.answer = rgbColorValue(1, 2, 3);
        d.press("cmdBackColor");
        d.press("chkBackground");
        d.type("txtMAMEPath", "typed");
        d.press("cmdNext");
        QVERIFY(d.on("fraDirectories") && !d.on("fraPreferences") && !d.on("cmdClearAll"));
        QCOMPARE(d.focusWidget(), d.w("txtAddROMPath")); // MAME and ROMs are filled

        boxes.expect("Cannot find mame!", MessageAnswer::Ok, "Directories");
        m_browser.answers << fx.mame + "/roms" << fx.mame << fx.tmp.path() + "/Arcade";
        d.press("cmdSelectMAME");
        QVERIFY(boxes.allExpectedShown() && d.focusWidget() == d.w("txtMAMEPath"));
        QCOMPARE(boxes.shown().last().icon, platform::MessageIcon::Critical);
        QVERIFY(d.text("txtMAMEPath").isEmpty() && d.text("txtSamPath").isEmpty());
        d.press("cmdSelectMAME");
        QCOMPARE(d.text("txtMAMEPath") + '|' + d.text("txtROMPath") + '|' + d.text("txtSamPath"),
                 fx.mame + "|/data/My ROMs|" + fx.mame + "/samples");
        d.press("cmdSelectSnap");
        QCOMPARE(d.text("txtSnapPath"), fx.tmp.path() + "/Arcade");

        boxes.allowAny(true);
        d.press("cmdOK");
        QVERIFY(boxes.lastText().startsWith("The ROMs folder") && d.isVisible() && d.cancelled());
        QVERIFY(d.text("txtROMPath").isEmpty() && d.focusWidget() == d.w("txtROMPath"));
        QVERIFY(!QFile::exists(fx.optionsIni) && !QFile::exists(fx.mame + "/mame.ini"));
        d.type("txtROMPath", fx.mame + "/roms/");
        QDir(fx.mame).mkdir("mame.ini"); // a folder where the file should go
        d.press("cmdOK");
        QCOMPARE(boxes.lastText(),
                 "Error In cmdOK: " + fx.mame + "/mame.ini could not be saved: Is a directory");
        QVERIFY(boxes.shown().last().title == "Velmora" && d.cancelled() &&
                !QFile::exists(fx.optionsIni));
        QDir(fx.mame).rmdir("mame.ini");
        d.press("cmdOK");
        QVERIFY(!d.cancelled() && d.result() == QDialog::Accepted);
        QCOMPARE(d.preferences().folder(DataFolder::ROMs), fx.mame + "/roms");
        QCOMPARE(TempProgram::readFile(fx.mame + "/mame.ini"), mameIniPathLayer(d.preferences()));
        Preferences back = firstRunPreferences();
        QString error;
        QVERIFY(readPreferences(fx.optionsIni, &back, &error));
        back.year = "1970";
        back.fontSize = "9";
        back.fontColor = kSystemWindowText;

        // The custom colour goes back to the default. A year and font size the lists do not
        // offer are shown in their place. OK without a change asks for no reload and keeps the
        // system text colour.
        boxes.expect("Problem getting Back Color.  Reverting to default setting.",
                     MessageAnswer::Ok, "Preferences");
        Dialog again(back, fx.optionsIni);
        QVERIFY(boxes.allExpectedShown());
        QCOMPARE(boxes.shown().last().icon, platform::MessageIcon::Information);
        QCOMPARE(again.cbo("cboBackColor")->currentIndex(), kDefaultBackColorIndex);
        QCOMPARE(again.selectedRows(), (QList<int>{6, 10, 13, 14}));
        QVERIFY(again.w("imgStarfield")->isVisible());
        QCOMPARE(again.combo("cboHideYear") + again.combo("cboSize"), QString("19709"));
        again.press("cmdNext");
        again.press("cmdOK");
        QVERIFY(!again.cancelled() && again.preferences().fontColor == kSystemWindowText);
        QVERIFY(!again.applyDecision().refreshLists && !again.applyDecision().reloadScreenshot);
    }

    // The program's own message box: the window it covered is painted as soon as it closes.
    void aClosedMessageBoxLeavesTheWindowPainted()
    {
        Fixture fx;
        const platform::Seams fakes = platform::seams();
        platform::installQtSeams();
        Dialog d(firstRunPreferences(), fx.optionsIni);
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
