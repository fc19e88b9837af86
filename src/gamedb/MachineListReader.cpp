#include "gamedb/MachineListReader.h"

#include "gamedb/ElementLine.h"
#include "gamedb/FieldText.h"

namespace velmora {
namespace {

const QString kPastEnd = QStringLiteral("Input past end of file");

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

bool isIndent(char c)
{
    return c == ' ' || c == '\t';
}

// The element that starts the line after its indentation; empty when the line holds none.
std::string_view elementOf(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && isIndent(line[i]))
        ++i;
    if (i == line.size() || line[i] != '<')
        return {};
    return line.substr(i);
}

bool endsElement(std::string_view element)
{
    std::size_t end = element.size();
    while (end > 0 && isIndent(element[end - 1]))
        --end;
    return end >= 2 && element.substr(end - 2, 2) == "/>";
}

} // namespace

MachineListReader::MachineListReader()
{
    m_record.resetToDefaults();
}

ListReadResult MachineListReader::read(LineReader& lines, DatabaseOutput& out)
{
    std::string_view line;
    while (!m_listClosed && lines.next(&line)) {
        out.lineRead(lines.lineNumber());
        const std::string_view element = elementOf(line);
        if (m_inResource) {
            out.resource.appendLine(line);
            m_inResource = !ElementLine(element).is("/machine");
        } else if (!element.empty()) {
            readElement(element, line, out);
        }
    }
    if (!m_listClosed)
        return ListReadError{kPastEnd, lines.lineNumber() + 1};
    return std::nullopt;
}

// The elements the reader looks at, told apart by their first letters so that the many lines of
// ROMs, ports and switches are passed over after a glance.
MachineListReader::Tag MachineListReader::tagOf(std::string_view element)
{
    if (element.size() < 4)
        return Tag::Other;
    const ElementLine e(element);
    switch (element[1]) {
    case '/':
        return e.is("/machine") ? Tag::MachineEnd : e.is("/mame") ? Tag::ListEnd : Tag::Other;
    case 'm':
        return e.is("machine")        ? Tag::Machine
               : e.is("manufacturer") ? Tag::Manufacturer
                                      : Tag::Other;
    case 'y':
        return e.is("year") ? Tag::Year : Tag::Other;
    case 'f':
        return e.is("feature") ? Tag::Feature : Tag::Other;
    case 'd':
        break;
    default:
        return Tag::Other;
    }
    switch (element[2]) {
    case 'e':
        return e.is("description") ? Tag::Description : Tag::Other;
    case 'r':
        return e.is("driver") ? Tag::Driver : Tag::Other;
    case 'i':
        return e.is("display") ? Tag::Display : e.is("disk") ? Tag::Disk : Tag::Other;
    default:
        return Tag::Other;
    }
}

void MachineListReader::readElement(std::string_view element, std::string_view line,
                                    DatabaseOutput& out)
{
    const Tag tag = tagOf(element);
    if (tag == Tag::Other)
        return;
    if (tag == Tag::Machine)
        return beginMachine(element, line, out);
    if (tag == Tag::MachineEnd)
        return endMachine(out);
    if (tag == Tag::ListEnd) {
        // resource.txt has been written along the way; it is finished with the list.
        out.progress.setMessage(QStringLiteral("Creating resource.txt..."));
        out.progress.repaint();
        m_listClosed = true;
        return;
    }
    if (!m_inGame)
        return;
    const ElementLine e(element);
    switch (tag) {
    case Tag::Description:
        m_record[GameRecord::Game] = bytes(e.text());
        break;
    case Tag::Year:
        m_record[GameRecord::Year] = bytes(e.text());
        break;
    case Tag::Manufacturer:
        m_record[GameRecord::Manufacturer] = bytes(e.text());
        break;
    case Tag::Disk:
        m_record[GameRecord::Chd] = QByteArrayLiteral("Yes");
        break;
    case Tag::Display:
        readDisplay(element);
        break;
    case Tag::Driver:
        readDriver(element);
        break;
    case Tag::Feature:
        readFeature(element);
        break;
    default:
        break;
    }
}

