#pragma once
// Game Information: what the community files history.dat, mameinfo.dat and cheat.dat in the MAME
// folder say about one game, put together as the text the report panel shows under the headings
// "History.Dat", "Mameinfo.Dat" and "Cheat.Dat".
//
// The files are tens of megabytes, so each is read from its start only up to the end of the
// game's entry; nothing is kept between calls. Names are compared exactly (letter case counts).
#include <QString>

#include <functional>

namespace velmora {

struct GameInformation
{
    // The text with CR LF line breaks; on a read error, "Error: " with the error's number and text.
    QString text;
    bool failed = false;
};

// Called now and then while a file is read, so the window can repaint.
using KeepAlive = std::function<void()>;

// The three parts of a game's information, each of which says so when its file is missing or
// does not list the game.
GameInformation gameInformation(const QString& mameFolder, const QString& rom,
                                const KeepAlive& keepAlive = {});

// The headings that are shown in bold, in the order they appear.
inline constexpr const char* kGameInformationHeadings[] = {"History.Dat", "Mameinfo.Dat",
                                                           "Cheat.Dat"};

} // namespace velmora
