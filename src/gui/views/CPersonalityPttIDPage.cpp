#include "gui/views/CPersonalityPttIDPage.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/FilterEdit.h"
#include "gui/views/FormFields.h"

#include <QLineEdit>

namespace tav::gui {
namespace {

namespace C = PersonalityControls;
QWidget* MakeIdEdit(const ControlSpec&, QWidget* owner) {
    auto* edit = new FilterEdit(owner);
    edit->SetAllowed("0123456789abcdeABCDE");
    edit->setMaxLength(4);
    return edit;
}

} // namespace

CPersonalityPttIDPage::CPersonalityPttIDPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CPersonalityPage(context, host, C::kPttIdPage, parent) {
    const auto& fields = PersonalityData::PttIdFields();
    BuildFieldPage(FieldTemplate(C::kPttIdPage, QStringLiteral("PTT-ID"), fields), fields, MakeIdEdit);
}

void CPersonalityPttIDPage::LoadView() {
    if (const PersonalityData* personality = Personality()) {
        PersonalityUi ui;
        personality->LoadPttIdUi(ui, Context().Language());
        ShowFields(PersonalityData::PttIdFields(), ui);
    }
}

void CPersonalityPttIDPage::StoreView() {
    if (PersonalityData* personality = Personality()) {
        PersonalityUi ui;
        personality->LoadPttIdUi(ui, Context().Language());
        TakeFields(PersonalityData::PttIdFields(), ui);
        personality->StorePttIdUi(ui, Context().Language());
    }
}

void CPersonalityPttIDPage::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId != C::kPrimaryId) {
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(Control(controlId))) {
        FormFields::SetText(edit, PersonalityData::NormalizePrimaryIdText(FormFields::Text(edit)));
    }
}

} // namespace tav::gui
