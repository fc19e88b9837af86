#pragma once
// Where a machine-list reader puts the game database: game records into gameinfo.txt, resource
// lines into resource.txt, and now and then a chance for the progress window to repaint.
#include "app/Progress.h"
#include "gamedb/GameRecord.h"
#include "gamedb/ReplacedFile.h"
#include "gamedb/RomSetName.h"

#include <QString>

#include <optional>

namespace velmora {

struct DatabaseOutput
{
    ReplacedFile& gameInfo;
    ReplacedFile& resource;
    ProgressSink& progress;
    int games = 0;
    int refused = 0;

    void writeGame(const GameRecord& record)
    {
        // A game's short name becomes file names and a word of MAME's command line.
        if (!isSafeRomSetName(record[GameRecord::Rom])) {
            ++refused;
            return;
        }
        record.appendLine(gameInfo.buffer());
        gameInfo.written();
        ++games;
    }

    // Called for every line read; every 65,536 lines the progress window shows the games found
    // so far, so it moves while a long list is read from a slow disk.
    void lineRead(qint64 lineNumber)
    {
        if ((lineNumber & 0xFFFF) == 0) {
            progress.setCount(QString::number(games));
            progress.repaint();
        }
    }
};

// Why a reader stopped before the end of the list: the error's description and the number of the
// listxml.txt line where it happened.
struct ListReadError
{
    QString description;
    qint64 lineNumber = 0;
};

// Nothing when the whole list was read.
using ListReadResult = std::optional<ListReadError>;

} // namespace velmora
