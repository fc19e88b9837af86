#include "emulator_settings/OptionLists.h"

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
    return std::nullopt;
}

} // namespace velmora
