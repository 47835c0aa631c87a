#pragma once

#include <QDialog>

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

} // namespace tav::gui
