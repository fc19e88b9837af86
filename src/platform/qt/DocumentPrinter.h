#pragma once
// Prints a rich-text document page after page on a QPrinter with equal margins on all four
// sides. The printable area is the paper less the margins; the printer's own unprintable edge is
// already part of the page layout Qt reports, so nothing is printed outside the margins on any
// printer. The default printer and the PDF printer of the tests share this one path.
#include <QString>

class QPrinter;
class QTextDocument;

namespace velmora::platform {

// The document is laid out again for the printer's resolution (the shown document is left as it
// is). False with the reason in *error when the printer cannot be painted on.
bool printDocument(const QTextDocument& document, QPrinter& printer, int marginTwips,
                   QString* error);

} // namespace velmora::platform
