#include "gui/views/RecordFieldControls.h"

#include "gui/controls/NumericRangeOffEdit.h"
#include "gui/views/FormFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tav::gui::RecordFieldControls {

ControlSpec LabelSpec(FieldControl control, const FieldName& label, int row, int column, bool hidden) {
    const ControlKind kind = control == FieldControl::Check ? ControlKind::CheckBox : ControlKind::Label;
    return {label.textId, kind, QString::fromStdString(label.fallback), row, column, 1, 1, hidden};
}

void Show(QWidget* control, FieldControl kind, const RecordValue& value) {
    switch (kind) {
    case FieldControl::Check:
        FormFields::SetChecked(qobject_cast<QCheckBox*>(control), std::get<int>(value));
        break;
    case FieldControl::ListText:
        FormFields::SelectText(qobject_cast<QComboBox*>(control), std::get<std::string>(value));
        break;
    case FieldControl::ListIndex:
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            const int position = std::get<int>(value);
            list->setCurrentIndex(position < list->count() ? position : -1);
        }
        break;
    case FieldControl::RangeText:
        FormFields::SetText(qobject_cast<QLineEdit*>(control), std::get<std::string>(value));
        break;
    case FieldControl::RangeNumber:
    case FieldControl::RangeNumberOff:
        if (auto* edit = qobject_cast<NumericRangeEdit*>(control)) {
            edit->SetRaw(std::get<int>(value));
        }
        break;
    case FieldControl::Choice:
        FormFields::ShowChoices(qobject_cast<QComboBox*>(control), std::get<TwoToneChoiceList>(value));
        break;
    }
}

std::optional<RecordValue> Shown(QWidget* control, FieldControl kind) {
    if (control == nullptr) {
        return std::nullopt;
    }
    switch (kind) {
    case FieldControl::Check:
        return FormFields::IsChecked(qobject_cast<const QCheckBox*>(control));
    case FieldControl::ListText: {
        const auto* list = qobject_cast<const QComboBox*>(control);
        if (list == nullptr || list->currentIndex() < 0) {
            return std::nullopt;
        }
        return FormFields::SelectedText(list);
    }
    case FieldControl::ListIndex: {
        const auto* list = qobject_cast<const QComboBox*>(control);
        return list ? std::optional<RecordValue>(list->currentIndex()) : std::nullopt;
    }
    case FieldControl::RangeText:
        return FormFields::Text(qobject_cast<const QLineEdit*>(control));
    case FieldControl::RangeNumber:
        if (auto* edit = qobject_cast<NumericRangeEdit*>(control)) {
            return edit->ReadValue();
        }
        return std::nullopt;
    case FieldControl::RangeNumberOff:
        if (auto* edit = qobject_cast<NumericRangeOffEdit*>(control)) {
            edit->Commit(); // takes the typed text back (Off below one step)
            return edit->Raw();
        }
        return std::nullopt;
    case FieldControl::Choice:
        return FormFields::ChoicesShown(qobject_cast<const QComboBox*>(control));
    }
    return std::nullopt;
}

} // namespace tav::gui::RecordFieldControls
