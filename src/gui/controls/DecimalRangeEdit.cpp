#include "gui/controls/DecimalRangeEdit.h"

#include "gui/controls/QtText.h"

namespace tav::gui {

DecimalRangeEdit::DecimalRangeEdit(QWidget* parent) : NumericRangeEdit(parent) {
    AcceptDecimalSeparator();
}

void DecimalRangeEdit::Commit() {
    const NumericEntry entry = range_.TakeBackDecimal(ToStd(text()), raw_, separator_);
    raw_ = entry.raw;
    ShowText(entry.text);
    FilterEdit::Commit();
}

} // namespace tav::gui
