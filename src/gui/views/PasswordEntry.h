#pragma once

#include <QString>
#include <deque>
#include <optional>

class QWidget;

namespace tav {
class CLanguage;
}

namespace tav::gui {

/// Asks for a password in the password dialog (template 6359: digits only, at most 8).
/// Tests put a scripted one in place.
class PasswordEntry {
public:
    virtual ~PasswordEntry() = default;
    /// The digits typed with OK; nothing for Cancel. `prompt` replaces the dialog's prompt when
    /// it is not empty.
    virtual std::optional<QString> AskPassword(QWidget* parent, const CLanguage& language,
                                               const QString& prompt) = 0;
};

/// The password dialog on the screen.
class DialogPasswordEntry : public PasswordEntry {
public:
    std::optional<QString> AskPassword(QWidget* parent, const CLanguage& language,
                                       const QString& prompt) override;
};

/// Answers given in advance; with none left, the dialog counts as cancelled.
class ScriptedPasswordEntry : public PasswordEntry {
public:
    void Queue(std::optional<QString> answer) { answers_.push_back(std::move(answer)); }
    const std::deque<QString>& Prompts() const { return prompts_; }

    std::optional<QString> AskPassword(QWidget*, const CLanguage&, const QString& prompt) override {
        prompts_.push_back(prompt);
        std::optional<QString> next;
        if (!answers_.empty()) {
            next.swap(answers_.front());
            answers_.pop_front();
        }
        return next;
    }

private:
    std::deque<std::optional<QString>> answers_;
    std::deque<QString> prompts_;
};

} // namespace tav::gui
