#pragma once
// One element of a machine list as it stands on its line, read without a general XML parser:
// its attributes by name and the text it encloses. Values are returned exactly as written
// (character references are not decoded).
#include <optional>
#include <string_view>

namespace velmora {

class ElementLine
{
public:
    // `element` starts at the element's "<".
    explicit ElementLine(std::string_view element) : m_element(element) {}

    // The value of attribute `name`, in double or single quotes; nothing when the element has no
    // such attribute.
    std::optional<std::string_view> attribute(std::string_view name) const;

    // The text between the end of the start tag and the next "<" (or the end of the line).
    std::string_view text() const;

    // Whether the element starts with "<" + `name` followed by a space, ">" or "/".
    bool is(std::string_view name) const
    {
        if (m_element.size() <= name.size() + 1 || m_element.compare(1, name.size(), name) != 0)
            return false;
        const char after = m_element[name.size() + 1];
        return after == ' ' || after == '\t' || after == '>' || after == '/';
    }

private:
    std::string_view m_element;
};

} // namespace velmora
