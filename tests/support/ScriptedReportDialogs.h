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
    std::deque<std::optional<QString>> files;
    bool printerAccepts = true;
    std::vector<QString> printed;
    std::vector<QString> previewed;
    int selectionAsks = 0;

    std::optional<ReportSelection> ChooseSelection(QWidget*, const TextLookup&,
                                                   const ReportSelection&) override {
        ++selectionAsks;
        return Next(selections);
    }
    std::optional<QString> ChooseReportFile(QWidget*, const QString&) override { return Next(files); }
    bool Print(QWidget*, report::ReportDocument& document) override {
        if (printerAccepts) {
            printed.push_back(document.Document().toPlainText());
        }
        return printerAccepts;
    }
    void Preview(QWidget*, report::ReportDocument& document) override {
        previewed.push_back(document.Document().toPlainText());
    }

private:
    template <class T> static std::optional<T> Next(std::deque<std::optional<T>>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        std::optional<T> next = queue.front();
        queue.pop_front();
        return next;
    }
};

} // namespace tav::gui::test
