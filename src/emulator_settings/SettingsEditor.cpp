#include "emulator_settings/SettingsEditor.h"

#include "emulator_settings/SettingsLoader.h"

#include <QFile>

namespace velmora {

QString editorCaption(EditorMode mode)
{
    switch (mode) {
    case EditorMode::Raster:
        return QStringLiteral("Raster Settings");
    case EditorMode::Vector:
        return QStringLiteral("Vector Settings");
    case EditorMode::Custom:
        return QStringLiteral("Custom Settings");
    }
    return {};
}

SettingsEditor::SettingsEditor(const SettingsFolder& folder, SettingsModel* model)
    : m_folder(folder), m_model(model)
{
}

void SettingsEditor::load(const QString& file)
{
    LoadContext context;
    context.mode = LoaderMode::Editor;
    context.editorCaption = caption();
    LoadControls(*m_model, file, context);
}

void SettingsEditor::applyTypeRule(SettingsType type, bool includingBios)
{
    const bool vector = type == SettingsType::Vector;
    EnableStates states = setVectorRenderingEnabled(vector, m_model->enabling());
    if (includingBios)
        states = setBiosEnabled(!vector, states);
    m_model->setEnabling(states);
}

void SettingsEditor::openGlobal(SettingsType type)
{
    m_type = type;
    m_mode = type == SettingsType::Raster ? EditorMode::Raster : EditorMode::Vector;
    if (m_folder.hasGlobalFile(type))
        load(m_folder.globalFile(type));
    else
        m_model->setDefaults();
    applyTypeRule(type, true);
    m_restoreCaption = kRestoreDefaultsCaption;
}

void SettingsEditor::openRaster()
{
    openGlobal(SettingsType::Raster);
}

void SettingsEditor::openVector()
{
    openGlobal(SettingsType::Vector);
}

void SettingsEditor::openCustom(const SelectedGame& game)
{
    m_mode = EditorMode::Custom;
    m_game = game;
    const bool vector = isVectorDisplay(game.displayType);
    if (!vector && !isRasterDisplay(game.displayType))
        return; // another display type: the controls keep what they held
    const SettingsType type = vector ? SettingsType::Vector : SettingsType::Raster;
    if (!m_folder.hasCustomFile(game.rom)) {
        // Start from the global settings (or the MAME defaults) of the game's type.
        openGlobal(type);
        m_mode = EditorMode::Custom;
        return;
    }
    m_type = type;
    m_restoreCaption = !m_folder.hasGlobalFile(type) ? kRestoreDefaultsCaption
                       : vector                      ? kRestoreVectorCaption
                                                     : kRestoreRasterCaption;
    load(m_folder.customFile(game.rom));
    // The vector branch leaves the BIOS list as the last opening left it.
    applyTypeRule(type, !vector);
}

void SettingsEditor::restore()
{
    const bool raster = isRasterDisplay(m_game.displayType);
    const bool vector = isVectorDisplay(m_game.displayType);
    if (m_mode == EditorMode::Custom && m_folder.hasCustomFile(m_game.rom) && (raster || vector)) {
        const SettingsType type = vector ? SettingsType::Vector : SettingsType::Raster;
        if (m_folder.hasGlobalFile(type)) {
            m_type = type;
            load(m_folder.globalFile(type));
            return;
        }
    }
    m_model->setDefaults();
}

OkResult SettingsEditor::ok()
{
    const bool allDefaults = m_model->checkDefaults();
    switch (m_mode) {
    case EditorMode::Raster:
        return saveGlobal(SettingsType::Raster, allDefaults);
    case EditorMode::Vector:
        return saveGlobal(SettingsType::Vector, allDefaults);
    case EditorMode::Custom:
        return saveCustom(allDefaults);
    }
    return {};
}

OkResult SettingsEditor::saveGlobal(SettingsType type, bool allDefaults)
{
    m_type = type;
    OkResult result;
    if (allDefaults) {
        if (m_folder.hasGlobalFile(type))
            QFile::remove(m_folder.globalFile(type));
        return result;
    }
    result.saved = SaveSettings(*m_model, m_folder.globalFile(type), &result.error);
    return result;
}

OkResult SettingsEditor::saveCustom(bool allDefaults)
{
    OkResult result;
    if (m_game.rom.isEmpty())
        return result;
    const QString customFile = m_folder.customFile(m_game.rom);
    m_type = isRasterDisplay(m_game.displayType) ? SettingsType::Raster : SettingsType::Vector;
    result.saved = SaveSettings(*m_model, customFile, &result.error);
    if (!result.saved)
        return result;
    result.settingsStatus = kCustomSettingsStatus;
    if (m_folder.hasCustomFile(m_game.rom) && m_folder.hasGlobalFile(m_type)) {
        if (CompareSettings(customFile, m_folder.globalFile(m_type)) == CompareOutcome::Deleted)
            result.settingsStatus = kDefaultSettingsStatus;
    } else if (allDefaults) {
        QFile::remove(customFile);
        result.settingsStatus = kDefaultSettingsStatus;
    }
    return result;
}

} // namespace velmora
