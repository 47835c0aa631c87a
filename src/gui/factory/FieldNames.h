#pragma once

class QString;
class QTableWidgetItem;
class QWidget;

namespace tav::gui {

/// Gives a field its label's text (without a trailing colon) as its accessible name and makes the
/// label its buddy, so that screen readers and the label's shortcut both reach the field.
void NameAfterLabel(QWidget* field, QWidget* label);

/// Shows `text` in a grid cell whose accessible name is its column's heading; the text itself
/// is the cell's accessible description, so that assistive tools read both.
void SetCellText(QTableWidgetItem* cell, const QString& heading, const QString& text);

} // namespace tav::gui
