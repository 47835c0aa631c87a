#pragma once

#include <QString>
#include <deque>
#include <optional>

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

/// Answers given in advance, in order; records every question. With no answer left, a question
/// gets Cancel (or OK for a plain message).
class ScriptedPrompts : public UserPrompts {
public:
    struct Asked {
        QString caption;
        QString text;
        PromptButtons buttons;
        PromptIcon icon;
    };

    void Queue(PromptAnswer answer) { answers_.push_back(answer); }
    PromptAnswer Ask(QWidget* parent, const QString& caption, const QString& text, PromptButtons buttons,
                     PromptIcon icon) override;

    const std::deque<Asked>& asked() const { return asked_; }
    std::optional<Asked> Last() const {
        return asked_.empty() ? std::nullopt : std::optional<Asked>(asked_.back());
    }
    void Forget() { asked_.clear(); }

private:
    std::deque<PromptAnswer> answers_;
    std::deque<Asked> asked_;
};

} // namespace tav::gui
