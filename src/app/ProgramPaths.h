#pragma once
// The program folder and the files Velmora keeps under it (settings/ and reports/).
#include <QDir>
#include <QString>

namespace velmora {

struct ProgramPaths
{
    // Folder of the running executable, without a trailing separator.
    QString programFolder;

    static ProgramPaths ofRunningProgram();

    QString settingsFolder() const { return programFolder + QStringLiteral("/settings"); }
    QString reportsFolder() const { return programFolder + QStringLiteral("/reports"); }
    QString optionsIni() const { return settingsFolder() + QStringLiteral("/options.ini"); }
    QString report(const QString& fileName) const { return reportsFolder() + u'/' + fileName; }
    QString setting(const QString& fileName) const { return settingsFolder() + u'/' + fileName; }
    QString file(const QString& fileName) const { return programFolder + u'/' + fileName; }
};

} // namespace velmora
