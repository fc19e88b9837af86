#pragma once
// Reading and writing a settings file through the catalogue: LoadControls with its two value
// loaders LoadCombo and LoadCheck, SaveSettings, and CompareSettings.
//
// A stored value that its control cannot hold never stops loading. While the settings panel is
// open (editor mode) the user is told which control fell back on its MAME default and the file is
// left alone; during Rebuild Settings (rebuild mode) the control is added to the report, the
// default is written back into the file and the invalid-value flag is set.
#include "emulator_settings/SettingsModel.h"

#include <QString>

namespace velmora {

enum class LoaderMode
{
    Editor,
    Rebuild
};

struct LoadContext
{
    LoaderMode mode = LoaderMode::Editor;
    // Editor mode: the panel's caption, the title of the message ("Raster Settings").
    QString editorCaption;
    // Rebuild mode: the file's label and the report text that lines are appended to.
    QString label;
    QString* report = nullptr;
    // Set in rebuild mode when a value was reset; Rebuild Settings reads and clears it.
    bool invalidValueFound = false;
};

// The 61 controls from `file`, in catalogue order; a missing key gives the MAME default.
void LoadControls(SettingsModel& model, const QString& file, LoadContext& context);
// One list or one check box; false when the stored value was replaced by the default.
bool LoadCombo(SettingsModel& model, Option option, const QString& file, LoadContext& context);
bool LoadCheck(SettingsModel& model, Option option, const QString& file, LoadContext& context);

// The message shown in editor mode for an invalid stored value.
QString loadErrorMessage(Option option);

// Writes the 61 controls into their sections of `file` (created when missing); keys already there
// are replaced in place and nothing else in the file is removed. CR and LF in a value become
// spaces. False with the reason in *error when the file could not be written.
bool SaveSettings(const SettingsModel& model, const QString& file, QString* error = nullptr);

enum class CompareOutcome
{
    Deleted, // the custom file held the global file's values and was deleted
    Kept,    // a value differs: both files stay
    Failed   // a value could not be compared; the message was shown and both files stay
};

// Compares a game's custom file with the global file of its settings type, value by value in
// catalogue order (check boxes as numbers, lists and Other Commands as exact text, a missing key
// as its MAME default), and deletes the custom file when all 61 agree.
CompareOutcome CompareSettings(const QString& customFile, const QString& globalFile);

} // namespace velmora
