#pragma once

#include "gui/grid/CGridCell.h"

#include <QStringList>
#include <utility>
#include <vector>

namespace tav::gui {

/// A drop-down cell: a list of items, a style (drop-down list, or drop-down with an editable
/// text), a number of visible items and a text limit. When its items carry values (a language
/// list), the cell's value follows the chosen item and setting the value shows that item's text.
class CGridComboCell : public CGridCell {
public:
    static constexpr int kDropDown = 2;     ///< editable text
    static constexpr int kDropDownList = 3; ///< choose an item only

    explicit CGridComboCell(int style = kDropDownList) : style_(style) {}

    void SetItems(const QStringList& items) { items_ = items; }
    /// Items with the values they stand for.
    void SetValueItems(const std::vector<std::pair<int, QString>>& items);
    const QStringList& Items() const { return items_; }
    void SetStyle(int style) { style_ = style; }
    int Style() const { return style_; }
    void SetVisibleItems(int count) { visibleItems_ = count; }
    int VisibleItems() const { return visibleItems_; }
    /// Longest text the editable style takes (0: no limit).
    void SetTextLimit(int limit) { textLimit_ = limit; }
    int TextLimit() const { return textLimit_; }

    void SetValue(std::uint32_t value) override;
    void TakeEditedText(const QString& text) override;
    QWidget* Edit(CGridCtrl& grid, int row, int column, const QRect& rect, int startKey) override;

private:
    QStringList items_;
    std::vector<std::pair<int, QString>> valueItems_;
    int style_;
    int visibleItems_ = 8;
    int textLimit_ = 0;
};

} // namespace tav::gui
