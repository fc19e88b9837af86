#pragma once
// One section of an INI file read once into memory, for files that are asked for thousands of
// keys in a row (catver.ini and nplayers.ini while the lists load). A lookup gives the same value
// as ReadIniValue on the same file: names compared without regard to letter case, the first
// section and the first key of a name winning, values trimmed and cut to kIniValueLimit.
#include <QHash>
#include <QString>

namespace velmora {

class IniSection
{
public:
    IniSection() = default;
    // A missing or unreadable file, or one without the section, gives an empty section.
    static IniSection load(const QString& file, const QString& section);
    static IniSection fromBytes(const QByteArray& bytes, const QString& section);

    QString value(const QString& key, const QString& defaultValue) const;
    qsizetype size() const { return m_values.size(); }

private:
    // Keys are case-folded; values are shared, so equal values cost one string.
    QHash<QString, QString> m_values;
};

} // namespace velmora
