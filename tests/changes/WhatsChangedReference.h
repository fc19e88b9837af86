#pragma once
// Plain implementations of the two What's Changed compares, written straight from their
// descriptions (the ROMs compare reads the previous list again from its start for every game; the
// All Info compare cuts chunks off whole-text strings and searches the rest). They are far too slow
// for real lists and serve as the yardstick the program's compares must match byte for byte.
// Both return the whole report, or an empty text when nothing is listed.
#include "gamedb/XmlText.h"

#include <QByteArray>
#include <QList>
#include <QSet>

namespace velmora::testing {

// Lines without their line ends: LF, or CR LF; a final line end adds no line.
inline QList<QByteArray> referenceLines(const QByteArray& text)
{
    QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].endsWith('\r'))
            lines[i].chop(1);
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The game of a checksum line: the field after the first tab, or all after the second blank,
// without the blanks around it.
inline QByteArray referenceKey(const QByteArray& line)
{
    const bool tabbed = line.contains('\t');
    const QList<QByteArray> fields = line.split(tabbed ? '\t' : ' ');
    QByteArray key = tabbed ? fields[1] : fields.mid(2).join(' ');
    while (key.startsWith(' ') || key.endsWith(' '))
        key = key.startsWith(' ') ? key.mid(1) : key.chopped(1);
    return key;
}

// The lines of `key` from `i` on, joined; `i` ends past them.
inline QByteArray referenceBlock(const QList<QByteArray>& lines, qsizetype& i,
                                 const QByteArray& key)
{
    QByteArray block;
    for (; i < lines.size() && referenceKey(lines[i]) == key; ++i)
        block += lines[i];
    return block;
}

inline QByteArray referenceRomChanges(const QByteArray& newText, const QByteArray& oldText)
{
    const QList<QByteArray> lines = referenceLines(newText), oldLines = referenceLines(oldText);
    QByteArray result;
    QSet<QByteArray> devices;
    for (qsizetype i = 0; i < lines.size();) {
        const QByteArray key = referenceKey(lines[i]);
        const bool tabbed = lines[i].contains('\t');
        const QByteArray block = referenceBlock(lines, i, key);
        qsizetype j = 0; // the previous list, read again from its start
        while (j < oldLines.size() && referenceKey(oldLines[j]) != key)
            ++j;
        // A device's ROMs repeat under every machine using it: only its first block counts.
        if (referenceBlock(oldLines, j, key) != block && !(tabbed && devices.contains(key)))
            result += key + "\r\n";
        if (tabbed)
            devices.insert(key);
    }
    return result.isEmpty() ? QByteArray()
                            : "The following games have been added or their ROMs have changed in "
                              "this version of M.A.M.E.  NOTE: This report does not show ROMs "
                              "that were removed.\r\n\r\n\r\nGame \r\n\r\n" +
                                  result;
}

// The start of a game element as the list spells it; empty when it has none.
inline QByteArray referenceElement(const QByteArray& text)
{
    const qsizetype machine = text.indexOf("<machine n", 6), game = text.indexOf("<game n", 6);
    return game >= 0 && (machine < 0 || game < machine) ? "<game "
           : machine >= 0                               ? "<machine "
                                                        : "";
}

// Cuts the next chunk off the front of `content`; `last` tells whether it was the last one.
inline QByteArray referenceCut(QByteArray& content, const QByteArray& element, bool& last)
{
    const qsizetype named = content.indexOf(element + 'n', 6);
    const qsizetype end = named >= 0 ? named : content.indexOf(element + 'r', 6);
    last = end < 0;
    const QByteArray chunk = last ? content : content.left(end);
    content.remove(0, chunk.size());
    return chunk;
}

// The name up to its quote and the description up to the next tag; a length below zero takes
// the rest of the chunk.
inline QByteArray referenceNameTabDescription(const QByteArray& chunk)
{
    const qsizetype at = chunk.indexOf("name="), begin = qMin(at + 6, chunk.size());
    const qsizetype quote = at < 0 ? 0 : chunk.indexOf('"', begin);
    const qsizetype tag = chunk.indexOf("<desc", quote), from = qMin(tag + 13, chunk.size());
    return (at < 0 ? "" : chunk.mid(begin, quote - begin)) + '\t' +
           (tag < 0 ? "" : chunk.mid(from, chunk.indexOf('<', from) - from));
}

// Empty when the current or the previous list has no game element.
inline QByteArray referenceMachineChanges(QByteArray content, QByteArray old)
{
    const QByteArray element = referenceElement(content), oldElement = referenceElement(old);
    if (element.isEmpty() || oldElement.isEmpty())
        return {};
    content.remove(0, content.indexOf(element + 'n', 6)); // the headers
    old.remove(0, old.indexOf(oldElement + 'n', 6));
    QByteArray result;
    for (bool last = false; !last;) {
        const QByteArray chunk = referenceCut(content, element, last);
        if (const qsizetype at = old.indexOf(chunk); at >= 0)
            old.remove(at, chunk.size());
        else
            result += referenceNameTabDescription(chunk) + "\r\n";
    }
    for (bool last = old.isEmpty(); !last;) {
        const QByteArray entry = referenceNameTabDescription(referenceCut(old, oldElement, last));
        if (!result.contains(entry))
            result += entry + "\r\n";
    }
    return result.isEmpty()
               ? QByteArray()
               : "These games and/or resources have changed in this version of M.A.M.E.  A change "
                 "does not necessarily mean the ROM will have to be replaced.  It can be a simple "
                 "change such as a release year or even a change in the listxml.txt format."
                 "\r\n\r\n\r\nROM\tDescription\r\n\r\n" +
                     decodeXmlBytes(result); // listed as the user reads them
}

} // namespace velmora::testing
