#include "lists/LoadLists.h"

#include "app/Progress.h"
#include "lists/GameFieldReader.h"
#include "lists/IniSection.h"
#include "lists/RomArchives.h"

#include <QFile>
#include <QHash>

namespace velmora {
namespace {

// About as many games as today's MAME lists, so the table rarely grows while loading.
constexpr int kExpectedGames = 48000;

struct ColumnSources
{
    bool categories = false;
    bool players = false;
    IniSection catver;
    IniSection nplayers;
};

ColumnSources readColumnSources(const ListLoadRequest& request)
{
    ColumnSources sources;
    sources.categories = !request.catverIni.isEmpty();
    sources.players = !request.nplayersIni.isEmpty();
    if (sources.categories)
        sources.catver = IniSection::load(request.catverIni, QStringLiteral("Category"));
    if (sources.players)
        sources.nplayers = IniSection::load(request.nplayersIni, QStringLiteral("NPlayers"));
    return sources;
}

// The values of catver.ini and nplayers.ini as UTF-8, one copy of each distinct value.
class ColumnValues
{
public:
    const QByteArray& operator()(const QString& value)
    {
        auto it = m_values.find(value);
        if (it == m_values.end())
            it = m_values.insert(value, value.toUtf8());
        return *it;
    }

private:
    QHash<QString, QByteArray> m_values;
};

ListedGame listedGame(const GameRecord& record, const QString& rom, const ColumnSources& sources,
                      ColumnValues& values)
{
    ListedGame game{record, QByteArray(), QByteArray()};
    if (sources.categories)
        game.category = values(sources.catver.value(rom, kNotFound));
    if (sources.players)
        game.players = values(sources.nplayers.value(rom, kNotFound));
    return game;
}

} // namespace

ListLoadRequest ListLoadRequest::forProgram(const ProgramPaths& paths, const Preferences& prefs,
                                            bool favorites, bool categoriesPresent,
                                            bool playersPresent)
{
    ListLoadRequest request;
    request.sourceFile =
        paths.report(favorites ? QStringLiteral("favorite.txt") : QStringLiteral("gameinfo.txt"));
    request.rules = HideRules::from(prefs);
    request.romsFolder = prefs.folder(DataFolder::ROMs);
    request.additionalRomsFolder = prefs.folder(DataFolder::AdditionalROMs);
    if (categoriesPresent)
        request.catverIni = paths.readOnlyFile(QStringLiteral("catver.ini"));
    if (playersPresent)
        request.nplayersIni = paths.readOnlyFile(QStringLiteral("nplayers.ini"));
    return request;
}

QString LoadListsResult::message() const
{
    return QStringLiteral("Error In LoadLists: ") + description + QStringLiteral("\rROM: ") +
           QString::fromUtf8(rom) +
           QStringLiteral("\r\rThis might mean you are not using the correct version of M.A.M.E..");
}

LoadListsResult LoadLists(const ListLoadRequest& request, ProgressSink& progress,
                          LoadedLists* lists)
{
    QFile file(request.sourceFile);
    if (!file.open(QIODevice::ReadOnly))
        return {false, QStringLiteral("File not found"), {}};
    const QByteArray text = file.readAll();
    file.close();

    const bool utf8 = QByteArrayView(text).isValidUtf8();
    auto table = std::make_shared<GameTable>(text, utf8);
    table->reserve(kExpectedGames);
    const ColumnSources columns = readColumnSources(request);
    ColumnValues values;
    const RomArchiveIndex archives(request.romsFolder, request.additionalRomsFolder);
    LoadedLists loaded;

    // The records borrow their fields from the table's copy of the text.
    GameFieldReader reader(table->source());
    GameRecord record;
    for (;;) {
        const GameFieldReader::Outcome outcome = reader.readRecord(&record);
        if (outcome == GameFieldReader::Outcome::End)
            break;
        if (outcome == GameFieldReader::Outcome::PastEnd)
            return {false, QStringLiteral("Input past end of file"),
                    ownedBytes(record[GameRecord::Rom])};
        if (isHidden(record, request.rules))
            continue;
        const QString rom = table->text(record[GameRecord::Rom]);
        const int index = table->add(listedGame(record, rom, columns, values));
        loaded.all.push_back(index);
        progress.setCount(QString::number(loaded.all.size()));
        (archives.isInstalled(rom) ? loaded.installed : loaded.uninstalled).push_back(index);
    }
    loaded.table = std::move(table);
    *lists = std::move(loaded);
    return {};
}

} // namespace velmora
