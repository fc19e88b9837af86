#include "app/CommandLine.h"
#include "ui/Application.h"

int main(int argc, char* argv[])
{
    // --version, --help and unknown options are answered before Qt needs a display.
    const auto command = velmora::CommandLine::parse(velmora::CommandLine::arguments(argc, argv));
    if (command.request() != velmora::CommandLine::Request::Start)
        return command.respond(velmora::ProgramPaths::ofRunningProgram());
    return velmora::runApplication(argc, argv);
}
