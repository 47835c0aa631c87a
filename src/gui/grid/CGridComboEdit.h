#pragma once

#include <QComboBox>

namespace tav::gui {

class CGridComboCell;
class CGridCtrl;

/// The in-place drop-down of a drop-down cell: the cell's items, style, visible item count and
/// text limit. Choosing an item, Return or Tab ends the edit with the shown text; Escape ends it
/// with the first text; losing the focus ends it too. It then closes itself.
class CGridComboEdit : public QComboBox {
    Q_OBJECT
public:
    CGridComboEdit(CGridCtrl& grid, const CGridComboCell& cell, const QRect& rect, int startKey);

protected:
    /// Tab ends the edit instead of moving the focus on.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void EndEdit(int key);

    CGridCtrl& grid_;
    int row_;
    int column_;
    QString initialText_;
    bool ending_ = false;
};

} // namespace tav::gui
