// mamediff: compares two MAME machine lists and writes what changed to mamediff.log in the working
// folder. Velmora runs it in the MAME folder for its MAMEDiff reports and shows the log.
//
//     mamediff [-s | -n] <old list> <new list>
//
// The log is empty when nothing changed. When a list cannot be compared, the log says why (so the
// reader of the log always learns something) and the exit status is 1.
#include "Reports.h"
#include "SetList.h"
#include "gamedb/ReplacedFile.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

constexpr const char* kLogName = "mamediff.log";

constexpr const char* kUsage =
    "usage: mamediff [-s | -n] <old list> <new list>\n"
    "\n"
    "Compares two MAME machine lists (the output of mame -listxml, either the older <game>\n"
    "layout or today's <machine> layout) and writes a report to mamediff.log in the current\n"
    "folder. The log is empty when nothing changed.\n"
    "\n"
    "  (no option)  general summary: added, removed, renamed (same ROMs, new name) and changed\n"
    "               sets, with what changed in each (description, year, manufacturer, driver\n"
    "               status, parent, ROMs)\n"
    "  -s           the sets whose merged-split ROM set changed (a parent with all its clones)\n"
    "  -n           the sets whose full-split (non-merged) ROM set changed (each set with\n"
    "               everything it needs from its parent, BIOS and devices)\n"
    "  --help       this text\n"
    "\n"
    "Lines of the report that begin with \"---\" start a section.\n";

struct Arguments
{
    mamediff::Report report = mamediff::Report::Summary;
    const char* oldList = nullptr;
    const char* newList = nullptr;
};

// False when the command line is not one mamediff understands.
bool parse(int argc, char** argv, Arguments* args)
{
    int i = 1;
    if (i < argc && std::strcmp(argv[i], "-s") == 0) {
        args->report = mamediff::Report::MergedSplit;
        ++i;
    } else if (i < argc && std::strcmp(argv[i], "-n") == 0) {
        args->report = mamediff::Report::FullSplit;
        ++i;
    }
    if (argc - i != 2 || argv[i][0] == '-')
        return false;
    args->oldList = argv[i];
    args->newList = argv[i + 1];
    return true;
}

// Written through a temporary file that takes the log's name when complete, so a reader never
// finds half a report.
bool writeLog(const std::string& text)
{
    QString error;
    if (velmora::writeFileReplacing(QString::fromLatin1(kLogName),
                                    QByteArrayView(text.data(), qsizetype(text.size())), &error))
        return true;
    std::fprintf(stderr, "mamediff: cannot write %s: %s\n", kLogName, qPrintable(error));
    return false;
}

std::string failure(const char* which, const mamediff::SetListResult& result)
{
    return std::string("mamediff could not compare the lists.\n") + "The " + which + " list " +
           result.list.path + ' ' + result.error + ".\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    Arguments args;
    if (!parse(argc, argv, &args)) {
        std::fputs(kUsage, stderr);
        return 2;
    }

    // The two lists are read side by side: reading is most of the work.
    mamediff::SetListResult oldList;
    std::thread oldReader(
        [&] { oldList = mamediff::readSetList(QString::fromLocal8Bit(args.oldList)); });
    const mamediff::SetListResult newList =
        mamediff::readSetList(QString::fromLocal8Bit(args.newList));
    oldReader.join();

    std::string problem;
    if (!oldList.ok)
        problem = failure("old", oldList);
    else if (!newList.ok)
        problem = failure("new", newList);
    if (!problem.empty()) {
        std::fputs(problem.c_str(), stderr);
        writeLog(problem);
        return 1;
    }
    return writeLog(mamediff::compareLists(oldList.list, newList.list, args.report)) ? 0 : 1;
}
