// The main window's shell: the panels that take turns in the main area, the buttons that follow
// them, the status bars, Exit and Cancel, the gradient, the two information boxes and the command
// slots that hand each command to its subsystem.
#include "ui/MainWindow.h"

#include "gamedb/ExecCmd.h"
#include "platform/Seams.h"
#include "ui/BannerFrame.h"
#include "ui/ClickableLabel.h"
#include "ui/ColorValue.h"
#include "ui/GameListView.h"
#include "ui/GradientBackground.h"
#include "ui/ListFrame.h"
#include "ui/Pictures.h"
#include "ui/ReadableText.h"
#include "ui/StatusPanels.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextCharFormat>
#include <QTextEdit>
#include <QTimer>
#include <cmath>

namespace velmora {
namespace {

using platform::MessageIcon;

const QString kFindCaption = QStringLiteral("&Mame.Ini");
const QString kFindTip =
    QStringLiteral("The Mame.Ini File That Will Be Used For The Selected Game");
const QString kCancelCaption = QStringLiteral("&Cancel");
constexpr int kSwatchSide = 16;
// The system colour number of the button face, the gradient's top colour.
constexpr int kSystemButtonFace = 15;
constexpr double kSecondsPerDay = 24 * 60 * 60;

QString pathLine(const char* label, const QString& value)
{
    return QLatin1String(label) + u'\t' + value;
}

} // namespace

// ---- Commands --------------------------------------------------------------------------------

void MainWindow::run(const std::function<void()>& handler, const QString& command)
{
    if (handler) {
        handler();
        return;
    }
    platform::showMessage(command +
                              QStringLiteral(" is not available in this version of Velmora yet."),
                          command, MessageIcon::Information);
}

void MainWindow::playSelectedGame()
{
    onPlay();
}

void MainWindow::onPlay()
{
    run(m_commands.play, QStringLiteral("Play Game"));
}

void MainWindow::onVerify()
{
    run(m_commands.verify, QStringLiteral("Game Audit"));
}

void MainWindow::onInfo()
{
    run(m_commands.info, QStringLiteral("Game Information"));
}

void MainWindow::onExport()
{
    run(m_commands.exportList, QStringLiteral("Export List"));
}

void MainWindow::onRaster()
{
    run(m_commands.raster, QStringLiteral("Raster Settings"));
}

void MainWindow::onVector()
{
    run(m_commands.vector, QStringLiteral("Vector Settings"));
}

void MainWindow::onCustom()
{
    run(m_commands.custom, QStringLiteral("Custom Settings"));
}

void MainWindow::onRebuildSettings()
{
    run(m_commands.rebuildSettings, QStringLiteral("Rebuild Settings"));
}

void MainWindow::onMaintenance()
{
    run(m_commands.maintenance, QStringLiteral("Maintenance"));
}

void MainWindow::onOptions()
{
    run(m_commands.options, QStringLiteral("Options"));
}

// cmdFind acts by its caption: the mame.ini viewer on the game list, the bad-set list and the
// printout on an all-sets report.
void MainWindow::onFind()
{
    const QString caption = m_cmdFind->text();
    if (caption == QLatin1String("&List Bad Sets"))
        run(m_commands.listBadSets, QStringLiteral("List Bad Sets"));
    else if (caption == QLatin1String("&Print"))
        run(m_commands.printReport, QStringLiteral("Print"));
    else
        run(m_commands.mameIni, QStringLiteral("Mame.Ini"));
}

// The three boxes belong to the launch; the list gets its selection and focus back after each.
void MainWindow::onAutoRunClicked(bool checked)
{
    if (m_commands.autoRunChanged)
        m_commands.autoRunChanged(checked);
    GetSelectedIndex();
}

void MainWindow::onRecordClicked(bool checked)
{
    if (m_commands.recordChanged)
        m_commands.recordChanged(checked);
    GetSelectedIndex();
}

void MainWindow::onPlaybackClicked(bool checked)
{
    if (m_commands.playbackChanged)
        m_commands.playbackChanged(checked);
    GetSelectedIndex();
}

void MainWindow::onGradient()
{
    if (m_state.panelBusy != 0)
        return;
    run(m_commands.gradientWindow, QStringLiteral("Gradient Color"));
}

// While a long job runs, Exit reads "&Cancel" and only asks the job to stop.
void MainWindow::onExit()
{
    if (m_cmdExit->text() == kCancelCaption) {
        m_state.cancelRequested = true;
        return;
    }
    close();
}

void MainWindow::setExitCancels(bool cancels)
{
    m_cmdExit->setText(cancels ? kCancelCaption : QStringLiteral("E&xit"));
    m_cmdExit->setToolTip(cancels ? QStringLiteral("Stops The Running Job")
                                  : QStringLiteral("Closes Velmora"));
}

void MainWindow::setFindButton(const QString& caption, const QString& tip, bool enabled)
{
    m_cmdFind->setText(caption);
    m_cmdFind->setToolTip(tip);
    m_cmdFind->setEnabled(enabled);
}

void MainWindow::setNetworkRequestRunning(bool running)
{
    m_networkBusy = running;
}

void MainWindow::setOptionsDialogPaths(const QString& mame, const QString& roms,
                                       const QString& additionalRoms)
{
    m_tempMame = mame;
    m_tempRoms = roms;
    m_tempAdditionalRoms = additionalRoms;
}

// ---- Panels ----------------------------------------------------------------------------------

void MainWindow::bringPanelToFront(QWidget* panel)
{
    for (int i = 0; i < m_panels->count(); ++i)
        m_panels->widget(i)->setEnabled(m_panels->widget(i) == panel);
    m_panels->setCurrentWidget(panel);
    m_state.panelBusy = panel == m_fraList ? 0 : 1;
}

void MainWindow::setSettingsPanel(QWidget* panel)
{
    const int index = m_panels->indexOf(m_fraDefaults);
    m_panels->insertWidget(index, panel);
    m_panels->removeWidget(m_fraDefaults);
    m_fraDefaults->deleteLater();
    m_fraDefaults = panel;
    panel->setEnabled(false);
}

void MainWindow::showListPanel()
{
    bringPanelToFront(m_fraList);
}

void MainWindow::showReportPanel(const QString& caption)
{
    m_fraVerify->setTitle(caption);
    bringPanelToFront(m_fraVerify);
    DisableFormButtons();
}

void MainWindow::returnFromReport()
{
    if (m_commands.leavingReportPanel)
        m_commands.leavingReportPanel();
    applyPendingRomFilter();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_cmdGameList->setEnabled(false);
    m_fraList->setEnabled(true);
    m_state.panelBusy = 0;
    GetSelectedIndex();
    enableGameButtons();
    showSelectedGameAgain();
    showStatusBar(0);
    m_txtVerify->clear();
    // The news wraps its lines; every other report keeps its own.
    m_txtVerify->setLineWrapMode(QTextEdit::NoWrap);
    // Whatever the report made bold stays with that report.
    m_txtVerify->setCurrentCharFormat(QTextCharFormat());
    bringPanelToFront(m_fraList);
    setFindButton(kFindCaption, kFindTip, true);
    setExitCancels(false);
    QApplication::restoreOverrideCursor();
    m_cmdGameList->setEnabled(true);
}

void MainWindow::returnFromMaintenance()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_cmdGameList2->setEnabled(false);
    m_fraList->setEnabled(true);
    m_state.panelBusy = 0;
    GetSelectedIndex();
    enableGameButtons();
    showSelectedGameAgain();
    showStatusBar(0);
    bringPanelToFront(m_fraList);
    QApplication::restoreOverrideCursor();
    m_cmdGameList2->setEnabled(true);
}

