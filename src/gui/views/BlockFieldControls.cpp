#include "gui/views/BlockFieldControls.h"

#include "gui/controls/DigitStringEdit.h"
#include "gui/views/FormFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace tav::gui::BlockFieldControls {

namespace {

bool IsCheck(const BlockFieldInfo& field) {
    return field.codec == BlockCodec::Check || field.codec == BlockCodec::CheckOff;
}

ControlKind ControlKindOf(const BlockFieldInfo& field) {
    switch (field.codec) {
    case BlockCodec::ListItem:
    case BlockCodec::ChannelNumber:
        return ControlKind::ComboBox;
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
    case BlockCodec::DateTime:
    case BlockCodec::FileHeader:
        return field.stored ? ControlKind::Custom : ControlKind::ReadOnlyEdit;
    default:
        return ControlKind::Custom;
    }
}

/// A channel drop-down lists the channels by number in their order: its index is the position.
void ShowPosition(QComboBox* list, int position) {
    if (list != nullptr) {
        list->setCurrentIndex(position >= 0 && position < list->count() ? position : -1);
    }
}

int ShownPosition(const QComboBox* list) {
    return list == nullptr || list->currentIndex() < 0 ? kNoChannelPosition : list->currentIndex();
}

} // namespace

ControlSpec LabelSpec(const BlockFieldInfo& field, int row, int column, int columnSpan, bool hidden) {
    const ControlKind kind = IsCheck(field) ? ControlKind::CheckBox : ControlKind::Label;
    return {field.labelId, kind, QString::fromUtf8(field.fallback), row, column, 1, columnSpan, hidden};
}

ControlSpec ControlSpecOf(const BlockFieldInfo& field, int row, int column, bool hidden) {
    return {field.controlId, ControlKindOf(field), {}, row, column, 1, 1, hidden};
}

void Show(QWidget* control, const BlockFieldInfo& field, const BlockValue& value) {
    switch (field.codec) {
    case BlockCodec::Check:
    case BlockCodec::CheckOff:
        FormFields::SetChecked(qobject_cast<QCheckBox*>(control), std::get<int>(value));
        break;
    case BlockCodec::ListItem:
        FormFields::SelectText(qobject_cast<QComboBox*>(control), std::get<std::string>(value));
        break;
    case BlockCodec::HexId:
    case BlockCodec::HexIdLe:
        FormFields::SetText(qobject_cast<QLineEdit*>(control), std::get<std::string>(value));
        break;
    case BlockCodec::Digits:
        if (auto* edit = qobject_cast<DigitStringEdit*>(control)) {
            edit->SetBytes(std::get<PackedDigits>(value), static_cast<int>(2 * field.bytes.size));
        }
        break;
    case BlockCodec::ChannelNumber:
        ShowPosition(qobject_cast<QComboBox*>(control), std::get<int>(value));
        break;
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
    case BlockCodec::DateTime:
    case BlockCodec::FileHeader:
        FormFields::SetText(qobject_cast<QLineEdit*>(control), std::get<std::string>(value));
        break;
    case BlockCodec::Rule:
        // A field with a rule of its own is edited as its text (a number as its digits).
        FormFields::SetText(qobject_cast<QLineEdit*>(control), std::holds_alternative<int>(value)
                                                                   ? std::to_string(std::get<int>(value))
                                                                   : std::get<std::string>(value));
        break;
    }
}

std::optional<BlockValue> Shown(const QWidget* control, const BlockFieldInfo& field) {
    if (control == nullptr) {
        return std::nullopt;
    }
    switch (field.codec) {
    case BlockCodec::Check:
    case BlockCodec::CheckOff:
        return FormFields::IsChecked(qobject_cast<const QCheckBox*>(control));
    case BlockCodec::ListItem: {
        const auto* list = qobject_cast<const QComboBox*>(control);
        if (list == nullptr || list->currentIndex() < 0) {
            return std::nullopt;
        }
        return FormFields::SelectedText(list);
    }
    case BlockCodec::HexId:
    case BlockCodec::HexIdLe:
        return FormFields::Text(qobject_cast<const QLineEdit*>(control));
    case BlockCodec::Digits:
        // The text is read as the edit packs it when it loses the focus, so a store while it is
        // still being typed in keeps what is shown.
        return PackedDigitsFromText(field, FormFields::Text(qobject_cast<const QLineEdit*>(control)));
    case BlockCodec::ChannelNumber:
        // No selection is a value of its own: no channel.
        return ShownPosition(qobject_cast<const QComboBox*>(control));
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
    case BlockCodec::DateTime:
    case BlockCodec::FileHeader:
    case BlockCodec::Rule:
        return FormFields::Text(qobject_cast<const QLineEdit*>(control));
    }
    return std::nullopt;
}

} // namespace tav::gui::BlockFieldControls
