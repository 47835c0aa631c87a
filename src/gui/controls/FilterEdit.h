#pragma once

#include "core/controls/CharFilter.h"

#include <QLineEdit>
#include <string_view>

namespace tav::gui {

/// The decimal separator of the user's locale (the C library's, which the application sets to
/// the user's default at start-up).
char LocaleDecimalSeparator();

/// A single-line edit that lets through only the characters of its allowed list; the base of all
/// entry controls. Backspace, Return and the editing keys always work; Ctrl+C, Ctrl+V, Ctrl+X and
/// Ctrl+Z copy, paste, cut and undo. A character that is not allowed is dropped with a beep, and
/// a paste or drop that would bring in such a character is refused as a whole.
class FilterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FilterEdit(QWidget* parent = nullptr);

    /// Replaces the allowed list.
    void SetAllowed(std::string_view characters);
    /// Appends one character to the allowed list.
    void AddAllowed(char character);
    const CharFilter& Filter() const { return filter_; }
    /// Lets every printable character through (free-text fields); the paste rule still refuses
    /// control characters.
    void SetAcceptAll(bool acceptAll) { acceptAll_ = acceptAll; }

    /// True when the edit would take `character` typed.
    bool Accepts(char32_t character) const;
    /// True when a paste of `text` would be taken.
    bool AcceptsPaste(const QString& text) const;

    /// Takes the value back from the text (each entry control has its own rule: parse, correct,
    /// show the corrected text) and emits Committed. Runs when the edit loses the focus and on
    /// Return; an editor that stores without a focus change calls it first.
    virtual void Commit();

    /// Times the edit refused something with a beep (for tests and the status bar).
    int BeepCount() const { return beeps_; }

signals:
    /// A character or a paste was refused (the beep sounded).
    void Refused();
    /// The edit took its value back (after losing the focus, on Return, or by Commit): the owner
    /// reads the new value now.
    void Committed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void Beep();
    /// Counts the characters the filter would not let through.
    int CountRefused(const QString& text) const;

private:
    friend class FilterValidator;
    CharFilter filter_;
    bool acceptAll_ = false;
    QString acceptedText_;
    int beeps_ = 0;
};

} // namespace tav::gui
