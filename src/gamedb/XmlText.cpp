#include "gamedb/XmlText.h"

#include <array>
#include <optional>
#include <utility>

namespace velmora {
namespace {

// The longest reference worth looking at: "&#x10FFFF;" and "&#1114111;" are the longest
// complete ones.
constexpr qsizetype kLongestReference = 10;
constexpr char32_t kLastCodePoint = 0x10FFFF;

constexpr std::array<std::pair<QStringView, char16_t>, 5> kNamed{{
    {u"amp", u'&'},
    {u"lt", u'<'},
    {u"gt", u'>'},
    {u"quot", u'"'},
    {u"apos", u'\''},
}};

bool isCharacter(char32_t c)
{
    // XML allows neither NUL nor the surrogate halves; such a reference is kept as written.
    return c != 0 && c <= kLastCodePoint && !(c >= 0xD800 && c <= 0xDFFF);
}

// The character of a numeric reference body ("#38", "#x26"), or nothing.
std::optional<char32_t> numericCharacter(QStringView body)
{
    if (body.size() < 2 || body[0] != u'#')
        return std::nullopt;
    const bool hex = body[1] == u'x';
    const QStringView digits = body.mid(hex ? 2 : 1);
    if (digits.isEmpty())
        return std::nullopt;
    for (QChar c : digits)
        if (!(c.isDigit() || (hex && QStringView(u"abcdefABCDEF").contains(c))))
            return std::nullopt;
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, hex ? 16 : 10);
    if (!ok || value > kLastCodePoint || !isCharacter(char32_t(value)))
        return std::nullopt;
    return char32_t(value);
}

// Appends the character that `body` (the text between '&' and ';') stands for; false when it is
// no reference.
bool appendReference(QStringView body, QString& out)
{
    for (const auto& [name, c] : kNamed) {
        if (body == name) {
            out += QChar(c);
            return true;
        }
    }
    const std::optional<char32_t> c = numericCharacter(body);
    if (!c)
        return false;
    out += QString::fromUcs4(&*c, 1);
    return true;
}

} // namespace

QString decodeXmlText(QStringView text)
{
    qsizetype amp = text.indexOf(u'&');
    if (amp < 0)
        return text.toString();
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    while (amp >= 0) {
        const qsizetype semicolon = text.indexOf(u';', amp + 1);
        const bool inReach = semicolon > amp && semicolon - amp <= kLongestReference;
        out += text.mid(from, amp - from);
        if (inReach && appendReference(text.mid(amp + 1, semicolon - amp - 1), out)) {
            from = semicolon + 1;
        } else {
            out += u'&';
            from = amp + 1;
        }
        amp = text.indexOf(u'&', from);
    }
    out += text.mid(from);
    return out;
}

QByteArray decodeXmlBytes(const QByteArray& bytes)
{
    if (!mayHoldXmlReferences(bytes))
        return bytes;
    if (QByteArrayView(bytes).isValidUtf8())
        return decodeXmlText(QString::fromUtf8(bytes)).toUtf8();
    return decodeXmlText(QString::fromLatin1(bytes)).toLatin1();
}

} // namespace velmora
