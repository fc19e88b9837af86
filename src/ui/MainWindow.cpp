#include "ui/MainWindow.h"

#include "lists/GameSearch.h"
#include "lists/ShotPlacement.h"
#include "ui/BannerFrame.h"
#include "ui/ClickableLabel.h"
#include "ui/GameListView.h"
#include "ui/GradientBackground.h"
#include "ui/ListFrame.h"
#include "ui/Pictures.h"
#include "ui/StatusPanels.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace velmora {
namespace {

constexpr int kRightColumnWidth = 156;
constexpr int kCabinetHeight = 64;
constexpr int kIconSide = 32;
constexpr int kSmallPictureSide = 16;
constexpr int kBannerInterval = 40;
constexpr int kIconInterval = 500;
// The window's designed client size, wide enough for the main columns of the list and the
// right-hand column: the smallest the window may be.
constexpr int kDesignedWidth = 900;
constexpr int kDesignedHeight = 426;

QWidget* frameOfObject(QWidget* parent, const char* name)
{
    auto* widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent) : QMainWindow(parent), m_state(state)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velmora"));
    buildPanels();
    buildMenus();
    buildTimers();
    connectLists();
    buildRomStates();
    setMinimumSize(kDesignedWidth, kDesignedHeight);
    resize(kDesignedWidth, kDesignedHeight);
    showStatusBar(0);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTimers()
{
    for (int i = 0; i < 2; ++i) {
        m_tmr[size_t(i)] = new QTimer(this);
        m_tmr[size_t(i)]->setObjectName(QStringLiteral("Tmr[%1]").arg(i));
    }
    m_tmr[0]->setInterval(kBannerInterval);
    m_tmr[1]->setInterval(kIconInterval);
    m_tmr[1]->setSingleShot(true);
    connect(m_tmr[0], &QTimer::timeout, this, &MainWindow::onBannerTimer);
    connect(m_tmr[1], &QTimer::timeout, this, &MainWindow::onIconTimer);
}

QPushButton* MainWindow::makeButton(const char* name, const char* caption, const char* tip)
{
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QString::fromUtf8(tip));
    return button;
}

void MainWindow::buildPanels()
{
    m_background = new GradientBackground(this);
    auto* outer = new QVBoxLayout(m_background);
    outer->setContentsMargins(6, 4, 6, 0);
    outer->setSpacing(4);
    auto* row = new QHBoxLayout;
    outer->addLayout(row, 1);

    auto* left = new QVBoxLayout;
    m_panels = new QStackedWidget(m_background);
    m_panels->setObjectName(QStringLiteral("panels"));
    buildListFrame();
    m_fraDefaults = frameOfObject(m_panels, "fraDefaults");
    new QVBoxLayout(m_fraDefaults);
    m_fraMaintenance = new QGroupBox(QStringLiteral("Maintenance"), m_panels);
    m_fraMaintenance->setObjectName(QStringLiteral("fraMaintenance"));
    auto* maintenance = new QVBoxLayout(m_fraMaintenance);
    maintenance->addWidget(frameOfObject(m_fraMaintenance, "picMaintenance"), 1);
    m_cmdGameList2 = makeButton("cmdGameList2", "Return To &Game List", "");
    maintenance->addWidget(m_cmdGameList2, 0, Qt::AlignRight);
    buildReportPanel();
    m_fraBlank = frameOfObject(m_panels, "fraBlank");
    auto* blank = new QVBoxLayout(m_fraBlank);
    m_progressBar = new QProgressBar(m_fraBlank);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    blank->addStretch(1);
    blank->addWidget(m_progressBar);
    blank->addStretch(1);
    for (QWidget* panel :
         {static_cast<QWidget*>(m_fraList), m_fraDefaults, static_cast<QWidget*>(m_fraMaintenance),
          static_cast<QWidget*>(m_fraVerify), m_fraBlank})
        m_panels->addWidget(panel);
    left->addWidget(m_panels, 1);
    left->addWidget(buildButtonRow());
    row->addLayout(left, 1);
    row->addWidget(buildRightColumn());

    for (int i = 0; i < 2; ++i) {
        m_statusBars[size_t(i)] = new StatusPanels(i, m_background);
        outer->addWidget(m_statusBars[size_t(i)]);
    }
    setCentralWidget(m_background);
    connect(m_background, &GradientBackground::resized, this, &MainWindow::keepCaptionsReadable);

    connect(m_cmdGameList, &QPushButton::clicked, this, &MainWindow::returnFromReport);
    connect(m_cmdGameList2, &QPushButton::clicked, this, &MainWindow::returnFromMaintenance);
}

void MainWindow::buildListFrame()
{
    m_fraList = new ListFrame(m_panels);
    const std::array<std::pair<ListKind, ListViewState*>, 3> lists = {{
        {ListKind::All, &m_state.prefs.all},
        {ListKind::Installed, &m_state.prefs.installed},
        {ListKind::Uninstalled, &m_state.prefs.uninstalled},
    }};
    for (const auto& [kind, viewState] : lists) {
        auto* view = new GameListView(kind, viewState);
        m_lists[size_t(kind)] = view;
        m_fraList->addList(view);
    }
    connect(m_fraList, &ListFrame::pictureClicked, this, &MainWindow::onPictureClicked);
    m_fraList->setPlacement([this](int listHeight, int frameWidth) {
        return placeShot(m_state.paths.setting(QStringLiteral("nostretch.ini")), isMaximized(),
                         listHeight, frameWidth);
    });
    buildSearchBox();
}

