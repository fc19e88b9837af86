#include "gamedb/ElementLine.h"

namespace velmora {
namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::optional<std::string_view> ElementLine::attribute(std::string_view name) const
{
    const std::string_view e = m_element;
    std::size_t i = 1;
    while (i < e.size() && !isSpace(e[i]) && e[i] != '>' && e[i] != '/')
        ++i; // the element's own name
    for (;;) {
        while (i < e.size() && isSpace(e[i]))
            ++i;
        if (i >= e.size() || e[i] == '>' || e[i] == '/')
            return std::nullopt;
        const std::size_t nameStart = i;
        while (i < e.size() && e[i] != '=' && !isSpace(e[i]) && e[i] != '>')
            ++i;
        const std::string_view found = e.substr(nameStart, i - nameStart);
        while (i < e.size() && (isSpace(e[i]) || e[i] == '='))
            ++i;
        if (i >= e.size() || (e[i] != '"' && e[i] != '\''))
            return std::nullopt; // not an attribute list this reader understands
        const char quote = e[i++];
        const std::size_t close = e.find(quote, i);
        if (close == std::string_view::npos)
            return std::nullopt;
        if (found == name)
            return e.substr(i, close - i);
        i = close + 1;
    }
}

std::string_view ElementLine::text() const
{
    const std::size_t open = m_element.find('>');
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = m_element.find('<', open + 1);
    return m_element.substr(open + 1, close == std::string_view::npos ? std::string_view::npos
                                                                      : close - open - 1);
}

} // namespace velmora
