#pragma once
// The names in one folder, found without regard to letter case: the folder is listed once and
// listed again only when it changed (a file added, removed or renamed), so that looking up the
// pictures of every game the user moves to costs no folder listing.
#include <QDateTime>
#include <QHash>
#include <QString>

namespace velmora {

class FolderIndex
{
public:
    explicit FolderIndex(const QString& folder = QString()) : m_folder(folder) {}

    const QString& folder() const { return m_folder; }
    // Lists the folder again when it changed since it was listed (one look at the folder).
    void refresh();
    // The path of the entry named `name` in any letter case; empty when there is none.
    QString find(const QString& name) const;

private:
    QString m_folder;
    QDateTime m_listedAt; // the folder's modification time when it was listed; null: never
    QHash<QString, QString> m_names; // lower-case name -> name
};

} // namespace velmora
