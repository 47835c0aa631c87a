#include "gui/controls/NumericRangeEdit.h"

#include "gui/controls/QtText.h"

namespace tav::gui {

NumericRangeEdit::NumericRangeEdit(QWidget* parent)
    : FilterEdit(parent), separator_(LocaleDecimalSeparator()) {
    UpdateAllowed();
}

void NumericRangeEdit::SetDecimalSeparator(char separator) {
    separator_ = separator;
    UpdateAllowed();
}

void NumericRangeEdit::AcceptDecimalSeparator() {
    decimalInput_ = true;
    UpdateAllowed();
}

void NumericRangeEdit::UpdateAllowed() {
    SetAllowed("0123456789");
    if (decimalInput_) {
        AddAllowed(separator_);
    }
}

void NumericRangeEdit::SetRaw(std::int32_t raw) {
    raw_ = raw;
    ShowText(range_.RawToText(raw, separator_));
}

std::int32_t NumericRangeEdit::ReadValue() {
    const NumericEntry entry = range_.TakeBack(ToStd(text()), raw_, separator_);
    raw_ = entry.raw;
    ShowText(entry.text);
    return raw_;
}

void NumericRangeEdit::ShowText(const std::string& text) {
    const QString shown = ToQt(text);
    if (shown != this->text()) {
        setText(shown);
    }
}

} // namespace tav::gui
