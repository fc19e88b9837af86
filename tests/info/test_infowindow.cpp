// The main window's game information and maintenance commands over a small loaded database:
// the Maintenance screen's boxes, Game Information on the report panel, and Delete ROM moving a
// game to the Uninstalled list. The messages themselves are pinned by the routines' own tests.
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
    bool checked(const QString& name) const
    {
        return window.findChild<QCheckBox*>(name)->isChecked();
    }
    void click(const char* name) const { child<QPushButton>(name)->click(); }
};

} // namespace

class TestInfoWindow : public QObject
{
    Q_OBJECT
private slots:
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
        // Select All of one group leaves the other group alone; a run clears its group's boxes.
        messages.allowAny(true);
        w.click("cmdSelectAll[0]");
        QVERIFY(w.checked("chkFolder[4]") && !w.checked("chkDeleteROMs"));
        w.child<QRadioButton>("optCurrent")->setChecked(true);
        w.click("cmdFolders");
        QCOMPARE(messages.lastText(), "There is no .png file for pacman.");
        for (int i = 0; i < 5; ++i)
            QVERIFY(!w.checked(QString("chkFolder[%1]").arg(i)));
        w.click("cmdSelectAll[1]");
        QVERIFY(!w.checked("chkFolder[0]"));
        w.click("cmdReports");
        QVERIFY(messages.shown().size() == 1 + 5 + 9 && !w.checked("chkDeleteWhatsChanged"));
    }

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
        const auto boldTo = [&](int end) {
            at.setPosition(end);
            return at.charFormat().fontWeight() == QFont::Bold;
        };
        QVERIFY(boldTo(3) && !boldTo(text->toPlainText().indexOf("Pac history") + 2));

        // Delete ROM, once confirmed, removes the file and moves the game to the Uninstalled list.
        w.click("cmdGameList");
        w.window.showView(ListKind::Installed);
        w.select(ListKind::Installed, "pacman");
        ScriptedMessageBox messages;
        messages.expect("Are you sure you want to permanently delete the ROM pacman.zip from "
                        "your hard drive?\rAssociated artwork, .cfg, .hi, .nv, and .inp files "
                        "will also be deleted.",
                        MessageAnswer::Yes);
        w.window.commands().deleteRom();
        QVERIFY(!QFile::exists(w.folder(DataFolder::ROMs) + "/pacman.zip"));
        QVERIFY(w.roms(ListKind::Uninstalled).contains("pacman") &&
                !w.roms(ListKind::Installed).contains("pacman"));
    }
};

QTEST_MAIN(TestInfoWindow)
#include "test_infowindow.moc"
