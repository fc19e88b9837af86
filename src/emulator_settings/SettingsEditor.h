#pragma once
// The settings editor without its widgets: which file the panel shows when it opens in one of its
// three modes (Raster Settings, Vector Settings, Custom Settings), what Restore puts back, and
// Saving on OK, which keeps a settings file only while it differs from what would apply without
// it. The panel (src/ui/SettingsPanel) shows the model this works on.
#include "emulator_settings/SettingsFiles.h"
#include "emulator_settings/SettingsModel.h"

#include "app/SelectedGame.h"

#include <QString>
#include <optional>

namespace velmora {

enum class EditorMode
{
    Raster,
    Vector,
    Custom
};

// The panel's caption in a mode: "Raster Settings", "Vector Settings", "Custom Settings".
QString editorCaption(EditorMode mode);

inline const QString kRestoreDefaultsCaption = QStringLiteral("R&estore M.A.M.E. Defaults");
inline const QString kRestoreRasterCaption = QStringLiteral("R&estore Raster Settings");
inline const QString kRestoreVectorCaption = QStringLiteral("R&estore Vector Settings");

// The texts of the status bar's settings panel.
inline const QString kCustomSettingsStatus = QStringLiteral("Custom Settings");
inline const QString kDefaultSettingsStatus = QStringLiteral("Default Settings");

// The game that Custom Settings edits, as the visible list shows it.
struct OkResult
{
    bool saved = true; // false when the settings file could not be written
    QString error;     // why, when not saved
    // The new text of the status bar's settings panel, when OK changed it (Custom Settings).
    std::optional<QString> settingsStatus;
};

class SettingsEditor
{
public:
    SettingsEditor(const SettingsFolder& folder, SettingsModel* model);

    // Open the editor: load the mode's file (or the MAME defaults) into the model and apply the
    // editor's enabling rules. Messages about invalid stored values are titled with the caption.
    void openRaster();
    void openVector();
    void openCustom(const SelectedGame& game);

    // Saving on OK, by the current caption.
    OkResult ok();
    // Puts the controls back to the mode's baseline without saving: in Custom Settings the
    // game's global file when the game has both a custom and a global file, else the defaults.
    void restore();

    EditorMode mode() const { return m_mode; }
    QString caption() const { return editorCaption(m_mode); }
    QString restoreCaption() const { return m_restoreCaption; }
    SettingsType settingsType() const { return m_type; }
    const SelectedGame& game() const { return m_game; }
    const SettingsFolder& folder() const { return m_folder; }
    SettingsModel& model() { return *m_model; }

private:
    void openGlobal(SettingsType type);
    void load(const QString& file);
    void applyTypeRule(SettingsType type, bool includingBios);
    OkResult saveGlobal(SettingsType type, bool allDefaults);
    OkResult saveCustom(bool allDefaults);

    SettingsFolder m_folder;
    SettingsModel* m_model;
    EditorMode m_mode = EditorMode::Raster;
    SettingsType m_type = SettingsType::Raster;
    QString m_restoreCaption = kRestoreDefaultsCaption;
    SelectedGame m_game;
};

} // namespace velmora
