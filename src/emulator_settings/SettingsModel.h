#pragma once
// The 61 values of the settings panel, held apart from any widget. A value is taken only when its
// control could hold it: a list's text must be one of its entries, a check box's value one of the
// check states 0, 1 and 2 (2 is a greyed box); otherwise the assignment fails and the value stays
// as it was, which is how the loaders find an invalid stored value. A change of a control that
// has an enabling rule runs SetFrames, as its click handler did, so the rules hold after every
// change, whether the user made it or a file was loaded. Choosing a fixed resolution turns Switch
// Resolution on; since only a change of the resolution does that, a file that keeps Switch
// Resolution off beside a fixed resolution loads as it was saved.
#include "emulator_settings/InstalledOptions.h"
#include "emulator_settings/OptionLists.h"
#include "emulator_settings/SetFrames.h"

#include <QObject>
#include <array>

namespace velmora {

class SettingsModel : public QObject
{
    Q_OBJECT
public:
    // Starts at the MAME defaults with the catalogue's lists.
    explicit SettingsModel(QObject* parent = nullptr);

    // The lists that DefineCombos filled. Values already held are kept (in the lists' spelling).
    void setLists(const OptionLists& lists);
    const OptionLists& lists() const { return m_lists; }

    QString value(Option option) const { return m_values[optionIndex(option)]; }
    // False, with nothing changed, when the control cannot hold the text. A list stores its own
    // spelling of the entry; a check box stores its state as "0", "1" or "2".
    bool assign(Option option, const QString& text);

    // SetDefaults: every control to its MAME default, in catalogue order, then SetFrames.
    void setDefaults();
    // CheckDefaults: true when every control holds its MAME default.
    bool checkDefaults() const;
    // The first control, in catalogue order, that differs from its MAME default.
    std::optional<Option> firstDifferenceFromDefaults() const;

    // The enabling of every control and frame; a control whose option the installed MAME does not
    // read is always disabled.
    EnableStates enabling() const;
    void setEnabling(const EnableStates& states);
    // SetFrames over the current values.
    void runSetFrames();

    // Which controls' options the installed MAME reads (all of them until this is called).
    void setKnownOptions(const KnownOptions& known);
    bool knownToMame(Option option) const { return m_known[optionIndex(option)]; }

signals:
    void valueChanged(velmora::Option option);
    void enablingChanged();

private:
    std::optional<QString> acceptable(Option option, const QString& text) const;
    void store(Option option, const QString& text);
    void applyResolutionRule();

    OptionLists m_lists;
    std::array<QString, kOptionCount> m_values;
    EnableStates m_enabling;
    KnownOptions m_known = knownOptions(nullptr);
};

// A check box's state from its stored text: 0, 1 or 2, written as a whole number; nothing for any
// other text.
std::optional<int> checkState(const QString& text);

} // namespace velmora
