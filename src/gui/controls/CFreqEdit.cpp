#include "gui/controls/CFreqEdit.h"

#include "gui/controls/QtText.h"

#include <QMetaObject>

namespace tav::gui {

CFreqEdit::CFreqEdit(QWidget* parent) : FilterEdit(parent), separator_(LocaleDecimalSeparator()) {
    SetAllowed(FreqEditAllowedChars(separator_));
    setMaxLength(static_cast<int>(kFreqTextMaxChars));
}

void CFreqEdit::SetDecimalSeparator(char separator) {
    separator_ = separator;
    SetAllowed(FreqEditAllowedChars(separator_));
}

void CFreqEdit::SetRange(std::int64_t lowMHz, std::int64_t highMHz) {
    range_ = MakeFreqEditRange(lowMHz, highMHz);
}

void CFreqEdit::SetBcd(BcdFreq bcd) {
    state_ = ShowFreqEditBcd(bcd, separator_);
    setText(ToQt(state_.text));
}

void CFreqEdit::Commit() {
    const FreqEditCommit commit = CommitFreqEdit(ToStd(text()), allowEmpty_, range_, separator_);
    state_ = commit.state;
    if (const QString shown = ToQt(state_.text); shown != text()) {
        setText(shown);
    }
    if (commit.OutOfRange()) {
        QMetaObject::invokeMethod(
            this, [this] { emit OutOfRange(kFreqOutOfRangeText); }, Qt::QueuedConnection);
    }
    FilterEdit::Commit();
}

} // namespace tav::gui
