#pragma once

#include <QString>

class QWidget;

namespace tav::gui {

/// The buttons and icon of a message box, and the answer given.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { Information, Warning, Question, Error };
enum class PromptAnswer { Ok, Cancel, Yes, No };

/// Every question and message the program puts to the user goes through this, so that tests
/// answer in advance and never wait for a person.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;
    virtual PromptAnswer Ask(QWidget* parent, const QString& caption, const QString& text,
                             PromptButtons buttons, PromptIcon icon) = 0;
    /// A message with an OK button.
    void Tell(QWidget* parent, const QString& caption, const QString& text,
              PromptIcon icon = PromptIcon::Information) {
        Ask(parent, caption, text, PromptButtons::Ok, icon);
    }
};

/// Message boxes on the screen.
class QtUserPrompts : public UserPrompts {
public:
    PromptAnswer Ask(QWidget* parent, const QString& caption, const QString& text, PromptButtons buttons,
                     PromptIcon icon) override;
};

} // namespace tav::gui
