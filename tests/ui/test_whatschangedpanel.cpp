// The What's Changed commands on the report panel: the messages for missing lists and reports,
// the no-change texts, a saved report, and Cancel (no file, Exit restored, elapsed time shown).
#include "support/ScriptedMessageBox.h"
#include "support/TempProgram.h"
#include "ui/WhatsChangedController.h"

#include <QAction>
#include <QGroupBox>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace velmora;
using namespace velmora::testing;
using platform::MessageAnswer;

namespace {

const QString kConfirm =
    QStringLiteral("This can take an EXTREMELY long time.  Do you want to continue?");

QByteArray machines(int count, const QByteArray& year)
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<mame build=\"0.251\">\n";
    for (int i = 0; i < count; ++i)
        text += "\t<machine name=\"m" + QByteArray::number(i) +
                "\">\n\t\t<description>Machine</description>\n\t\t<year>" + year +
                "</year>\n\t</machine>\n";
    return text + "</mame>\n";
}

// The controls the commands use, named as in the main window.
struct Window
{
    explicit Window(AppState& state)
    {
        auto* box = new QWidget(&window);
        auto* layout = new QVBoxLayout(box);
        for (const char* name : {"fraList", "fraVerify"}) {
            auto* frame = new QGroupBox(box);
            frame->setObjectName(QLatin1String(name));
            layout->addWidget(frame);
        }
        text = new QTextEdit(window.findChild<QGroupBox*>(QStringLiteral("fraVerify")));
        text->setObjectName(QStringLiteral("txtVerify"));
        for (const char* name : {"cmdGameList", "cmdExit"}) {
            auto* button = new QPushButton(box);
            button->setObjectName(QLatin1String(name));
            layout->addWidget(button);
        }
        exit = window.findChild<QPushButton*>(QStringLiteral("cmdExit"));
        exit->setText(QStringLiteral("E&xit"));
        QObject::connect(exit, &QPushButton::clicked, [this, &state] {
            if (exit->text() == QStringLiteral("&Cancel"))
                state.cancelRequested = true;
        });
        window.addAction(new QAction(&window));
        window.actions().first()->setObjectName(QStringLiteral("mnuFileExit"));
        window.setCentralWidget(box);
        WhatsChangedHooks hooks;
        hooks.reportStatusBar = [this] { return window.statusBar(); };
        hooks.setReportStatus = [this](int panel, const QString& t) { status[panel] = t; };
        controller = new WhatsChangedController(window, state, hooks, &window);
    }
    QString panelText() const { return text->toPlainText(); }

    QMainWindow window;
    QTextEdit* text = nullptr;
    QPushButton* exit = nullptr;
    WhatsChangedController* controller = nullptr;
    QMap<int, QString> status;
};

} // namespace

class WhatsChangedPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void missingFiles_data();
    void missingFiles();
    void compareEnds_data();
    void compareEnds();
    void cancelWritesNothing();
};

void WhatsChangedPanelTest::missingFiles_data()
{
    QTest::addColumn<bool>("allInfo");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<bool>("last");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    const QString roms = QStringLiteral("What's Changed (ROMs Info)");
    const QString all = QStringLiteral("What's Changed (All Info)");
    const QString last = QStringLiteral("Last What's Changed Report");
    QTest::newRow("no crcinfo") << false << QStringList{} << false
                                << QStringLiteral("Cannot find crcinfo.txt.") << roms;
    QTest::newRow("no oldcrcinfo")
        << false << QStringList{"crcinfo.txt"} << false
        << QStringLiteral("Cannot find oldcrcinfo.txt.  Velmora must first detect a new version "
                          "of M.A.M.E.\rbefore it can create the oldcrcinfo.txt file.")
        << roms;
    QTest::newRow("no oldlistxml")
        << true << QStringList{"listxml.txt"} << false
        << QStringLiteral("Cannot find oldlistxml.txt.  Velmora must first detect a new version "
                          "of M.A.M.E.\rbefore it can create the oldlistxml.txt file.")
        << all;
    QTest::newRow("empty list") << true << QStringList{"listxml.txt", "oldlistxml.txt"} << false
                                << QStringLiteral("listxml.txt holds nothing to compare.  The file "
                                                  "is empty or is not a list made by M.A.M.E.")
                                << all;
    QTest::newRow("no newroms.txt")
        << false << QStringList{} << true
        << QStringLiteral("Cannot find What's Changed (ROMs Info) report.  You can create one "
                          "from the Reports pull-down menu above.")
        << last;
    QTest::newRow("no whatsnew.txt")
        << true << QStringList{} << true
        << QStringLiteral("Cannot find What's Changed (All Info) report.  You can create one "
                          "from the Reports pull-down menu above.")
        << last;
}

void WhatsChangedPanelTest::missingFiles()
{
    QFETCH(bool, allInfo);
    QFETCH(QStringList, present);
    QFETCH(bool, last);
    QFETCH(QString, message);
    QFETCH(QString, title);
    TempProgram program;
    AppState state{program.paths(), {}};
    for (const QString& file : present)
        TempProgram::writeFile(program.paths().report(file), {});
    Window w(state);
    ScriptedMessageBox box;
    if (!last && present.size() == 2)
        box.expect(kConfirm, MessageAnswer::Yes);
    box.expect(message, MessageAnswer::Ok, title);
    if (last)
        allInfo ? w.controller->mnuReportsWhatsChangedAll_Click()
                : w.controller->mnuReportsWhatsChangedROMs_Click();
    else
        allInfo ? w.controller->mnuReportsWhatsNewAll_Click()
                : w.controller->mnuReportsWhatsNewROMs_Click();
    QVERIFY(box.allExpectedShown());
    QCOMPARE(w.exit->text(), QStringLiteral("E&xit"));
}

