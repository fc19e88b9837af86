#include "launch/GameEndPlugin.h"

#include "emulator_settings/MamePathLinks.h"
#include "gamedb/ExecCmd.h"
#include "gamedb/ListFiles.h"
#include "gamedb/ReplacedFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

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

// The start time's place among the fields of /proc/<pid>/stat, counted from 1.
constexpr int kStartTimeField = 22;

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

WatchedProcess WatchedProcess::self()
{
    const QString statFile =
        QStringLiteral("/proc/%1/stat").arg(QCoreApplication::applicationPid());
    QFile stat(statFile);
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    // "pid (comm) state ppid ...": the name may hold blanks, so the fields are counted from the
    // state after its ')', which is the third.
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() <= kStartTimeField - 3)
        return {};
    return {statFile, fields[kStartTimeField - 3]};
}

QByteArray gameEndPluginScript(const QString& requestFile, const WatchedProcess& owner)
{
    return "-- Velmora's plugin: when Velmora has to end while the game runs, the file below\n"
           "-- says \"end\"; when Velmora is gone, its process file is gone or belongs to\n"
           "-- another process. Either way the machine ends as on a normal exit, saving what\n"
           "-- MAME saves.\n"
           "local exports = { name = \"velmoraend\", version = \"1\",\n"
           "  description = \"Ends the game when Velmora has to end\" }\n"
           "function exports.startplugin()\n"
           "  local request = " +
           luaString(requestFile) +
           "\n"
           "  local owner = " +
           luaString(owner.statFile) +
           "\n"
           "  local ownerStart = " +
           luaString(QString::fromLatin1(owner.startTime)) +
           "\n"
           "  local function requested()\n"
           "    local file = io.open(request, \"r\")\n"
           "    if not file then return false end\n"
           "    local word = file:read(\"l\")\n"
           "    file:close()\n"
           "    return word == \"end\"\n"
           "  end\n"
           "  -- Only an owner once seen alive can be gone: a MAME that cannot see Velmora's\n"
           "  -- processes (another process namespace) is never ended by this check.\n"
           "  local ownerSeen = false\n"
           "  local function ownerGone()\n"
           "    if owner == \"\" or ownerStart == \"\" then return false end\n"
           "    local alive = false\n"
           "    local file = io.open(owner, \"r\")\n"
           "    if file then\n"
           "      local stat = file:read(\"l\")\n"
           "      file:close()\n"
           "      local rest = stat and stat:match(\".*%) (.*)$\")\n"
           "      if rest then\n"
           "        local fields = {}\n"
           "        for field in rest:gmatch(\"%S+\") do fields[#fields + 1] = field end\n"
           "        alive = fields[1] ~= \"Z\" and fields[" +
           QByteArray::number(kStartTimeField - 2) +
           "] == ownerStart\n"
           "      end\n"
           "    end\n"
           "    ownerSeen = ownerSeen or alive\n"
           "    return ownerSeen and not alive\n"
           "  end\n"
           "  ownerGone() -- a first look now: the machine may take a while to start\n"
           "  local frames = 0\n"
           "  emu.register_frame_done(function()\n"
           "    frames = frames + 1\n"
           "    if frames % 15 ~= 0 then return end\n"
           "    if requested() or ownerGone() then\n"
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

namespace {

// The request name of the next launch: the program's id and a count, so a request (or anything
// else) left at an earlier launch's name never reaches this one.
QString nextRequestName()
{
    static int launches = 0;
    return QStringLiteral("endgame-%1-%2.request")
        .arg(QCoreApplication::applicationPid())
        .arg(++launches);
}

// Removes a file, a link or an empty folder at `path`; true when nothing stands there after.
bool clearName(const QString& path)
{
    const QFileInfo there(path);
    if (there.isDir() && !there.isSymLink())
        QDir().rmdir(path);
    else if (there.exists() || there.isSymLink())
        QFile::remove(path);
    return !QFileInfo::exists(path) && !QFileInfo(path).isSymLink();
}

} // namespace

std::optional<GameEndPlugin> writeGameEndPlugin(const ProgramPaths& paths,
                                                const QString& mamesPluginsPath, QString* blocked)
{
    const QString folder = paths.setting(QStringLiteral("mameplugins"));
    const QString plugin = folder + u'/' + kGameEndPluginName;
    GameEndPlugin made{QString(), paths.report(nextRequestName())};
    QDir().mkpath(paths.reportsFolder());
    if (!clearName(made.request)) {
        if (blocked)
            *blocked = QStringLiteral("%1 is in the way of the game and cannot be removed.")
                           .arg(QDir::toNativeSeparators(made.request));
        return std::nullopt;
    }
    QString error;
    if (!QDir().mkpath(plugin) ||
        !writeFileReplacing(plugin + QStringLiteral("/plugin.json"), kManifest) ||
        !writeFileReplacing(plugin + QStringLiteral("/init.lua"),
                            gameEndPluginScript(made.request, WatchedProcess::self())) ||
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
