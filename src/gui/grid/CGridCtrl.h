#pragma once

#include <QKeySequence>
#include <QPointer>
#include <QTableWidget>
#include <cstdint>
#include <memory>

namespace tav::gui {

class CGridCell;

/// The table control of the list editors: one cell object per cell, each opening its own
/// in-place editor (typing a character, Return, F2 or a double click), and the end of every edit
/// reported with the row, the column, the text and the key that ended it. Tab and Return move on
/// to the next cell, the arrow and page keys move as the editor ended with them.
class CGridCtrl : public QTableWidget {
    Q_OBJECT
public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    /// The range of the frequency cells, in whole megahertz.
    void SetFreqRange(std::uint32_t lowMHz, std::uint32_t highMHz);
    std::uint32_t MinCount() const { return minCount_; }
    std::uint32_t MaxCount() const { return maxCount_; }

    /// Puts a cell in place (the grid owns it).
    void SetCell(int row, int column, std::unique_ptr<CGridCell> cell);
    CGridCell* Cell(int row, int column) const;

    /// Opens the editor of a cell; false when the cell is not editable.
    bool StartEdit(int row, int column, int startKey);
    /// The in-place editor open now, if any.
    QWidget* Editor() const { return editor_; }
    /// Ends the open in-place edit as losing the focus would (before the grid is stored).
    void CommitEdit();
    /// Called by the in-place editors when they end.
    void EndEdit(int row, int column, const QString& text, int lastKey);

signals:
    /// A cell's editor is about to open (the owner may set the drop-down items).
    void beginEdit(int row, int column);
    /// A cell's edit ended with this text (already in the cell).
    void editEnded(int row, int column, const QString& text, int lastKey);
    /// An editing command key was pressed in the grid: undo (Ctrl+Z), redo (Ctrl+Y or the
    /// platform's redo key), copy (Ctrl+C) or paste (Ctrl+V); the owner carries it out.
    void commandKey(QKeySequence::StandardKey key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void MoveAfterEdit(int row, int column, int lastKey);

    QPointer<QWidget> editor_;
    std::uint32_t minCount_ = 0;
    std::uint32_t maxCount_ = 0;
};

} // namespace tav::gui
