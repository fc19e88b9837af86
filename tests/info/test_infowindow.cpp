// The main window's game information and maintenance commands over a small loaded database:
// the Maintenance screen's boxes, Game Information on the report panel, Export
// List of the list on show and Delete ROM moving a game to the Uninstalled list.
#include "support/ScriptedMessageBox.h"
#include "ui/InfoCommands.h"
#include "ui/ListWindowFixture.h"
#include "ui/StatusPanels.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QtTest>

using namespace velmora;
using namespace velmora::testing;
using platform::MessageAnswer;

class TestInfoWindow : public QObject
{
    Q_OBJECT
private slots:
    void maintenanceBoxes();
    void gameInformationOnTheReportPanel();
    void exportAndDeleteRom();
};

namespace {

struct InfoWindow : ListWindow
{
    InfoWindow()
    {
        wireInfo(window, state);
        load(ListKind::All);
    }
    QCheckBox* box(const QString& name) const { return window.findChild<QCheckBox*>(name); }
    void click(const char* name) const { child<QPushButton>(name)->click(); }
};

} // namespace

void TestInfoWindow::maintenanceBoxes()
{
    InfoWindow w;
    w.select(ListKind::All, "pacman");
    w.window.commands().maintenance();
    QCOMPARE(w.window.findChild<QWidget*>("panels")->property("currentIndex"), QVariant(2));
    QVERIFY(w.window.fraMaintenance()->isEnabled());
    QVERIFY(w.child<QScrollBar>("VScroll[1]"));
    QCOMPARE(w.window.statusBarElement(1)->text(3), QString("pacman"));
    QVERIFY(w.child<QRadioButton>("optCurrent")->isEnabled());

    ScriptedMessageBox messages;
    messages.expect("You must first select a directory.", MessageAnswer::Ok, "Maintenance");
    w.click("cmdFolders");
    // Select All of one group leaves the other group alone.
    w.click("cmdSelectAll[0]");
    QVERIFY(w.box("chkFolder[4]")->isChecked());
    QVERIFY(!w.box("chkDeleteROMs")->isChecked());
    w.child<QRadioButton>("optCurrent")->setChecked(true);
    for (const char* ext : {".cfg", ".nv", ".inp", ".hi", ".png"})
        messages.expect(QString("There is no %1 file for pacman.").arg(ext));
    w.click("cmdFolders");
    for (int i = 0; i < 5; ++i)
        QVERIFY(!w.box(QString("chkFolder[%1]").arg(i))->isChecked());

    w.click("cmdSelectAll[1]");
    QVERIFY(!w.box("chkFolder[0]")->isChecked());
    messages.allowAny(true);
    w.click("cmdReports");
    QCOMPARE(messages.shown().size(), 1 + 5 + 9);
    QCOMPARE(messages.lastText(),
             QString("There is no What's Changed (All Info) report to delete."));
    QVERIFY(!w.box("chkDeleteWhatsChanged")->isChecked());
}

void TestInfoWindow::gameInformationOnTheReportPanel()
{
    InfoWindow w;
    TempProgram::writeFile(w.folder(DataFolder::MAME) + "/history.dat",
                           "$info=pacman,\n$bio\n\nPac history.\n$end\n");
    w.select(ListKind::All, "pacman");
    w.window.commands().info();
    QCOMPARE(w.window.fraVerify()->title(), QString("Game Information"));
    QTextEdit* text = w.window.txtVerify();
    QVERIFY(text->toPlainText().startsWith("History.Dat\n\nPac history. \n"));
    QTextCursor cursor(text->document());
    cursor.setPosition(3);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
    cursor.setPosition(text->toPlainText().indexOf("Pac history") + 2);
    QVERIFY(cursor.charFormat().fontWeight() != int(QFont::Bold));
    QVERIFY(w.child<QPushButton>("cmdGameList")->isEnabled());
}

void TestInfoWindow::exportAndDeleteRom()
{
    InfoWindow w;
    w.window.showView(ListKind::Installed);
    ScriptedMessageBox messages;
    messages.expect("Do you want to export this list of ROMs and Games to a text file in your "
                    "Velmora\\Reports directory?",
                    MessageAnswer::Yes);
    messages.expect("Export complete.  Game list exported as installedgames.txt.");
    w.window.commands().exportList();
    const QByteArray exported =
        TempProgram::readFile(w.program.paths().report("installedgames.txt"));
    QVERIFY(exported.contains("\r\nasteroid      Asteroids\r\n"));
    QVERIFY(exported.endsWith("Total Count:   3 \r\n"));

    w.select(ListKind::Installed, "pacman");
    messages.expect("Are you sure you want to permanently delete the ROM pacman.zip from your "
                    "hard drive?\rAssociated artwork, .cfg, .hi, .nv, and .inp files will also be "
                    "deleted.",
                    MessageAnswer::Yes, "Confirm Delete");
    w.window.commands().deleteRom();
    QVERIFY(messages.allExpectedShown());
    QVERIFY(!QFile::exists(w.folder(DataFolder::ROMs) + "/pacman.zip"));
    QVERIFY(w.roms(ListKind::Uninstalled).contains("pacman"));
    QVERIFY(!w.roms(ListKind::Installed).contains("pacman"));
}

QTEST_MAIN(TestInfoWindow)
#include "test_infowindow.moc"
