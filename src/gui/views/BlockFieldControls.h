#pragma once

#include "core/data/BlockFields.h"
#include "gui/ui/DialogTemplate.h"
#include "gui/views/EditorForm.h"

#include <optional>
#include <utility>
#include <vector>

class QWidget;

namespace tav::gui {

/// An editor of a single-block record bound to its field table: the template's labels take their
/// default texts from the table, and the controls are loaded and stored field by field.
namespace BlockFieldControls {

/// The field's label in a template: a label with the table's text, or for a check box the box
/// itself with its caption.
ControlSpec LabelSpec(const BlockFieldInfo& field, int row, int column, int columnSpan = 1,
                      bool hidden = false);
/// The field's control in a template: a drop-down for a list, a custom entry control for an ID or
/// a digit string. A check box is its own label (LabelSpec).
ControlSpec ControlSpecOf(const BlockFieldInfo& field, int row, int column, bool hidden = false);

/// Shows the value in the field's control (nothing when the control is missing).
void Show(QWidget* control, const BlockFieldInfo& field, const BlockValue& value);
/// The value the field's control shows; none when the control is missing or a list has no
/// selection (the stored value is then kept).
std::optional<BlockValue> Shown(const QWidget* control, const BlockFieldInfo& field);

/// Shows every field of the structure in its control.
template <class Ui> void ShowAll(const BlockFieldTable<Ui>& table, const Ui& ui, const EditorForm& form) {
    for (const BlockField<Ui>& field : table) {
        Show(form.Control(field.controlId), field, field.slot.get(ui));
    }
}

/// Takes every stored field's value from its control into the structure; the rest keep theirs.
template <class Ui> void TakeAll(const BlockFieldTable<Ui>& table, Ui& ui, const EditorForm& form) {
    for (const BlockField<Ui>& field : table) {
        if (!field.stored) {
            continue;
        }
        if (const std::optional<BlockValue> value = Shown(form.Control(field.controlId), field)) {
            field.slot.set(ui, *value);
        }
    }
}

/// (label id, control id) of every field with a label of its own, for FormFields::NameFields.
template <class Ui> std::vector<std::pair<int, int>> LabelPairs(const BlockFieldTable<Ui>& table) {
    std::vector<std::pair<int, int>> pairs;
    for (const BlockField<Ui>& field : table) {
        if (field.labelId != field.controlId) {
            pairs.emplace_back(field.labelId, field.controlId);
        }
    }
    return pairs;
}

} // namespace BlockFieldControls

} // namespace tav::gui
