#include "gui/controls/NumericRangeOffEdit.h"

#include "gui/controls/QtText.h"
#include "core/lang/TextLookup.h"

namespace tav::gui {

NumericRangeOffEdit::NumericRangeOffEdit(QWidget* parent) : NumericRangeEdit(parent) {}

NumericRangeOffEdit::NumericRangeOffEdit(const TextLookup& texts, QWidget* parent)
    : NumericRangeEdit(parent) {
    if (const std::string off = texts.GetMessageText(kOffText); !off.empty()) {
        offText_ = ToQt(off);
    }
}

void NumericRangeOffEdit::SetRaw(std::int32_t raw) {
    raw_ = raw;
    ShowText(range_.RawToTextWithOff(raw, ToStd(offText_), separator_));
}

void NumericRangeOffEdit::Commit() {
    const NumericEntry entry = range_.TakeBackWithOff(ToStd(text()), ToStd(offText_), raw_);
    raw_ = entry.raw;
    ShowText(entry.text);
    FilterEdit::Commit();
}

} // namespace tav::gui
