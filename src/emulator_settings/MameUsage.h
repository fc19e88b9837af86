#pragma once
// What the installed MAME accepts, as it says itself in `mame -showusage` (kept beside the lists
// as reports/showusage.txt): the names of its options and, where its description ends in a list
// ("video output method: none, soft, accel, opengl or bgfx"), the values it takes. The settings
// layer of mame.ini, the settings panel and the launch consult it so that every setting written is
// one the installed MAME reads. A missing file, or one that names none of MAME's basic options, is
// not usable: everything then behaves as it always has.
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace velmora {

class MameUsage
{
public:
    // Reads the usage text; nothing when it does not look like MAME's usage.
    static std::optional<MameUsage> fromText(const QByteArray& text);
    // Reads reports/showusage.txt (or any file of that form); nothing when missing or unusable.
    static std::optional<MameUsage> fromFile(const QString& path);

    bool knows(const QString& option) const { return m_options.contains(option); }
    // The values MAME lists for an option, in its order, lower case; empty when it lists none.
    QStringList values(const QString& option) const { return m_values.value(option); }
    // True when the option takes one of listed values (a method) rather than being a switch.
    bool takesValues(const QString& option) const { return m_values.contains(option); }
    int optionCount() const { return int(m_options.size()); }
    // The largest whole number an option takes where its description names a range ("set
    // frameskip to fixed value, 0-10"); nothing when it names none.
    std::optional<int> upperLimit(const QString& option) const;

private:
    QSet<QString> m_options;
    QHash<QString, QStringList> m_values;
    QHash<QString, QString> m_descriptions;
};

// The name of the usage file under the reports folder.
inline const QString kShowUsageFile = QStringLiteral("showusage.txt");

} // namespace velmora
