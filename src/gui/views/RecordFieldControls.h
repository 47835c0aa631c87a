#pragma once

#include "core/data/RecordFields.h"
#include "gui/ui/DialogTemplate.h"
#include "gui/views/EditorForm.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace tav::gui {

/// An editor of a list record (an alert tone, a two-tone system page, a two-tone call) bound to its
/// field table: labels take their default texts from the table, controls are loaded and stored
/// field by field.
namespace RecordFieldControls {

/// The field's label in a template: a label with the table's text, or for a check box the box
/// itself with its caption.
ControlSpec LabelSpec(FieldControl control, const FieldName& label, int row, int column, bool hidden = false);

/// Shows the value in the control (nothing when the control is missing).
void Show(QWidget* control, FieldControl kind, const RecordValue& value);
/// The value the control holds; none when the control is missing or a list has no selection (the
/// stored value is then kept). A numeric edit takes its typed text back first.
std::optional<RecordValue> Shown(QWidget* control, FieldControl kind);

/// Shows every field of the structure in its control.
template <class Data, class Ui>
void ShowAll(const RecordFieldTable<Data, Ui>& table, const Ui& ui, const EditorForm& form) {
    for (const RecordField<Data, Ui>& field : table) {
        Show(form.Control(field.controlId), field.control, field.slot.get(ui));
    }
}

/// Takes every field's value from its control into the structure; the rest keep theirs.
template <class Data, class Ui>
void TakeAll(const RecordFieldTable<Data, Ui>& table, Ui& ui, const EditorForm& form) {
    for (const RecordField<Data, Ui>& field : table) {
        if (const std::optional<RecordValue> value = Shown(form.Control(field.controlId), field.control)) {
            field.slot.set(ui, *value);
        }
    }
}

/// (label id, control id) of every field with a label beside it, for FormFields::NameFields.
template <class Data, class Ui>
std::vector<std::pair<int, int>> LabelPairs(const RecordFieldTable<Data, Ui>& table) {
    std::vector<std::pair<int, int>> pairs;
    for (const RecordField<Data, Ui>& field : table) {
        if (field.label.textId != field.controlId && field.group.textId == 0) {
            pairs.emplace_back(field.label.textId, field.controlId);
        }
    }
    return pairs;
}

} // namespace RecordFieldControls

} // namespace tav::gui
