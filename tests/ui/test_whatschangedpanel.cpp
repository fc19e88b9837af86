// The What's Changed commands on the report panel: the messages for missing lists and reports,
// the no-change texts, a saved report, and Cancel (no file, Exit restored, elapsed time shown).
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/ListWindowFixture.h"
#include "ui/StatusPanels.h"
#include "ui/WhatsChangedController.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;
using platform::MessageAnswer;

namespace {

const QString kConfirm = QString("This can take an EXTREMELY long time.  Do you want to continue?");

QByteArray machines(int count, const QByteArray& year)
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n";
    for (int i = 0; i < count; ++i)
        text += "\t<machine name=\"m" + QByteArray::number(i) +
                "\">\n\t\t<description>Machine</description>\n\t\t<year>" + year +
                "</year>\n\t</machine>\n";
    return text + "</mame>\n";
}

// The main window with the What's Changed commands wired, over a throw-away program folder.
struct Window : ListWindow
{
    QTextEdit* text = window.txtVerify();
    QPushButton* exit = child<QPushButton>("cmdExit");

    Window() { wireWhatsChanged(window, state); }
    void write(const QString& name, const QByteArray& content) const
    {
        TempProgram::writeFile(program.paths().report(name), content);
    }
    void compare(bool all, bool last = false)
    {
        auto& c = window.commands();
        last ? (all ? c.lastWhatsChangedAll() : c.lastWhatsChangedRoms())
             : (all ? c.whatsChangedAll() : c.whatsChangedRoms());
    }
};

} // namespace

class WhatsChangedPanelTest : public QObject
{
    Q_OBJECT
private slots:
    // Each missing or empty input is named in a box titled after the command; a compare without
    // changes says so and saves nothing; with changes, the saved report is the panel's text, its
    // heading bold there and when shown again. The reports' contents are pinned by the compares'
    // own tests.
    void messagesAndReports()
    {
        Window w;
        ScriptedMessageBox box;
        const auto run = [&](bool allInfo, bool last, bool confirm, const QString& message = {}) {
            if (confirm)
                box.expect(kConfirm, MessageAnswer::Yes, "Confirm Continue");
            if (!message.isEmpty())
                box.expect(message, MessageAnswer::Ok,
                           last      ? "Last What's Changed Report"
                           : allInfo ? "What's Changed (All Info)"
                                     : "What's Changed (ROMs Info)");
            w.compare(allInfo, last);
            return w.text->toPlainText();
        };
        const QString where = "report.  You can create one from the Reports pull-down menu above.";
        run(false, false, false, "Cannot find crcinfo.txt.");
        run(false, true, false, "Cannot find What's Changed (ROMs Info) " + where);
        run(true, true, false, "Cannot find What's Changed (All Info) " + where);
        w.write("listxml.txt", {});
        run(true, false, false,
            "Cannot find oldlistxml.txt.  Velmora must first detect a new version of "
            "M.A.M.E.\rbefore it can create the oldlistxml.txt file.");
        w.write("oldlistxml.txt", {});
        run(true, false, true,
            "listxml.txt holds nothing to compare.  The file is empty or is not a list made by "
            "M.A.M.E.");
        QVERIFY(box.allExpectedShown()); // a box shown out of turn fails at once

        w.write("crcinfo.txt", "1 a.bin\tpacman\tPac-Man\n");
        w.write("oldcrcinfo.txt", "1 a.bin\tpacman\tPac-Man\n");
        QVERIFY(run(false, false, true)
                    .endsWith("No additions or changes were detected in this version of M.A.M.E."));
        w.write("listxml.txt", machines(3, "1981"));
        w.write("oldlistxml.txt", machines(3, "1981"));
        QVERIFY(run(true, false, true)
                    .endsWith("No additions, removals, or changes were detected in this version "
                              "of M.A.M.E."));
        const QString report = w.program.paths().report("whatsnew.txt");
        QVERIFY(!QFile::exists(report) && !QFile::exists(w.program.paths().report("newroms.txt")));

        w.write("oldlistxml.txt", machines(2, "1980"));
        const QString panel = run(true, false, true);
        QCOMPARE(QString::fromUtf8(TempProgram::readFile(report)).replace("\r\n", "\n"), panel);
        w.text->clear();
        QCOMPARE(run(true, true, false), panel);
        QTextCursor cursor(w.text->document());
        cursor.setPosition(int(panel.indexOf("Description")) + 1);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));

        // Cancel, by the mouse, Return or the keypad's Enter, stops the compare at once and saves
        // nothing. Meanwhile nothing else can start: the menus and the buttons that start work
        // are off, and come back as they were.
        QFile::remove(report);
        w.write("listxml.txt", machines(20000, "1981"));
        w.write("oldlistxml.txt", machines(20000, "1982"));
        const auto commandsOn = [&w] {
            QByteArray on;
            for (const char* name : {"cmdPlay", "cmdVerify", "cmdInfo"})
                on += char('0' + w.child<QPushButton>(name)->isEnabled());
            for (const QAction* menu : w.window.menuBar()->actions())
                on += char('0' + menu->isEnabled());
            return on;
        };
        for (const int key : {0, int(Qt::Key_Return), int(Qt::Key_Enter)}) {
            QElapsedTimer sinceCancel;
            const QByteArray before = commandsOn();
            QByteArray during;
            QTimer::singleShot(0, w.exit, [&] {
                during = commandsOn();
                sinceCancel.start();
                const auto keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
                key ? QTest::keyClick(&w.window, Qt::Key(key), keypad) : w.exit->click();
            });
            QCOMPARE(run(true, false, true),
                     QString("The compare has been cancelled at the users request."));
            QVERIFY2(sinceCancel.isValid() && sinceCancel.elapsed() < 1000,
                     "the compare went on after Cancel");
            QVERIFY(!during.contains('1') && commandsOn() == before && !QFile::exists(report) &&
                    w.exit->text() == "E&xit" && !w.state.cancelRequested);
        }
        QVERIFY(w.window.statusBarElement(1)->text(2).startsWith("Elapsed Time: "));
    }
};

QTEST_MAIN(WhatsChangedPanelTest)
#include "test_whatschangedpanel.moc"
