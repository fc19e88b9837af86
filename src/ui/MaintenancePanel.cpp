#include "ui/MaintenancePanel.h"

#include "info/Maintenance.h"
#include "lists/GameListModel.h"
#include "ui/MainWindow.h"
#include "ui/StatusPanels.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora {
namespace {

// The window repaints at most this often during the ROM compare.
constexpr int kRepaintMilliseconds = 30;
// The scroll bar's large and small changes are a tenth and a twenty-fifth of its range.
constexpr int kLargeChangeParts = 10;
constexpr int kSmallChangeParts = 25;

template <typename T> T* named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QPushButton* button(const char* name, const char* caption)
{
    return named(new QPushButton(QString::fromUtf8(caption)), QLatin1String(name));
}

// The All Games list as loaded (hidden games are not in it): "<rom>.zip" in lower case.
ArchiveNames archiveNames(const GameListModel* model)
{
    ArchiveNames names;
    if (!model)
        return names;
    names.reserve(model->count());
    const GameTable& table = *model->table();
    for (int row = 0; row < model->count(); ++row)
        names.insert(table.text(model->gameRef(row).record[GameRecord::Rom]).toLower() +
                     QLatin1String(".zip"));
    return names;
}

} // namespace

MaintenancePanel::MaintenancePanel(MainWindow& window, AppState& state)
    : QObject(&window), m_window(window), m_state(state)
{
    QGroupBox* frame = window.fraMaintenance();
    m_picMaintenance = named(new QScrollArea, QStringLiteral("picMaintenance"));
    m_picMaintenance->setWidgetResizable(true);
    m_picMaintenance->setFrameShape(QFrame::NoFrame);
    m_picMaintenance->setWidget(buildContent());
    m_picMaintenance->verticalScrollBar()->setObjectName(QStringLiteral("VScroll[1]"));
    // The window keeps an empty picture in the frame until the screen is built.
    if (auto* placeholder = frame->findChild<QWidget*>(QStringLiteral("picMaintenance"),
                                                       Qt::FindDirectChildrenOnly)) {
        delete frame->layout()->replaceWidget(placeholder, m_picMaintenance);
        delete placeholder;
    } else if (auto* layout = qobject_cast<QBoxLayout*>(frame->layout())) {
        layout->insertWidget(0, m_picMaintenance, 1);
    }
}

QWidget* MaintenancePanel::buildContent()
{
    auto* box = named(new QWidget, QStringLiteral("picBox2"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(buildFolderGroup());
    layout->addWidget(buildReportGroup());
    layout->addWidget(buildRomGroup());
    layout->addStretch(1);
    return box;
}

QWidget* MaintenancePanel::buildFolderGroup()
{
    auto* group = named(new QGroupBox(QStringLiteral("M.A.M.E. Directories")),
                        QStringLiteral("fraDirectories"));
    auto* layout = new QGridLayout(group);
    for (std::size_t i = 0; i < m_chkFolder.size(); ++i) {
        m_chkFolder[i] = named(new QCheckBox(QLatin1String(kGameFileKinds[i].caption)),
                               QStringLiteral("chkFolder[%1]").arg(i));
        layout->addWidget(m_chkFolder[i], 0, int(i));
    }
    m_optAll = named(new QRadioButton(QStringLiteral("All Files")), QStringLiteral("optAll"));
    m_optCurrent = named(new QRadioButton(QStringLiteral("Files From The Current Game")),
                         QStringLiteral("optCurrent"));
    m_optAll->setChecked(true);
    layout->addWidget(m_optAll, 1, 0, 1, 2);
    layout->addWidget(m_optCurrent, 1, 2, 1, 3);
    m_cmdFolders = button("cmdFolders", "Delete");
    m_cmdSelectAll[0] = button("cmdSelectAll[0]", "Select All");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdSelectAll[0]);
    buttons->addWidget(m_cmdFolders);
    layout->addLayout(buttons, 2, 0, 1, 5);
    connect(m_cmdFolders, &QPushButton::clicked, this, &MaintenancePanel::cmdFolders_Click);
    connect(m_cmdSelectAll[0], &QPushButton::clicked, this, [this] { cmdSelectAll_Click(0); });
    return group;
}

QWidget* MaintenancePanel::buildReportGroup()
{
    // "&&" shows as one ampersand in a caption.
    auto* group =
        named(new QGroupBox(QStringLiteral("Reports && Lists")), QStringLiteral("fraReports"));
    auto* layout = new QGridLayout(group);
    constexpr int kColumns = 3;
    for (std::size_t i = 0; i < m_chkReport.size(); ++i) {
        m_chkReport[i] = named(new QCheckBox(QLatin1String(kReportFiles[i].caption)),
                               QLatin1String(kReportFiles[i].checkBox));
        layout->addWidget(m_chkReport[i], int(i) / kColumns, int(i) % kColumns);
    }
    m_cmdReports = button("cmdReports", "Delete");
    m_cmdSelectAll[1] = button("cmdSelectAll[1]", "Select All");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdSelectAll[1]);
    buttons->addWidget(m_cmdReports);
    layout->addLayout(buttons, int(m_chkReport.size()) / kColumns, 0, 1, kColumns);
    connect(m_cmdReports, &QPushButton::clicked, this, &MaintenancePanel::cmdReports_Click);
    connect(m_cmdSelectAll[1], &QPushButton::clicked, this, [this] { cmdSelectAll_Click(1); });
    return group;
}

