#pragma once

#include "core/report/ReportSelection.h"
#include "core/util/Result.h"

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace tav::gui {

class AppContext;
class ReportDialogs;

/// File › Print…, Print Preview… and Export Report…, and the editors' Print buttons: the
/// configuration report of the document as it is edited, through the print-selection dialog.
/// The parts chosen are kept for the next time.
class ReportCommands {
public:
    /// Command ids of the File menu's report entries.
    static constexpr int kPrint = 57607;
    static constexpr int kPrintPreview = 57609;
    static constexpr int kExportReport = 32970;
    /// Messages: nothing chosen, the report file could not be written.
    static constexpr int kMsgCannotWrite = 7232;
    /// File-type list of the export dialog.
    static constexpr int kExportFilterText = 7230;

    /// `storeEditors` makes the open editors store what they show before a report is made.
    ReportCommands(AppContext& context, ReportDialogs& dialogs, QWidget* window,
                   std::function<void()> storeEditors);

    void Print();
    void PrintPreview();
    void ExportReport();
    /// An editor's Print button: that editor's part alone, on a printer the user chooses.
    void PrintPart(ReportItem item);

    /// The report's HTML for `selection` as the document stands.
    std::string Html(const ReportSelection& selection) const;
    const ReportSelection& Selection() const { return selection_; }

    /// Writes the report to `path`: PDF for a name ending in .pdf, else HTML. Fails with
    /// kMsgCannotWrite naming the file (the data file itself is never replaced).
    Result Export(const QString& path, const ReportSelection& selection) const;

private:
    bool AskSelection();

    AppContext& context_;
    ReportDialogs& dialogs_;
    QWidget* window_;
    std::function<void()> storeEditors_;
    ReportSelection selection_;
};

} // namespace tav::gui
