#pragma once
// The three game lists of the main window and the captions that name them.
#include <QString>

namespace velmora {

enum class ListKind
{
    All,
    Installed,
    Uninstalled
};

inline QString listCaption(ListKind kind)
{
    switch (kind) {
    case ListKind::Installed:
        return QStringLiteral("Installed Games");
    case ListKind::Uninstalled:
        return QStringLiteral("Uninstalled Games");
    case ListKind::All:
        break;
    }
    return QStringLiteral("All Games");
}

// "Installed Games" and "Uninstalled Games" name their lists; anything else is the All list.
inline ListKind listKindFromCaption(const QString& caption)
{
    if (caption == QLatin1String("Installed Games"))
        return ListKind::Installed;
    if (caption == QLatin1String("Uninstalled Games"))
        return ListKind::Uninstalled;
    return ListKind::All;
}

} // namespace velmora