QWidget* MaintenancePanel::buildRomGroup()
{
    auto* group =
        named(new QGroupBox(QStringLiteral("ROM Directories")), QStringLiteral("fraROMs"));
    auto* layout = new QGridLayout(group);
    m_lblFolder = named(new QLabel, QStringLiteral("lblFolder"));
    m_lblText = named(new QLabel, QStringLiteral("lblText"));
    m_progress = named(new QProgressBar, QStringLiteral("ProgressBar[1]"));
    m_progress->setVisible(false);
    m_cmdROMs = button("cmdROMs", "Compare");
    m_cmdROMs->setToolTip(
        QStringLiteral("Finds The Files In The ROM Folders That Are Not In The All Games List"));
    layout->addWidget(m_lblFolder, 0, 0);
    layout->addWidget(m_lblText, 1, 0);
    layout->addWidget(m_progress, 2, 0);
    layout->addWidget(m_cmdROMs, 0, 1, Qt::AlignRight);
    layout->setColumnStretch(0, 1);
    connect(m_cmdROMs, &QPushButton::clicked, this, &MaintenancePanel::cmdROMs_Click);
    return group;
}

void MaintenancePanel::focusGameList()
{
    if (QPushButton* back = m_window.button(QStringLiteral("cmdGameList2")))
        back->setFocus();
}

void MaintenancePanel::open()
{
    QScrollBar* bar = m_picMaintenance->verticalScrollBar();
    bar->setValue(0);
    bar->setPageStep(std::max(1, bar->maximum() / kLargeChangeParts));
    bar->setSingleStep(std::max(1, bar->maximum() / kSmallChangeParts));
    m_window.DisableFormButtons();

    const SelectedGame game =
        m_window.gameCount(m_window.currentList()) > 0 ? m_window.currentGame() : SelectedGame{};
    m_currentGame = game.rom;
    m_optCurrent->setEnabled(!m_currentGame.isEmpty());
    if (m_currentGame.isEmpty())
        m_optAll->setChecked(true);
    StatusPanels* status = m_window.statusBarElement(1);
    status->setText(2, game.description);
    status->setText(3, game.rom);
    m_window.showStatusBar(1);

    for (QCheckBox* box : m_chkFolder)
        box->setChecked(false);
    for (QCheckBox* box : m_chkReport)
        box->setChecked(false);
    m_window.bringPanelToFront(m_window.fraMaintenance());
    focusGameList();
}

void MaintenancePanel::cmdFolders_Click()
{
    const bool any = std::any_of(m_chkFolder.begin(), m_chkFolder.end(),
                                 [](const QCheckBox* box) { return box->isChecked(); });
    if (!any) {
        noDirectorySelected();
        focusGameList();
        return;
    }
    const FileScope scope = m_optCurrent->isChecked() && !m_currentGame.isEmpty()
                                ? FileScope::CurrentGame
                                : FileScope::AllFiles;
    const MachineNames machines = MachineNames::fromDatabase(m_state.paths);
    for (std::size_t i = 0; i < m_chkFolder.size(); ++i) {
        if (!m_chkFolder[i]->isChecked())
            continue;
        deleteGameFiles(m_state.prefs, kGameFileKinds[i], scope, m_currentGame, machines);
        m_chkFolder[i]->setChecked(false);
    }
    focusGameList();
}

void MaintenancePanel::cmdReports_Click()
{
    const bool any = std::any_of(m_chkReport.begin(), m_chkReport.end(),
                                 [](const QCheckBox* box) { return box->isChecked(); });
    if (!any) {
        noReportSelected();
        focusGameList();
        return;
    }
    for (std::size_t i = 0; i < m_chkReport.size(); ++i) {
        if (!m_chkReport[i]->isChecked())
            continue;
        deleteReport(m_state.paths, kReportFiles[i]);
        m_chkReport[i]->setChecked(false);
    }
    focusGameList();
}

void MaintenancePanel::cmdSelectAll_Click(int index)
{
    if (index == 0) {
        for (QCheckBox* box : m_chkFolder)
            box->setChecked(true);
        m_cmdFolders->setFocus();
    } else {
        for (QCheckBox* box : m_chkReport)
            box->setChecked(true);
        m_cmdReports->setFocus();
    }
}

void MaintenancePanel::cmdROMs_Click()
{
    const ArchiveNames archives = archiveNames(m_window.listModel(ListKind::All));
    bool waiting = false;
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();

    RomCompareHooks hooks;
    hooks.folderStarted = [this](const QString& label) { m_lblFolder->setText(label); };
    hooks.compareStarted = [this, &waiting](int count) {
        m_lblText->setText(QStringLiteral("ROM compare in progress.  Please stand by."));
        m_cmdROMs->setEnabled(false);
        m_progress->setRange(0, count);
        m_progress->setValue(0);
        m_progress->setVisible(true);
        if (!waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        waiting = true;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    hooks.advanced = [this, &sinceRepaint](int done) {
        m_progress->setValue(done);
        if (sinceRepaint.elapsed() >= kRepaintMilliseconds) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceRepaint.restart();
        }
    };
    const RomCompareResult result = compareRomFolders(m_state.prefs, archives, hooks);

    m_lblFolder->clear();
    m_cmdROMs->setEnabled(true);
    m_progress->setValue(0);
    m_progress->setVisible(false);
    if (waiting)
        QApplication::restoreOverrideCursor();
    m_lblText->setText(romCompareText(result));
}

} // namespace velmora
