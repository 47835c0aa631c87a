#pragma once

// How a screen reader announces a table cell: the cell's name (its value) and the heading of its
// column, both read through the accessibility interfaces as an assistive tool reads them.
#include <QAccessible>
#include <QAccessibleTableCellInterface>
#include <QTableWidget>
#include <utility>

namespace tav::gui::test {

inline std::pair<QString, QString> CellAnnounced(QTableWidget* table, int row, int column) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(table);
    QAccessibleTableInterface* cells = face ? face->tableInterface() : nullptr;
    QAccessibleInterface* cell = cells ? cells->cellAt(row, column) : nullptr;
    if (!cell || !cell->tableCellInterface()) {
        return {};
    }
    const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
    return {cell->text(QAccessible::Name),
            headers.isEmpty() ? QString() : headers.front()->text(QAccessible::Name)};
}

} // namespace tav::gui::test
