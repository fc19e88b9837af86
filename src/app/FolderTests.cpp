#include "app/FolderTests.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {
namespace {

const QString kDirectories = QStringLiteral("Directories");

FolderVerdict failure(const QString& message, const QString& title = kDirectories)
{
    return FolderVerdict{false, QString(), message, title};
}

FolderVerdict success(const QString& path)
{
    return FolderVerdict{true, path, QString(), QString()};
}

QString expandHome(const QString& text)
{
    if (text == u'~')
        return QDir::homePath();
    if (text.startsWith(QStringLiteral("~/")))
        return QDir::homePath() + text.mid(1);
    return text;
}

QString folderName(DataFolder folder)
{
    return QLatin1String(folderEntry(folder).name);
}

// A path the file system can be asked about: absolute, without NUL characters.
bool isUsablePath(const QString& path)
{
    return QDir::isAbsolutePath(path) && !path.contains(QChar(u'\0'));
}

bool isRootChoice(const QString& chosen)
{
    return chosen.isEmpty() || chosen.endsWith(u'/') || chosen.endsWith(QDir::separator());
}

FolderVerdict invalidSelection()
{
    return failure(QStringLiteral("Invalid selection!  Please try again."),
                   QStringLiteral("Velmora"));
}

FolderVerdict cannotFindMame()
{
    return failure(QStringLiteral("Cannot find mame!"));
}

} // namespace

QString mameProgramPath(const QString& mameFolder)
{
    return mameFolder + QStringLiteral("/mame");
}

QString folderPathFromText(const QString& text)
{
    QString path = expandHome(text);
    while (path.endsWith(u'/') || path.endsWith(QDir::separator()))
        path.chop(1);
    return path;
}

FolderVerdict testMameFolder(const QString& text)
{
    const QString expanded = expandHome(text);
    if (!isUsablePath(expanded) || !QFileInfo(mameProgramPath(expanded)).isFile())
        return cannotFindMame();
    const QString path = folderPathFromText(text);
    if (path.isEmpty())
        return failure(QStringLiteral("You must select a M.A.M.E. folder!"));
    return success(path);
}

FolderVerdict TestPaths(DataFolder folder, const QString& text)
{
    const QString name = folderName(folder);
    const QString path = folderPathFromText(text);
    const bool required = folderEntry(folder).need == FolderNeed::Required;
    if (text.isEmpty() && !required)
        return success(QString());
    // Fewer than 4 characters is a bare root or a typing slip, never a data folder; the root
    // itself ("/", nothing left once the separator is removed) is no folder for any box.
    if (path.isEmpty() || (required && expandHome(text).size() < 4))
        return failure(QStringLiteral("You must select a %1 folder!").arg(name));
    const QFileInfo info(path);
    if (!isUsablePath(path) || !info.isDir())
        return failure(
            QStringLiteral("The %1 folder does not exist!  Please select an existing folder.")
                .arg(name));
    if (!info.isReadable() || !info.isExecutable())
        return failure(
            QStringLiteral("The %1 folder cannot be read!  Please select another folder.")
                .arg(name));
    return success(path);
}

FolderVerdict checkChosenMameFolder(const QString& chosen)
{
    if (!isUsablePath(chosen))
        return invalidSelection();
    if (!QFileInfo(mameProgramPath(folderPathFromText(chosen))).isFile())
        return cannotFindMame();
    return success(chosen);
}

FolderVerdict checkChosenDataFolder(DataFolder folder, const QString& chosen)
{
    if (!chosen.isEmpty() && !isUsablePath(chosen))
        return invalidSelection();
    if (isRootChoice(chosen))
        return failure(QStringLiteral("%1 cannot reside in the root!  Please select a folder.")
                           .arg(folderName(folder)));
    return success(chosen);
}

FolderCheck checkFolders(const FolderTexts& texts)
{
    FolderCheck check;
    for (const FolderEntry& entry : folderTable()) {
        const int i = static_cast<int>(entry.folder);
        const FolderVerdict verdict = entry.folder == DataFolder::MAME
                                          ? testMameFolder(texts[i])
                                          : TestPaths(entry.folder, texts[i]);
        if (!verdict.passed) {
            check.failed = entry.folder;
            check.failure = verdict;
            return check;
        }
        check.paths[i] = verdict.path;
    }
    return check;
}

} // namespace velmora
