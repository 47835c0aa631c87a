#include "gui/controls/CCtcssEdit.h"

#include "core/data/ToneEntryRules.h"
#include "gui/controls/QtText.h"

#include <QComboBox>

namespace tav::gui {

CCtcssEdit::CCtcssEdit(QWidget* parent) : FilterEdit(parent), separator_(LocaleDecimalSeparator()) {
    SetAllowed(CtcssEditAllowedChars(separator_));
    setMaxLength(static_cast<int>(kCtcssEditMaxChars));
}

CCtcssEdit* CCtcssEdit::Attach(QComboBox* combo) {
    auto* edit = new CCtcssEdit(combo);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setLineEdit(edit);
    // The combo's own completer would replace what is typed with a list entry.
    combo->setCompleter(nullptr);
    // The text part is known to screen readers by the drop-down's name.
    edit->setAccessibleName(combo->accessibleName());
    return edit;
}

void CCtcssEdit::SetDecimalSeparator(char separator) {
    separator_ = separator;
    SetAllowed(CtcssEditAllowedChars(separator_));
}

void CCtcssEdit::Commit() {
    if (const QString shown = ToQt(CommitCtcssEdit(ToStd(text()), separator_)); shown != text()) {
        setText(shown);
    }
    FilterEdit::Commit();
}

} // namespace tav::gui
