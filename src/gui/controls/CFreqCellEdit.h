#pragma once

#include "core/data/FreqEntryRules.h"

#include <QLineEdit>
#include <QRect>
#include <cstdint>

class QKeyEvent;

namespace tav::gui {

/// The in-place edit of a grid frequency cell. The grid creates it over the cell with the key
/// that started the edit; the edit takes the focus, types digits and the decimal point only, and
/// ends on Tab, Enter, Escape (which restores the first text), a navigation key (when the edit was
/// started from the keyboard or Ctrl is held) or any loss of focus. On ending it clamps the
/// frequency silently to [minCount, maxCount], snaps it onto the grid's rasters, tells the grid
/// through EditEnded and closes itself.
class CFreqCellEdit : public QLineEdit {
    Q_OBJECT
public:
    struct Setup {
        QRect cell; ///< in the grid's coordinates
        int controlId = 0;
        int row = 0;
        int column = 0;
        QString initialText;
        int startKey = 0; ///< cell key code (CellEditKeys.h) or the character typed
        std::uint32_t minCount = 0;
        std::uint32_t maxCount = kMaxFreqCount;
        bool allowEmpty = false;
    };

    CFreqCellEdit(QWidget* grid, const Setup& setup);

    /// The cell key code of a key event: Return 13, Tab 9, Backspace 8, Escape 27, page and arrow
    /// keys 33-40, otherwise the character typed (0 when none).
    static int CellKeyOf(const QKeyEvent* event);

    /// What the edit kept when it ended.
    const FreqCellCommit& Outcome() const { return outcome_; }
    int LastKey() const { return lastKey_; }
    bool Ended() const { return ended_; }

    char DecimalSeparator() const { return separator_; }
    void SetDecimalSeparator(char separator) { separator_ = separator; }

signals:
    /// The edit ended: the grid stores `text` in the cell and moves on by `lastKey`.
    void EditEnded(int row, int column, const QString& text, int lastKey);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    /// Hands the focus back to the grid, which ends the edit.
    void Leave(int key);
    void EndEdit();
    void Widen();
    void TypeStartKey(int key);

    QWidget* grid_;
    Setup setup_;
    FreqCellCommit outcome_;
    int lastKey_ = 0;
    bool ending_ = false;
    bool ended_ = false;
    char separator_;
};

} // namespace tav::gui
