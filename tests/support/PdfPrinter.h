#pragma once
// A printer for tests: prints through the program's own page-by-page printing path into a PDF
// file instead of the default printer, and installs itself as the printer seam for its lifetime.
//
//     PdfPrinter pdf(dir.filePath("report.pdf"));
//     ... the command prints ...
//     QCOMPARE(pdf.pageCount(), 2);
#include "platform/Printer.h"
#include "platform/Seams.h"
#include "platform/qt/DocumentPrinter.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

namespace velmora::testing {

class PdfPrinter : public platform::Printer
{
public:
    explicit PdfPrinter(const QString& pdfFile) : m_file(pdfFile)
    {
        platform::seams().printer = this;
    }
    ~PdfPrinter() override { platform::seams().printer = m_previous; }

    bool print(QTextDocument& document, int marginTwips, QString* error) override
    {
        m_margin = marginTwips;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        return platform::printDocument(document, printer, marginTwips, error);
    }

    int lastMarginTwips() const { return m_margin; }

    // The pages of the PDF written last; 0 when there is none. Qt writes every page object
    // uncompressed as "/Type /Page" (the tree is "/Type /Pages").
    int pageCount() const
    {
        QFile pdf(m_file);
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
        return pdf.open(QIODevice::ReadOnly) ? int(QString::fromLatin1(pdf.readAll()).count(page))
                                             : 0;
    }

private:
    QString m_file;
    platform::Printer* m_previous = platform::seams().printer;
    int m_margin = -1;
};

} // namespace velmora::testing
