#pragma once

#include <QDialog>
#include <deque>
#include <functional>

namespace tav::gui {

/// Runs the modal dialogs that a dialog opens in its turn (the password and note dialogs of a
/// transfer). The program runs them on the screen; tests answer them in advance.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    /// Runs `dialog` modally and returns its result (QDialog::Accepted or Rejected).
    virtual int Run(QDialog& dialog) = 0;
};

/// Runs dialogs on the screen.
class ExecDialogRunner : public DialogRunner {
public:
    int Run(QDialog& dialog) override { return dialog.exec(); }
};

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
