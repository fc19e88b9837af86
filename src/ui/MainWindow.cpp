#include "ui/MainWindow.h"

#include "app/Progress.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace velmora {

namespace {
// Columns 15 to 17 (Source, ROM Of, CHD) carry data but are never shown; 18 and 19 are the
// category and player columns (1-based as the lists name them).
constexpr int kFirstHiddenColumn = 14;
constexpr int kCategoryColumn = 17;
constexpr int kPlayersColumn = 18;
} // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velmora"));
    buildMenus();
    buildPanels();
    for (int i = 0; i < 2; ++i) {
        m_tmr[i] = new QTimer(this);
        m_tmr[i]->setObjectName(QStringLiteral("Tmr[%1]").arg(i));
    }
    m_tmr[0]->setInterval(40);
    m_tmr[1]->setInterval(500);
    m_tmr[1]->setSingleShot(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    m_mnuViewFavorites = view->addAction(QStringLiteral("&Favorite Games"));
    m_mnuViewFavorites->setObjectName(QStringLiteral("mnuViewFavorites"));
    m_mnuViewFavorites->setCheckable(true);
    view->addSeparator();
    m_mnuViewShots = view->addAction(QStringLiteral("&Screen Shots"));
    m_mnuViewShots->setObjectName(QStringLiteral("mnuViewShots"));
    m_mnuViewShots->setCheckable(true);
}

void MainWindow::buildPanels()
{
    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    m_panels = new QStackedWidget(central);
    row->addWidget(m_panels, 1);

    m_fraList = new QGroupBox(QStringLiteral("All Games"), m_panels);
    m_fraList->setObjectName(QStringLiteral("fraList"));
    auto* listLayout = new QVBoxLayout(m_fraList);
    m_listStack = new QStackedWidget(m_fraList);
    listLayout->addWidget(m_listStack);
    const char* names[] = {"lvAll", "lvInstalled", "lvUninstalled"};
    for (int i = 0; i < 3; ++i) {
        m_lists[i] = new QTreeView(m_listStack);
        m_lists[i]->setObjectName(QLatin1String(names[i]));
        m_listStack->addWidget(m_lists[i]);
    }
    m_chkAutoRun = new QCheckBox(QStringLiteral("Auto Run"), m_fraList);
    m_chkAutoRun->setObjectName(QStringLiteral("chkAutoRun"));
    listLayout->addWidget(m_chkAutoRun);

    m_fraDefaults = new QWidget(m_panels);
    m_fraDefaults->setObjectName(QStringLiteral("fraDefaults"));
    m_fraMaintenance = new QWidget(m_panels);
    m_fraMaintenance->setObjectName(QStringLiteral("fraMaintenance"));
    m_fraVerify = new QGroupBox(m_panels);
    m_fraVerify->setObjectName(QStringLiteral("fraVerify"));
    auto* verifyLayout = new QVBoxLayout(m_fraVerify);
    m_txtVerify = new QTextEdit(m_fraVerify);
    m_txtVerify->setObjectName(QStringLiteral("txtVerify"));
    m_txtVerify->setReadOnly(true);
    verifyLayout->addWidget(m_txtVerify);
    m_fraBlank = new QWidget(m_panels);
    m_fraBlank->setObjectName(QStringLiteral("fraBlank"));
    for (QWidget* w : {static_cast<QWidget*>(m_fraList), m_fraDefaults, m_fraMaintenance,
                       static_cast<QWidget*>(m_fraVerify), m_fraBlank})
        m_panels->addWidget(w);

    auto* column = new QVBoxLayout;
    column->addStretch(1);
    m_cmdExit = new QPushButton(QStringLiteral("E&xit"), central);
    m_cmdExit->setObjectName(QStringLiteral("cmdExit"));
    m_cmdExit->setToolTip(QStringLiteral("Closes Velmora"));
    column->addWidget(m_cmdExit);
    row->addLayout(column);
    connect(m_cmdExit, &QPushButton::clicked, this, &QWidget::close);
    setCentralWidget(central);
}

void MainWindow::prepareReportPanel()
{
    // One tab stop of 100 dialog units: about 100 / 4 average character widths.
    m_txtVerify->setTabStopDistance(m_txtVerify->fontMetrics().averageCharWidth() * 25);
    m_txtVerify->clear();
}

void MainWindow::setOptionalColumnsPresent(bool categories, bool players)
{
    for (QTreeView* view : m_lists) {
        if (!view->model())
            continue;
        for (int c = kFirstHiddenColumn; c < kCategoryColumn; ++c)
            view->setColumnHidden(c, true);
        view->setColumnHidden(kCategoryColumn, !categories);
        view->setColumnHidden(kPlayersColumn, !players);
    }
}

void MainWindow::setScreenShotsChecked(bool checked)
{
    m_mnuViewShots->setChecked(checked);
}
bool MainWindow::screenShotsChecked() const
{
    return m_mnuViewShots->isChecked();
}
void MainWindow::setFavoritesChecked(bool checked)
{
    m_mnuViewFavorites->setChecked(checked);
}
bool MainWindow::favoritesChecked() const
{
    return m_mnuViewFavorites->isChecked();
}
void MainWindow::setAutoRunChecked(bool checked)
{
    m_chkAutoRun->setChecked(checked);
}

void MainWindow::clearLists()
{
}

bool MainWindow::loadLists(ProgressSink& progress)
{
    Q_UNUSED(progress);
    return true;
}

void MainWindow::showListPanel()
{
    m_fraVerify->setEnabled(false);
    m_fraDefaults->setEnabled(false);
    m_fraMaintenance->setEnabled(false);
    m_fraList->setEnabled(true);
    m_panels->setCurrentWidget(m_fraList);
    m_state.panelBusy = 0;
}

void MainWindow::applyListAppearance(const Preferences& prefs)
{
    Q_UNUSED(prefs);
}

void MainWindow::showView(ListKind kind)
{
    m_listStack->setCurrentIndex(static_cast<int>(kind));
    m_fraList->setTitle(velmora::listCaption(kind));
}

void MainWindow::updateFiltersLabel()
{
}

void MainWindow::setBannerRunning(bool running)
{
    if (running)
        m_tmr[0]->start();
    else
        m_tmr[0]->stop();
}

void MainWindow::stopTimers()
{
    m_tmr[0]->stop();
    m_tmr[1]->stop();
}

QString MainWindow::listCaption() const
{
    return m_fraList->title();
}

ListViewState MainWindow::listState(ListKind kind) const
{
    switch (kind) {
    case ListKind::Installed:
        return m_state.prefs.installed;
    case ListKind::Uninstalled:
        return m_state.prefs.uninstalled;
    case ListKind::All:
        break;
    }
    return m_state.prefs.all;
}

int MainWindow::windowStateValue() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

void MainWindow::applyWindowStateValue(int value)
{
    // Minimised is advisory; a window that starts minimised would hide the program from its user.
    if (value == 2)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::playSelectedGame()
{
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        emit closing();
    }
    event->accept();
}

} // namespace velmora
