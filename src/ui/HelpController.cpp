#include "ui/HelpController.h"

#include "app/IniFile.h"
#include "app/NewsText.h"
#include "app/UpdateCheck.h"
#include "app/WebSite.h"
#include "platform/Seams.h"
#include "ui/AboutWindow.h"
#include "ui/CommandLock.h"
#include "ui/GradientWindow.h"
#include "ui/MainWindow.h"
#include "ui/ReportPanel.h"
#include "ui/StartUp.h"

#include <QApplication>
#include <QTextEdit>
#include <QTimer>

namespace velmora {
namespace {

using platform::MessageIcon;

const QString kUpdatesKind = QStringLiteral("Updates");
const QString kNewsKind = QStringLiteral("News");

// How often a waiting answer looks whether the user is back at the game list.
constexpr int kBackAtListPollMs = 200;

// The rising sound that announces news at start-up.
const QList<platform::Tone> kNewsTones = {
    {1000, 75}, {1500, 75}, {2000, 75}, {2500, 75}, {3000, 75}};

} // namespace

HelpController::HelpController(MainWindow& window, AppState& state, QObject* parent)
    : QObject(parent), m_window(window), m_state(state), m_inet(new WebRequest(this)),
      m_backAtList(new QTimer(this))
{
    setObjectName(QStringLiteral("helpController"));
    connect(m_inet, &WebRequest::finished, this, &HelpController::answerArrived);
    m_backAtList->setInterval(kBackAtListPollMs);
    connect(m_backAtList, &QTimer::timeout, this, &HelpController::handleWaitingAnswer);
}

void HelpController::startRequest(Purpose purpose)
{
    if (requestRunning())
        return;
    m_purpose = purpose;
    m_requestKind = purpose == Purpose::Updates ? kUpdatesKind : kNewsKind;
    const bool updates = purpose == Purpose::Updates;
    const QUrl url = webSiteUrl(m_state.prefs, updates ? kUpdatePagePath : kNewsPath);
    if (m_inet->start(url, updates ? kUpdatePageLimit : kNewsLimit))
        m_window.setNetworkRequestRunning(true);
}

void HelpController::mnuHelpCheck_Click()
{
    startRequest(Purpose::Updates);
}

void HelpController::mnuHelpNews_Click()
{
    startRequest(Purpose::News);
}

void HelpController::checkNewsAtStartUp()
{
    startRequest(Purpose::StartUpNews);
}

bool HelpController::userAtGameList() const
{
    return m_state.panelBusy == 0 && !m_state.startupInProgress && !CommandLock::held() &&
           m_window.isVisible() && !m_window.isMinimized() && !QApplication::activeModalWidget() &&
           !QApplication::activePopupWidget();
}

void HelpController::answerArrived(WebRequest::Outcome outcome, const QByteArray& body)
{
    // The start-up news decides for itself: it is dropped when the user is busy elsewhere.
    if (m_purpose == Purpose::StartUpNews || userAtGameList()) {
        Inet1_StateChanged(m_purpose, outcome, body);
        return;
    }
    m_waiting = WaitingAnswer{m_purpose, outcome, body};
    m_backAtList->start();
}

void HelpController::handleWaitingAnswer()
{
    if (!m_waiting || !userAtGameList())
        return;
    m_backAtList->stop();
    const WaitingAnswer answer = *m_waiting;
    m_waiting.reset();
    Inet1_StateChanged(answer.purpose, answer.outcome, answer.body);
}

void HelpController::Inet1_StateChanged(Purpose purpose, WebRequest::Outcome outcome,
                                        const QByteArray& body)
{
    m_window.setNetworkRequestRunning(false);
    switch (purpose) {
    case Purpose::Updates:
        handleUpdatePage(outcome, body);
        break;
    case Purpose::News:
        handleNews(outcome, body);
        break;
    case Purpose::StartUpNews:
        handleStartUpNews(outcome, body);
        break;
    }
    emit requestHandled();
}

void HelpController::handleUpdatePage(WebRequest::Outcome outcome, const QByteArray& body)
{
    // A page that names no version is as useless to the user as no page at all.
    const int published = outcome == WebRequest::Outcome::Complete
                              ? publishedVersion(plainTextFromWeb(body, kUpdatePageLimit))
                              : 0;
    if (published == kVersionTooLarge) {
        platform::showMessage(QStringLiteral("Error in Inet1_StateChanged: Overflow"),
                              QStringLiteral("Velmora"), MessageIcon::Critical);
        return;
    }
    if (published <= 0) {
        platform::showMessage(updateErrorMessage(), kUpdatesTitle, MessageIcon::Information);
        return;
    }
    platform::showMessage(updateAnswer(published, localVersion(), webSiteAddress(m_state.prefs)),
                          kUpdatesTitle, MessageIcon::Information);
}

void HelpController::handleNews(WebRequest::Outcome outcome, const QByteArray& body)
{
    const QString news = plainTextFromWeb(body, kNewsLimit);
    if (outcome == WebRequest::Outcome::Error || news == QLatin1String("Error")) {
        platform::showMessage(newsErrorMessage(), kNewsTitle, MessageIcon::Information);
        return;
    }
    showNews(news);
}

void HelpController::handleStartUpNews(WebRequest::Outcome outcome, const QByteArray& body)
{
    const QString news = plainTextFromWeb(body, kNewsLimit);
    const QString stored = m_state.prefs.news;
    m_state.prefs.news.clear();
    if (outcome == WebRequest::Outcome::Error || news == QLatin1String("Error"))
        return;
    if (!showNewsAtStartUp(news, stored))
        return;
    // The answer may come late: it never takes the window from a panel, a dialog or a game.
    if (!userAtGameList())
        return;
    platform::audio().playTones(kNewsTones);
    showNews(news);
}

void HelpController::showNews(const QString& news)
{
    putOnReportPanel(kNewsTitle, news);
    // The news is prose: its lines wrap at the panel's edge (the return to the lists undoes it).
    m_window.txtVerify()->setLineWrapMode(QTextEdit::WidgetWidth);
    ReportPanel panel(&m_window);
    panel.setBold(0, qMin(news.size(), kNewsStampLength));
    writeNews(m_state.paths.optionsIni(), newsStamp(news));
    FlushIni(m_state.paths.optionsIni());
    panel.focusGameList();
}

void HelpController::putOnReportPanel(const QString& caption, const QString& text)
{
    m_window.hideGameArt();
    m_window.showReportPanel(caption);
    ReportPanel panel(&m_window);
    panel.setText(text);
    panel.setLeaveButtonsEnabled(true);
    panel.focusGameList();
}

void HelpController::showDocument(HelpDocument document)
{
    const HelpDocumentInfo info = helpDocumentInfo(document);
    const auto file =
        helpDocumentFile(document, m_state.paths, m_state.prefs.folder(DataFolder::MAME));
    const auto text = file ? readHelpDocument(*file) : std::nullopt;
    if (!text) {
        platform::showMessage(info.missingMessage, info.caption, MessageIcon::Exclamation);
        return;
    }
    putOnReportPanel(info.caption, *text);
}

void HelpController::mnuHelpAbout_Click()
{
    AboutWindow::Hooks hooks;
    hooks.bannerRunning = [this] { return m_window.bannerRunning(); };
    hooks.setBannerRunning = [this](bool running) { m_window.setBannerRunning(running); };
    hooks.refreshScroll = [this] { m_window.RefreshScroll(); };
    AboutWindow about(m_state, std::move(hooks), &m_window);
    about.exec();
}

void HelpController::lblGradient_Click()
{
    GradientWindow gradient(
        m_state, [this] { m_window.SetGradient(); }, &m_window);
    gradient.exec();
}

void wireHelp(MainWindow& window, AppState& state, StartUp& startUp)
{
    auto* help = new HelpController(window, state, &window);
    MainWindow::Commands& c = window.commands();
    c.helpVelmora = [help] { help->showDocument(HelpDocument::Velmora); };
    c.helpNewvideo = [help] { help->showDocument(HelpDocument::Newvideo); };
    c.helpWindows = [help] { help->showDocument(HelpDocument::Windows); };
    c.news = [help] { help->mnuHelpNews_Click(); };
    c.checkForUpdates = [help] { help->mnuHelpCheck_Click(); };
    c.about = [help] { help->mnuHelpAbout_Click(); };
    c.gradientWindow = [help] { help->lblGradient_Click(); };
    startUp.hooks().checkNews = [help] { help->checkNewsAtStartUp(); };
}

} // namespace velmora
