#pragma once
// Where the settings files live and which one applies to a game. The program creates its files
// with lower-case names (raster.cfg, vector.cfg, <rom>.cfg); a file made by hand with other letter
// case (Raster.cfg) is still found: a lookup tries the exact name first, then any file of the
// folder whose name matches ignoring case, and writes go to the file that was found.
#include "emulator_settings/SetFrames.h"

#include <QString>
#include <QStringList>

namespace velmora {

QString globalSettingsFileName(SettingsType type);  // "raster.cfg", "vector.cfg"
QString customSettingsFileName(const QString& rom); // "<rom>.cfg", lower case

class SettingsFolder
{
public:
    explicit SettingsFolder(const QString& folder) : m_folder(folder) {}

    const QString& path() const { return m_folder; }

    // The existing file of that name, or an empty text when there is none.
    QString existing(const QString& fileName) const;
    bool exists(const QString& fileName) const { return !existing(fileName).isEmpty(); }
    // The file to read or write under that name: the existing one, else the name in the folder.
    QString fileFor(const QString& fileName) const;

    QString globalFile(SettingsType type) const { return fileFor(globalSettingsFileName(type)); }
    bool hasGlobalFile(SettingsType type) const { return exists(globalSettingsFileName(type)); }
    QString customFile(const QString& rom) const { return fileFor(customSettingsFileName(rom)); }
    bool hasCustomFile(const QString& rom) const { return exists(customSettingsFileName(rom)); }

    // The file a game is launched with: its custom file, else raster.cfg or vector.cfg by its
    // display type ("Raster", "Vector"), else none (an empty text: MAME's own defaults apply).
    QString applicableFile(const QString& rom, const QString& displayType) const;

    // The names of every settings file (*.cfg) of the folder, in name order.
    QStringList settingsFileNames() const;

private:
    QString m_folder;
};

bool isRasterDisplay(const QString& displayType);
bool isVectorDisplay(const QString& displayType);

} // namespace velmora
