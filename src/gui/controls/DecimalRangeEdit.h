#pragma once

#include "gui/controls/NumericRangeEdit.h"

namespace tav::gui {

/// A numeric range edit for numbers with decimals (the range's divisor and decimals set the
/// scaling): digits and the locale's decimal separator can be typed. When it loses the focus the
/// number is read, scaled by the divisor, clamped to the range (not snapped to the step) and shown
/// again with the range's decimals.
class DecimalRangeEdit : public NumericRangeEdit {
    Q_OBJECT
public:
    explicit DecimalRangeEdit(QWidget* parent = nullptr);

    void Commit() override;
};

} // namespace tav::gui
