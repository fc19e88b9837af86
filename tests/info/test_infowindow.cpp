// The main window's game information and maintenance commands over a small loaded database:
// the Maintenance screen's boxes, Game Information on the report panel, and Delete ROM moving a
// game to the Uninstalled list. The messages themselves are pinned by the routines' own tests.
#include "FileTree.h"
#include "support/ScriptedMessageBox.h"
#include "ui/InfoCommands.h"
#include "ui/ListWindowFixture.h"
#include "ui/StatusPanels.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;
using platform::MessageAnswer;

namespace {

struct InfoWindow : ListWindow
{
    InfoWindow() { wireInfo(window, state), load(ListKind::All); }
    bool checked(const char* name) const { return child<QCheckBox>(name)->isChecked(); }
    void click(const char* name) const { child<QPushButton>(name)->click(); }
};

} // namespace

class TestInfoWindow : public QObject
{
    Q_OBJECT
private slots:
    // Select All of one group leaves the other group alone; a run clears its group's boxes.
    void maintenanceBoxes()
    {
        InfoWindow w;
        w.select(ListKind::All, "pacman");
        w.window.commands().maintenance();
        QVERIFY(w.window.findChild<QWidget*>("panels")->property("currentIndex") == 2 &&
                w.window.statusBarElement(1)->text(3) == "pacman");
        ScriptedMessageBox messages;
        messages.expect("You must first select a directory.", MessageAnswer::Ok, "Maintenance");
        w.click("cmdFolders");
        messages.allowAny(true);
        w.click("cmdSelectAll[0]");
        QVERIFY(w.checked("chkFolder[4]") && !w.checked("chkDeleteROMs"));
        w.child<QRadioButton>("optCurrent")->setChecked(true);
        w.click("cmdFolders");
        QVERIFY(messages.lastText() == "There is no .png file for pacman." &&
                !w.checked("chkFolder[0]") && !w.checked("chkFolder[4]"));
        w.click("cmdSelectAll[1]");
        w.click("cmdReports");
        QVERIFY(messages.shown().size() == 1 + 5 + 9 && !w.checked("chkDeleteWhatsChanged"));
    }

    // Game Information shows on the report panel with its headings bold; Delete ROM, once
    // confirmed, moves the game to the Uninstalled list.
    void gameInformationAndDeleteRom()
    {
        InfoWindow w;
        TempProgram::writeFile(w.folder(DataFolder::MAME) + "/history.dat",
                               "$info=pacman,\n$bio\n\nPac history.\n$end\n");
        w.select(ListKind::All, "pacman");
        w.window.commands().info();
        QTextEdit* text = w.window.txtVerify();
        QVERIFY(text->toPlainText().startsWith("History.Dat\n\nPac history. \n"));
        QTextCursor at(text->document());
        at.setPosition(3);
        QCOMPARE(at.charFormat().fontWeight(), QFont::Bold);
        at.setPosition(text->toPlainText().indexOf("Pac history") + 2);
        QCOMPARE(at.charFormat().fontWeight(), QFont::Normal);

        w.click("cmdGameList");
        w.window.showView(ListKind::Installed);
        w.select(ListKind::Installed, "pacman");
        ScriptedMessageBox messages;
        messages.expect(kDeleteRomQuestion, MessageAnswer::Yes);
        w.window.commands().deleteRom();
        QVERIFY(!QFile::exists(w.folder(DataFolder::ROMs) + "/pacman.zip") &&
                w.roms(ListKind::Uninstalled).contains("pacman") &&
                !w.roms(ListKind::Installed).contains("pacman"));
    }
};

QTEST_MAIN(TestInfoWindow)
#include "test_infowindow.moc"
