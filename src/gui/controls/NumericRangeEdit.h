#pragma once

#include "gui/controls/FilterEdit.h"
#include "core/controls/NumericRange.h"
#include "gui/ui/Translator.h"

#include <cstdint>

namespace tav::gui {

/// An edit for a number whose limits, step and scaling come from the language file (TranslateDialog
/// configures it by its control id): the owner gives it a raw value from the data image and it
/// shows the display value; only digits can be typed.
///
/// The plain edit takes nothing back on its own: its owner reads the text, or calls ReadValue for
/// the snapped and clamped raw value.
class NumericRangeEdit : public FilterEdit, public NumericRangeTarget {
    Q_OBJECT
public:
    explicit NumericRangeEdit(QWidget* parent = nullptr);

    void Configure(const NumericRange& range) { range_ = range; }
    void SetNumericRange(const NumericRange& range) override { Configure(range); }
    const NumericRange& Range() const { return range_; }

    /// Shows `raw` as its display value.
    virtual void SetRaw(std::int32_t raw);
    /// The raw value last set or taken back.
    std::int32_t Raw() const { return raw_; }

    /// The text read as the owner of a plain edit reads it: snapped down to the step, clamped to
    /// the range, shown corrected; returns the raw value.
    std::int32_t ReadValue();

    char DecimalSeparator() const { return separator_; }
    /// The separator shown and read (the locale's unless set); an edit that takes decimals also
    /// lets it be typed.
    void SetDecimalSeparator(char separator);

protected:
    /// Lets the decimal separator be typed besides the digits.
    void AcceptDecimalSeparator();
    /// Shows a corrected text (only when it differs, so the caret stays put otherwise).
    void ShowText(const std::string& text);

    NumericRange range_;
    std::int32_t raw_ = 0;
    char separator_ = '.';

private:
    void UpdateAllowed();
    bool decimalInput_ = false;
};

} // namespace tav::gui
