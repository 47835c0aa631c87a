#pragma once

#include "core/controls/SpinRules.h"

#include <QPointer>
#include <QWidget>

class QToolButton;

namespace tav::gui {

class NumericRangeEdit;

/// A pair of small up and down arrows beside an edit. A click (held down, it repeats) reports a
/// step; the arrows never take the focus. Bound to a numeric range edit, a step moves the edit's
/// value inside its range and wraps to the other end past an edge; the new text is selected and
/// is taken into the data when the edit loses the focus, as typed text is. Unbound, the owner
/// decides what a step does.
class SpinArrows : public QWidget {
    Q_OBJECT
public:
    explicit SpinArrows(QWidget* parent = nullptr);
    explicit SpinArrows(NumericRangeEdit* edit, QWidget* parent = nullptr);

    /// Names the arrows after the edit they step ("<name> up", "<name> down").
    void SetEditName(const QString& name);
    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }

    /// One arrow press on the bound edit (what a click on the arrow does).
    void Step(SpinDirection direction);
    NumericRangeEdit* Edit() const { return edit_; }

signals:
    void stepped(bool up);

private:
    QPointer<NumericRangeEdit> edit_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace tav::gui
