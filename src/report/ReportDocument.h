#pragma once

#include <QPageLayout>
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QTextDocument;

namespace tav::report {

/// The report's HTML laid out for paper: A4 landscape (the channel table is wide), 12 mm margins,
/// the body font at 8 points. Printing, the print preview and PDF files all go through here.
class ReportDocument {
public:
    explicit ReportDocument(const std::string& html);
    ~ReportDocument();
    ReportDocument(const ReportDocument&) = delete;
    ReportDocument& operator=(const ReportDocument&) = delete;

    static QPageLayout PageLayout();

    QTextDocument& Document() { return *document_; }
    /// Lays the pages out on `device` (a printer or a PDF writer) and paints them.
    void Print(QPagedPaintDevice& device);
    /// The bytes of a PDF file of the report; nothing when the PDF could not be made.
    static std::optional<std::string> RenderPdf(const std::string& html);

private:
    std::unique_ptr<QTextDocument> document_;
};

} // namespace tav::report
