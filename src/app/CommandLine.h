#pragma once
// What Velmora's command line asks for. Started without options Velmora opens its window;
// --version and --help answer on the terminal and end before any window or display is needed;
// an option Velmora does not know ends the start with a message and exit code 2. Qt's own
// options (-platform, -style, -session, ...) are left for Qt.
#include "app/ProgramPaths.h"

#include <QString>
#include <QStringList>

namespace velmora {

class CommandLine
{
public:
    enum class Request
    {
        Start,
        Version,
        Help,
        Refused
    };

    // `arguments` starts with the program's name, as argv does.
    static CommandLine parse(const QStringList& arguments);
    static QStringList arguments(int argc, char* argv[]);

    Request request() const { return m_request; }
    // The text printed for the request: the version, the usage naming the program folder, or
    // the reason for the refusal. Empty for a start.
    QString answer(const ProgramPaths& paths) const;
    int exitCode() const;
    // Prints the answer (a refusal on the error stream) and returns the exit code.
    int respond(const ProgramPaths& paths) const;

private:
    Request m_request = Request::Start;
    QString m_error;
};

} // namespace velmora
