#pragma once

#include "gui/ui/FileChooser.h"

#include <deque>
#include <optional>

namespace tav::gui {

/// Answers given in advance; with none left, the dialog counts as cancelled.
class ScriptedFileChooser : public FileChooser {
public:
    void QueueOpen(std::optional<QString> path) { opens_.push_back(std::move(path)); }
    void QueueSave(std::optional<SaveChoice> choice) { saves_.push_back(std::move(choice)); }
    int OpenCount() const { return openCount_; }
    int SaveCount() const { return saveCount_; }
    /// The next CSV file dialog's answer (opening and saving alike).
    void QueueCsv(std::optional<QString> path) { csvs_.push_back(std::move(path)); }

    std::optional<QString> ChooseOpen(QWidget*, const QString&) override {
        ++openCount_;
        std::optional<QString> next;
        if (!opens_.empty()) {
            next.swap(opens_.front());
            opens_.pop_front();
        }
        return next;
    }
    std::optional<SaveChoice> ChooseSave(QWidget*, const DataFileHeader&, const QString&) override {
        ++saveCount_;
        std::optional<SaveChoice> next;
        if (!saves_.empty()) {
            next.swap(saves_.front());
            saves_.pop_front();
        }
        return next;
    }

    std::optional<QString> ChooseCsv(QWidget*, bool, const QString&) override {
        std::optional<QString> next;
        if (!csvs_.empty()) {
            next.swap(csvs_.front());
            csvs_.pop_front();
        }
        return next;
    }

private:
    std::deque<std::optional<QString>> opens_;
    std::deque<std::optional<QString>> csvs_;
    std::deque<std::optional<SaveChoice>> saves_;
    int openCount_ = 0;
    int saveCount_ = 0;
};

} // namespace tav::gui
