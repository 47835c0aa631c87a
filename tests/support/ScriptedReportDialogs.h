#pragma once

#include "gui/report/ReportDialogs.h"
#include "report/ReportDocument.h"

#include <QTextDocument>
#include <deque>
#include <optional>

namespace tav::gui::test {

/// The report's dialogs, answered in advance: the selection and file chosen next; what was
/// printed or previewed is kept as plain text.
class ScriptedReportDialogs : public ReportDialogs {
public:
    std::deque<std::optional<ReportSelection>> selections;
    std::deque<QString> files; ///< an empty name: the file dialog was cancelled
    bool printerAccepts = true;
    std::vector<QString> printed;
    std::vector<QString> previewed;
    int selectionAsks = 0;

    std::optional<ReportSelection> ChooseSelection(QWidget*, const TextLookup&,
                                                   const ReportSelection&) override {
        ++selectionAsks;
        if (selections.empty()) {
            return std::nullopt;
        }
        const std::optional<ReportSelection> next = selections.front();
        selections.pop_front();
        return next;
    }
    std::optional<QString> ChooseReportFile(QWidget*, const QString&) override {
        if (files.empty() || files.front().isEmpty()) {
            if (!files.empty()) {
                files.pop_front();
            }
            return std::nullopt;
        }
        const QString next = files.front();
        files.pop_front();
        return next;
    }
    bool Print(QWidget*, report::ReportDocument& document) override {
        if (printerAccepts) {
            printed.push_back(document.Document().toPlainText());
        }
        return printerAccepts;
    }
    void Preview(QWidget*, report::ReportDocument& document) override {
        previewed.push_back(document.Document().toPlainText());
    }
};

} // namespace tav::gui::test
