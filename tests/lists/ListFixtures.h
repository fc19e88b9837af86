#pragma once
// Small game databases for the list tests: records with readable defaults and a writer of
// gameinfo.txt lines (17 quoted fields, CR LF).
#include "gamedb/GameRecord.h"
#include "support/TempProgram.h"

#include <QByteArray>
#include <QList>
#include <initializer_list>
#include <utility>

namespace velmora::testing {

inline GameRecord game(const char* rom, const char* description,
                       std::initializer_list<std::pair<GameRecord::Field, const char*>> fields = {})
{
    GameRecord r;
    r.resetToDefaults();
    r[GameRecord::Rom] = rom;
    r[GameRecord::Game] = description;
    r[GameRecord::Year] = "1981";
    r[GameRecord::Status] = "Good";
    r[GameRecord::Manufacturer] = "Namco";
    r[GameRecord::Orientation] = "Vertical";
    r[GameRecord::Source] = "namco/galaxian.cpp";
    for (const auto& [field, value] : fields)
        r[field] = value;
    return r;
}

inline QByteArray database(const QList<GameRecord>& games)
{
    QByteArray out;
    for (const GameRecord& g : games)
        g.appendLine(out);
    return out;
}

// Writes a file, making its folder.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    return TempProgram::writeFile(path, bytes);
}

} // namespace velmora::testing
