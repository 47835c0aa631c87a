#include "gui/views/CViewBtnKey.h"

#include "core/data/KeysData.h"
#include "gui/views/ComboText.h"
#include "gui/views/FieldNames.h"

#include <QGridLayout>

namespace tav::gui {
namespace {

// Each shown key's label carries the number before its drop-down's.
constexpr int kLabelOffset = 1;

/// The label caption of key k ("A1" … "F3").
QString KeyName(std::size_t key) {
    const char letter = static_cast<char>('A' + key / KeysData::kKeysPerLetter);
    return QStringLiteral("Key %1%2").arg(QLatin1Char(letter)).arg(key % KeysData::kKeysPerLetter + 1);
}

bool IsShown(std::size_t key) {
    return std::find(KeysData::kEditedKeys.begin(), KeysData::kEditedKeys.end(), key) !=
           KeysData::kEditedKeys.end();
}

DialogTemplate KeysTemplate() {
    DialogTemplate dialog{KeysData::kTemplateId, QStringLiteral("Programmable Keys"), {}};
    int row = 0;
    for (std::size_t key = 0; key < KeysData::kKeyCount; ++key) {
        const int id = KeysData::KeyListId(key);
        const bool shown = IsShown(key);
        dialog.controls.push_back(
            {id - kLabelOffset, ControlKind::Label, KeyName(key), row, 0, 1, 1, !shown});
        dialog.controls.push_back({id, ControlKind::ComboBox, {}, row, 1, 1, 1, !shown});
        row += shown ? 1 : 0;
    }
    dialog.controls.push_back({KeysData::kFunctionListId, ControlKind::ComboBox, {}, row, 1, 1, 1, true});
    dialog.controls.push_back({KeysData::kDefaultNumericKeyListId - kLabelOffset, ControlKind::Label,
                               QStringLiteral("Default Numeric Key Selection"), row, 0, 1, 1, true});
    dialog.controls.push_back(
        {KeysData::kDefaultNumericKeyListId, ControlKind::ComboBox, {}, row, 1, 1, 1, true});
    return dialog;
}

} // namespace

CViewBtnKey::CViewBtnKey(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, KeysData::kTemplateId, parent) {
    const ControlMap controls = BuildForm(KeysTemplate());
    for (std::size_t key = 0; key < KeysData::kKeyCount; ++key) {
        const int id = KeysData::KeyListId(key);
        NameFieldsByLabels(controls, {{id - kLabelOffset, id}});
        if (QComboBox* list = KeyList(key)) {
            list->setMinimumWidth(240);
        }
    }
    NameFieldsByLabels(
        controls, {{KeysData::kDefaultNumericKeyListId - kLabelOffset, KeysData::kDefaultNumericKeyListId}});
    FormLayout()->setColumnMinimumWidth(0, 120);
    FormLayout()->setVerticalSpacing(10);
}

QComboBox* CViewBtnKey::KeyList(std::size_t key) const {
    return key < KeysData::kKeyCount ? qobject_cast<QComboBox*>(Control(KeysData::KeyListId(key))) : nullptr;
}

void CViewBtnKey::LoadView() {
    KeysUi ui;
    Context().Container().Keys().LoadUi(ui, Context().Language());
    for (std::size_t key = 0; key < KeysData::kKeyCount; ++key) {
        SelectComboText(KeyList(key), ui.keys[key]);
    }
    SelectComboText(qobject_cast<QComboBox*>(Control(KeysData::kDefaultNumericKeyListId)),
                    ui.defaultNumericKey);
}

void CViewBtnKey::StoreView() {
    KeysData& keys = Context().Container().Keys();
    KeysUi ui;
    keys.LoadUi(ui, Context().Language());
    for (const std::size_t key : KeysData::kEditedKeys) {
        ui.keys[key] = ComboText(KeyList(key));
    }
    keys.StoreUi(ui, Context().Language());
}

} // namespace tav::gui
