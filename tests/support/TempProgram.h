#pragma once
// A throw-away Velmora installation for tests: a program folder (with settings/ and reports/) and
// a MAME folder, both inside one temporary folder that is removed when the object goes away.
//
// Every name can be chosen, so a test can use hostile ones (spaces, ' and ", "$(touch pwned)",
// ";", non-ASCII letters):
//
//     TempProgram tp("velmora $(touch pwned)", "prog 'one'", "mame; dir \"é\"");
//     tp.writeOptionsIni();                  // MAME, ROMs and Ini set, every section present
//     FakeMame mame(tp.mameFolder());        // see FakeMame.h
//     ExecCmd(MameCommands::help(tp.paths().report("version.txt")), WindowStyle::Minimised,
//             tp.mameFolder());
#include "app/Preferences.h"
#include "app/ProgramPaths.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace velmora::testing {

class TempProgram
{
public:
    // rootName starts the temporary folder's name (a random suffix follows); programName and
    // mameName are the two folders made inside it.
    explicit TempProgram(const QString& rootName = QStringLiteral("velmora"),
                         const QString& programName = QStringLiteral("program"),
                         const QString& mameName = QStringLiteral("mame"));

    bool isValid() const { return m_valid; }
    QString root() const { return m_root.path(); }
    QString programFolder() const { return m_programFolder; }
    QString mameFolder() const { return m_mameFolder; }
    ProgramPaths paths() const { return ProgramPaths{m_programFolder}; }
    QString optionsIni() const { return paths().optionsIni(); }

    // Makes root/<relative> (with its parents) and returns its path.
    QString makeFolder(const QString& relative) const;
    // Writes a file (making its folder); false when it could not be written.
    static bool writeFile(const QString& path, const QByteArray& content);
    static QByteArray readFile(const QString& path);
    // The text with CR LF line ends, as Velmora writes its records and reports.
    static QByteArray withCrLf(QByteArray text) { return text.replace("\n", "\r\n"); }

    // First-run preferences with MAME = the MAME folder, ROMs = root/roms, Ini = root/ini (both
    // made) and the other folders empty.
    Preferences standardPreferences() const;
    // Writes options.ini as a finished start and exit leave it: VelmoraVersion 4.0.0 and the
    // sections Miscellaneous, Preferences, Directories and View.
    void writeOptionsIni(const Preferences& prefs) const;
    void writeOptionsIni() const { writeOptionsIni(standardPreferences()); }

    // Puts a `mame` symbolic link to `target` into the MAME folder, as on Debian. With the real
    // MAME, set HOME to a temporary folder first (see setTemporaryHome).
    bool linkMame(const QString& target = QStringLiteral("/usr/games/mame")) const;
    // Points HOME at root/home (made), so a real MAME never touches the user's ~/.mame.
    QString setTemporaryHome() const;

private:
    QTemporaryDir m_root;
    QString m_programFolder;
    QString m_mameFolder;
    bool m_valid = false;
};

// The path of a file under tests/fixtures.
QString fixturePath(const QString& name);

} // namespace velmora::testing
