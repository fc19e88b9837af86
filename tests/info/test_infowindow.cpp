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
    }

    // Game Information shows on the report panel; Delete ROM, once confirmed, moves the game to
    // the Uninstalled list.
    void gameInformationAndDeleteRom()
    {
        InfoWindow w;
        TempProgram::writeFile(w.folder(DataFolder::MAME) + "/history.dat",
                               "$info=pacman,\n$bio\n\nPac history.\n$end\n");
        w.select(ListKind::All, "pacman");
        w.window.commands().info();
        QVERIFY(w.window.txtVerify()->toPlainText().startsWith("History.Dat\n\nPac history. \n"));

        w.click("cmdGameList");
        w.window.showView(ListKind::Installed);
        w.select(ListKind::Installed, "pacman");
        ScriptedMessageBox messages;
        messages.expect(kDeleteRomQuestion, MessageAnswer::Yes);
        w.window.commands().deleteRom();
        QVERIFY(w.roms(ListKind::Uninstalled).contains("pacman") &&
                !w.roms(ListKind::Installed).contains("pacman"));
    }
};

QTEST_MAIN(TestInfoWindow)
#include "test_infowindow.moc"
