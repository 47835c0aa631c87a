#pragma once

#include "core/report/ReportSelection.h"

#include <QString>
#include <optional>

class QWidget;

namespace tav {
class TextLookup;
}

namespace tav::report {
class ReportDocument;
}

namespace tav::gui {

/// The dialogs of printing and exporting the configuration report. The main window asks through
/// this, so tests answer in advance and no test waits for a printer or a person.
class ReportDialogs {
public:
    virtual ~ReportDialogs() = default;
    /// The print-selection dialog; the parts chosen when it was closed with OK.
    virtual std::optional<ReportSelection> ChooseSelection(QWidget* parent, const TextLookup& texts,
                                                           const ReportSelection& current) = 0;
    /// The file an exported report goes to (its extension chooses PDF or HTML).
    virtual std::optional<QString> ChooseReportFile(QWidget* parent, const QString& filter) = 0;
    /// The printer dialog, then the report printed; false when the user cancelled.
    virtual bool Print(QWidget* parent, report::ReportDocument& document) = 0;
    /// The print preview of the report (it can print from there).
    virtual void Preview(QWidget* parent, report::ReportDocument& document) = 0;
};

} // namespace tav::gui
