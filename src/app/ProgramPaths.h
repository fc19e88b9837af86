#pragma once
// The program folder and the files Velmora keeps under it (settings/ and reports/), and where it
// finds the files it only reads (catver.ini, nplayers.ini, splash.jpg, the user guide).
//
// A portable program (a build tree, an unpacked folder) keeps everything beside its executable.
// An installed program, whose executable's folder cannot be written, keeps its files in
// $XDG_DATA_HOME/velmora and also reads from its installation's share/velmora and
// share/doc/velmora. A file velmora.portable beside the executable keeps the portable behaviour.
#include <QDir>
#include <QString>
#include <QStringList>

namespace velmora {

struct ProgramPaths
{
    enum class Kind
    {
        Portable,
        Installed
    };

    ProgramPaths() = default;
    explicit ProgramPaths(QString folder, Kind kind = Kind::Portable,
                          QStringList installedFolders = {});

    // The program folder, without a trailing separator.
    QString programFolder;
    Kind kind = Kind::Portable;
    // The installation's read-only folders, searched after the program folder for the files
    // Velmora reads but never writes. Empty for a portable program.
    QStringList installedFolders;

    static ProgramPaths ofRunningProgram();
    // The rule itself: the folder of the executable and the user's data folder decide.
    static ProgramPaths forExecutable(const QString& executableFolder, const QString& dataHome);
    // $XDG_DATA_HOME, or ~/.local/share when it is unset or not an absolute path.
    static QString dataHome();
    // The folder of the running executable, known before any QCoreApplication exists.
    static QString executableFolder();

    // Makes the program folder when it is missing; an installed one is private to the user.
    bool makeProgramFolder() const;

    QString settingsFolder() const { return programFolder + QStringLiteral("/settings"); }
    QString reportsFolder() const { return programFolder + QStringLiteral("/reports"); }
    QString optionsIni() const { return settingsFolder() + QStringLiteral("/options.ini"); }
    QString report(const QString& fileName) const { return reportsFolder() + u'/' + fileName; }
    QString setting(const QString& fileName) const { return settingsFolder() + u'/' + fileName; }
    QString file(const QString& fileName) const { return programFolder + u'/' + fileName; }
    // The first plain file of that name in the program folder or the installed folders; the
    // program folder's path when there is none, so a check for it simply finds nothing.
    QString readOnlyFile(const QString& fileName) const;
};

} // namespace velmora
