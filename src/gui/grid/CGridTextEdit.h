#pragma once

#include <QLineEdit>

namespace tav::gui {

class CGridCtrl;

/// The in-place edit of a free-text cell. The start key decides the selection as in the frequency
/// cell; Tab and Return end the edit, Escape restores the first text and ends it; every other
/// character is typed, the edit widening to fit its text; navigation keys end it when the edit was
/// started by a key or Ctrl is held. Losing the focus ends it too; it then closes itself.
class CGridTextEdit : public QLineEdit {
    Q_OBJECT
public:
    CGridTextEdit(CGridCtrl& grid, int row, int column, const QRect& rect, const QString& text, int startKey);

protected:
    /// Tab ends the edit instead of moving the focus on.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Leave(int key);
    void EndEdit();
    void Widen();

    CGridCtrl& grid_;
    int row_;
    int column_;
    QString initialText_;
    int startKey_;
    int lastKey_ = 0;
    bool ending_ = false;
};

} // namespace tav::gui
