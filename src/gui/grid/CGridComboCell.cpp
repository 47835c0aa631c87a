#include "gui/grid/CGridComboCell.h"

#include "gui/grid/CGridComboEdit.h"
#include "gui/grid/CGridCtrl.h"

namespace tav::gui {

void CGridComboCell::SetValueItems(const std::vector<std::pair<int, QString>>& items) {
    valueItems_ = items;
    items_.clear();
    for (const auto& [value, text] : items) {
        items_ << text;
    }
}

void CGridComboCell::SetValue(std::uint32_t value) {
    CGridCell::SetValue(value);
    for (const auto& [itemValue, text] : valueItems_) {
        if (static_cast<std::uint32_t>(itemValue) == value) {
            setText(text);
            return;
        }
    }
}

void CGridComboCell::TakeEditedText(const QString& text) {
    setText(text);
    for (const auto& [value, itemText] : valueItems_) {
        if (itemText == text) {
            CGridCell::SetValue(static_cast<std::uint32_t>(value));
            return;
        }
    }
}

QWidget* CGridComboCell::Edit(CGridCtrl& grid, int /*row*/, int /*column*/, const QRect& rect, int startKey) {
    return new CGridComboEdit(grid, *this, rect, startKey);
}

} // namespace tav::gui