void WhatsChangedPanelTest::compareEnds_data()
{
    QTest::addColumn<bool>("allInfo");
    QTest::addColumn<QByteArray>("oldList");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("bold");
    const QByteArray crc = "1 a.bin\tpacman\tPac-Man\n";
    QTest::newRow("ROMs unchanged")
        << false << crc
        << QStringLiteral("No additions or changes were detected in this version of M.A.M.E.")
        << QString();
    QTest::newRow("ROMs changed") << false << QByteArray("2 a.bin\tpacman\tPac-Man\n")
                                  << QStringLiteral("Game \n\npacman\n") << QStringLiteral("Game");
    QTest::newRow("All unchanged") << true << machines(3, "1981")
                                   << QStringLiteral("No additions, removals, or changes were "
                                                     "detected in this version of M.A.M.E.")
                                   << QString();
    QTest::newRow("All changed") << true << machines(2, "1980")
                                 << QStringLiteral("ROM\tDescription\n\nm0\tMachine\nm1\tMachine\n"
                                                   "m2\tMachine\n")
                                 << QStringLiteral("Description");
}

void WhatsChangedPanelTest::compareEnds()
{
    QFETCH(bool, allInfo);
    QFETCH(QByteArray, oldList);
    QFETCH(QString, panel);
    QFETCH(QString, bold);
    TempProgram program;
    AppState state{program.paths(), {}};
    const QString list = allInfo ? QStringLiteral("listxml.txt") : QStringLiteral("crcinfo.txt");
    const QString report = program.paths().report(allInfo ? QStringLiteral("whatsnew.txt")
                                                          : QStringLiteral("newroms.txt"));
    TempProgram::writeFile(program.paths().report(list),
                           allInfo ? machines(3, "1981")
                                   : QByteArray("1 a.bin\tpacman\tPac-Man\n"));
    TempProgram::writeFile(program.paths().report(QStringLiteral("old") + list), oldList);
    Window w(state);
    ScriptedMessageBox box;
    box.expect(kConfirm, MessageAnswer::Yes, QStringLiteral("Confirm Continue"));
    allInfo ? w.controller->mnuReportsWhatsNewAll_Click()
            : w.controller->mnuReportsWhatsNewROMs_Click();

    QVERIFY2(w.panelText().endsWith(panel), qPrintable(w.panelText()));
    QVERIFY(w.status[2].startsWith(QStringLiteral("Elapsed Time: ")));
    QCOMPARE(w.exit->text(), QStringLiteral("E&xit"));
    QCOMPARE(QFile::exists(report), !bold.isEmpty());
    if (bold.isEmpty())
        return;
    // The saved report is the panel's text; its heading is bold, there and when shown again.
    QCOMPARE(QString::fromUtf8(TempProgram::readFile(report))
                 .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             w.panelText());
    w.text->clear();
    allInfo ? w.controller->mnuReportsWhatsChangedAll_Click()
            : w.controller->mnuReportsWhatsChangedROMs_Click();
    QTextCursor cursor(w.text->document());
    cursor.setPosition(int(w.panelText().indexOf(bold)) + 1);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
}

void WhatsChangedPanelTest::cancelWritesNothing()
{
    TempProgram program;
    AppState state{program.paths(), {}};
    TempProgram::writeFile(program.paths().report(QStringLiteral("listxml.txt")),
                           machines(20000, "1981"));
    TempProgram::writeFile(program.paths().report(QStringLiteral("oldlistxml.txt")),
                           machines(20000, "1982"));
    Window w(state);
    ScriptedMessageBox box;
    box.expect(kConfirm, MessageAnswer::Yes);
    QElapsedTimer sinceCancel;
    QTimer::singleShot(0, w.exit, [&] {
        QCOMPARE(w.exit->text(), QStringLiteral("&Cancel"));
        QCOMPARE(w.exit->toolTip(), QStringLiteral("Cancels The Compare"));
        sinceCancel.start();
        w.exit->click();
    });
    w.controller->mnuReportsWhatsNewAll_Click();

    QVERIFY(sinceCancel.isValid());
    QVERIFY2(sinceCancel.elapsed() < 1000, "the compare went on after Cancel");
    QCOMPARE(w.panelText(), QStringLiteral("The compare has been cancelled at the users request."));
    QVERIFY(!QFile::exists(program.paths().report(QStringLiteral("whatsnew.txt"))));
    QCOMPARE(w.exit->text(), QStringLiteral("E&xit"));
    QCOMPARE(w.exit->toolTip(), QStringLiteral("Closes Velmora"));
    QVERIFY(w.status[2].startsWith(QStringLiteral("Elapsed Time: ")));
    QVERIFY(!state.cancelRequested);
}

QTEST_MAIN(WhatsChangedPanelTest)
#include "test_whatschangedpanel.moc"
