#pragma once
// The entries of the 29 drop-down lists of the settings panel, as DefineCombos fills them at
// start-up: the fixed and generated entries of the catalogue plus the BIOS sets of the game
// database and the effect images of the Artwork folder. A value belongs to a list when it matches
// one of its entries without regard to letter case, as the panel's lists have always matched.
#include "emulator_settings/OptionCatalogue.h"

#include <QStringList>
#include <array>
#include <optional>

namespace velmora {

class OptionLists
{
public:
    // The catalogue's entries, with "Default" as the only BIOS and "None" as the only effect.
    OptionLists();

    const QStringList& entries(Option option) const { return m_entries[optionIndex(option)]; }
    void setEntries(Option option, const QStringList& entries);

    // The entry as the list spells it, or nothing when the list has no such entry. A stored GDI,
    // DDraw or D3D matches the video list's soft, accel or opengl.
    std::optional<QString> match(Option option, const QString& text) const;
    bool contains(Option option, const QString& text) const
    {
        return match(option, text).has_value();
    }
    // The MAME default of a control as its list spells it (D3D is opengl on a list of today's
    // methods); the catalogue's default for check boxes and the text box.
    QString defaultOf(Option option) const;

    // What the list's tooltip says about entries it does not offer (empty when nothing is left
    // out).
    const QString& note(Option option) const { return m_notes[optionIndex(option)]; }
    void setNote(Option option, const QString& note) { m_notes[optionIndex(option)] = note; }

private:
    std::array<QStringList, kOptionCount> m_entries;
    std::array<QString, kOptionCount> m_notes;
};

} // namespace velmora
