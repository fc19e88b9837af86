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

// Bodies that stand for a server that refuses the connection or never answers.
const QByteArray kRefuse = "<refuse>", kSilent = "<silent>";

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
    }

    void arrange(const QString& path, const QByteArray& body)
    {
        if (body == kRefuse)
            lists.state.prefs.webSite = LoopbackWebServer::refusingAddress();
        else if (body == kSilent)
            site.neverAnswer(path);
        else
            site.serve(path, body);
    }

    // Runs a command and waits for its answer to be handled; the News and Check items are off
    // while the request runs and on again afterwards.
    bool runAndWait(const char* action)
    {
        QSignalSpy handled(help, &HelpController::requestHandled);
        lists.action(action)->trigger();
        lists.openMenu("mnuHelp");
        const bool offWhileRunning =
            !lists.enabled("mnuHelpNews") && !lists.enabled("mnuHelpCheck");
        if (!handled.wait(5000))
            return false;
        lists.openMenu("mnuHelp");
        return offWhileRunning && !help->requestRunning();
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
    // Check For Updates answers in a box and leaves the lists in front; Velmora News shows the
    // news as plain text on the report panel (its stamp bold) and remembers its stamp. A failed
    // request says so in a box and changes nothing.
    void webCommands()
    {
        const auto check = [](bool news, const QByteArray& body, QString message,
                              const QString& shown) {
            HelpRig rig;
            rig.arrange(news ? kNewsFile : kUpdatePage, body);
            const QString ini = rig.lists.state.paths.optionsIni();
            const QByteArray optionsBefore = TempProgram::readFile(ini);
            if (!message.isEmpty())
                rig.boxes.expect(message.replace("%1", rig.lists.state.prefs.webSite),
                                 platform::MessageAnswer::Ok,
                                 news ? "Velmora News" : "Check For Updates");
            QVERIFY(rig.runAndWait(news ? "mnuHelpNews" : "mnuHelpCheck"));
            QVERIFY(rig.boxes.allExpectedShown());
            if (shown.isEmpty()) { // the lists stay in front, options.ini untouched
                QVERIFY(rig.caption().isEmpty() && TempProgram::readFile(ini) == optionsBefore);
                return;
            }
            QVERIFY(rig.caption() == "Velmora News" && rig.lists.state.panelBusy == 1);
            QCOMPARE(rig.shownText(), shown);
            QCOMPARE(rig.storedNews(), newsStamp(shown));
            auto* text = rig.lists.child<QTextEdit>("txtVerify");
            QTextCursor at(text->document());
            const auto boldTo = [&](int end) {
                at.setPosition(end);
                return at.charFormat().fontWeight() == QFont::Bold;
            };
            QVERIFY(boldTo(8) && !boldTo(9) && !text->toHtml().contains("<img"));
        };
        const QString same =
            "No updates available.  You are running the current version of Velmora.";
        check(false, updatePage("4.00"), same, {});
        check(false, updatePage("4.1.0"),
              "There is a new version of Velmora available.\rYou can get it from %1.", {});
        check(false, updatePage("4.1"),
              "You are running a newer version of Velmora than the one that is available on the "
              "website.",
              {});
        check(false, kSilent, updateErrorMessage(), {});
        const QByteArray page = "20261205<script>alert(1)</script><img src=x>\r\nBring coins.";
        check(true, page, {}, "20261205<script>alert(1)</script><img src=x>\nBring coins.");
        check(true, QByteArray(5 << 20, 'n'), {}, QString(64 * 1024, u'n')); // the first 64 KB
        check(true, kRefuse, newsErrorMessage(), {});
    }

    // At start-up a new issue of the news is shown with a fanfare, unless the user is busy on
    // another panel; an issue already seen or a failed request stays silent.
    void startUpNews()
    {
        const auto check = [](const QByteArray& body, bool busy, bool shown) {
            const QString stored = "20261205";
            HelpRig rig;
            RecordingAudio audio;
            rig.arrange(kNewsFile, body);
            rig.lists.state.prefs.news = stored;
            WriteIniValue(rig.lists.state.paths.optionsIni(), "Miscellaneous", "News", stored);
            if (busy)
                rig.lists.window.bringPanelToFront(rig.lists.window.fraBlank());
            QSignalSpy handled(rig.help, &HelpController::requestHandled);
            rig.startUp.afterShown(); // returns at once: the answer comes later
            QVERIFY(rig.help->requestRunning() && handled.wait(5000));
            QCOMPARE(rig.caption() == "Velmora News", shown);
            QCOMPARE(audio.played.size(), shown ? 1 : 0);
            if (shown) {
                QVERIFY(audio.played.first().size() == 5 &&
                        audio.played.first().last().frequencyHz == 3000);
                QCOMPARE(rig.shownText(), QString::fromLatin1(body));
            }
            QCOMPARE(rig.storedNews(), shown ? newsStamp(QString::fromLatin1(body)) : stored);
            QCOMPARE(rig.lists.state.prefs.news, QString());
        };
        check("20261206New", false, true);
        check("20261205Old", false, false);
        check("20261206New", true, false);
        check(kRefuse, false, false);
    }

    void documentsOnTheReportPanel()
    {
        HelpRig rig;
        const QString mame = rig.lists.folder(DataFolder::MAME);
        TempProgram::writeFile(rig.lists.state.paths.file("velmora.txt"), "Velmora guide\r\n");
        TempProgram::writeFile(mame + "/Docs/NewVideo.txt", "new video\n");

        rig.lists.action("mnuHelpVelmora")->trigger();
        QVERIFY(rig.caption() == "Velmora's Velmora.txt" && rig.shownText() == "Velmora guide\n");
        rig.lists.openMenu("mnuHelp");
        QVERIFY(!rig.lists.enabled("mnuHelpVelmora") && rig.lists.enabled("mnuHelpNewvideo") &&
                !rig.lists.enabled("mnuHelpNews") && !rig.lists.enabled("mnuHelpCheck"));

        // Another document replaces it, whatever the letter case of its folder and name.
        rig.lists.action("mnuHelpNewvideo")->trigger();
        QVERIFY(rig.caption() == "M.A.M.E.'s Newvideo.txt" && rig.shownText() == "new video\n");

        // A missing one says so and leaves the panel as it was.
        rig.boxes.expect("Cannot find windows.txt!", platform::MessageAnswer::Ok,
                         "M.A.M.E.'s Windows.txt");
        rig.lists.action("mnuHelpWindows")->trigger();
        QVERIFY(rig.boxes.shown().last().icon == platform::MessageIcon::Exclamation &&
                rig.caption() == "M.A.M.E.'s Newvideo.txt");

        rig.lists.child<QPushButton>("cmdGameList")->click();
        QCOMPARE(rig.lists.state.panelBusy, 0);
        rig.lists.openMenu("mnuHelp");
        for (const char* item :
             {"mnuHelpVelmora", "mnuHelpNewvideo", "mnuHelpWindows", "mnuHelpNews", "mnuHelpCheck"})
            QVERIFY2(rig.lists.enabled(item), item);
    }
};

QTEST_MAIN(HelpCommandsTest)
#include "test_helpcommands.moc"
