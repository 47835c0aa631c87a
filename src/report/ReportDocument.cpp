#include "report/ReportDocument.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSizeF>
#include <QTextDocument>

namespace tav::report {

ReportDocument::ReportDocument(const std::string& html) : document_(std::make_unique<QTextDocument>()) {
    QFont font = document_->defaultFont();
    font.setPointSizeF(8.0);
    document_->setDefaultFont(font);
    document_->setHtml(QString::fromUtf8(html.data(), static_cast<qsizetype>(html.size())));
}

ReportDocument::~ReportDocument() = default;

QPageLayout ReportDocument::PageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

void ReportDocument::Print(QPagedPaintDevice& device) {
    // Laid out on the device's printable area (in the document's 96-per-inch units), so that the
    // page's own margins are the only ones and 8 points print as 8 points.
    const QSizeF points = device.pageLayout().paintRect(QPageLayout::Point).size();
    constexpr qreal kUnitsPerPoint = 96.0 / 72.0;
    document_->setPageSize(QSizeF(points.width() * kUnitsPerPoint, points.height() * kUnitsPerPoint));
    document_->print(&device);
}

std::optional<std::string> ReportDocument::RenderPdf(const std::string& html) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly)) {
            return std::nullopt;
        }
        QPdfWriter writer(&buffer);
        writer.setPageLayout(PageLayout());
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("TAV Programmer"));
        ReportDocument document(html);
        writer.setTitle(document.Document().metaInformation(QTextDocument::DocumentTitle));
        document.Print(writer);
    }
    if (!bytes.startsWith("%PDF-")) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

} // namespace tav::report
