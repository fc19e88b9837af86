#include "lists/GameFieldReader.h"

namespace velmora {
namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

void GameFieldReader::skipLineEnds()
{
    while (m_pos < m_text.size() && (isLineEnd(m_text[m_pos]) || isBlank(m_text[m_pos])))
        ++m_pos;
}

bool GameFieldReader::atEnd()
{
    skipLineEnds();
    return m_pos >= m_text.size();
}

bool GameFieldReader::nextField(QByteArray* field)
{
    const qsizetype size = m_text.size();
    const char* data = m_text.constData();
    if (m_afterComma) {
        // A comma at the end of a line leaves an empty field before the line end.
        m_afterComma = false;
        while (m_pos < size && isBlank(data[m_pos]))
            ++m_pos;
        if (m_pos >= size || isLineEnd(data[m_pos])) {
            field->clear();
            return true;
        }
    } else if (atEnd()) {
        return false;
    }
    qsizetype end;
    if (data[m_pos] == '"') {
        // A quoted field runs to the next quote (or the line end when the quote is missing);
        // anything between the closing quote and the separator is passed over.
        qsizetype close = m_pos + 1;
        while (close < size && data[close] != '"' && !isLineEnd(data[close]))
            ++close;
        *field = QByteArray::fromRawData(data + m_pos + 1, close - m_pos - 1);
        end = close;
        while (end < size && data[end] != ',' && !isLineEnd(data[end]))
            ++end;
    } else {
        end = m_pos;
        while (end < size && data[end] != ',' && !isLineEnd(data[end]))
            ++end;
        *field = m_text.sliced(m_pos, end - m_pos).trimmed();
    }
    // A comma ends this field only; the next field follows it on the same line.
    m_afterComma = end < size && data[end] == ',';
    m_pos = m_afterComma ? end + 1 : end;
    return true;
}

GameFieldReader::Outcome GameFieldReader::readRecord(GameRecord* record)
{
    for (int i = 0; i < GameRecord::FieldCount; ++i) {
        if (!nextField(&record->fields[i]))
            return i == 0 ? Outcome::End : Outcome::PastEnd;
    }
    return Outcome::Record;
}

} // namespace velmora
