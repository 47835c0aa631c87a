#include "gui/views/CPersonalityPage.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"

namespace tav::gui {

CPersonalityPage::CPersonalityPage(AppContext& context, EditorHost* host, int templateId, QWidget* parent)
    : CTAVPropertyPage(context, host, templateId, parent) {}

PersonalityData* CPersonalityPage::Personality() const {
    auto& list = Context().Container().Personalities();
    const auto position = list.PositionOf(personality_);
    return position ? list.Find(*position) : nullptr;
}

DialogTemplate CPersonalityPage::FieldTemplate(int templateId, const QString& title,
                                               const BlockFieldTable<PersonalityUi>& fields) {
    DialogTemplate dialog{templateId, title, {}};
    int row = 0;
    for (const BlockField<PersonalityUi>& field : fields) {
        if (field.labelId == field.controlId) {
            dialog.controls.push_back(BlockFieldControls::LabelSpec(field, row++, 1));
            continue;
        }
        dialog.controls.push_back(BlockFieldControls::LabelSpec(field, row, 0));
        dialog.controls.push_back(BlockFieldControls::ControlSpecOf(field, row++, 1));
    }
    return dialog;
}

ControlMap CPersonalityPage::BuildFieldPage(const DialogTemplate& dialog,
                                            const BlockFieldTable<PersonalityUi>& fields,
                                            const ControlFactory& custom) {
    ControlMap controls = BuildPage(dialog, custom);
    FormFields::NameFields(controls, BlockFieldControls::LabelPairs(fields));
    return controls;
}

void CPersonalityPage::ShowFields(const BlockFieldTable<PersonalityUi>& fields,
                                  const PersonalityUi& ui) const {
    BlockFieldControls::ShowAll(fields, ui, *this);
}

void CPersonalityPage::TakeFields(const BlockFieldTable<PersonalityUi>& fields, PersonalityUi& ui) const {
    BlockFieldControls::TakeAll(fields, ui, *this);
}

} // namespace tav::gui
