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
    QString elapsed() const { return window.statusBarElement(1)->text(2); }
};

} // namespace

class WhatsChangedPanelTest : public QObject
{
    Q_OBJECT
private slots:
    // Each missing or empty input is named in a box titled after the command, and Exit stays Exit.
    void missingFiles()
    {
        const auto check = [](bool allInfo, const QStringList& present, bool last,
                              QString message) {
            const QString title = last      ? "Last What's Changed Report"
                                  : allInfo ? "What's Changed (All Info)"
                                            : "What's Changed (ROMs Info)";
            Window w;
            for (const QString& file : present)
                w.write(file, {});
            ScriptedMessageBox box;
            if (!last && present.size() == 2)
                box.expect(kConfirm, MessageAnswer::Yes);
            box.expect(message, MessageAnswer::Ok, title);
            w.compare(allInfo, last);
            QVERIFY2(box.allExpectedShown() && w.exit->text() == "E&xit", qPrintable(message));
        };
        const QString where = "report.  You can create one from the Reports pull-down menu above.";
        check(false, {}, false, "Cannot find crcinfo.txt.");
        check(true, {"listxml.txt"}, false,
              "Cannot find oldlistxml.txt.  Velmora must first detect a new version of "
              "M.A.M.E.\rbefore it can create the oldlistxml.txt file.");
        check(true, {"listxml.txt", "oldlistxml.txt"}, false,
              "listxml.txt holds nothing to compare.  The file is empty or is not a list made by "
              "M.A.M.E.");
        check(false, {}, true, "Cannot find What's Changed (ROMs Info) " + where);
        check(true, {}, true, "Cannot find What's Changed (All Info) " + where);
    }

    // A compare without changes says so and saves nothing; with changes, the saved report is the
    // panel's text, its heading bold there and when shown again.
    void compareEnds()
    {
        const QByteArray crc = "1 a.bin\tpacman\tPac-Man\n";
        const auto check = [&](bool allInfo, const QByteArray& oldList, const QString& panel,
                               const QString& bold) { // bold empty: no report is saved
            Window w;
            const QString list = allInfo ? "listxml.txt" : "crcinfo.txt";
            const QString report =
                w.program.paths().report(allInfo ? "whatsnew.txt" : "newroms.txt");
            w.write(list, allInfo ? machines(3, "1981") : crc);
            w.write("old" + list, oldList);
            ScriptedMessageBox box;
            box.expect(kConfirm, MessageAnswer::Yes, QString("Confirm Continue"));
            w.compare(allInfo);
            const QString panelText = w.text->toPlainText();
            QVERIFY2(panelText.endsWith(panel), qPrintable(panelText));
            QCOMPARE(QFile::exists(report), !bold.isEmpty());
            if (bold.isEmpty())
                return;
            QCOMPARE(QString::fromUtf8(TempProgram::readFile(report)).replace("\r\n", "\n"),
                     panelText);
            w.text->clear();
            w.compare(allInfo, true);
            QCOMPARE(w.text->toPlainText(), panelText);
            QTextCursor cursor(w.text->document());
            cursor.setPosition(int(panelText.indexOf(bold)) + 1);
            QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
        };
        check(false, crc, "No additions or changes were detected in this version of M.A.M.E.", {});
        check(false, "2 a.bin\tpacman\tPac-Man\n", "Game \n\npacman\n", "Game");
        check(true, machines(3, "1981"),
              "No additions, removals, or changes were detected in this version of M.A.M.E.", {});
        check(true, machines(2, "1980"),
              "ROM\tDescription\n\nm0\tMachine\nm1\tMachine\nm2\tMachine\n", "Description");
    }

    void cancelWritesNothing()
    {
        Window w;
        w.write("listxml.txt", machines(20000, "1981"));
        w.write("oldlistxml.txt", machines(20000, "1982"));
        ScriptedMessageBox box;
        box.expect(kConfirm, MessageAnswer::Yes);
        QElapsedTimer sinceCancel;
        QTimer::singleShot(0, w.exit, [&] {
            QVERIFY(w.exit->text() == "&Cancel" && w.exit->toolTip() == "Cancels The Compare");
            sinceCancel.start();
            w.exit->click();
        });
        w.compare(true);

        QVERIFY2(sinceCancel.isValid() && sinceCancel.elapsed() < 1000,
                 "the compare went on after Cancel");
        QCOMPARE(w.text->toPlainText(),
                 QString("The compare has been cancelled at the users request."));
        QVERIFY(!QFile::exists(w.program.paths().report("whatsnew.txt")));
        QVERIFY(w.exit->text() == "E&xit" && w.exit->toolTip() == "Closes Velmora");
        QVERIFY(w.elapsed().startsWith(QString("Elapsed Time: ")) && !w.state.cancelRequested);
    }
};

QTEST_MAIN(WhatsChangedPanelTest)
#include "test_whatschangedpanel.moc"
