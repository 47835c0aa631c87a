#pragma once

#include "gui/report/ReportDialogs.h"

#include <memory>

class QPrinter;
class QPrintPreviewDialog;

namespace tav::gui {

/// The real dialogs of printing and exporting, on the screen.
class ScreenReportDialogs : public ReportDialogs {
public:
    std::optional<ReportSelection> ChooseSelection(QWidget* parent, const TextLookup& texts,
                                                   const ReportSelection& current) override;
    std::optional<QString> ChooseReportFile(QWidget* parent, const QString& filter) override;
    bool Print(QWidget* parent, report::ReportDocument& document) override;
    void Preview(QWidget* parent, report::ReportDocument& document) override;

    /// A printer set up for the report's pages.
    static std::unique_ptr<QPrinter> MakePrinter();
    /// The preview window of a report on `printer` (not yet shown).
    static std::unique_ptr<QPrintPreviewDialog> MakePreview(QWidget* parent, report::ReportDocument& document,
                                                            QPrinter& printer);
};

} // namespace tav::gui
