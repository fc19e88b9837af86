#include "info/FolderIndex.h"

#include <QDir>
#include <QFileInfo>

namespace velmora {

void FolderIndex::refresh()
{
    if (m_folder.isEmpty())
        return;
    const QFileInfo info(m_folder);
    const QDateTime modified = info.isDir() ? info.lastModified() : QDateTime();
    if (modified == m_listedAt && !m_listedAt.isNull())
        return;
    m_listedAt = modified;
    m_names.clear();
    if (modified.isNull())
        return;
    const QStringList names =
        QDir(m_folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    m_names.reserve(names.size());
    for (const QString& name : names) { // of names that differ only in case, the first is kept
        const QString key = name.toLower();
        if (!m_names.contains(key))
            m_names.insert(key, name);
    }
}

QString FolderIndex::find(const QString& name) const
{
    const auto it = m_names.constFind(name.toLower());
    return it == m_names.cend() ? QString() : m_folder + u'/' + *it;
}

} // namespace velmora
