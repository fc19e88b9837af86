#include "support/PdfPrinter.h"

#include "platform/Seams.h"
#include "platform/qt/DocumentPrinter.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

namespace velmora::testing {

PdfPrinter::PdfPrinter(const QString& pdfFile)
    : m_file(pdfFile), m_previous(platform::seams().printer)
{
    platform::seams().printer = this;
}

PdfPrinter::~PdfPrinter()
{
    platform::seams().printer = m_previous;
}

bool PdfPrinter::print(QTextDocument& document, int marginTwips, QString* error)
{
    ++m_count;
    m_margin = marginTwips;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return platform::printDocument(document, printer, marginTwips, error);
}

int PdfPrinter::pageCount() const
{
    QFile pdf(m_file);
    if (!pdf.open(QIODevice::ReadOnly))
        return 0;
    // Qt writes every page object uncompressed as "/Type /Page" (the tree is "/Type /Pages").
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    const QString text = QString::fromLatin1(pdf.readAll());
    return int(text.count(page));
}

} // namespace velmora::testing
