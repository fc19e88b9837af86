#include "ui/InfoCommands.h"

#include "info/DeleteSets.h"
#include "info/ExportList.h"
#include "info/GameInfo.h"
#include "lists/GameListModel.h"
#include "ui/MainWindow.h"
#include "ui/MaintenancePanel.h"
#include "ui/ReportPanel.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QTextCursor>
#include <QTextEdit>

namespace velmora {
namespace {

// The rows of a list in the order it shows them, with the texts the list shows.
std::vector<ExportRow> exportRows(const GameListModel* model)
{
    std::vector<ExportRow> rows;
    if (!model)
        return rows;
    rows.reserve(std::size_t(model->count()));
    const GameTable& table = *model->table();
    for (int row = 0; row < model->count(); ++row) {
        const GameRecord& record = model->gameRef(row).record;
        rows.push_back({table.shownBytes(record[GameRecord::Rom]),
                        table.shownBytes(record[GameRecord::Game]),
                        model->text(row, GameListModel::Played).toUtf8(),
                        model->text(row, GameListModel::TimePlayed).toUtf8()});
    }
    return rows;
}

// The delete commands act on the game named in panel 3 of the main status bar.
QString statusBarRom(const MainWindow& window)
{
    return window.statusPanel(3).trimmed();
}

} // namespace

void showGameInformation(MainWindow& window, const AppState& state)
{
    const QString rom = window.currentGame().rom;
    if (rom.isEmpty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ReportPanel panel(&window);
    window.showReportPanel(QStringLiteral("Game Information"));
    window.hideGameArt();
    panel.setLeaveButtonsEnabled(false);
    panel.setText(QString());
    if (panel.frame())
        panel.frame()->repaint();

    const GameInformation info = gameInformation(state.prefs.folder(DataFolder::MAME), rom, [] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    panel.setText(info.text);
    if (!info.failed) {
        for (const char* heading : kGameInformationHeadings) {
            const QString text = QLatin1String(heading);
            const qsizetype at = info.text.indexOf(text);
            if (at >= 0)
                panel.setBold(at, text.size());
        }
    }
    if (QTextEdit* box = panel.textBox()) {
        QTextCursor start(box->document());
        box->setTextCursor(start);
        box->setFontWeight(QFont::Normal);
    }
    panel.setLeaveButtonsEnabled(true);
    panel.focusGameList();
    QApplication::restoreOverrideCursor();
}

void wireInfo(MainWindow& window, AppState& state)
{
    auto* maintenance = new MaintenancePanel(window, state);
    MainWindow::Commands& c = window.commands();
    c.info = [&window, &state] { showGameInformation(window, state); };
    c.maintenance = [maintenance] { maintenance->open(); };
    c.exportList = [&window, &state] {
        const ListKind list = window.currentList();
        exportList(state.paths, list, exportRows(window.listModel(list)));
    };
    c.deleteRom = [&window, &state] {
        const QString rom = statusBarRom(window);
        // An error ends the command where it happened: the lists are refreshed only after a
        // complete delete.
        if (!rom.isEmpty() &&
            deleteRom(state.prefs, rom, MachineNames::fromDatabase(state.paths)) ==
                DeleteRomResult::Deleted)
            window.onViewRefresh();
    };
    c.deleteSamples = [&window, &state] {
        const QString rom = statusBarRom(window);
        if (!rom.isEmpty())
            deleteSamples(state.prefs, rom, MachineNames::fromDatabase(state.paths));
    };
}

} // namespace velmora
