#include "SetList.h"

#include "gamedb/ElementLine.h"
#include "gamedb/LineReader.h"
#include "gamedb/ListLayout.h"

#include <array>

namespace mamediff {
namespace {

using velmora::ElementLine;

std::uint64_t mix(std::uint64_t hash, std::string_view text)
{
    // FNV-1a, with a separator so "ab"+"c" and "a"+"bc" differ.
    for (const char c : text) {
        hash ^= std::uint8_t(c);
        hash *= 0x100000001b3ULL;
    }
    hash ^= 0xff;
    return hash * 0x100000001b3ULL;
}

std::string_view valueOr(const ElementLine& e, std::string_view name)
{
    const auto value = e.attribute(name);
    return value ? *value : std::string_view();
}

enum class Tag
{
    Other,
    SetStart,
    SetEnd,
    ListStart,
    ListEnd,
    Description,
    Year,
    Manufacturer,
    Rom,
    Disk,
    DeviceRef,
    Driver
};

// The element a line holds, told by its name after the first "<". Most lines of a list (inputs,
// dip switches, ports, chips) are none of these and are passed over after a few compares.
class TagReader
{
public:
    explicit TagReader(velmora::ListLayout layout)
        : m_setElement(layout == velmora::ListLayout::MachineElements ? "machine" : "game"),
          m_setEnd(layout == velmora::ListLayout::MachineElements ? "</machine" : "</game")
    {
    }

    Tag tagOf(std::string_view element) const
    {
        // The first letters of the elements read here; most lines start otherwise.
        static constexpr std::string_view kFirstLetters = "/rdymg";
        if (element.size() < 2 || kFirstLetters.find(element[1]) == std::string_view::npos)
            return Tag::Other;
        const ElementLine e(element);
        if (element[1] == '/') {
            if (element.starts_with(m_setEnd))
                return Tag::SetEnd;
            return element.starts_with("</mame") ? Tag::ListEnd : Tag::Other;
        }
        static constexpr std::array<std::pair<std::string_view, Tag>, 8> kTags{{
            {"rom", Tag::Rom},
            {"description", Tag::Description},
            {"year", Tag::Year},
            {"manufacturer", Tag::Manufacturer},
            {"disk", Tag::Disk},
            {"device_ref", Tag::DeviceRef},
            {"driver", Tag::Driver},
            {"mame", Tag::ListStart},
        }};
        if (e.is(m_setElement))
            return Tag::SetStart;
        for (const auto& [name, tag] : kTags)
            if (e.is(name))
                return tag;
        return Tag::Other;
    }

private:
    std::string_view m_setElement;
    std::string_view m_setEnd;
};

SetFile fileOf(const ElementLine& e, std::string_view kind)
{
    SetFile file;
    file.name = std::string(valueOr(e, "name"));
    file.fromParent = e.attribute("merge").has_value();
    file.dumped = valueOr(e, "status") != "nodump";
    std::uint64_t h = mix(0xcbf29ce484222325ULL, kind);
    h = mix(h, valueOr(e, "size"));
    h = mix(h, valueOr(e, "crc"));
    h = mix(h, valueOr(e, "sha1"));
    file.contents = mix(h, file.dumped ? "" : "nodump");
    return file;
}

class ListParser
{
public:
    ListParser(SetList& list, velmora::ListLayout layout) : m_list(list), m_tags(layout) {}

    void line(std::string_view line)
    {
        const std::size_t open = line.find('<');
        if (open == std::string_view::npos)
            return;
        const std::string_view element = line.substr(open);
        const Tag tag = m_tags.tagOf(element);
        if (tag == Tag::Other)
            return;
        const ElementLine e(element);
        if (tag == Tag::SetStart)
            return startSet(e, element);
        if (tag == Tag::ListStart)
            m_list.build = std::string(valueOr(e, "build"));
        if (tag == Tag::ListEnd)
            m_closed = true;
        if (!m_current)
            return;
        switch (tag) {
        case Tag::SetEnd:
            m_current = nullptr;
            break;
        case Tag::Description:
            m_current->description = decodeReferences(e.text());
            break;
        case Tag::Year:
            m_current->year = decodeReferences(e.text());
            break;
        case Tag::Manufacturer:
            m_current->manufacturer = decodeReferences(e.text());
            break;
        case Tag::Rom:
            m_current->files.push_back(fileOf(e, "rom"));
            break;
        case Tag::Disk:
            m_current->files.push_back(fileOf(e, "disk"));
            break;
        case Tag::DeviceRef:
            m_current->devices.emplace_back(valueOr(e, "name"));
            break;
        case Tag::Driver:
            m_current->status = std::string(valueOr(e, "status"));
            break;
        default:
            break;
        }
    }

    bool closed() const { return m_closed; }

private:
    void startSet(const ElementLine& e, std::string_view element)
    {
        Set& set = m_list.sets.emplace_back();
        set.name = std::string(valueOr(e, "name"));
        set.cloneOf = std::string(valueOr(e, "cloneof"));
        // A set written on one line ("<machine .../>") has nothing more to read.
        const bool empty = element.find("/>") != std::string_view::npos &&
                           element.find('>') == element.find("/>") + 1;
        m_current = empty ? nullptr : &set;
    }

    SetList& m_list;
    TagReader m_tags;
    Set* m_current = nullptr;
    bool m_closed = false;
};

void index(SetList& list)
{
    list.byName.reserve(list.sets.size());
    for (std::size_t i = 0; i < list.sets.size(); ++i)
        list.byName.emplace(list.sets[i].name, i); // the first of two sets of one name wins
}

} // namespace

std::string decodeReferences(std::string_view text)
{
    static constexpr std::array<std::pair<std::string_view, char>, 5> kReferences{{
        {"&amp;", '&'},
        {"&lt;", '<'},
        {"&gt;", '>'},
        {"&quot;", '"'},
        {"&apos;", '\''},
    }};
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool decoded = false;
        if (text[i] == '&') {
            for (const auto& [reference, c] : kReferences) {
                if (text.substr(i).starts_with(reference)) {
                    out += c;
                    i += reference.size() - 1;
                    decoded = true;
                    break;
                }
            }
        }
        if (!decoded)
            out += text[i];
    }
    return out;
}

SetListResult readSetList(const QString& path)
{
    SetListResult result;
    result.list.path = path.toStdString();
    velmora::LineReader lines(1024 * 1024);
    QString error;
    if (!lines.open(path, &error)) {
        result.error = "cannot be read: " + error.toStdString();
        return result;
    }
    ListParser parser(result.list, velmora::detectListLayout(lines));
    std::string_view line;
    while (lines.next(&line))
        parser.line(line);
    if (lines.failed()) {
        result.error = "could not be read to its end: " + lines.errorString().toStdString();
        return result;
    }
    if (result.list.sets.empty()) {
        result.error = "holds no machine list (no <machine> or <game> elements)";
        return result;
    }
    if (!parser.closed()) {
        result.error = "ends before its closing </mame> line: the list is incomplete";
        return result;
    }
    index(result.list);
    result.ok = true;
    return result;
}

} // namespace mamediff
