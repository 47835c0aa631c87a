#pragma once

#include "core/lang/ListText.h"

class QWidget;

namespace tav {
class CLanguage;
}

namespace tav::gui {

/// An edit whose limits, step and scaling come from the language file (a numeric range edit).
class NumericRangeTarget {
public:
    virtual ~NumericRangeTarget() = default;
    virtual void SetNumericRange(const NumericRange& range) = 0;
};

/// Applies the language file to a window and its controls: the caption (text of the dialog id),
/// each control's text, the items of drop-downs and list boxes, the limits of numeric range edits,
/// and the per-model switch that disables controls. Controls keep their own texts where the
/// language file has none.
void TranslateDialog(QWidget* window, int dialogId, const CLanguage& language);

} // namespace tav::gui
