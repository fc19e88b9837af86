#pragma once
// Rebuild Settings: checks every settings file against today's lists (the BIOS sets of the game
// database, the effect images of the Artwork folder, the fixed lists), resets each value that no
// longer fits to its MAME default inside the file, and reports what it reset on the report panel
// and in reports/rebuilt.txt. Key names are not checked.
//
// Each file name is held in a field of exactly 15 characters, padded or cut; the padded name is
// the file's label in the report, and the file opened is the field without its padding. A file
// whose name is longer than 15 characters is therefore looked up under its cut name, which does
// not exist, and nothing of it is checked.
#include "app/ProgramPaths.h"
#include "emulator_settings/OptionLists.h"

#include <QString>
#include <optional>

namespace velmora {

inline constexpr int kRebuildLabelWidth = 15;

// The 15-character label of a file name.
QString rebuildLabel(const QString& fileName);

// "Progress: 40%": the share of files done, as a whole number.
QString rebuildProgressText(int done, int total);

// Where the rebuild shows its progress: the main window's progress bar and status bar.
class RebuildProgress
{
public:
    virtual ~RebuildProgress() = default;
    virtual void start(int total) { Q_UNUSED(total); }
    // After each file; `text` is rebuildProgressText(done, total).
    virtual void advance(int done, int total, const QString& text)
    {
        Q_UNUSED(done);
        Q_UNUSED(total);
        Q_UNUSED(text);
    }
    virtual void finish() {}
};

enum class RebuildStart
{
    NoFiles,
    Declined,
    Confirmed
};

// Counts the settings files and asks the user to go on: "There are no setting files." when there
// are none, else the "Confirm Continue" question.
RebuildStart confirmRebuildSettings(const ProgramPaths& paths);

struct RebuildReport
{
    bool anyReset = false;
    // The report panel's text: "Filename<TAB>Setting" and two empty lines before the file
    // groups, or the "No invalid values..." sentence when nothing was reset.
    QString text;
};

inline const QString kNoInvalidValues =
    QStringLiteral("No invalid values were detected in your setting files.");

// Checks every settings file and writes or deletes reports/rebuilt.txt. A report that cannot be
// written is told in the "Error In cmdRebuildSettings: " message; the text is returned anyway.
RebuildReport RebuildSettings(const ProgramPaths& paths, const OptionLists& lists,
                              RebuildProgress& progress);

// The last report for Reports > Rebuild Settings Report, or nothing (after telling the user)
// when there is none.
std::optional<QString> loadRebuildSettingsReport(const ProgramPaths& paths);

QString rebuildReportFile(const ProgramPaths& paths); // reports/rebuilt.txt

} // namespace velmora