void MainWindow::DisableFormButtons()
{
    for (QWidget* w : {static_cast<QWidget*>(m_cmdRaster), static_cast<QWidget*>(m_cmdVector),
                       static_cast<QWidget*>(m_cmdFind), static_cast<QWidget*>(m_chkAutoRun),
                       static_cast<QWidget*>(m_chkRecord), static_cast<QWidget*>(m_chkPlayback)})
        w->setEnabled(false);
}

void MainWindow::enableGameButtons()
{
    for (QPushButton* b : {m_cmdRaster, m_cmdVector, m_cmdFind})
        b->setEnabled(true);
    const bool uninstalled = currentList() == ListKind::Uninstalled;
    for (QCheckBox* box : {m_chkAutoRun, m_chkRecord, m_chkPlayback})
        box->setEnabled(!uninstalled);
}

void MainWindow::enablePlayButtons()
{
    for (QPushButton* b : {m_cmdPlay, m_cmdVerify, m_cmdInfo})
        b->setEnabled(true);
    enableGameButtons();
}

// ---- Status bars -----------------------------------------------------------------------------

void MainWindow::showStatusBar(int element)
{
    m_statusBars[0]->setVisible(element == 0);
    m_statusBars[1]->setVisible(element == 1);
}

QString MainWindow::statusPanel(int panel) const
{
    return m_statusBars[0]->text(panel);
}

