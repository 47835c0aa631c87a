#include "gui/grid/CGridComboEdit.h"

#include "core/controls/CellEditKeys.h"
#include "gui/controls/CFreqCellEdit.h"
#include "gui/grid/CGridComboCell.h"
#include "gui/grid/CGridCtrl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace tav::gui {

CGridComboEdit::CGridComboEdit(CGridCtrl& grid, const CGridComboCell& cell, const QRect& rect, int startKey)
    : QComboBox(grid.viewport()), grid_(grid), row_(cell.row()), column_(cell.column()),
      initialText_(cell.text()) {
    setFont(grid.font());
    setGeometry(rect);
    addItems(cell.Items());
    setMaxVisibleItems(cell.VisibleItems());
    if (const QTableWidgetItem* heading = grid.horizontalHeaderItem(column_)) {
        setAccessibleName(heading->text());
    }
    if (cell.Style() == CGridComboCell::kDropDown) {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
        if (cell.TextLimit() > 0) {
            lineEdit()->setMaxLength(cell.TextLimit());
        }
        setEditText(initialText_);
        if (startKey >= cellkey::kSpace && startKey != cellkey::kSpace && !IsCellNavigationKey(startKey) &&
            startKey != cellkey::kEnd && startKey != cellkey::kHome) {
            setEditText(QString(QChar(startKey)));
        } else {
            lineEdit()->selectAll();
        }
    } else {
        setCurrentIndex(findText(initialText_));
        if (startKey > cellkey::kDown) {
            // A typed character picks the first item starting with it.
            for (int i = 0; i < count(); ++i) {
                if (itemText(i).startsWith(QChar(startKey), Qt::CaseInsensitive)) {
                    setCurrentIndex(i);
                    break;
                }
            }
        }
    }
    connect(this, &QComboBox::activated, this, [this] { EndEdit(cellkey::kReturn); });
    show();
    setFocus(Qt::OtherFocusReason);
    if (startKey == cellkey::kMouseClick) {
        showPopup();
    }
}

bool CGridComboEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QComboBox::event(event);
}

void CGridComboEdit::keyPressEvent(QKeyEvent* event) {
    const int key = CFreqCellEdit::CellKeyOf(event);
    if (key == cellkey::kReturn || key == cellkey::kTab) {
        EndEdit(key);
        return;
    }
    if (key == cellkey::kEscape) {
        setEditText(initialText_);
        setCurrentIndex(findText(initialText_));
        EndEdit(key);
        return;
    }
    QComboBox::keyPressEvent(event);
}

void CGridComboEdit::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && !view()->isVisible()) {
        EndEdit(0);
    }
}

void CGridComboEdit::EndEdit(int key) {
    if (ending_) {
        return;
    }
    ending_ = true;
    const QString text = currentText();
    // The grid takes the focus back before the drop-down hides: hidden with the focus, it would
    // pass the focus on as Tab does, and the grid's current cell and selection with it.
    if (key != 0) {
        grid_.setFocus(Qt::OtherFocusReason);
    }
    hide();
    grid_.EndEdit(row_, column_, text, key);
    deleteLater();
}

} // namespace tav::gui
