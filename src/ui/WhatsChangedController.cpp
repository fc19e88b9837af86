#include "ui/WhatsChangedController.h"

#include "platform/Seams.h"
#include "ui/CommandLock.h"
#include "ui/ReportPanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <optional>

namespace velmora {
namespace {

using platform::MessageIcon;

// The window is let work at least this often while a compare runs, so Cancel answers at once.
constexpr qint64 kEventsEveryMs = 15;

template <typename F, typename... Args> void call(const F& hook, Args&&... args)
{
    if (hook)
        hook(std::forward<Args>(args)...);
}

// Shows a compare's progress on the report status bar and lets the window work between games.
class PanelMonitor : public CompareMonitor
{
public:
    PanelMonitor(ChangeReport report, QProgressBar* bar, const WhatsChangedHooks& hooks,
                 const bool& cancelRequested)
        : m_report(report), m_bar(bar), m_hooks(hooks), m_cancelRequested(cancelRequested)
    {
        m_clock.start();
    }

    void setStatus(const QString& text) override
    {
        call(m_hooks.setReportStatus, 2, text);
        letWindowWork();
    }
    void start(int count) override
    {
        m_count = count;
        m_value = 0;
        if (m_bar) {
            m_bar->setRange(0, std::max(count, 0));
            m_bar->setValue(0);
            m_bar->show();
        }
        letWindowWork();
    }
    void advance(int value) override { m_value = value; }
    bool letEventsRun() override
    {
        if (m_clock.elapsed() >= m_nextEvents)
            letWindowWork();
        return m_cancelRequested;
    }
    // The last value, shown when the compare is done.
    void showProgress()
    {
        if (m_count < 0)
            return;
        if (m_bar)
            m_bar->setValue(std::min(m_value, m_bar->maximum()));
        call(m_hooks.setReportStatus, 1, progressText(m_report, m_value, m_count));
    }

private:
    void letWindowWork()
    {
        showProgress();
        QCoreApplication::processEvents();
        m_nextEvents = m_clock.elapsed() + kEventsEveryMs;
    }

    ChangeReport m_report;
    QProgressBar* m_bar;
    const WhatsChangedHooks& m_hooks;
    const bool& m_cancelRequested;
    QElapsedTimer m_clock;
    qint64 m_nextEvents = 0;
    int m_count = -1;
    int m_value = 0;
};

template <typename T> T* child(QWidget& window, const char* name)
{
    return window.findChild<T*>(QLatin1String(name));
}

} // namespace

WhatsChangedController::WhatsChangedController(QMainWindow& window, AppState& state,
                                               WhatsChangedHooks hooks, QObject* parent)
    : QObject(parent), m_window(window), m_state(state), m_hooks(std::move(hooks)),
      m_panel(std::make_unique<ReportPanel>(&window))
{
}

WhatsChangedController::~WhatsChangedController() = default;

QProgressBar* WhatsChangedController::progressBar()
{
    if (m_progress)
        return m_progress;
    QStatusBar* bar = m_hooks.reportStatusBar ? m_hooks.reportStatusBar() : nullptr;
    if (!bar)
        return nullptr;
    m_progress = new QProgressBar(bar);
    m_progress->setObjectName(QStringLiteral("ProgressBar[1]"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    bar->addPermanentWidget(m_progress, 1);
    return m_progress;
}

void WhatsChangedController::preparePanel(const QString& caption)
{
    call(m_hooks.showReportStatusBar);
    call(m_hooks.hideGameArt);
    m_panel->bringToFront(caption);
    m_state.panelBusy = 1;
    call(m_hooks.disableFormButtons);
}

void WhatsChangedController::setCompareRunning(bool running)
{
    m_comparing = running;
    if (QPushButton* exit = child<QPushButton>(m_window, "cmdExit")) {
        exit->setText(running ? QStringLiteral("&Cancel") : QStringLiteral("E&xit"));
        exit->setToolTip(running ? QStringLiteral("Cancels The Compare")
                                 : QStringLiteral("Closes Velmora"));
        exit->setDefault(running);
        exit->setEnabled(true);
    }
    if (QPushButton* back = m_panel->gameListButton())
        back->setEnabled(!running);
    if (QAction* exitItem = m_window.findChild<QAction*>(QStringLiteral("mnuFileExit")))
        exitItem->setEnabled(!running);
    // The window's keys reach the filter before whichever control has the focus.
    if (running)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool WhatsChangedController::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_comparing)
        return QObject::eventFilter(watched, event);
    // Closing the window while a compare runs cancels the compare; the window stays.
    if (watched == &m_window && event->type() == QEvent::Close) {
        m_state.cancelRequested = true;
        event->ignore();
        return true;
    }
    // Cancel is the default button: Enter, on either keyboard block, presses it.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto* widget = qobject_cast<QWidget*>(watched);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && widget &&
            widget->window() == &m_window) {
            if (auto* exit = child<QPushButton>(m_window, "cmdExit"))
                exit->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WhatsChangedController::showReport(const QString& text, const ChangeReportTexts& texts)
{
    m_panel->setText(text);
    for (const BoldHeading& heading : texts.bold)
        if (const qsizetype at = text.indexOf(heading.find); at >= 0)
            m_panel->setBold(at, heading.length);
}

void WhatsChangedController::compare(ChangeReport report)
{
    if (m_comparing)
        return;
    const ChangeReportTexts& texts = changeReportTexts(report);
    if (const auto missing = missingListMessage(report, m_state.paths, m_state.checksumList)) {
        platform::showMessage(*missing, texts.title, MessageIcon::Information);
        return;
    }
    if (platform::showMessage(
            QStringLiteral("This can take an EXTREMELY long time.  Do you want to continue?"),
            QStringLiteral("Confirm Continue"), MessageIcon::Question,
            platform::MessageButtons::YesNo,
            platform::MessageAnswer::Yes) != platform::MessageAnswer::Yes)
        return;

    QElapsedTimer elapsed;
    elapsed.start();
    preparePanel(texts.title);
    m_panel->setText(texts.inProgress);
    m_state.cancelRequested = false;
    setCompareRunning(true);

    std::optional<CommandLock> lock(std::in_place, m_window);
    PanelMonitor monitor(report, progressBar(), m_hooks, m_state.cancelRequested);
    const ChangeRun run = runChangeCompare(report, m_state.paths, monitor, m_state.checksumList);
    monitor.showProgress();
    lock.reset();

    if (run.outcome == CompareResult::Outcome::Changed)
        showReport(run.panelText, texts);
    else
        m_panel->setText(run.panelText.isEmpty() ? run.error : run.panelText);
    call(m_hooks.setReportStatus, 2, elapsedTimeText(double(elapsed.elapsed()) / 1000));
    setCompareRunning(false);
    m_state.cancelRequested = false;
    if (m_progress) {
        m_progress->setValue(0);
        m_progress->hide();
    }
    m_window.show();
    m_panel->focusGameList();
    if (!run.error.isEmpty())
        platform::showMessage(run.error, texts.title, MessageIcon::Exclamation);
}

void WhatsChangedController::showLastReport(ChangeReport report)
{
    const ChangeReportTexts& texts = changeReportTexts(report);
    const QString caption = QStringLiteral("Last What's Changed Report");
    const std::optional<QString> text = lastChangeReport(report, m_state.paths);
    if (!text) {
        platform::showMessage(texts.missingReport, caption, MessageIcon::Information);
        return;
    }
    preparePanel(caption);
    showReport(*text, texts);
    m_panel->focusGameList();
    m_panel->bringToFront(caption);
}

} // namespace velmora
