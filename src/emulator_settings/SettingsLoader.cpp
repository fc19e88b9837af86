#include "emulator_settings/SettingsLoader.h"

#include "app/IniDocument.h"
#include "app/IniFile.h"
#include "gamedb/ReplacedFile.h"
#include "platform/Seams.h"

#include <QFile>

namespace velmora {
namespace {

QString readStored(Option option, const QString& file)
{
    return ReadIniValue(file, sectionOf(option), keyOf(option), mameDefaultOf(option));
}

void reportInvalidValue(Option option, const QString& file, LoadContext& context)
{
    if (context.mode == LoaderMode::Editor) {
        platform::showMessage(loadErrorMessage(option), context.editorCaption,
                              platform::MessageIcon::Exclamation);
        return;
    }
    context.invalidValueFound = true;
    if (context.report)
        *context.report += context.label + u'\t' + displayNameOf(option) + QStringLiteral("\r\n");
    IniDocument doc = IniDocument::load(file);
    doc.setValue(sectionOf(option), keyOf(option), mameDefaultOf(option));
    QString error;
    if (!doc.save(file, &error))
        reportNotSaved(file, error);
}

bool loadValue(SettingsModel& model, Option option, const QString& file, LoadContext& context)
{
    if (model.assign(option, readStored(option, file)))
        return true;
    reportInvalidValue(option, file, context);
    model.assign(option, mameDefaultOf(option));
    return false;
}

// A check box's stored value as a number, as the comparison has always read it: nothing when
// the text is not a number.
std::optional<double> checkNumber(const QString& text)
{
    bool ok = false;
    const double n = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(n) : std::nullopt;
}

void showCompareError(const QString& description, int step)
{
    platform::showMessage(
        QStringLiteral("Error In CompareSettings: %1\rLine Number: %2\rYou should run Rebuild "
                       "Settings from the Tools pull-down menu above to correct this problem.")
            .arg(description)
            .arg(step),
        QStringLiteral("Velmora"), platform::MessageIcon::Exclamation);
}

} // namespace

QString loadErrorMessage(Option option)
{
    return QStringLiteral("Error loading %1.  The M.A.M.E. default value '%2' will be used.\r\n"
                          "You should run Rebuild Settings from the Tools pull-down menu above to "
                          "correct this problem.")
        .arg(displayNameOf(option), mameDefaultOf(option));
}

bool LoadCombo(SettingsModel& model, Option option, const QString& file, LoadContext& context)
{
    return loadValue(model, option, file, context);
}

bool LoadCheck(SettingsModel& model, Option option, const QString& file, LoadContext& context)
{
    return loadValue(model, option, file, context);
}

void LoadControls(SettingsModel& model, const QString& file, LoadContext& context)
{
    for (const OptionSpec& row : optionCatalogue()) {
        switch (row.kind) {
        case ControlKind::List:
            LoadCombo(model, row.option, file, context);
            break;
        case ControlKind::Check:
            LoadCheck(model, row.option, file, context);
            break;
        case ControlKind::Text:
            model.assign(row.option, readStored(row.option, file));
            break;
        }
    }
}

bool SaveSettings(const SettingsModel& model, const QString& file, QString* error)
{
    // Every value in one pass: the file is replaced once, whole or not at all.
    IniDocument doc = IniDocument::load(file);
    for (const OptionSpec& row : optionCatalogue())
        doc.setValue(sectionOf(row.option), keyOf(row.option), model.value(row.option));
    QString reason;
    if (doc.save(file, &reason))
        return true;
    if (error)
        *error = notSavedMessage(file, reason);
    return false;
}

CompareOutcome CompareSettings(const QString& customFile, const QString& globalFile)
{
    for (const OptionSpec& row : optionCatalogue()) {
        const QString global = readStored(row.option, globalFile);
        const QString custom = readStored(row.option, customFile);
        if (row.kind != ControlKind::Check) {
            if (global != custom)
                return CompareOutcome::Kept;
            continue;
        }
        const auto g = checkNumber(global);
        const auto c = checkNumber(custom);
        if (!g || !c) {
            showCompareError(QStringLiteral("Type mismatch (%1)").arg(displayNameOf(row.option)),
                             1);
            return CompareOutcome::Failed;
        }
        if (*g != *c)
            return CompareOutcome::Kept;
    }
    QFile::remove(customFile);
    return CompareOutcome::Deleted;
}

} // namespace velmora
