#include "gui/controls/CFreqCellEdit.h"

#include "core/controls/CellEditKeys.h"
#include "gui/controls/FilterEdit.h"
#include "gui/controls/QtText.h"
#include "gui/ui/ControlIds.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

namespace tav::gui {

CFreqCellEdit::CFreqCellEdit(QWidget* grid, const Setup& setup)
    : QLineEdit(grid), grid_(grid), setup_(setup), separator_(LocaleDecimalSeparator()) {
    SetWindowClass(this, WindowClass::Edit);
    if (setup.controlId != 0) {
        SetControlId(this, setup.controlId);
    }
    setFont(grid->font());
    setMaxLength(static_cast<int>(kFreqTextMaxChars));
    setGeometry(setup.cell);
    setText(setup.initialText);
    show();
    setFocus(Qt::OtherFocusReason);

    const CellEditStart start = DecideCellEditStart(setup.startKey);
    if (start.selectAll) {
        selectAll();
    } else {
        end(false);
    }
    if (start.typeStartKey) {
        TypeStartKey(setup.startKey);
    }
}

int CFreqCellEdit::CellKeyOf(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return cellkey::kReturn;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return cellkey::kTab;
    case Qt::Key_Backspace:
        return cellkey::kBackspace;
    case Qt::Key_Escape:
        return cellkey::kEscape;
    case Qt::Key_PageUp:
        return cellkey::kPageUp;
    case Qt::Key_PageDown:
        return cellkey::kPageDown;
    case Qt::Key_End:
        return cellkey::kEnd;
    case Qt::Key_Home:
        return cellkey::kHome;
    case Qt::Key_Left:
        return cellkey::kLeft;
    case Qt::Key_Up:
        return cellkey::kUp;
    case Qt::Key_Right:
        return cellkey::kRight;
    case Qt::Key_Down:
        return cellkey::kDown;
    default:
        break;
    }
    const QList<uint> characters = event->text().toUcs4();
    return characters.isEmpty() ? 0 : static_cast<int>(characters.front());
}

void CFreqCellEdit::TypeStartKey(int key) {
    if (key == cellkey::kBackspace) {
        backspace();
        return;
    }
    if (key >= cellkey::kSpace && FreqCellAcceptsChar(static_cast<char32_t>(key), separator_)) {
        insert(QString(QChar(key)));
        Widen();
    }
}

void CFreqCellEdit::keyPressEvent(QKeyEvent* event) {
    const int key = CellKeyOf(event);
    if (key == cellkey::kTab || key == cellkey::kReturn) {
        Leave(key);
        return;
    }
    if (key == cellkey::kEscape) {
        setText(setup_.initialText);
        Leave(key);
        return;
    }
    if (IsCellNavigationKey(key)) {
        const bool control = event->modifiers() & Qt::ControlModifier;
        if (NavigationEndsCellEdit(setup_.startKey, control)) {
            Leave(key);
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    if (text.isEmpty() || key < cellkey::kSpace || (event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!FreqCellAcceptsChar(static_cast<char32_t>(key), separator_)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
    Widen();
}

void CFreqCellEdit::Widen() {
    // The frame and the edit's inner margins come on top of the text.
    constexpr int kFrame = 8;
    const int wanted = fontMetrics().horizontalAdvance(text() + QStringLiteral("  ")) + kFrame;
    const int room = grid_->contentsRect().right() - x() + 1;
    const int width = std::min(std::max(wanted, this->width()), std::max(room, this->width()));
    if (width != this->width()) {
        resize(width, height());
    }
}

void CFreqCellEdit::Leave(int key) {
    lastKey_ = key;
    // The edit sits on the grid's viewport, which takes no focus: the grid itself takes it back.
    // Were the edit hidden with the focus, the focus would move on as by Tab, and the grid's
    // current cell with it.
    QWidget* owner = grid_;
    while (owner && owner->focusPolicy() == Qt::NoFocus && !owner->isWindow()) {
        owner = owner->parentWidget();
    }
    if (owner && owner->focusPolicy() != Qt::NoFocus && owner->isVisible()) {
        owner->setFocus(Qt::OtherFocusReason);
    }
    // Without a grid that can take the focus the edit ends here.
    EndEdit();
}

void CFreqCellEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        EndEdit();
    }
}

void CFreqCellEdit::EndEdit() {
    if (ending_ || ended_) {
        return;
    }
    ending_ = true;
    outcome_ = CommitFreqCell(ToStd(text()), setup_.allowEmpty, setup_.minCount, setup_.maxCount, separator_);
    setText(ToQt(outcome_.text));
    ended_ = true;
    emit EditEnded(setup_.row, setup_.column, text(), lastKey_);
    ending_ = false;
    hide();
    deleteLater();
}

} // namespace tav::gui
