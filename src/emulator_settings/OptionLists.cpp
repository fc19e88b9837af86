#include "emulator_settings/OptionLists.h"

#include "emulator_settings/InstalledOptions.h"

namespace velmora {

OptionLists::OptionLists()
{
    for (int i = 0; i < kOptionCount; ++i)
        m_entries[i] = staticEntries(optionAt(i));
}

void OptionLists::setEntries(Option option, const QStringList& entries)
{
    m_entries[optionIndex(option)] = entries;
}

std::optional<QString> OptionLists::match(Option option, const QString& text) const
{
    for (const QString& entry : entries(option)) {
        if (entry.compare(text, Qt::CaseInsensitive) == 0)
            return entry;
    }
    // A video method of the older catalogue stands for today's method of the same kind when the
    // list holds MAME's own methods.
    if (option == Option::Video) {
        const QString today = todaysVideoMethod(text);
        if (!today.isEmpty())
            return match(option, today);
    }
    return std::nullopt;
}

QString OptionLists::defaultOf(Option option) const
{
    const QString catalogue = mameDefaultOf(option);
    if (!isList(option))
        return catalogue;
    return match(option, catalogue).value_or(catalogue);
}

} // namespace velmora
