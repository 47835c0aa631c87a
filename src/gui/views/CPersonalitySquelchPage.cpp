#include "gui/views/CPersonalitySquelchPage.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"

namespace tav::gui {

CPersonalitySquelchPage::CPersonalitySquelchPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CPersonalityPage(context, host, PersonalityControls::kSquelchPage, parent) {
    const auto& fields = PersonalityData::SquelchFields();
    BuildFieldPage(FieldTemplate(PersonalityControls::kSquelchPage, QStringLiteral("Squelch"), fields),
                   fields);
}

void CPersonalitySquelchPage::LoadView() {
    if (const PersonalityData* personality = Personality()) {
        PersonalityUi ui;
        personality->LoadSquelchUi(ui, Context().Language());
        ShowFields(PersonalityData::SquelchFields(), ui);
    }
}

void CPersonalitySquelchPage::StoreView() {
    if (PersonalityData* personality = Personality()) {
        PersonalityUi ui;
        personality->LoadSquelchUi(ui, Context().Language());
        TakeFields(PersonalityData::SquelchFields(), ui);
        personality->StoreSquelchUi(ui, Context().Language());
    }
}

} // namespace tav::gui
