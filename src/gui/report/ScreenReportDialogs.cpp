#include "gui/report/ScreenReportDialogs.h"

#include "gui/report/DlgPrintSelection.h"
#include "report/ReportDocument.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace tav::gui {

std::optional<ReportSelection> ScreenReportDialogs::ChooseSelection(QWidget* parent, const TextLookup& texts,
                                                                    const ReportSelection& current) {
    DlgPrintSelection dialog(texts, current, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Selection();
}

std::optional<QString> ScreenReportDialogs::ChooseReportFile(QWidget* parent, const QString& filter) {
    QString selected;
    const QString path = QFileDialog::getSaveFileName(parent, {}, {}, filter, &selected);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

std::unique_ptr<QPrinter> ScreenReportDialogs::MakePrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageLayout(report::ReportDocument::PageLayout());
    return printer;
}

bool ScreenReportDialogs::Print(QWidget* parent, report::ReportDocument& document) {
    const std::unique_ptr<QPrinter> printer = MakePrinter();
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    document.Print(*printer);
    return true;
}

std::unique_ptr<QPrintPreviewDialog>
ScreenReportDialogs::MakePreview(QWidget* parent, report::ReportDocument& document, QPrinter& printer) {
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
                     [&document](QPrinter* target) { document.Print(*target); });
    preview->resize(1000, 760);
    return preview;
}

void ScreenReportDialogs::Preview(QWidget* parent, report::ReportDocument& document) {
    const std::unique_ptr<QPrinter> printer = MakePrinter();
    MakePreview(parent, document, *printer)->exec();
}

} // namespace tav::gui
