#pragma once
// Velmora's web site: the base address (built into the program, or WebSite in section
// Miscellaneous of options.ini) and the two fixed pages the program asks it for.
#include "app/Preferences.h"

#include <QString>
#include <QUrl>

namespace velmora {

inline const QString kUpdatePagePath = QStringLiteral("/velmora/index.html");
inline const QString kNewsPath = QStringLiteral("/velmora/news.txt");

// The base address without a trailing "/": the preference when set, else the built-in one.
QString webSiteAddress(const Preferences& prefs);

// The base address followed by a fixed path ("/velmora/news.txt").
QUrl webSiteUrl(const Preferences& prefs, const QString& path);

} // namespace velmora
