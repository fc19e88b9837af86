#include "gamedb/FieldText.h"

namespace velmora {
namespace {

bool isWordBreak(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\0';
}

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

char lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

} // namespace

QByteArray properCase(std::string_view text)
{
    QByteArray out(qsizetype(text.size()), Qt::Uninitialized);
    bool wordStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        out[qsizetype(i)] = wordStart ? upper(c) : lower(c);
        wordStart = isWordBreak(c);
    }
    return out;
}

QByteArray rightAligned(const QByteArray& text, int width)
{
    if (text.size() >= width)
        return text;
    return QByteArray(width - text.size(), ' ') + text;
}

} // namespace velmora
