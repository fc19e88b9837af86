#include "info/Maintenance.h"

#include "info/FolderEntries.h"
#include "info/GameEntries.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {
namespace {

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

const QString kMaintenance = QStringLiteral("Maintenance");
const QString kConfirmDelete = QStringLiteral("Confirm Delete");

void inform(const QString& text, const QString& title = kMaintenance)
{
    platform::showMessage(text, title, MessageIcon::Information);
}

bool confirmDelete(const QString& text)
{
    return platform::showMessage(text, kConfirmDelete, MessageIcon::Question, MessageButtons::YesNo,
                                 MessageAnswer::No) == MessageAnswer::Yes;
}

// Removes an entry (a game's folder as MAME writes it); a failure is told to the user, and the
// next entry is tried.
void removeTold(const QString& folder, const QString& name, const char* routine)
{
    const RemoveResult result =
        isRealFolder(folder, name) ? removeGameFolder(folder, name) : removeEntry(folder, name);
    if (result == RemoveResult::Removed || result == RemoveResult::Missing)
        return;
    platform::showMessage(QStringLiteral("Error in %1: %2 (%3)")
                              .arg(QLatin1String(routine), removeErrorText(result),
                                   QDir::toNativeSeparators(folder + u'/' + name)),
                          QStringLiteral("Velmora"), MessageIcon::Critical);
}

bool isNvram(const GameFileKind& kind)
{
    return kind.folder == DataFolder::Nvram;
}

// The entries that make up one game's file of this kind (for nvram, also its folders).
QStringList gameEntries(const QString& folder, const GameFileKind& kind, const QString& rom,
                        const MachineNames& machines)
{
    QStringList entries;
    const QString file = gameFile(folder, rom, QLatin1String(kind.extension), machines);
    if (!file.isEmpty())
        entries << file;
    if (isNvram(kind))
        entries << gameFolders(folder, rom, machines);
    return entries;
}

QStringList allEntries(const QString& folder, const GameFileKind& kind,
                       const MachineNames& machines)
{
    QStringList entries = gameFiles(folder, QLatin1String(kind.extension), machines);
    if (isNvram(kind))
        entries << allGameFolders(folder, machines);
    return entries;
}

bool sameFolder(const QString& a, const QString& b)
{
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

void noDirectorySelected()
{
    inform(QStringLiteral("You must first select a directory."));
}

void noReportSelected()
{
    inform(QStringLiteral("You must first select a report or list."));
}

void deleteGameFiles(const Preferences& prefs, const GameFileKind& kind, FileScope scope,
                     const QString& rom, const MachineNames& machines)
{
    const QString folder = prefs.folder(kind.folder);
    const QString ext = QLatin1String(kind.extension);
    if (scope == FileScope::CurrentGame) {
        const QStringList entries = gameEntries(folder, kind, rom, machines);
        if (entries.isEmpty()) {
            inform(QStringLiteral("There is no %1 file for %2.").arg(ext, rom));
            return;
        }
        if (confirmDelete(QStringLiteral("Are you sure you want to delete the %1 file for %2?")
                              .arg(ext, rom)))
            for (const QString& entry : entries)
                removeTold(folder, entry, "cmdFolders_Click");
        return;
    }
    const QStringList entries = allEntries(folder, kind, machines);
    if (entries.isEmpty()) {
        inform(QStringLiteral("There are no %1 files to delete.").arg(ext));
        return;
    }
    if (confirmDelete(QStringLiteral("Are you sure you want to delete all %1 files?").arg(ext)))
        for (const QString& entry : entries)
            removeTold(folder, entry, "cmdFolders_Click");
}

void deleteReport(const ProgramPaths& paths, const ReportFile& report)
{
    const QString folder = paths.reportsFolder();
    const QString wanted = QLatin1String(report.file);
    const QString file = report.anyCase                             ? findFile(folder, wanted)
                         : QFileInfo(paths.report(wanted)).isFile() ? wanted
                                                                    : QString();
    const QString name = QLatin1String(report.name);
    if (file.isEmpty()) {
        inform(QStringLiteral("There is no %1 to delete.").arg(name));
        return;
    }
    if (confirmDelete(QStringLiteral("Are you sure you want to delete the %1?").arg(name)))
        removeTold(folder, file, "cmdReports_Click");
}

RomCompareResult compareRomFolders(const Preferences& prefs, const ArchiveNames& archives,
                                   const RomCompareHooks& hooks)
{
    QStringList folders{prefs.folder(DataFolder::ROMs)};
    const QString additional = prefs.folder(DataFolder::AdditionalROMs);
    if (!additional.isEmpty() && !sameFolder(additional, folders.first()))
        folders << additional;
    const QStringList labels =
        folders.size() == 2
            ? QStringList{QStringLiteral("ROMs Folder"), QStringLiteral("Additional ROMs Folder")}
            : QStringList{QString()};
    bool orphanFound = false;
    for (qsizetype f = 0; f < folders.size(); ++f) {
        if (hooks.folderStarted)
            hooks.folderStarted(labels[f]);
        const QStringList files = filesMatching(folders[f]);
        if (files.isEmpty()) {
            inform(QStringLiteral("There are no ROMs installed in this folder."),
                   QStringLiteral("ROMs Directory"));
            continue;
        }
        if (hooks.compareStarted)
            hooks.compareStarted(int(files.size()));
        for (qsizetype i = 0; i < files.size(); ++i) {
            const QString& file = files[i];
            if (!archives.contains(file.toLower())) {
                orphanFound = true;
                const MessageAnswer answer = platform::showMessage(
                    properCaseWords(file) +
                        QStringLiteral(" is not in the All Games List.\rDo you want to delete it?"),
                    kConfirmDelete, MessageIcon::Question, MessageButtons::YesNoCancel,
                    MessageAnswer::No);
                if (answer == MessageAnswer::Cancel)
                    return RomCompareResult::Cancelled;
                if (answer == MessageAnswer::Yes)
                    removeTold(folders[f], file, "cmdROMs_Click");
            }
            if (hooks.advanced)
                hooks.advanced(int(i + 1));
        }
    }
    return orphanFound ? RomCompareResult::OrphansFound : RomCompareResult::NoOrphans;
}

QString romCompareText(RomCompareResult result)
{
    switch (result) {
    case RomCompareResult::OrphansFound:
        return QStringLiteral("ROM compare complete.");
    case RomCompareResult::NoOrphans:
        return QStringLiteral("ROM compare complete.  No orphan files found.");
    case RomCompareResult::Cancelled:
        break;
    }
    return {};
}

QString properCaseWords(const QString& text)
{
    QString out = text.toLower();
    bool wordStart = true;
    for (QChar& c : out) {
        if (wordStart)
            c = c.toUpper();
        wordStart = c.isSpace();
    }
    return out;
}

} // namespace velmora
