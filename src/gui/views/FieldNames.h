#pragma once

#include "gui/ui/DialogTemplate.h"

#include <QString>

namespace tav::gui {

/// A label's text as the accessible name of its field: without the mnemonic marker and without a
/// trailing colon.
QString FieldNameOf(const QString& labelText);

/// Makes each label the buddy of the control whose id follows its own, and gives that control the
/// label's text as its accessible name, so screen readers and tests from outside can name every
/// field of a form.
void NameFieldsByLabels(const ControlMap& controls);

} // namespace tav::gui
