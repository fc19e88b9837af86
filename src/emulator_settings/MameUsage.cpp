#include "emulator_settings/MameUsage.h"

#include <QFile>
#include <QRegularExpression>

namespace velmora {
namespace {

// An option line: "-name", blanks, the description. A name that fills its column runs straight
// into the description ("-beam_intensity_weightset vector ..."); such a name is read too long and
// simply matches nothing Velmora writes.
const QRegularExpression kOptionLine(QStringLiteral("^-([a-z0-9_]+)(?:\\s+(.*))?$"));
// A description that ends in its values: "<what>: a, b or c", "<what>: a, b, or c".
const QRegularExpression kValueList(QStringLiteral(":\\s*([a-z0-9_]+(?:(?:,\\s*|,?\\s+or\\s+)"
                                                   "[a-z0-9_]+)+)\\s*$"));
const QRegularExpression kValueSeparator(QStringLiteral(",\\s*or\\s+|,\\s*|\\s+or\\s+"));

// Options every MAME of the last twenty years lists; a text without them is not MAME's usage.
constexpr const char* kBasicOptions[] = {"rompath", "samplepath", "cfg_directory"};

} // namespace

std::optional<MameUsage> MameUsage::fromText(const QByteArray& text)
{
    MameUsage usage;
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const QRegularExpressionMatch option = kOptionLine.match(line);
        if (!option.hasMatch())
            continue;
        const QString name = option.captured(1);
        usage.m_options.insert(name);
        usage.m_descriptions.insert(name, option.captured(2));
        const QRegularExpressionMatch list = kValueList.match(option.captured(2));
        if (list.hasMatch())
            usage.m_values.insert(name,
                                  list.captured(1).split(kValueSeparator, Qt::SkipEmptyParts));
    }
    for (const char* basic : kBasicOptions) {
        if (!usage.knows(QLatin1String(basic)))
            return std::nullopt;
    }
    return usage;
}

std::optional<int> MameUsage::upperLimit(const QString& option) const
{
    static const QRegularExpression range(QStringLiteral("\\b(\\d+)-(\\d+)\\b"));
    const QRegularExpressionMatch m = range.match(m_descriptions.value(option));
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(2).toInt();
}

std::optional<MameUsage> MameUsage::fromFile(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromText(file.read(4 * 1024 * 1024));
}

} // namespace velmora
