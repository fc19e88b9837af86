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
    void write(const QString& report, const QByteArray& content) const
    {
        TempProgram::writeFile(program.paths().report(report), content);
    }
    void compare(bool allInfo)
    {
        allInfo ? window.commands().whatsChangedAll() : window.commands().whatsChangedRoms();
    }
    void showLast(bool allInfo)
    {
        allInfo ? window.commands().lastWhatsChangedAll()
                : window.commands().lastWhatsChangedRoms();
    }
    QString elapsed() const { return window.statusBarElement(1)->text(2); }
};

} // namespace

class WhatsChangedPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void missingFiles_data()
    {
        QTest::addColumn<bool>("allInfo");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<bool>("last");
        QTest::addColumn<QString>("message");
        QTest::newRow("no crcinfo")
            << false << QStringList{} << false << QString("Cannot find crcinfo.txt.");
        QTest::newRow("no oldlistxml")
            << true << QStringList{"listxml.txt"} << false
            << QString("Cannot find oldlistxml.txt.  Velmora must first detect a new "
                       "version of M.A.M.E.\rbefore it can create the oldlistxml.txt file.");
        QTest::newRow("empty list")
            << true << QStringList{"listxml.txt", "oldlistxml.txt"} << false
            << QString("listxml.txt holds nothing to compare.  The file is empty or is "
                       "not a list made by M.A.M.E.");
        QTest::newRow("no newroms.txt")
            << false << QStringList{} << true
            << QString("Cannot find What's Changed (ROMs Info) report.  You can create one "
                       "from the Reports pull-down menu above.");
        QTest::newRow("no whatsnew.txt")
            << true << QStringList{} << true
            << QString("Cannot find What's Changed (All Info) report.  You can create one "
                       "from the Reports pull-down menu above.");
    }
    void missingFiles()
    {
        QFETCH(bool, allInfo);
        QFETCH(QStringList, present);
        QFETCH(bool, last);
        QFETCH(QString, message);
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
        last ? w.showLast(allInfo) : w.compare(allInfo);
        QVERIFY(box.allExpectedShown());
        QCOMPARE(w.exit->text(), QString("E&xit"));
    }

    void compareEnds_data()
    {
        QTest::addColumn<bool>("allInfo");
        QTest::addColumn<QByteArray>("oldList");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("bold"); // empty: no report is saved
        QTest::newRow("ROMs unchanged")
            << false << QByteArray("1 a.bin\tpacman\tPac-Man\n")
            << "No additions or changes were detected in this version of M.A.M.E." << QString();
        QTest::newRow("ROMs changed")
            << false << QByteArray("2 a.bin\tpacman\tPac-Man\n") << "Game \n\npacman\n"
            << "Game";
        QTest::newRow("All unchanged") << true << machines(3, "1981")
                                       << "No additions, removals, or changes were detected in "
                                          "this version of M.A.M.E."
                                       << QString();
        QTest::newRow("All changed")
            << true << machines(2, "1980")
            << "ROM\tDescription\n\nm0\tMachine\nm1\tMachine\nm2\tMachine\n"
            << "Description";
    }
    void compareEnds()
    {
        QFETCH(bool, allInfo);
        QFETCH(QByteArray, oldList);
        QFETCH(QString, panel);
        QFETCH(QString, bold);
        Window w;
        const QString list = allInfo ? "listxml.txt" : "crcinfo.txt";
        const QString report = w.program.paths().report(allInfo ? "whatsnew.txt" : "newroms.txt");
        w.write(list, allInfo ? machines(3, "1981") : QByteArray("1 a.bin\tpacman\tPac-Man\n"));
        w.write("old" + list, oldList);
        ScriptedMessageBox box;
        box.expect(kConfirm, MessageAnswer::Yes, QString("Confirm Continue"));
        w.compare(allInfo);

        QVERIFY2(w.text->toPlainText().endsWith(panel), qPrintable(w.text->toPlainText()));
        QVERIFY(w.elapsed().startsWith(QString("Elapsed Time: ")));
        QCOMPARE(w.exit->text(), QString("E&xit"));
        QCOMPARE(QFile::exists(report), !bold.isEmpty());
        if (bold.isEmpty())
            return;
        // The saved report is the panel's text; its heading is bold, there and when shown again.
        const QString panelText = w.text->toPlainText();
        QCOMPARE(QString::fromUtf8(TempProgram::readFile(report)).replace("\r\n", "\n"), panelText);
        w.text->clear();
        w.showLast(allInfo);
        QCOMPARE(w.text->toPlainText(), panelText);
        QTextCursor cursor(w.text->document());
        cursor.setPosition(int(panelText.indexOf(bold)) + 1);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
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
            QCOMPARE(w.exit->text(), QString("&Cancel"));
            QCOMPARE(w.exit->toolTip(), QString("Cancels The Compare"));
            sinceCancel.start();
            w.exit->click();
        });
        w.compare(true);

        QVERIFY(sinceCancel.isValid());
        QVERIFY2(sinceCancel.elapsed() < 1000, "the compare went on after Cancel");
        QCOMPARE(w.text->toPlainText(),
                 QString("The compare has been cancelled at the users request."));
        QVERIFY(!QFile::exists(w.program.paths().report("whatsnew.txt")));
        QCOMPARE(w.exit->text(), QString("E&xit"));
        QCOMPARE(w.exit->toolTip(), QString("Closes Velmora"));
        QVERIFY(w.elapsed().startsWith(QString("Elapsed Time: ")));
        QVERIFY(!w.state.cancelRequested);
    }
};

QTEST_MAIN(WhatsChangedPanelTest)
#include "test_whatschangedpanel.moc"
