#pragma once

#include "core/controls/SpinRules.h"
#include "gui/controls/NumericRangeEdit.h"

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace tav::gui {

class NumericRangeEdit;

/// The up and down arrows beside a numeric range edit. An arrow steps the edit's value inside its
/// range and wraps to the other end past an edge; the new text is selected and is taken into the
/// data when the edit loses the focus, as typed text is. The arrows never take the focus.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(NumericRangeEdit* edit, QWidget* parent = nullptr);

    /// One arrow press (what a click on the arrow does).
    void Step(SpinDirection direction);
    NumericRangeEdit* Edit() const { return edit_; }

private:
    QPointer<NumericRangeEdit> edit_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace tav::gui
