#pragma once

#include "gui/comm/DialogRunner.h"

#include <deque>
#include <functional>

namespace tav::gui {

/// Answers dialogs in order: each answer may fill the dialog in and returns the result. With no
/// answer left a dialog is cancelled.
class ScriptedDialogRunner : public DialogRunner {
public:
    using Answer = std::function<int(QDialog&)>;
    void Queue(Answer answer) { answers_.push_back(std::move(answer)); }
    int Count() const { return count_; }

    int Run(QDialog& dialog) override {
        ++count_;
        if (answers_.empty()) {
            return QDialog::Rejected;
        }
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        return answer(dialog);
    }

private:
    std::deque<Answer> answers_;
    int count_ = 0;
};

} // namespace tav::gui
