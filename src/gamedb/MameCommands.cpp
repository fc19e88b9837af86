#include "gamedb/MameCommands.h"

#include "gamedb/ExecCmd.h"

#include <QRegularExpression>

namespace velmora::MameCommands {
namespace {

const QString kCaptureErrors = QStringLiteral(" 2>&1");

// A set name is left as it is; anything a shell could read differently is quoted.
QString romWord(const QString& rom)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    return plain.match(rom).hasMatch() ? rom : shellQuote(rom);
}

QString oneGame(const QString& rom, const char* option, const QString& targetFile)
{
    return QStringLiteral("mame ") + romWord(rom) + u' ' + QLatin1String(option) +
           QStringLiteral(" > ") + shellQuote(targetFile) + kCaptureErrors;
}

QString allSets(const char* option, const QString& targetFile)
{
    return QStringLiteral("mame * ") + QLatin1String(option) + u'>' + shellQuote(targetFile) +
           kCaptureErrors;
}

} // namespace

QString listXml(const QString& targetFile)
{
    return QStringLiteral("mame -listxml>") + shellQuote(targetFile);
}

QString listCrc(const QString& targetFile)
{
    return QStringLiteral("mame -listcrc >") + shellQuote(targetFile);
}

QString showUsage(const QString& targetFile)
{
    return QStringLiteral("mame -showusage>") + shellQuote(targetFile);
}

QString showConfig(const QString& targetFile)
{
    return QStringLiteral("mame -showconfig>") + shellQuote(targetFile);
}

QString verifyRoms(const QString& rom, const QString& targetFile)
{
    return oneGame(rom, "-verifyroms", targetFile);
}

QString verifySamples(const QString& rom, const QString& targetFile)
{
    return oneGame(rom, "-verifysamples", targetFile);
}

QString listRoms(const QString& rom, const QString& targetFile)
{
    return oneGame(rom, "-listroms", targetFile);
}

QString listSamples(const QString& rom, const QString& targetFile)
{
    return oneGame(rom, "-listsamples", targetFile);
}

QString verifyAllRoms(const QString& targetFile)
{
    return allSets("-verifyroms ", targetFile);
}

QString verifyAllSamples(const QString& targetFile)
{
    return allSets("-verifysamples ", targetFile);
}

QString help(const QString& targetFile)
{
    return QStringLiteral("mame -help > ") + shellQuote(targetFile) + kCaptureErrors;
}

QString launch(const QString& rom, const QString& otherCommands)
{
    const QString command = QStringLiteral("mame ") + romWord(rom);
    return otherCommands.isEmpty() ? command : command + u' ' + otherCommands;
}

QString mameDiff(const QString& options, const QString& oldList, const QString& newList)
{
    return QStringLiteral("mamediff ") + options + shellQuote(oldList) + u' ' + shellQuote(newList);
}

} // namespace velmora::MameCommands
