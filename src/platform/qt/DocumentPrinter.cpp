#include "platform/qt/DocumentPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

namespace velmora::platform {
namespace {

constexpr double kTwipsPerInch = 1440.0;

void setMargins(QPrinter& printer, int marginTwips)
{
    const double inches = marginTwips / kTwipsPerInch;
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(inches, inches, inches, inches), QPageLayout::Inch);
}

// A copy of the document laid out in pages of `page` (printer pixels) with the printer's fonts.
std::unique_ptr<QTextDocument> paginated(const QTextDocument& source, QPrinter& printer,
                                         const QSizeF& page)
{
    std::unique_ptr<QTextDocument> copy(source.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    copy->setPageSize(page);
    return copy;
}

} // namespace

bool printDocument(const QTextDocument& document, QPrinter& printer, int marginTwips,
                   QString* error)
{
    setMargins(printer, marginTwips);
    const QSizeF page = printer.pageRect(QPrinter::DevicePixel).size();
    if (page.width() <= 0 || page.height() <= 0) {
        if (error)
            *error = QStringLiteral("The margins leave no room on the page.");
        return false;
    }
    std::unique_ptr<QTextDocument> copy = paginated(document, printer, page);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("The printer cannot be opened.");
        return false;
    }
    const int pages = copy->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage()) {
            if (error)
                *error = QStringLiteral("The printer did not take page %1.").arg(i + 1);
            painter.end();
            return false;
        }
        // Each page shows its slice of the long document, moved up to the top margin.
        const QRectF slice(0, i * page.height(), page.width(), page.height());
        painter.save();
        painter.translate(0, -slice.top());
        copy->drawContents(&painter, slice);
        painter.restore();
    }
    return painter.end();
}

} // namespace velmora::platform
