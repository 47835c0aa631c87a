#pragma once

class QWidget;

namespace tav::gui {

/// Gives a field its label's text (without a trailing colon) as its accessible name and makes the
/// label its buddy, so that screen readers and the label's shortcut both reach the field.
void NameAfterLabel(QWidget* field, QWidget* label);

} // namespace tav::gui
