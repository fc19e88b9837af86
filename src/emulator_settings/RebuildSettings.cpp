#include "emulator_settings/RebuildSettings.h"

#include "emulator_settings/SettingsFiles.h"
#include "emulator_settings/SettingsLoader.h"
#include "gamedb/ReplacedFile.h"
#include "platform/Seams.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cmath>

namespace velmora {
namespace {

const QString kRebuildTitle = QStringLiteral("Rebuild Settings");
const QString kReportHeading = QStringLiteral("Filename\tSetting\r\n\r\n\r\n");

const QString kConfirmText = QStringLiteral(
    "This will check the values in all your setting files to see if they are compatible with this "
    "version of Velmora.  If any incompatible values are found, they will be set to M.A.M.E. "
    "defaults.  This will not check the value names so you will have to open Raster Settings, "
    "Vector Settings, and each Custom Settings and re-save them to correct name changes.  Do you "
    "want to continue?");

bool writeReport(const QString& path, const QString& text, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writeFileReplacing(path, text.toUtf8(), error);
}

// MAME writes UTF-8 and so does the report; an older report of another code page reads as Latin-1.
QString decodeReport(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

} // namespace

QString rebuildLabel(const QString& fileName)
{
    return fileName.leftJustified(kRebuildLabelWidth, u' ', true);
}

QString rebuildProgressText(int done, int total)
{
    const double percent = total > 0 ? 100.0 * done / total : 0.0;
    const long rounded = std::lround(percent);
    // The "#" pattern shows nothing for zero.
    return QStringLiteral("Progress: ") + (rounded == 0 ? QString() : QString::number(rounded)) +
           u'%';
}

QString rebuildReportFile(const ProgramPaths& paths)
{
    return paths.report(QStringLiteral("rebuilt.txt"));
}

RebuildStart confirmRebuildSettings(const ProgramPaths& paths)
{
    if (SettingsFolder(paths.settingsFolder()).settingsFileNames().isEmpty()) {
        platform::showMessage(QStringLiteral("There are no setting files."), kRebuildTitle,
                              platform::MessageIcon::Information);
        return RebuildStart::NoFiles;
    }
    const platform::MessageAnswer answer = platform::showMessage(
        kConfirmText, QStringLiteral("Confirm Continue"), platform::MessageIcon::Question,
        platform::MessageButtons::YesNo, platform::MessageAnswer::Yes);
    return answer == platform::MessageAnswer::Yes ? RebuildStart::Confirmed
                                                  : RebuildStart::Declined;
}

RebuildReport RebuildSettings(const ProgramPaths& paths, const OptionLists& lists,
                              RebuildProgress& progress)
{
    RebuildReport report;
    const QStringList names = SettingsFolder(paths.settingsFolder()).settingsFileNames();
    progress.start(names.size());
    SettingsModel model;
    model.setLists(lists);
    int done = 0;
    for (const QString& name : names) {
        LoadContext context;
        context.mode = LoaderMode::Rebuild;
        context.label = rebuildLabel(name);
        context.report = &report.text;
        // The field loses its padding, not its cut: a longer name is looked up as cut.
        QString field = context.label;
        while (field.endsWith(u' '))
            field.chop(1);
        const QString opened = paths.setting(field);
        LoadControls(model, opened, context);
        if (context.invalidValueFound) {
            report.text += QStringLiteral("\r\n");
            report.anyReset = true;
        }
        ++done;
        progress.advance(done, names.size(), rebuildProgressText(done, names.size()));
    }
    const QString reportFile = rebuildReportFile(paths);
    if (!report.anyReset) {
        report.text += kNoInvalidValues;
        QFile::remove(reportFile);
    } else {
        report.text.prepend(kReportHeading);
        QString error;
        if (!writeReport(reportFile, report.text, &error))
            platform::showMessage(
                QStringLiteral("Error In cmdRebuildSettings: %1\rLine Number: 7").arg(error),
                kRebuildTitle, platform::MessageIcon::Information);
    }
    progress.finish();
    return report;
}

std::optional<QString> loadRebuildSettingsReport(const ProgramPaths& paths)
{
    QFile file(rebuildReportFile(paths));
    if (!file.open(QIODevice::ReadOnly)) {
        platform::showMessage(
            QStringLiteral("Cannot find Rebuild Settings report.  You can run Rebuild Settings "
                           "from the Tools pull-down menu above and if errors are found it will "
                           "create one for you."),
            QStringLiteral("Rebuild Settings Report"), platform::MessageIcon::Information);
        return std::nullopt;
    }
    return decodeReport(file.readAll());
}

} // namespace velmora