void MainWindow::buildReportPanel()
{
    m_fraVerify = new QGroupBox(m_panels);
    m_fraVerify->setObjectName(QStringLiteral("fraVerify"));
    auto* layout = new QVBoxLayout(m_fraVerify);
    m_txtVerify = new QTextEdit(m_fraVerify);
    m_txtVerify->setObjectName(QStringLiteral("txtVerify"));
    m_txtVerify->setReadOnly(true);
    m_txtVerify->setLineWrapMode(QTextEdit::NoWrap);
    layout->addWidget(m_txtVerify, 1);
    m_cmdGameList = makeButton("cmdGameList", "Return To &Game List", "");
    layout->addWidget(m_cmdGameList, 0, Qt::AlignRight);
}

QWidget* MainWindow::buildButtonRow()
{
    auto* row = new QWidget(m_background);
    row->setObjectName(QStringLiteral("playButtons"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_cmdPlay = makeButton("cmdPlay", "&Play Game", "Starts The Selected Game");
    m_cmdVerify = makeButton("cmdVerify", "Game &Audit",
                             "Checks The ROM File And Sample File Of The Selected Game");
    m_cmdInfo =
        makeButton("cmdInfo", "Game &Information",
                   "Shows The History.Dat, Mameinfo.Dat, And Cheat.Dat Of The Selected Game");
    for (QPushButton* b : {m_cmdPlay, m_cmdVerify, m_cmdInfo})
        layout->addWidget(b, 1);
    connect(m_cmdPlay, &QPushButton::clicked, this, &MainWindow::onPlay);
    connect(m_cmdVerify, &QPushButton::clicked, this, &MainWindow::onVerify);
    connect(m_cmdInfo, &QPushButton::clicked, this, &MainWindow::onInfo);
    return row;
}

QWidget* MainWindow::buildRightColumn()
{
    auto* column = new QWidget(m_background);
    column->setObjectName(QStringLiteral("rightColumn"));
    column->setFixedWidth(kRightColumnWidth);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->setSpacing(5);

    m_fraScroll = new BannerFrame(column);
    connect(m_fraScroll, &BannerFrame::clicked, this, &MainWindow::onBannerClicked);
    layout->addWidget(m_fraScroll);

    auto* pictures = new QHBoxLayout;
    m_imgMachine = new ClickableLabel(column);
    m_imgMachine->setObjectName(QStringLiteral("imgMachine"));
    m_imgMachine->setPixmap(cabinetPicture(kCabinetHeight, devicePixelRatioF()));
    m_imgMachine->setToolTip(QStringLiteral("Click Here To View Some Path Information"));
    m_imgMachine->setCursor(Qt::PointingHandCursor);
    connect(m_imgMachine, &ClickableLabel::clicked, this, &MainWindow::onPathInformation);
    pictures->addWidget(m_imgMachine);
    auto* marks = new QVBoxLayout;
    m_lblArtwork = new QLabel(QStringLiteral("Artwork"), column);
    m_lblArtwork->setObjectName(QStringLiteral("lblArtwork"));
    m_lblArtwork->setToolTip(QStringLiteral("This Game Has Artwork"));
    m_lblArtwork->setStyleSheet(
        QStringLiteral("color: white; background: #2a7a2a; border-radius: 3px; padding: 1px 4px;"));
    m_lblArtwork->hide();
    m_iconScreen = new QLabel(column);
    m_iconScreen->setObjectName(QStringLiteral("IconScreen"));
    m_iconScreen->setFixedSize(kIconSide, kIconSide);
    m_iconScreen->hide();
    marks->addWidget(m_lblArtwork, 0, Qt::AlignLeft);
    marks->addWidget(m_iconScreen, 0, Qt::AlignLeft);
    marks->addStretch(1);
    pictures->addLayout(marks, 1);
    layout->addLayout(pictures);

    m_cmdRaster = makeButton("cmdRaster", "&Raster Settings...",
                             "Configures The Options That Will Be Used For All Raster Games");
    m_cmdVector = makeButton("cmdVector", "&Vector Settings...",
                             "Configures The Options That Will Be Used For All Vector Games");
    layout->addWidget(m_cmdRaster);
    layout->addWidget(m_cmdVector);
    layout->addStretch(1);
    m_cmdFind = makeButton("cmdFind", "&Mame.Ini",
                           "The Mame.Ini File That Will Be Used For The Selected Game");
    layout->addWidget(m_cmdFind);

    auto* autoRunRow = new QHBoxLayout;
    m_lblGradient = new ClickableLabel(column);
    m_lblGradient->setObjectName(QStringLiteral("lblGradient"));
    m_lblGradient->setToolTip(QStringLiteral("Click Here To Select Gradient Color"));
    m_lblGradient->setCursor(Qt::PointingHandCursor);
    auto* picAutoRun = frameOfObject(column, "picAutoRun");
    auto* autoRunLayout = new QHBoxLayout(picAutoRun);
    autoRunLayout->setContentsMargins(0, 0, 0, 0);
    m_chkAutoRun = new QCheckBox(QStringLiteral("Auto Run"), picAutoRun);
    m_chkAutoRun->setObjectName(QStringLiteral("chkAutoRun"));
    m_chkAutoRun->setToolTip(QStringLiteral(
        "Set This Before Exiting To Run The Selected Game Automatically At Start Up"));
    autoRunLayout->addWidget(m_chkAutoRun);
    m_lblDownload = new ClickableLabel(column);
    m_lblDownload->setObjectName(QStringLiteral("lblDownload"));
    m_lblDownload->setPixmap(clockPicture(kSmallPictureSide, devicePixelRatioF()));
    m_lblDownload->setToolTip(QStringLiteral("Click Here To View The Start Up Time"));
    m_lblDownload->setCursor(Qt::PointingHandCursor);
    autoRunRow->addWidget(m_lblGradient);
    autoRunRow->addWidget(picAutoRun, 1);
    autoRunRow->addWidget(m_lblDownload);
    layout->addLayout(autoRunRow);
    connect(m_lblGradient, &ClickableLabel::clicked, this, &MainWindow::onGradient);
    connect(m_lblDownload, &ClickableLabel::clicked, this, &MainWindow::onStartUpTime);

    auto* picRecPlay = frameOfObject(column, "picRecPlay");
    auto* recPlay = new QHBoxLayout(picRecPlay);
    recPlay->setContentsMargins(kSmallPictureSide + 6, 0, 0, 0);
    m_chkRecord = new QCheckBox(QStringLiteral("Record"), picRecPlay);
    m_chkRecord->setObjectName(QStringLiteral("chkRecord"));
    m_chkRecord->setToolTip(QStringLiteral("Check This To Record The Selected Game"));
    m_chkPlayback = new QCheckBox(QStringLiteral("Playback"), picRecPlay);
    m_chkPlayback->setObjectName(QStringLiteral("chkPlayback"));
    m_chkPlayback->setToolTip(
        QStringLiteral("Check This To Playback The Selected Game If It Has An .Inp File"));
    auto* recPlayColumn = new QVBoxLayout;
    recPlayColumn->addWidget(m_chkRecord);
    recPlayColumn->addWidget(m_chkPlayback);
    recPlay->addLayout(recPlayColumn);
    layout->addWidget(picRecPlay);

    m_cmdExit = makeButton("cmdExit", "E&xit", "Closes Velmora");
    layout->addWidget(m_cmdExit);

    connect(m_chkAutoRun, &QCheckBox::clicked, this, &MainWindow::onAutoRunClicked);
    connect(m_chkRecord, &QCheckBox::clicked, this, &MainWindow::onRecordClicked);
    connect(m_chkPlayback, &QCheckBox::clicked, this, &MainWindow::onPlaybackClicked);
    connect(m_cmdRaster, &QPushButton::clicked, this, &MainWindow::onRaster);
    connect(m_cmdVector, &QPushButton::clicked, this, &MainWindow::onVector);
    connect(m_cmdFind, &QPushButton::clicked, this, &MainWindow::onFind);
    connect(m_cmdExit, &QPushButton::clicked, this, &MainWindow::onExit);
    return column;
}

void MainWindow::prepareReportPanel()
{
    // One tab stop of 100 dialog units: about 100 / 4 average character widths.
    m_txtVerify->setTabStopDistance(m_txtVerify->fontMetrics().averageCharWidth() * 25);
    m_txtVerify->clear();
}

void MainWindow::setOptionalColumnsPresent(bool categories, bool players)
{
    for (GameListView* view : m_lists)
        view->setOptionalColumns(categories, players);
}

QString MainWindow::listCaption() const
{
    return m_fraList->title();
}

QGroupBox* MainWindow::fraList() const
{
    return m_fraList;
}

ListViewState MainWindow::listState(ListKind kind) const
{
    return m_lists[size_t(kind)]->viewState();
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

void MainWindow::placeOnScreen(const QRect& stored)
{
    const QScreen* screen = stored.isValid() ? QGuiApplication::screenAt(stored.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A maximised window keeps its state; the place is the one it returns to.
    const Qt::WindowStates states = windowState();
    setWindowState(states & ~Qt::WindowMaximized);
    setGeometry(windowPlacement(stored, screen->availableGeometry(), minimumSize()));
    setWindowState(states);
}

QPushButton* MainWindow::button(const QString& objectName) const
{
    return findChild<QPushButton*>(objectName);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        emit closing();
    }
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // The layouts move everything; the screenshot's place depends on the window being maximised
    // and on nostretch.ini, read again here. Nothing changes while the window is minimised.
    if (isMinimized())
        return;
    if (!m_state.startupInProgress)
        SetGradient();
    m_fraList->relayout();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    SetGradient();
}

} // namespace velmora
