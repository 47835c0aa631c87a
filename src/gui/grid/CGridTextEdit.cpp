#include "gui/grid/CGridTextEdit.h"

#include "core/controls/CellEditKeys.h"
#include "gui/controls/CFreqCellEdit.h"
#include "gui/grid/CGridCtrl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

namespace tav::gui {

CGridTextEdit::CGridTextEdit(CGridCtrl& grid, int row, int column, const QRect& rect, const QString& text,
                             int startKey)
    : QLineEdit(grid.viewport()), grid_(grid), row_(row), column_(column), initialText_(text),
      startKey_(startKey) {
    setFont(grid.font());
    setGeometry(rect);
    setText(text);
    setAccessibleName(grid.horizontalHeaderItem(column) ? grid.horizontalHeaderItem(column)->text()
                                                        : QString());
    show();
    setFocus(Qt::OtherFocusReason);
    const CellEditStart start = DecideCellEditStart(startKey);
    if (start.selectAll) {
        selectAll();
    } else {
        end(false);
    }
    if (start.typeStartKey) {
        if (startKey == cellkey::kBackspace) {
            backspace();
        } else if (startKey >= cellkey::kSpace) {
            insert(QString(QChar(startKey)));
            Widen();
        }
    }
}

bool CGridTextEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CGridTextEdit::keyPressEvent(QKeyEvent* event) {
    const int key = CFreqCellEdit::CellKeyOf(event);
    if (key == cellkey::kTab || key == cellkey::kReturn) {
        Leave(key);
        return;
    }
    if (key == cellkey::kEscape) {
        setText(initialText_);
        Leave(key);
        return;
    }
    // Printable characters share their codes with the navigation keys: ask the key itself.
    const bool navigation = event->text().isEmpty() || !event->text().at(0).isPrint();
    if (navigation && IsCellNavigationKey(key) &&
        NavigationEndsCellEdit(startKey_, (event->modifiers() & Qt::ControlModifier) != 0)) {
        Leave(key);
        return;
    }
    QLineEdit::keyPressEvent(event);
    if (!event->text().isEmpty()) {
        Widen();
    }
}

void CGridTextEdit::Widen() {
    constexpr int kFrame = 8;
    const int wanted = fontMetrics().horizontalAdvance(text() + QStringLiteral("  ")) + kFrame;
    const int room = grid_.viewport()->contentsRect().right() - x() + 1;
    const int width = std::min(std::max(wanted, this->width()), std::max(room, this->width()));
    resize(width, height());
}

void CGridTextEdit::Leave(int key) {
    lastKey_ = key;
    grid_.setFocus(Qt::OtherFocusReason);
    EndEdit();
}

void CGridTextEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        EndEdit();
    }
}

void CGridTextEdit::EndEdit() {
    if (ending_) {
        return;
    }
    ending_ = true;
    hide();
    grid_.EndEdit(row_, column_, text(), lastKey_);
    deleteLater();
}

} // namespace tav::gui
