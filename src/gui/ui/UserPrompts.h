#pragma once

#include <QString>
#include <functional>

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

/// Message boxes on the screen, their buttons labelled in the program's language.
class QtUserPrompts : public UserPrompts {
public:
    /// A button's text by its language text number (1 OK, 2 Cancel, 6 Yes, 7 No), with the
    /// English text to use when the language file has none.
    using ButtonText = std::function<QString(int id, const QString& fallback)>;
    static constexpr int kOkText = 1;
    static constexpr int kCancelText = 2;
    static constexpr int kYesText = 6;
    static constexpr int kNoText = 7;

    explicit QtUserPrompts(ButtonText buttonText = {}) : buttonText_(std::move(buttonText)) {}

    PromptAnswer Ask(QWidget* parent, const QString& caption, const QString& text, PromptButtons buttons,
                     PromptIcon icon) override;

private:
    ButtonText buttonText_;
};

} // namespace tav::gui