void MainWindow::setStatusPanel(int panel, const QString& text)
{
    m_statusBars[0]->setText(panel, text);
}

// ---- Gradient and the information boxes ------------------------------------------------------

void MainWindow::SetGradient()
{
    const QColor top = systemColor(kSystemButtonFace);
    const QColor bottom = colorFromValue(m_state.prefs.gradientColor);
    m_background->setColors(top, bottom);
    m_lblGradient->setPixmap(gradientSwatch(kSwatchSide, top, bottom, devicePixelRatioF()));
    keepCaptionsReadable();
}

// Every caption drawn straight on the gradient gets text colours that read against the part of
// the gradient under it; a group box only needs its title line.
void MainWindow::keepCaptionsReadable()
{
    for (QWidget* box :
         {static_cast<QWidget*>(m_chkAutoRun), static_cast<QWidget*>(m_chkRecord),
          static_cast<QWidget*>(m_chkPlayback), static_cast<QWidget*>(m_fraList->lblShots())})
        makeCaptionReadable(box, m_background->colorsBehind(box, 0, box->height()));
    for (QGroupBox* frame : {static_cast<QGroupBox*>(m_fraList), m_fraVerify, m_fraMaintenance,
                             static_cast<QGroupBox*>(m_fraScroll)})
        makeCaptionReadable(frame,
                            m_background->colorsBehind(frame, 0, frame->fontMetrics().height()));
}

void MainWindow::onPathInformation()
{
    const Preferences& p = m_state.prefs;
    const QString program = m_state.paths.programFolder;
    const QString mame = p.folder(DataFolder::MAME);
    const QString roms = p.folder(DataFolder::ROMs);
    const QString extra = p.folder(DataFolder::AdditionalROMs);
    const QStringList lines = {
        pathLine("Application Path:", program),
        pathLine("Short Application Path:", GetShortPath(program)),
        pathLine("M.A.M.E. Path:", mame),
        pathLine("Short M.A.M.E. Path:", GetShortPath(mame)),
        pathLine("Temp M.A.M.E. Path:", m_tempMame),
        pathLine("ROMs Path:", roms),
        pathLine("Short ROMs Path:", GetShortPath(roms)),
        pathLine("Temp ROMs Path:", m_tempRoms),
        pathLine("Additional ROMs Path:", extra),
        pathLine("Short Additional ROMs Path:", GetShortPath(extra)),
        pathLine("Temp Additional ROMs Path:", m_tempAdditionalRoms),
    };
    platform::MessageRequest request;
    request.text = lines.join(u'\r');
    request.title = QStringLiteral("Path Information");
    request.icon = MessageIcon::Information;
    request.tabular = true;
    platform::showMessage(request);
}

void MainWindow::onStartUpTime()
{
    double seconds = m_state.endTime - m_state.startTime;
    if (seconds < 0) // the start crossed midnight
        seconds += kSecondsPerDay;
    platform::showMessage(QString::number(std::lround(seconds)) + QStringLiteral(" Second(s)"),
                          QStringLiteral("Start Up Time"), MessageIcon::Information);
}

} // namespace velmora
