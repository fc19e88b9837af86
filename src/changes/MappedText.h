#pragma once
// A whole file as read-only bytes. Large lists are mapped rather than copied, so comparing two
// machine lists of a few hundred megabytes does not hold them in private memory.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <string_view>

namespace velmora {

class MappedText
{
public:
    explicit MappedText(const QString& path);
    MappedText(const MappedText&) = delete;
    MappedText& operator=(const MappedText&) = delete;

    // False when the file is missing or cannot be read.
    bool isOpen() const { return m_open; }
    std::string_view text() const { return m_text; }

private:
    QFile m_file;
    QByteArray m_copy; // where the file could not be mapped
    std::string_view m_text;
    bool m_open = false;
};

} // namespace velmora
