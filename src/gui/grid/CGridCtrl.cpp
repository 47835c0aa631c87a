#include "gui/grid/CGridCtrl.h"

#include "core/controls/CellEditKeys.h"
#include "core/data/FreqCodec.h"
#include "gui/controls/CFreqCellEdit.h"
#include "gui/grid/CGridCell.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tav::gui {

CGridCtrl::CGridCtrl(QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

void CGridCtrl::SetFreqRange(std::uint32_t lowMHz, std::uint32_t highMHz) {
    minCount_ = MHzToCount(lowMHz);
    maxCount_ = MHzToCount(highMHz);
}

void CGridCtrl::SetCell(int row, int column, std::unique_ptr<CGridCell> cell) {
    setItem(row, column, cell.release());
}

CGridCell* CGridCtrl::Cell(int row, int column) const {
    QTableWidgetItem* found = item(row, column);
    return found && found->type() == CGridCell::kCellType ? static_cast<CGridCell*>(found) : nullptr;
}

bool CGridCtrl::StartEdit(int row, int column, int startKey) {
    CGridCell* cell = Cell(row, column);
    if (!cell || !cell->Editable() || editor_) {
        return false;
    }
    // Typing into the current cell keeps the selection around it (a column edit sets them all).
    if (currentRow() != row || currentColumn() != column) {
        setCurrentCell(row, column);
    }
    scrollToItem(cell);
    const bool selected = cell->isSelected();
    emit beginEdit(row, column);
    // The owner may have replaced the cell while preparing it; the new one keeps the selection.
    cell = Cell(row, column);
    if (!cell) {
        return false;
    }
    cell->setSelected(selected);
    editor_ = cell->Edit(*this, row, column, visualItemRect(cell), startKey);
    return editor_ != nullptr;
}

void CGridCtrl::CommitEdit() {
    if (editor_ && editor_->hasFocus()) {
        editor_->clearFocus();
    }
}

void CGridCtrl::EndEdit(int row, int column, const QString& text, int lastKey) {
    editor_ = nullptr;
    if (CGridCell* cell = Cell(row, column)) {
        cell->TakeEditedText(text);
    }
    emit editEnded(row, column, text, lastKey);
    MoveAfterEdit(row, column, lastKey);
}

void CGridCtrl::MoveAfterEdit(int row, int column, int lastKey) {
    int toRow = row;
    int toColumn = column;
    switch (lastKey) {
    case cellkey::kTab:
    case cellkey::kRight:
        toColumn = std::min(column + 1, columnCount() - 1);
        break;
    case cellkey::kLeft:
        toColumn = std::max(column - 1, 0);
        break;
    case cellkey::kReturn:
    case cellkey::kDown:
    case cellkey::kPageDown:
        toRow = std::min(row + 1, rowCount() - 1);
        break;
    case cellkey::kUp:
    case cellkey::kPageUp:
        toRow = std::max(row - 1, 0);
        break;
    default:
        return;
    }
    if (toRow >= 0 && toColumn >= 0) {
        setCurrentCell(toRow, toColumn);
    }
}

void CGridCtrl::keyPressEvent(QKeyEvent* event) {
    for (const auto key : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Copy, QKeySequence::Paste}) {
        if (event->matches(key)) {
            emit commandKey(key);
            return;
        }
    }
    if (event->key() == Qt::Key_Y && event->modifiers() == Qt::ControlModifier) {
        emit commandKey(QKeySequence::Redo);
        return;
    }
    const int row = currentRow();
    const int column = currentColumn();
    if (!editor_ && row >= 0 && column >= 0 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (event->key() == Qt::Key_F2 || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            if (StartEdit(row, column, cellkey::kReturn)) {
                return;
            }
        }
        const int key = CFreqCellEdit::CellKeyOf(event);
        if (key >= cellkey::kSpace && !event->text().isEmpty() && event->text().at(0).isPrint() &&
            StartEdit(row, column, key)) {
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid() && StartEdit(index.row(), index.column(), cellkey::kMouseClick)) {
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

} // namespace tav::gui
