#pragma once
// A printer for tests: prints through the program's own page-by-page printing path into a PDF
// file instead of the default printer, and installs itself as the printer seam for its lifetime.
//
//     PdfPrinter pdf(dir.filePath("report.pdf"));
//     ... the command prints ...
//     QCOMPARE(pdf.pageCount(), 2);
#include "platform/Printer.h"

#include <QString>

namespace velmora::testing {

class PdfPrinter : public platform::Printer
{
public:
    explicit PdfPrinter(const QString& pdfFile);
    ~PdfPrinter() override;

    bool print(QTextDocument& document, int marginTwips, QString* error) override;

    int printCount() const { return m_count; }
    int lastMarginTwips() const { return m_margin; }
    // The pages of the PDF written last (counted from its page objects); 0 when there is none.
    int pageCount() const;
    QString file() const { return m_file; }

private:
    QString m_file;
    platform::Printer* m_previous = nullptr;
    int m_count = 0;
    int m_margin = -1;
};

} // namespace velmora::testing
