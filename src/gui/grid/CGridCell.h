#pragma once

#include <QRect>
#include <QTableWidgetItem>
#include <cstdint>

class QWidget;

namespace tav::gui {

class CGridCtrl;

/// A cell of the program's grids: a text, a 32-bit value independent of the text (unless a cell
/// class says otherwise) and its own way of being edited in place. Cells are owned by the grid.
class CGridCell : public QTableWidgetItem {
public:
    /// Item type of the grid cells (Qt's user types start above UserType).
    static constexpr int kCellType = QTableWidgetItem::UserType + 1;

    explicit CGridCell(const QString& text = {});

    virtual std::uint32_t GetValue() const { return value_; }
    virtual void SetValue(std::uint32_t value) { value_ = value; }
    /// Whether the cell opens an editor at all.
    virtual bool Editable() const { return true; }
    /// Opens the in-place editor over `rect` (viewport coordinates), started by `startKey` (a cell
    /// key code or the character typed). The editor reports its end through CGridCtrl::EndEdit.
    virtual QWidget* Edit(CGridCtrl& grid, int row, int column, const QRect& rect, int startKey);
    /// Takes the text an in-place editor ended with.
    virtual void TakeEditedText(const QString& text) { setText(text); }

private:
    std::uint32_t value_ = 0;
};

/// A cell that never opens an editor, drawn in the button face colour.
class CGridNoneCell : public CGridCell {
public:
    explicit CGridNoneCell(const QString& text = {});
    bool Editable() const override { return false; }
    QWidget* Edit(CGridCtrl&, int, int, const QRect&, int) override { return nullptr; }
};

/// A frequency cell: its value is a BcdFreq shown in megahertz with five decimals (a stored
/// frequency on no channel raster is shown rounded down to 12.5 kHz); its editor types digits and
/// the decimal point and clamps to the grid's range.
class CGridFreqEdit : public CGridCell {
public:
    CGridFreqEdit() = default;
    std::uint32_t GetValue() const override;
    void SetValue(std::uint32_t bcd) override;
    QWidget* Edit(CGridCtrl& grid, int row, int column, const QRect& rect, int startKey) override;
};

/// A free-text cell with its own in-place edit (every character is typed).
class CGridBCDEditCell : public CGridCell {
public:
    explicit CGridBCDEditCell(const QString& text = {}) : CGridCell(text) {}
    QWidget* Edit(CGridCtrl& grid, int row, int column, const QRect& rect, int startKey) override;
};

} // namespace tav::gui
