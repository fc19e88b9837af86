#pragma once
// Reads the database (gameinfo.txt, favorite.txt) field by field, the way the lists were always
// read: a field is the text between double quotes, or an unquoted text trimmed of blanks; fields
// are separated by commas or line ends. Records are taken 17 fields at a time, so a line with
// fewer fields takes the rest from the next line. Empty lines hold no field.
//
// Quoted fields point into the text (QByteArray::fromRawData): they are valid while the text the
// reader was given lives and is not changed.
#include "gamedb/GameRecord.h"

#include <QByteArray>

namespace velmora {

class GameFieldReader
{
public:
    explicit GameFieldReader(const QByteArray& text) : m_text(text) {}

    enum class Outcome
    {
        Record, // all 17 fields read
        End,    // the end of the text before the first field
        PastEnd // the end of the text in the middle of a record
    };
    // Overwrites the record's fields one after another; after PastEnd the fields not reached
    // keep the previous record's values.
    Outcome readRecord(GameRecord* record);

    bool atEnd();

private:
    bool nextField(QByteArray* field);
    void skipLineEnds();

    const QByteArray& m_text;
    qsizetype m_pos = 0;
    bool m_afterComma = false;
};

} // namespace velmora
