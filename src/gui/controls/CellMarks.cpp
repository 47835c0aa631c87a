#include "gui/controls/CellMarks.h"

#include <QBrush>
#include <QPalette>
#include <QTableWidgetItem>

namespace tav::gui {

void CellMarks::MarkFixed(QTableWidgetItem& item, const QPalette& palette) {
    item.setBackground(palette.brush(QPalette::Button));
    item.setForeground(palette.brush(QPalette::ButtonText));
}

void CellMarks::MarkChanged(QTableWidgetItem& item, const QPalette& palette) {
    item.setBackground(palette.brush(QPalette::Highlight));
    item.setForeground(palette.brush(QPalette::HighlightedText));
}

void CellMarks::ClearMark(QTableWidgetItem& item) {
    item.setBackground(QBrush());
    item.setForeground(QBrush());
}

} // namespace tav::gui
