#pragma once
// A program whose fake mame answers with the MAME 0.251 excerpt, optionally with the lists and
// database a previous build left, for the tests of building and rebuilding the game database.
#include "app/IniFile.h"
#include "gamedb/ListFiles.h"
#include "support/FakeMame.h"
#include "support/TempProgram.h"

#include <QFile>

namespace velmora::testing {

struct DatabaseProgram
{
    TempProgram tp;
    FakeMame mame{tp.mameFolder()};
    ProgramPaths paths = tp.paths();

    // What a previous build left: the game database holds one game, so the lists load from it.
    static QByteArray previous(const char* name)
    {
        if (qstrcmp(name, "gameinfo.txt") == 0)
            return "\"Previous Game\",\"1980\",\"Good\",\"Good\",\"Good\",\"Good\",\"\","
                   "\"Namco\",\"Raster\",\" 224x288\",\"Vertical\",\"60\",\"Original\","
                   "\"previous\",\"namco/pacman.cpp\",\"N/A\",\"No\"\r\n";
        return QByteArray("previous ") + name;
    }

    explicit DatabaseProgram(bool builtBefore = true)
    {
        mame.answer("-listxml", fixturePath("gamedb/machines-0251.xml"));
        mame.answer("-listcrc", fixturePath("listcrc.txt"));
        mame.answer("-showusage", fixturePath("help.txt"));
        const QString config = tp.root() + "/showconfig.txt";
        TempProgram::writeFile(config, "pluginspath               plugins\n");
        mame.answer("-showconfig", config);
        if (!builtBefore)
            return;
        for (const char* name : {"listxml.txt", "crcinfo.txt", "gameinfo.txt", "resource.txt",
                                 "newroms.txt", "whatsnew.txt"})
            TempProgram::writeFile(paths.report(name), previous(name));
    }

    QByteArray read(const char* name) const { return TempProgram::readFile(paths.report(name)); }
    bool exists(const char* name) const { return QFile::exists(paths.report(name)); }
    qint32 mameSize() const { return currentMameSize(tp.mameFolder()); }
    // A new MAME: the same script, some bytes longer.
    void growMame() const
    {
        QFile script(mame.scriptPath());
        script.open(QIODevice::Append);
        script.write("# a newer build\n");
    }
    QString storedSize() const
    {
        return ReadIniValue(tp.optionsIni(), "Miscellaneous", "MAMESize", "");
    }
    QStringList sortedCalls() const
    {
        QStringList calls = mame.calls();
        calls.sort();
        return calls;
    }
};

} // namespace velmora::testing
