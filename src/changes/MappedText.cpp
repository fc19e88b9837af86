#include "changes/MappedText.h"

namespace velmora {

MappedText::MappedText(const QString& path) : m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly))
        return;
    m_open = true;
    const qint64 size = m_file.size();
    if (size <= 0)
        return;
    if (uchar* bytes = m_file.map(0, size)) {
        m_text = std::string_view(reinterpret_cast<const char*>(bytes), size_t(size));
        return;
    }
    m_copy = m_file.readAll();
    m_text = std::string_view(m_copy.constData(), size_t(m_copy.size()));
}

} // namespace velmora
