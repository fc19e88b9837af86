#include "launch/LaunchCommand.h"

#include "gamedb/MameCommands.h"

namespace velmora {
namespace {

// Length of the quoted run that starts at `start` (a ' or "), closing quote included; a quote that
// is never closed runs to the end. Inside double quotes a backslash escapes the next character,
// as the shell reads it; inside single quotes nothing is special.
qsizetype quotedLength(const QString& text, qsizetype start)
{
    const QChar quote = text[start];
    qsizetype i = start + 1;
    while (i < text.size()) {
        if (quote == u'"' && text[i] == u'\\' && i + 1 < text.size()) {
            i += 2;
            continue;
        }
        if (text[i] == quote)
            return i + 1 - start;
        ++i;
    }
    return text.size() - start;
}

} // namespace

QString normaliseLaunchCommand(const QString& command)
{
    QString out;
    out.reserve(command.size());
    qsizetype i = 0;
    while (i < command.size()) {
        const QChar c = command[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype n = quotedLength(command, i);
            out += QStringView(command).mid(i, n);
            i += n;
        } else if (c == u'\\' && i + 1 < command.size()) {
            // Outside quotes a backslash only keeps the next character from opening a quote or
            // ending a word; that character is lowered like the rest.
            out += c;
            out += command[i + 1].toLower();
            i += 2;
        } else if (c == u' ' && i + 1 < command.size() && command[i + 1] == u' ') {
            out += u' ';
            i += 2;
        } else {
            out += c.toLower();
            ++i;
        }
    }
    return out;
}

QString launchCommandLine(const QString& rom, const QString& otherCommands)
{
    return normaliseLaunchCommand(MameCommands::launch(rom, otherCommands));
}

} // namespace velmora
