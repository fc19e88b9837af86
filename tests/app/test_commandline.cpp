// The command line: Qt's own options start the program as no options do; --help names the
// program folder in use. The installed program's answers are tested in test_install.
#include "app/CommandLine.h"

#include <QtTest>

using namespace velmora;
using Request = CommandLine::Request;

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void requests()
    {
        const ProgramPaths paths("/opt/velmora");
        for (const auto& [args, request, code, text] :
             {std::tuple{QStringList{}, Request::Start, 0, ""},
              {{"-platform", "offscreen", "-style=fusion", "--session", "id", "-reverse"},
               Request::Start,
               0,
               ""},
              {{"--version"}, Request::Version, 0, "Velmora 4.0.0\n"},
              {{"--help"}, Request::Help, 0, "Program folder: /opt/velmora\n  (beside the program"},
              {{"-v", "-x"}, Request::Refused, 2, "velmora: unknown option '-x'\n"},
              {{"--version=1"},
               Request::Refused,
               2,
               "velmora: Unexpected value after '--version'"}}) {
            const CommandLine line = CommandLine::parse(QStringList{"velmora"} + args);
            QCOMPARE(line.request(), request);
            QCOMPARE(line.exitCode(), code);
            QVERIFY2(line.answer(paths).contains(text), qPrintable(line.answer(paths)));
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
