#pragma once

class QPalette;
class QTableWidgetItem;

namespace tav::gui {

/// How a table marks its cells: headings and numbers that are not edited, and values that changed.
/// The colours come from the palette's roles, so that a dark theme keeps every mark readable.
class CellMarks {
public:
    /// A heading or a row number: the colours of a button.
    static void MarkFixed(QTableWidgetItem& item, const QPalette& palette);
    /// A value that changed: the colours of a selection.
    static void MarkChanged(QTableWidgetItem& item, const QPalette& palette);
    /// Back to the table's own colours.
    static void ClearMark(QTableWidgetItem& item);
};

} // namespace tav::gui
