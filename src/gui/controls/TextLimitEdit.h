#pragma once

#include "gui/controls/FilterEdit.h"

namespace tav::gui {

/// A filter edit for a text field of the radio that holds at most a number of bytes (255 at
/// most). Every change is cut to the limit, a character of two bytes is never kept in half, and a
/// paste holding characters outside the allowed list is refused with a beep.
class TextLimitEdit : public FilterEdit {
    Q_OBJECT
public:
    explicit TextLimitEdit(QWidget* parent = nullptr);

    /// 256 and more are kept as 255.
    void SetMaxBytes(int maxBytes);
    int MaxBytes() const { return maxBytes_; }

private:
    void ApplyLimit();

    int maxBytes_;
    bool applying_ = false;
};

} // namespace tav::gui
