#pragma once
// The Help menu's services on the main window: Velmora's guide and MAME's two documents on the
// report panel, Velmora News, Check For Updates, the About window, and the news check after
// start-up. The gradient window is opened from here as well.
//
// Requests to the web site run in the background (WebRequest): the command starts one, News and
// Check For Updates stay disabled while it runs, and the answer is handled when it arrives, so the
// window never waits on the network. An answer that arrives while the user is elsewhere (a game
// running, another panel or a dialog open, a long job) waits until the game list is back in
// front, so it never takes a panel or covers a game; the start-up news is dropped instead. The
// request kind ("Updates" or "News") says what the answer is for and keeps its last value
// afterwards.
#include "app/AppState.h"
#include "app/HelpDocuments.h"
#include "app/WebRequest.h"

#include <QObject>
#include <QString>
#include <optional>

class QTimer;

namespace velmora {

class MainWindow;
class StartUp;

class HelpController : public QObject
{
    Q_OBJECT
public:
    HelpController(MainWindow& window, AppState& state, QObject* parent = nullptr);

    void mnuHelpCheck_Click();
    void mnuHelpNews_Click();
    // After start-up: the news is fetched and shown when it is new or an announcement; every
    // failure is silent. It is left for the next start when the user is already busy elsewhere.
    void checkNewsAtStartUp();
    // mnuHelpVelmora, mnuHelpNewvideo, mnuHelpWindows.
    void showDocument(HelpDocument document);
    void mnuHelpAbout_Click();
    void lblGradient_Click();

    QString requestKind() const { return m_requestKind; }
    // True from the start of a request until its answer was handled.
    bool requestRunning() const { return m_inet->isRunning() || m_waiting.has_value(); }
    // Tests shorten the time a silent server is waited for.
    void setRequestTimeout(std::chrono::milliseconds timeout) { m_inet->setTimeout(timeout); }

signals:
    // An answer (or its failure) was handled.
    void requestHandled();

private:
    enum class Purpose
    {
        Updates,
        News,
        StartUpNews
    };
    // An answer kept until the user is back at the game list.
    struct WaitingAnswer
    {
        Purpose purpose;
        WebRequest::Outcome outcome;
        QByteArray body;
    };
    void startRequest(Purpose purpose);
    void answerArrived(WebRequest::Outcome outcome, const QByteArray& body);
    // The game list is in front of a shown window, and nothing else has the user's attention.
    bool userAtGameList() const;
    void handleWaitingAnswer();
    void Inet1_StateChanged(Purpose purpose, WebRequest::Outcome outcome, const QByteArray& body);
    void handleUpdatePage(WebRequest::Outcome outcome, const QByteArray& body);
    void handleNews(WebRequest::Outcome outcome, const QByteArray& body);
    void handleStartUpNews(WebRequest::Outcome outcome, const QByteArray& body);
    // The report panel in front with the news (its stamp in bold), the stamp stored.
    void showNews(const QString& news);
    void putOnReportPanel(const QString& caption, const QString& text);

    MainWindow& m_window;
    AppState& m_state;
    WebRequest* m_inet;
    Purpose m_purpose = Purpose::News;
    QString m_requestKind;
    std::optional<WaitingAnswer> m_waiting;
    QTimer* m_backAtList;
};

// Sets the Help commands, the gradient label's command and the start-up news check.
void wireHelp(MainWindow& window, AppState& state, StartUp& startUp);

} // namespace velmora
