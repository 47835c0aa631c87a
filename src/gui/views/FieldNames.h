#pragma once

#include "gui/ui/DialogTemplate.h"

#include <QString>
#include <initializer_list>
#include <utility>

class QLabel;
class QWidget;

namespace tav::gui {

/// A label's text as the name of its field: without "&" marks and without a trailing colon.
QString NameFromLabel(QString text);

/// Makes the label the buddy of its field and names the field by the label's text; the text part of
/// an editable drop-down is named as the drop-down.
void NameField(QLabel& label, QWidget& field);

/// Makes each label (first id) the buddy of its field (second id) and gives the field the label's
/// text as its accessible name, so that screen readers and tests find the field by its label.
void NameFieldsByLabels(const ControlMap& controls, std::initializer_list<std::pair<int, int>> labelToField);

/// The same for every label whose field has the id after the label's own (the usual numbering).
void NameFieldsByLabels(const ControlMap& controls);

} // namespace tav::gui
