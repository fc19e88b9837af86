#include "launch/GameEndPlugin.h"

#include "emulator_settings/MamePathLinks.h"
#include "gamedb/ExecCmd.h"
#include "gamedb/ListFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace velmora {
namespace {

// A Lua string literal holding the path's bytes: anything but letters, digits and a few plain
// signs is written as a decimal escape, so quotes, backslashes and non-ASCII names pass whole.
QByteArray luaString(const QString& text)
{
    QByteArray out = "\"";
    for (const char c : QFile::encodeName(text)) {
        const uchar u = uchar(c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
            QByteArray("/._- ").contains(c))
            out += c;
        else
            out += '\\' + QByteArray::number(u).rightJustified(3, '0');
    }
    return out + '"';
}

bool writeFile(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

const QByteArray kManifest = R"({
  "plugin": {
    "name": "velmoraend",
    "description": "Ends the game when Velmora has to end",
    "version": "1",
    "author": "Velmora",
    "type": "plugin",
    "start": "false"
  }
}
)";

} // namespace

QByteArray gameEndPluginScript(const QString& requestFile)
{
    return "-- Velmora's plugin: when Velmora has to end while the game runs, the file below\n"
           "-- appears and the machine ends as on a normal exit, saving what MAME saves.\n"
           "local exports = { name = \"velmoraend\", version = \"1\",\n"
           "  description = \"Ends the game when Velmora has to end\" }\n"
           "function exports.startplugin()\n"
           "  local request = " +
           luaString(requestFile) +
           "\n"
           "  local frames = 0\n"
           "  emu.register_frame_done(function()\n"
           "    frames = frames + 1\n"
           "    if frames % 15 ~= 0 then return end\n"
           "    local file = io.open(request, \"r\")\n"
           "    if file then\n"
           "      file:close()\n"
           "      manager.machine:exit()\n"
           "    end\n"
           "  end)\n"
           "end\n"
           "return exports\n";
}

QString pluginsPathFromConfig(const QByteArray& showConfig)
{
    for (const QByteArray& line : showConfig.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith("pluginspath ") || trimmed.startsWith("pluginspath\t"))
            return QString::fromUtf8(trimmed.mid(11).trimmed());
    }
    return QString();
}

QString mamePluginsPath(const ProgramPaths& paths)
{
    QFile config(paths.report(kShowConfigFile));
    // Only a plain file is read: a FIFO of that name would never answer.
    if (!QFileInfo(config.fileName()).isFile() || !config.open(QIODevice::ReadOnly))
        return QString();
    return pluginsPathFromConfig(config.readAll());
}

std::optional<GameEndPlugin> writeGameEndPlugin(const ProgramPaths& paths,
                                                const QString& mamesPluginsPath)
{
    const QString folder = paths.setting(QStringLiteral("mameplugins"));
    const QString plugin = folder + u'/' + kGameEndPluginName;
    GameEndPlugin made{QString(), paths.report(QStringLiteral("endgame.request"))};
    QDir().mkpath(paths.reportsFolder());
    QFile::remove(made.request);
    QString error;
    if (!QDir().mkpath(plugin) || !writeFile(plugin + QStringLiteral("/plugin.json"), kManifest) ||
        !writeFile(plugin + QStringLiteral("/init.lua"), gameEndPluginScript(made.request)) ||
        !makeMamePathLink(folder, QStringLiteral("mameplugins"), &error))
        return std::nullopt;
    made.pluginsPath = mameIniFolderPath(folder, QStringLiteral("mameplugins"));
    if (!mamesPluginsPath.isEmpty())
        made.pluginsPath += u';' + mamesPluginsPath;
    return made;
}

QString withGameEndPlugin(const QString& command, const GameEndPlugin& plugin)
{
    const QString program = QStringLiteral("mame ");
    if (!command.startsWith(program))
        return command;
    return program + QStringLiteral("-pluginspath ") + shellQuote(plugin.pluginsPath) +
           QStringLiteral(" -plugin ") + kGameEndPluginName + u' ' + command.mid(program.size());
}

} // namespace velmora
