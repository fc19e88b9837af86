#pragma once
// Zip archives for the tests that hand ROM sets to Debian's MAME: stored (uncompressed) files of
// chosen names and contents, so a set can be made with files of the wrong length or checksum.
#include <QByteArray>
#include <utility>
#include <vector>

namespace velmora::testing {

// An empty zip archive: pong needs no ROMs, so this alone makes it installed.
inline const QByteArray kEmptyZip("PK\x05\x06" + QByteArray(18, '\0'));

// Appends `bytes` bytes of `value`, least significant first (zip fields are little-endian).
inline void appendLe(QByteArray& out, quint64 value, int bytes)
{
    for (int i = 0; i < bytes; ++i, value >>= 8)
        out.append(char(value & 0xFF));
}

inline quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char c : data) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A zip of stored files, each given by its name and content.
inline QByteArray zipArchive(const std::vector<std::pair<QByteArray, QByteArray>>& files)
{
    // Version, flags, method (stored), time and date 1980-01-01, then checksum and sizes.
    const auto header = [](QByteArray& out, const QByteArray& name, const QByteArray& content) {
        appendLe(out, 10, 2);
        appendLe(out, 0, 6);
        appendLe(out, 0x21, 2);
        appendLe(out, crc32(content), 4);
        appendLe(out, quint32(content.size()), 4);
        appendLe(out, quint32(content.size()), 4);
        appendLe(out, quint32(name.size()), 2);
        appendLe(out, 0, 2); // no extra field
    };
    QByteArray zip;
    QByteArray central;
    for (const auto& [name, content] : files) {
        const quint32 offset = quint32(zip.size());
        zip += "PK\x03\x04";
        header(zip, name, content);
        zip += name + content;
        central += "PK\x01\x02";
        appendLe(central, 20, 2); // made by
        header(central, name, content);
        appendLe(central, 0, 10); // comment length, disk, internal and external attributes
        appendLe(central, offset, 4);
        central += name;
    }
    const quint32 centralAt = quint32(zip.size());
    zip += central + "PK\x05\x06";
    appendLe(zip, 0, 4);
    appendLe(zip, files.size(), 2);
    appendLe(zip, files.size(), 2);
    appendLe(zip, quint32(central.size()), 4);
    appendLe(zip, centralAt, 4);
    appendLe(zip, 0, 2);
    return zip;
}

} // namespace velmora::testing
