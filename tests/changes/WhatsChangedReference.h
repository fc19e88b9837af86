#pragma once
// Plain implementations of the two What's Changed compares, written straight from their
// descriptions (the ROMs compare reads the previous list again from its start for every game; the
// All Info compare cuts chunks off whole-text strings and searches the rest). They are far too slow
// for real lists and serve as the yardstick the program's compares must match byte for byte.
// Both return the whole report, or an empty text when nothing is listed.
#include <QByteArray>
#include <QList>
#include <QSet>

namespace velmora::testing {

// ---- ROMs Info ---------------------------------------------------------------------------------

// Lines without their line ends: LF, or CR LF; a final line end adds no line.
inline QList<QByteArray> referenceLines(const QByteArray& text)
{
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype end = text.indexOf('\n', pos);
        if (end < 0) {
            lines << text.mid(pos);
            break;
        }
        QByteArray line = text.mid(pos, end - pos);
        if (line.endsWith('\r'))
            line.chop(1);
        lines << line;
        pos = end + 1;
    }
    return lines;
}

inline QByteArray referenceTrim(QByteArray s)
{
    while (s.startsWith(' '))
        s.remove(0, 1);
    while (s.endsWith(' '))
        s.chop(1);
    return s;
}

inline QByteArray referenceKey(const QByteArray& line)
{
    if (line.contains('\t')) {
        const qsizetype first = line.indexOf('\t');
        const qsizetype second = line.indexOf('\t', first + 1);
        return referenceTrim(line.mid(first + 1, second < 0 ? -1 : second - first - 1));
    }
    const qsizetype first = line.indexOf(' ');
    const qsizetype second = first < 0 ? -1 : line.indexOf(' ', first + 1);
    return second < 0 ? QByteArray() : referenceTrim(line.mid(second + 1));
}

inline QByteArray referenceRomChanges(const QByteArray& newText, const QByteArray& oldText)
{
    const QList<QByteArray> lines = referenceLines(newText);
    const QList<QByteArray> oldLines = referenceLines(oldText);
    int count = 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (i == 0 || referenceKey(lines[i]) != referenceKey(lines[i - 1]))
            ++count;
    QByteArray result;
    QSet<QByteArray> devices;
    int value = 0;
    qsizetype i = 0;
    while (value < count) {
        const QByteArray key = referenceKey(lines[i]);
        const bool tabbed = lines[i].contains('\t');
        QByteArray block;
        for (; i < lines.size() && referenceKey(lines[i]) == key; ++i)
            block += lines[i];
        // The previous list, read again from its start.
        QByteArray oldBlock;
        qsizetype j = 0;
        while (j < oldLines.size() && referenceKey(oldLines[j]) != key)
            ++j;
        for (; j < oldLines.size() && referenceKey(oldLines[j]) == key; ++j)
            oldBlock += oldLines[j];
        const bool repeated = tabbed && devices.contains(key);
        if (tabbed)
            devices.insert(key);
        if (!repeated && block != oldBlock)
            result += key + "\r\n";
        ++value;
    }
    if (result.isEmpty())
        return {};
    return "The following games have been added or their ROMs have changed in this version of "
           "M.A.M.E.  NOTE: This report does not show ROMs that were removed.\r\n\r\n\r\nGame "
           "\r\n\r\n" +
           result;
}

// ---- All Info ----------------------------------------------------------------------------------

struct ReferenceLayout
{
    QByteArray name, runnable;
    bool found = false;
};

inline ReferenceLayout referenceLayout(const QByteArray& text)
{
    const qsizetype machine = text.indexOf("<machine n", 6);
    const qsizetype game = text.indexOf("<game n", 6);
    if (game >= 0 && (machine < 0 || game < machine))
        return {"<game n", "<game r", true};
    if (machine >= 0)
        return {"<machine n", "<machine r", true};
    return {};
}

// Cuts the next chunk off the front of `content`; `last` tells whether it was the last one.
inline QByteArray referenceCut(QByteArray& content, const ReferenceLayout& layout, bool& last)
{
    qsizetype end = content.indexOf(layout.name, 6);
    if (end < 0)
        end = content.indexOf(layout.runnable, 6);
    last = end < 0;
    const QByteArray chunk = last ? content : content.left(end);
    content.remove(content.indexOf(chunk), chunk.size());
    return chunk;
}

inline QByteArray referenceNameTabDescription(const QByteArray& chunk)
{
    QByteArray name, description;
    qsizetype quote = 0;
    const qsizetype at = chunk.indexOf("name=");
    if (at >= 0) {
        const qsizetype begin = qMin(at + 6, chunk.size());
        quote = chunk.indexOf('"', begin);
        if (quote < 0)
            quote = chunk.size();
        name = chunk.mid(begin, quote - begin);
    }
    const qsizetype tag = chunk.indexOf("<desc", quote);
    if (tag >= 0) {
        const qsizetype begin = qMin(tag + 13, chunk.size());
        qsizetype end = chunk.indexOf('<', begin);
        if (end < 0)
            end = chunk.size();
        description = chunk.mid(begin, end - begin);
    }
    return name + '\t' + description;
}

// Empty with `unusable` set to 1 or 2 when the current or the previous list has no game element.
inline QByteArray referenceMachineChanges(QByteArray content, QByteArray old,
                                          int* unusable = nullptr)
{
    const ReferenceLayout layout = referenceLayout(content), oldLayout = referenceLayout(old);
    if (unusable)
        *unusable = !layout.found ? 1 : !oldLayout.found ? 2 : 0;
    if (!layout.found || !oldLayout.found)
        return {};
    const QByteArray header = content.left(content.indexOf(layout.name, 6));
    content.remove(content.indexOf(header), header.size());
    const QByteArray oldHeader = old.left(old.indexOf(oldLayout.name, 6));
    old.remove(old.indexOf(oldHeader), oldHeader.size());

    QByteArray result;
    bool last = false;
    while (!last) {
        const QByteArray chunk = referenceCut(content, layout, last);
        const qsizetype at = old.indexOf(chunk);
        if (at >= 0)
            old.remove(at, chunk.size());
        else
            result += referenceNameTabDescription(chunk) + "\r\n";
    }
    last = old.isEmpty();
    while (!last) {
        const QByteArray entry = referenceNameTabDescription(referenceCut(old, oldLayout, last));
        if (!result.contains(entry))
            result += entry + "\r\n";
    }
    if (result.isEmpty())
        return {};
    return "These games and/or resources have changed in this version of M.A.M.E.  A change does "
           "not necessarily mean the ROM will have to be replaced.  It can be a simple change such "
           "as a release year or even a change in the listxml.txt format.\r\n\r\n\r\nROM\t"
           "Description\r\n\r\n" +
           result;
}

} // namespace velmora::testing
