#pragma once
// One game of the database: the 17 text fields that the game lists show, and the one writer and
// reader of their line form, shared by gameinfo.txt, favorite.txt and every list.
//
// A line is the 17 fields in order, each in double quotes, separated by commas, no spaces; the
// line end (CR LF) is not part of toLine(). The machine list's XML references are kept as written;
// a raw double quote (legal in an element's text) is written as "&quot;" and a line end as a
// blank, so every line written reads back as the same 17 fields.
#include <QByteArray>
#include <array>

namespace velmora {

struct GameRecord
{
    // The fields in file order; the list columns follow the same order.
    enum Field
    {
        Game,
        Year,
        Status,
        Color,
        Sound,
        Graphic,
        Palette,
        Manufacturer,
        Type,
        Display,
        Orientation,
        Frequency,
        Origin,
        Rom,
        Source,
        RomOf,
        Chd,
        FieldCount
    };

    // Bytes are carried unchanged from the machine list (MAME writes UTF-8).
    std::array<QByteArray, FieldCount> fields;

    QByteArray& operator[](Field f) { return fields[f]; }
    const QByteArray& operator[](Field f) const { return fields[f]; }

    // The values a field takes when the machine list gives none. Game and ROM keep the previous
    // game's value instead, so resetToDefaults() leaves them alone.
    void resetToDefaults();

    QByteArray toLine() const;
    // Appends toLine() and CR LF to out (the hot path of the database builder).
    void appendLine(QByteArray& out) const;
    // Reads a line written by toLine(); a trailing CR or LF is ignored. Missing fields stay empty;
    // false when the line is not of the 17-field form.
    static bool fromLine(const QByteArray& line, GameRecord* record);
    static GameRecord fromLine(const QByteArray& line);
};

} // namespace velmora
