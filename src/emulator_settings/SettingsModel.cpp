#include "emulator_settings/SettingsModel.h"

namespace velmora {

std::optional<int> checkState(const QString& text)
{
    bool ok = false;
    const int state = text.trimmed().toInt(&ok);
    if (!ok || state < 0 || state > 2)
        return std::nullopt;
    return state;
}

SettingsModel::SettingsModel(QObject* parent) : QObject(parent)
{
    for (int i = 0; i < kOptionCount; ++i)
        m_values[i] = mameDefaultOf(optionAt(i));
    m_enabling = SetFrames([this](Option o) { return value(o); }, m_enabling);
}

void SettingsModel::setLists(const OptionLists& lists)
{
    m_lists = lists;
    // A value the new lists spell another way (D3D on a list of today's video methods) takes
    // their spelling.
    for (int i = 0; i < kOptionCount; ++i) {
        if (!isList(optionAt(i)))
            continue;
        const std::optional<QString> spelled = m_lists.match(optionAt(i), m_values[i]);
        if (spelled && *spelled != m_values[i])
            store(optionAt(i), *spelled);
    }
}

std::optional<QString> SettingsModel::acceptable(Option option, const QString& text) const
{
    switch (kindOf(option)) {
    case ControlKind::List:
        return m_lists.match(option, text);
    case ControlKind::Check:
        if (const auto state = checkState(text))
            return QString::number(*state);
        return std::nullopt;
    case ControlKind::Text:
        return text;
    }
    return std::nullopt;
}

bool SettingsModel::assign(Option option, const QString& text)
{
    const std::optional<QString> accepted = acceptable(option, text);
    if (!accepted)
        return false;
    if (*accepted == value(option))
        return true;
    store(option, *accepted);
    if (runsSetFrames(option))
        runSetFrames();
    return true;
}

void SettingsModel::store(Option option, const QString& text)
{
    m_values[optionIndex(option)] = text;
    emit valueChanged(option);
}

void SettingsModel::setDefaults()
{
    for (int i = 0; i < kOptionCount; ++i)
        assign(optionAt(i), m_lists.defaultOf(optionAt(i)));
    runSetFrames();
}

std::optional<Option> SettingsModel::firstDifferenceFromDefaults() const
{
    for (int i = 0; i < kOptionCount; ++i) {
        if (m_values[i] != m_lists.defaultOf(optionAt(i)))
            return optionAt(i);
    }
    return std::nullopt;
}

bool SettingsModel::checkDefaults() const
{
    return !firstDifferenceFromDefaults().has_value();
}

void SettingsModel::setEnabling(const EnableStates& states)
{
    if (states == m_enabling)
        return;
    m_enabling = states;
    emit enablingChanged();
}

EnableStates SettingsModel::enabling() const
{
    EnableStates states = m_enabling;
    for (int i = 0; i < kOptionCount; ++i)
        states.control[i] = states.control[i] && m_known[i];
    return states;
}

void SettingsModel::setKnownOptions(const KnownOptions& known)
{
    if (known == m_known)
        return;
    m_known = known;
    emit enablingChanged();
}

void SettingsModel::applyResolutionRule()
{
    if (resolutionNeedsSwitchRes(value(Option::Resolution)) &&
        value(Option::SwitchRes) != QLatin1String("1"))
        store(Option::SwitchRes, QStringLiteral("1"));
}

// The resolution rule is one of the enabling rules: every run ticks Switch Resolution again for a
// fixed screen mode, whichever control ran them.
void SettingsModel::runSetFrames()
{
    applyResolutionRule();
    setEnabling(SetFrames([this](Option o) { return value(o); }, m_enabling));
}

} // namespace velmora
