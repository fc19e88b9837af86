#pragma once
// The Favorite List Changes report: the cumulative log of favourites dropped after MAME upgrades
// (reports/changes.txt) under a note that says why they went and how to reset the log.
#include <QString>

#include <optional>

namespace velmora {

// The report's text with carriage returns between its lines, or nothing when changes.txt does
// not exist (or cannot be read).
std::optional<QString> favoriteListChangesText(const QString& changesFile);

} // namespace velmora
