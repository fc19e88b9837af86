#include "app/CommandLine.h"

#include "app/Preferences.h"

#include <QCommandLineParser>

#include <cstdio>

namespace velmora {
namespace {

constexpr int kUsageError = 2;

// The options QGuiApplication and QApplication take from the command line themselves (the
// session manager restarts a program with -session); accepted here so they still reach Qt.
const char* const kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin",       "qwindowgeometry",
    "geometry", "qwindowicon",        "qwindowtitle",  "session",      "display",
    "style",    "stylesheet",         "name",          "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

const QCommandLineOption kHelp(QStringList{QStringLiteral("h"), QStringLiteral("help")});
const QCommandLineOption kVersion(QStringList{QStringLiteral("v"), QStringLiteral("version")});

void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString usage(const ProgramPaths& paths)
{
    const QString where = paths.kind == ProgramPaths::Kind::Portable
                              ? QStringLiteral("portable: the program's own folder")
                              : QStringLiteral("installed: the program's own folder is "
                                               "read-only or a system folder");
    return QStringLiteral(
               "Usage: velmora [--help | --version]\n"
               "Velmora, a front-end for the MAME arcade emulator. Started without\n"
               "options it opens its window.\n"
               "\n"
               "  -h, --help     Show this text and end.\n"
               "  -v, --version  Show the version and end.\n"
               "\n"
               "Program folder: %1\n"
               "  (%2)\n"
               "  settings/ holds the preferences and settings files, reports/ the game\n"
               "  database and the reports.\n")
        .arg(paths.programFolder, where);
}

// The option as the user typed it ("--bogus", "-x=1"), for the message; the parser names it
// without its dashes.
QString asTyped(const QStringList& arguments, const QString& name)
{
    for (const QString& argument : arguments.mid(1)) {
        QString bare = argument.section(u'=', 0, 0);
        while (bare.startsWith(u'-'))
            bare.remove(0, 1);
        if (argument.startsWith(u'-') && bare == name)
            return argument;
    }
    return name;
}

} // namespace

QStringList CommandLine::arguments(int argc, char* argv[])
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

CommandLine CommandLine::parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform offscreen); short options are never bundled.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(kHelp);
    parser.addOption(kVersion);
    addQtOptions(parser);

    CommandLine line;
    if (!parser.parse(arguments)) {
        line.m_request = Request::Refused;
        const QStringList unknown = parser.unknownOptionNames();
        line.m_error =
            unknown.isEmpty()
                ? parser.errorText()
                : QStringLiteral("unknown option '%1'").arg(asTyped(arguments, unknown.first()));
    } else if (!parser.positionalArguments().isEmpty()) {
        line.m_request = Request::Refused;
        line.m_error =
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first());
    } else if (parser.isSet(kHelp)) {
        line.m_request = Request::Help;
    } else if (parser.isSet(kVersion)) {
        line.m_request = Request::Version;
    }
    return line;
}

QString CommandLine::answer(const ProgramPaths& paths) const
{
    switch (m_request) {
    case Request::Start:
        return QString();
    case Request::Version:
        return QStringLiteral("Velmora %1\n").arg(programVersion());
    case Request::Help:
        return usage(paths);
    case Request::Refused:
        break;
    }
    return QStringLiteral("velmora: %1\nTry 'velmora --help' for the options.\n").arg(m_error);
}

int CommandLine::exitCode() const
{
    return m_request == Request::Refused ? kUsageError : 0;
}

int CommandLine::respond(const ProgramPaths& paths) const
{
    const QByteArray text = answer(paths).toLocal8Bit();
    std::fputs(text.constData(), m_request == Request::Refused ? stderr : stdout);
    return exitCode();
}

} // namespace velmora
