// The Help menu against a web server on the loopback address: Check For Updates, Velmora News and
// the start-up news check, with the server answering, refusing, failing, staying silent, sending
// too much or a web page; and the three documents on the report panel. How a page's version and
// the news stamp are read, and how the web's bytes become text, is pinned by the update-check
// tests.
#include "app/IniFile.h"
#include "app/NewsText.h"
#include "app/UpdateCheck.h"
#include "platform/Seams.h"
#include "support/LoopbackWebServer.h"
#include "support/ScriptedMessageBox.h"
#include "ui/HelpController.h"
#include "ui/ListWindowFixture.h"
#include "ui/StartUp.h"

#include <QtTest>
#include <QtWidgets>

using namespace velmora;
using namespace velmora::testing;

namespace {

const QString kUpdatePage = QStringLiteral("/velmora/index.html");
const QString kNewsFile = QStringLiteral("/velmora/news.txt");

QByteArray updatePage(const char* version)
{
    return QByteArray(1200, 'x') + "Version " + version + "<br></body>";
}

struct RecordingAudio : platform::Audio
{
    RecordingAudio() { platform::seams().audio = this; }
    ~RecordingAudio() override { platform::seams().audio = nullptr; }
    void playTones(const QList<platform::Tone>& tones) override { played << tones; }
    QList<QList<platform::Tone>> played;
};

struct HelpRig
{
    ListWindow lists;
    LoopbackWebServer site;
    StartUp startUp{lists.state, lists.window};
    HelpController* help = nullptr;
    ScriptedMessageBox boxes;

    HelpRig()
    {
        lists.program.writeOptionsIni(lists.state.prefs);
        lists.load();
        wireHelp(lists.window, lists.state, startUp);
        help = lists.window.findChild<HelpController*>(QStringLiteral("helpController"));
        help->setRequestTimeout(std::chrono::milliseconds(1500));
        lists.state.prefs.webSite = site.address();
        lists.window.show(); // answers are handled only while the game list is in sight
    }

    // Runs a command and waits for its answer to be handled; the News and Check items are off
    // while the request runs.
    bool runAndWait(const char* action)
    {
        QSignalSpy handled(help, &HelpController::requestHandled);
        lists.openMenu("mnuHelp"); // the items are on while nothing runs
        lists.action(action)->trigger();
        lists.openMenu("mnuHelp");
        const bool offWhileRunning =
            !lists.enabled("mnuHelpNews") && !lists.enabled("mnuHelpCheck");
        return offWhileRunning && handled.wait(5000) && !help->requestRunning();
    }

    QString caption() const { return lists.window.fraVerify()->title(); }
    QString shownText() const { return lists.window.txtVerify()->toPlainText(); }
    QString storedNews() const
    {
        return ReadIniValue(lists.state.paths.optionsIni(), "Miscellaneous", "News", "none");
    }
};

} // namespace

class HelpCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    // Check For Updates answers in a box and leaves the lists in front and options.ini as it
    // was; a failed request says so. Velmora News shows the news as plain text on the report
    // panel, at most its first 64 KB, and remembers its stamp.
    void webCommands()
    {
        HelpRig rig;
        const QString ini = rig.lists.state.paths.optionsIni();
        const QByteArray optionsBefore = TempProgram::readFile(ini);
        const auto check = [&](const QString& answer, const char* title = "Check For Updates") {
            rig.boxes.expect(answer, platform::MessageAnswer::Ok, title);
            QVERIFY(rig.runAndWait("mnuHelpCheck") && rig.boxes.allExpectedShown());
        };
        rig.site.serve(kUpdatePage, updatePage("4.00"));
        check("No updates available.  You are running the current version of Velmora.");
        rig.site.serve(kUpdatePage, updatePage("4.1.0"));
        check("There is a new version of Velmora available.\rYou can get it from " +
              rig.lists.state.prefs.webSite + ".");
        rig.site.serve(kUpdatePage, updatePage("4.1"));
        check("You are running a newer version of Velmora than the one that is "
              "available on the website.");
        rig.site.neverAnswer(kUpdatePage);
        check(updateErrorMessage());
        rig.site.serve(kUpdatePage, updatePage("99999999999"));
        check("Error in Inet1_StateChanged: Overflow", "Velmora");
        QVERIFY(rig.caption().isEmpty() && TempProgram::readFile(ini) == optionsBefore);

        rig.site.neverAnswer(kNewsFile);
        rig.boxes.expect(newsErrorMessage(), platform::MessageAnswer::Ok, "Velmora News");
        QVERIFY(rig.runAndWait("mnuHelpNews") && rig.boxes.allExpectedShown());
        rig.site.serve(kNewsFile, "20261205<b>\r\nBring coins.");
        QVERIFY(rig.runAndWait("mnuHelpNews") && rig.caption() == "Velmora News");
        QVERIFY(rig.shownText() == "20261205<b>\nBring coins." && rig.storedNews() == "20261205");
        rig.lists.child<QPushButton>("cmdGameList")->click(); // the panel is free again
        rig.site.serve(kNewsFile, QByteArray(5 << 20, 'n'));
        QVERIFY(rig.runAndWait("mnuHelpNews") && rig.shownText() == QString(64 * 1024, u'n'));

        // The documents replace one another on the report panel, whatever the letter case of
        // their folder and name; a missing one says so and leaves the panel as it was. Only the
        // news wraps its lines.
        const auto wraps = [&rig] {
            return rig.lists.window.txtVerify()->lineWrapMode() != QTextEdit::NoWrap;
        };
        QVERIFY(wraps());
        rig.lists.child<QPushButton>("cmdGameList")->click();
        QVERIFY(!wraps());
        TempProgram::writeFile(rig.lists.state.paths.file("velmora.txt"), "Velmora guide\r\n");
        TempProgram::writeFile(rig.lists.folder(DataFolder::MAME) + "/Docs/NewVideo.txt", "video");
        rig.lists.action("mnuHelpVelmora")->trigger();
        QVERIFY(rig.caption() == "Velmora's Velmora.txt" && rig.shownText() == "Velmora guide\n");
        rig.lists.action("mnuHelpNewvideo")->trigger();
        QVERIFY(rig.caption() == "M.A.M.E.'s Newvideo.txt" && rig.shownText() == "video");
        rig.boxes.expect("Cannot find windows.txt!", platform::MessageAnswer::Ok,
                         "M.A.M.E.'s Windows.txt");
        rig.lists.action("mnuHelpWindows")->trigger();
        QVERIFY(rig.boxes.shown().last().icon == platform::MessageIcon::Exclamation &&
                rig.caption() == "M.A.M.E.'s Newvideo.txt");
    }

    // An answer that arrives while another panel is open or a game runs (the window hidden)
    // waits for the game list, and the command stays off meanwhile. Redirects are followed
    // within the web site only, five at most.
    void lateAnswersAndRedirects()
    {
        HelpRig rig;
        MainWindow& window = rig.lists.window;
        QSignalSpy handled(rig.help, &HelpController::requestHandled);
        rig.site.serve(kNewsFile, "20261205Late news");
        rig.lists.action("mnuHelpNews")->trigger();
        window.bringPanelToFront(window.fraBlank());
        QTest::qWait(400);
        QVERIFY(handled.isEmpty() && rig.help->requestRunning() && rig.caption().isEmpty());
        window.showListPanel();
        QVERIFY(handled.wait(2000) && rig.caption() == "Velmora News");
        rig.lists.child<QPushButton>("cmdGameList")->click();

        rig.site.redirect(kUpdatePage, "/velmora/moved.html"); // within the site: followed
        rig.site.serve("/velmora/moved.html", updatePage("4.00"));
        rig.lists.action("mnuHelpCheck")->trigger();
        window.hide();
        QTest::qWait(400);
        QVERIFY(handled.size() == 1 && rig.boxes.shown().isEmpty());
        rig.boxes.expect("No updates available.  You are running the current version of Velmora.");
        window.show();
        QVERIFY(handled.wait(2000) && rig.boxes.allExpectedShown());

        LoopbackWebServer elsewhere; // another port: another site
        elsewhere.serve(kUpdatePage, updatePage("4.00"));
        for (const QString& target : {elsewhere.address() + kUpdatePage, kUpdatePage}) {
            const int before = rig.site.requests();
            rig.site.redirect(kUpdatePage, target); // the second redirects to itself
            rig.boxes.expect(updateErrorMessage());
            QVERIFY(rig.runAndWait("mnuHelpCheck") && rig.boxes.allExpectedShown());
            // Six requests at most, and one more when Qt sends a request again over a fresh
            // connection because the site closed the one it kept.
            QVERIFY(elsewhere.requests() == 0 && rig.site.requests() - before <= 7);
        }
    }

    // At start-up a new issue of the news is shown with a fanfare, unless the user is busy on
    // another panel; an issue already seen or a failed request stays silent.
    void startUpNews()
    {
        const auto check = [](const QByteArray& body, bool busy, bool shown) {
            HelpRig rig;
            RecordingAudio audio;
            if (body.isNull()) // a server that refuses the connection
                rig.lists.state.prefs.webSite = LoopbackWebServer::refusingAddress();
            rig.site.serve(kNewsFile, body);
            rig.lists.state.prefs.news = "20261205";
            WriteIniValue(rig.lists.state.paths.optionsIni(), "Miscellaneous", "News", "20261205");
            if (busy)
                rig.lists.window.bringPanelToFront(rig.lists.window.fraBlank());
            QSignalSpy handled(rig.help, &HelpController::requestHandled);
            rig.startUp.afterShown(); // returns at once: the answer comes later
            QVERIFY(rig.help->requestRunning() && handled.wait(5000));
            QCOMPARE(rig.caption() == "Velmora News", shown);
            QCOMPARE(rig.storedNews(), shown ? newsStamp(QString::fromLatin1(body)) : "20261205");
            QVERIFY(rig.lists.state.prefs.news.isEmpty() && audio.played.size() == int(shown));
        };
        check("20261206New", false, true);
        check("20261206New", true, false);
        check({}, false, false);
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "test_helpcommands.moc"
