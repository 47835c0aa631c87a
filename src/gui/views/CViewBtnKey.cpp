#include "gui/views/CViewBtnKey.h"

#include "core/data/KeysData.h"
#include "gui/app/AppContext.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FieldNames.h"

#include <QComboBox>
#include <QGridLayout>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;

/// One row per stored key; the lists of the other keys and of the default numeric key exist
/// hidden (a language file may show them for another model).
DialogTemplate KeysTemplate() {
    DialogTemplate dialog{KeysData::kTemplateId, QStringLiteral("Programmable Keys"), {}};
    int row = 0;
    for (const BlockFieldInfo& field : KeysData::EditorFields()) {
        const bool hidden = !field.stored;
        dialog.controls.push_back(B::LabelSpec(field, row, 0, 1, hidden));
        dialog.controls.push_back(B::ControlSpecOf(field, row, 1, hidden));
        row += hidden ? 0 : 1;
    }
    dialog.controls.push_back({KeysData::kFunctionListId, ControlKind::ComboBox, {}, row, 1, 1, 1, true});
    return dialog;
}

} // namespace

CViewBtnKey::CViewBtnKey(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, KeysData::kTemplateId, parent) {
    const ControlMap controls = BuildForm(KeysTemplate());
    for (const auto& [label, field] : B::LabelPairs(KeysData::EditorFields())) {
        NameFieldsByLabels(controls, {{label, field}});
    }
    for (std::size_t key = 0; key < KeysData::kKeyCount; ++key) {
        if (QComboBox* list = KeyList(key)) {
            list->setMinimumWidth(240);
        }
    }
    FormLayout()->setColumnMinimumWidth(0, 120);
    FormLayout()->setVerticalSpacing(10);
}

QComboBox* CViewBtnKey::KeyList(std::size_t key) const {
    return key < KeysData::kKeyCount ? qobject_cast<QComboBox*>(Control(KeysData::KeyListId(key))) : nullptr;
}

void CViewBtnKey::LoadView() {
    KeysUi ui;
    Context().Container().Keys().LoadUi(ui, Context().Language());
    B::ShowAll(KeysData::EditorFields(), ui, *this);
}

void CViewBtnKey::StoreView() {
    KeysData& keys = Context().Container().Keys();
    KeysUi ui;
    keys.LoadUi(ui, Context().Language());
    B::TakeAll(KeysData::EditorFields(), ui, *this);
    keys.StoreUi(ui, Context().Language());
}

} // namespace tav::gui
