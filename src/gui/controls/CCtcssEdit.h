#pragma once

#include "gui/controls/FilterEdit.h"

class QComboBox;

namespace tav::gui {

/// The edit part of an editable CTCSS drop-down: digits and the decimal separator, at most 5
/// characters. When it loses the focus the text is read as a tone, clamped to 40.0-300.0 Hz and
/// shown again with one decimal.
class CCtcssEdit : public FilterEdit {
    Q_OBJECT
public:
    explicit CCtcssEdit(QWidget* parent = nullptr);

    /// Makes `combo` editable with a new CCtcssEdit as its edit part (the combo owns it).
    static CCtcssEdit* Attach(QComboBox* combo);

    char DecimalSeparator() const { return separator_; }
    void SetDecimalSeparator(char separator);

    void Commit() override;

private:
    char separator_;
};

} // namespace tav::gui
