#pragma once
// The printer seam: a rich-text document printed page by page with the given margins.
#include <QString>

class QTextDocument;

namespace velmora::platform {

class Printer
{
public:
    virtual ~Printer() = default;
    // Prints the document; false with an error text when there is no printer or printing failed.
    virtual bool print(QTextDocument& document, int marginTwips, QString* error) = 0;
};

} // namespace velmora::platform
