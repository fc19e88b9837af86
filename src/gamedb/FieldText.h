#pragma once
// The two ways the database builder shapes a field of the game record.
#include <QByteArray>

#include <string_view>

namespace velmora {

// First letter of each word upper case, every other letter lower case ("preliminary" becomes
// "Preliminary"). Words are separated by white space; bytes that are not ASCII letters stay.
QByteArray properCase(std::string_view text);

// Spaces added on the left up to `width` characters; a longer text stays unchanged. The padding
// makes the list's text order of the Palette and Display columns match their numeric order.
QByteArray rightAligned(const QByteArray& text, int width);

} // namespace velmora
