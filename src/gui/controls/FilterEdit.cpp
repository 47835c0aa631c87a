#include "gui/controls/FilterEdit.h"

#include "gui/ui/ControlIds.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QValidator>
#include <clocale>

namespace tav::gui {

char LocaleDecimalSeparator() {
    const std::lconv* conventions = std::localeconv();
    if (conventions && conventions->decimal_point && conventions->decimal_point[0] != '\0') {
        return conventions->decimal_point[0];
    }
    return '.';
}

/// Refuses any change that brings in more characters outside the allowed list than the edit held
/// before: pastes from the context menu and drops. Texts the owner sets (such as the "off" word
/// of a numeric edit) are not checked and stay editable.
class FilterValidator : public QValidator {
public:
    explicit FilterValidator(FilterEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int&) const override {
        // The edit already holds the changed text here; compare with the text before the change.
        return edit_->CountRefused(input) > edit_->CountRefused(edit_->acceptedText_) ? Invalid : Acceptable;
    }

private:
    FilterEdit* edit_;
};

namespace {

bool IsControlCharacter(char32_t character) {
    return character < 0x20 || character == 0x7F;
}

} // namespace

FilterEdit::FilterEdit(QWidget* parent) : QLineEdit(parent) {
    SetWindowClass(this, WindowClass::Edit);
    setValidator(new FilterValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { acceptedText_ = text; });
}

void FilterEdit::SetAllowed(std::string_view characters) {
    filter_.SetAllowed(characters);
}

void FilterEdit::AddAllowed(char character) {
    filter_.AddAllowed(character);
}

bool FilterEdit::Accepts(char32_t character) const {
    if (acceptAll_) {
        return !IsControlCharacter(character);
    }
    return filter_.OnChar(character, false) == KeyAction::Pass;
}

bool FilterEdit::AcceptsPaste(const QString& text) const {
    if (acceptAll_) {
        return CountRefused(text) == 0;
    }
    const QList<uint> characters = text.toUcs4();
    return filter_.AcceptsPaste(std::u32string(characters.begin(), characters.end()));
}

int FilterEdit::CountRefused(const QString& text) const {
    int refused = 0;
    for (const uint character : text.toUcs4()) {
        const bool ok = acceptAll_ ? !IsControlCharacter(character) : filter_.IsAllowed(character);
        refused += ok ? 0 : 1;
    }
    return refused;
}

void FilterEdit::Beep() {
    ++beeps_;
    QApplication::beep();
    emit Refused();
}

void FilterEdit::Commit() {
    emit Committed();
}

void FilterEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        const QString clipboard = QApplication::clipboard()->text();
        if (!clipboard.isEmpty() && !AcceptsPaste(clipboard)) {
            Beep();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The value is taken back before the dialog or page acts on the key.
        Commit();
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & Qt::ControlModifier)) {
        // Editing keys and shortcuts (Ctrl+C, Ctrl+X, Ctrl+Z, selection) type nothing.
        QLineEdit::keyPressEvent(event);
        return;
    }
    for (const uint character : text.toUcs4()) {
        if (!IsControlCharacter(character) && !Accepts(character)) {
            Beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void FilterEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    for (const uint character : commit.toUcs4()) {
        if (!Accepts(character)) {
            Beep();
            event->accept();
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
}

void FilterEdit::focusOutEvent(QFocusEvent* event) {
    // A context menu or a drop-down taking the focus is not the end of the entry.
    if (event->reason() != Qt::PopupFocusReason) {
        Commit();
    }
    QLineEdit::focusOutEvent(event);
}

} // namespace tav::gui
