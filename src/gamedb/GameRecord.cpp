#include "gamedb/GameRecord.h"

#include <algorithm>

namespace velmora {

void GameRecord::resetToDefaults()
{
    static const QByteArray kEmpty;
    fields[Year] = QByteArrayLiteral("19??");
    for (Field f : {Status, Color, Sound, Graphic, Palette, Manufacturer, Type, Display,
                    Orientation, Frequency})
        fields[f] = kEmpty;
    fields[Origin] = QByteArrayLiteral("Original");
    fields[Source] = QByteArrayLiteral("?");
    fields[RomOf] = QByteArrayLiteral("N/A");
    fields[Chd] = QByteArrayLiteral("No");
}

namespace {

bool breaksTheLine(char c)
{
    return c == '"' || c == '\r' || c == '\n';
}

// A field's text as the line can carry it: a double quote would end the field early and a line
// end would split the record, so a quote becomes the XML reference the list itself uses for one
// and a line end becomes a blank.
void appendField(QByteArray& out, const QByteArray& field)
{
    if (std::none_of(field.begin(), field.end(), breaksTheLine)) {
        out += field;
        return;
    }
    for (char c : field) {
        if (c == '"')
            out += "&quot;";
        else
            out += breaksTheLine(c) ? ' ' : c;
    }
}

} // namespace

void GameRecord::appendLine(QByteArray& out) const
{
    for (int i = 0; i < FieldCount; ++i) {
        if (i)
            out += ',';
        out += '"';
        appendField(out, fields[i]);
        out += '"';
    }
    out += "\r\n";
}

QByteArray GameRecord::toLine() const
{
    QByteArray out;
    appendLine(out);
    out.chop(2);
    return out;
}

bool GameRecord::fromLine(const QByteArray& line, GameRecord* record)
{
    qsizetype end = line.size();
    while (end > 0 && (line[end - 1] == '\r' || line[end - 1] == '\n'))
        --end;
    qsizetype pos = 0;
    int field = 0;
    for (; field < FieldCount && pos < end; ++field) {
        if (line[pos] != '"')
            return false;
        const qsizetype close = line.indexOf('"', pos + 1);
        if (close < 0 || close >= end)
            return false;
        record->fields[field] = line.mid(pos + 1, close - pos - 1);
        pos = close + 1;
        if (pos < end) {
            if (line[pos] != ',')
                return false;
            ++pos;
        }
    }
    for (int i = field; i < FieldCount; ++i)
        record->fields[i].clear();
    return field == FieldCount && pos >= end;
}

GameRecord GameRecord::fromLine(const QByteArray& line)
{
    GameRecord record;
    fromLine(line, &record);
    return record;
}

} // namespace velmora
