#include "gui/controls/DigitStringEdit.h"

#include "core/controls/DigitString.h"
#include "gui/controls/QtText.h"

#include <algorithm>

namespace tav::gui {

DigitStringEdit::DigitStringEdit(QWidget* parent)
    : FilterEdit(parent), digits_(kDefaultDigitCount),
      bytes_(static_cast<std::size_t>(kDefaultDigitCount / 2)) {
    SetAllowed("0123456789");
    setMaxLength(digits_);
}

void DigitStringEdit::SetBytes(std::span<const std::uint8_t> bytes, int digitCount) {
    digits_ = NormalizeDigitCount(digitCount);
    DigitStringEntry entry = DigitStringFromBytes(bytes, digits_);
    bytes_ = std::move(entry.bytes);
    setMaxLength(std::max(digits_, 1));
    setText(ToQt(entry.text));
}

void DigitStringEdit::Commit() {
    DigitStringEntry entry = DigitStringFromText(ToStd(text()), digits_);
    bytes_ = std::move(entry.bytes);
    if (const QString shown = ToQt(entry.text); shown != text()) {
        setText(shown);
    }
    FilterEdit::Commit();
}

} // namespace tav::gui
