#pragma once

#include "gui/ui/UserPrompts.h"

#include <deque>
#include <optional>

namespace tav::gui {

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
    PromptAnswer Ask(QWidget*, const QString& caption, const QString& text, PromptButtons buttons,
                     PromptIcon icon) override {
        asked_.push_back({caption, text, buttons, icon});
        if (answers_.empty()) {
            return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
        }
        const PromptAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

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