void MachineListReader::beginMachine(std::string_view element, std::string_view line,
                                     DatabaseOutput& out)
{
    const ElementLine e(element);
    const bool resource = e.attribute("runnable") == "no" || e.attribute("isbios") == "yes" ||
                          e.attribute("isdevice") == "yes";
    if (resource) {
        out.resource.appendLine(line);
        m_inResource = !endsElement(element);
        m_inGame = false;
        return;
    }
    m_inGame = true;
    m_displaySeen = false;
    m_record.resetToDefaults();
    for (Quality& q : m_quality)
        q = Quality();
    m_record[GameRecord::Rom] = bytes(e.attribute("name").value_or(std::string_view()));
    if (const auto source = e.attribute("sourcefile"))
        m_record[GameRecord::Source] = bytes(*source);
    if (const auto parent = e.attribute("cloneof"))
        m_record[GameRecord::Origin] = "Clone of " + bytes(*parent);
    if (const auto romOf = e.attribute("romof"))
        m_record[GameRecord::RomOf] = bytes(*romOf);
    if (endsElement(element))
        endMachine(out);
}

void MachineListReader::endMachine(DatabaseOutput& out)
{
    if (!m_inGame)
        return;
    static constexpr GameRecord::Field kFields[QualityCount] = {
        GameRecord::Color, GameRecord::Sound, GameRecord::Graphic};
    for (int i = 0; i < QualityCount; ++i) {
        const Quality& q = m_quality[i];
        m_record[kFields[i]] = q.fromDriver.value_or(q.fromFeature.value_or("Good"));
    }
    out.writeGame(m_record);
    m_inGame = false;
}

// The first display gives Type, Orientation, Display and Frequency; a second one makes Display
// "Multiple". A screen that is neither raster nor vector shows its size as raster does when it
// has one.
void MachineListReader::readDisplay(std::string_view element)
{
    if (m_displaySeen) {
        m_record[GameRecord::Display] = QByteArrayLiteral("Multiple");
        return;
    }
    m_displaySeen = true;
    const ElementLine e(element);
    const std::string_view type = e.attribute("type").value_or(std::string_view());
    const std::string_view rotate = e.attribute("rotate").value_or(std::string_view());
    const auto width = e.attribute("width");
    const auto height = e.attribute("height");
    m_record[GameRecord::Type] = properCase(type);
    const bool vertical = rotate == "90" || rotate == "270";
    m_record[GameRecord::Orientation] = vertical ? "Vertical" : "Horizontal";
    if (m_record[GameRecord::Type] == "Vector")
        m_record[GameRecord::Display] = QByteArrayLiteral("N/A");
    else if (width && height)
        m_record[GameRecord::Display] = rightAligned(bytes(*width) + 'x' + bytes(*height), 8);
    else
        m_record[GameRecord::Display] = QByteArrayLiteral("Multiple");
    m_record[GameRecord::Frequency] = bytes(e.attribute("refresh").value_or(std::string_view()));
}

void MachineListReader::readDriver(std::string_view element)
{
    const ElementLine e(element);
    m_record[GameRecord::Status] = properCase(e.attribute("status").value_or(std::string_view()));
    static constexpr std::string_view kNames[QualityCount] = {"color", "sound", "graphic"};
    for (int i = 0; i < QualityCount; ++i)
        if (const auto value = e.attribute(kNames[i]))
            m_quality[i].fromDriver = properCase(*value);
    if (const auto palette = e.attribute("palettesize"))
        m_record[GameRecord::Palette] = rightAligned(bytes(*palette), 6);
}

// A feature of type palette, sound or graphics tells how well that part works: its overall state
// (the machine's devices counted) when it has one, else its own status.
void MachineListReader::readFeature(std::string_view element)
{
    static constexpr std::string_view kTypes[QualityCount] = {"palette", "sound", "graphics"};
    const ElementLine e(element);
    const std::string_view type = e.attribute("type").value_or(std::string_view());
    for (int i = 0; i < QualityCount; ++i) {
        if (type != kTypes[i])
            continue;
        const auto state = e.attribute("overall") ? e.attribute("overall") : e.attribute("status");
        m_quality[i].fromFeature = state ? properCase(*state) : QByteArrayLiteral("Good");
    }
}

} // namespace velmora
