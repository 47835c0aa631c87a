#include "gui/views/CPersonalitySquelchPage.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"
#include "gui/views/FormFields.h"

#include <QComboBox>

namespace tav::gui {

CPersonalitySquelchPage::CPersonalitySquelchPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CPersonalityPage(context, host, PersonalityControls::kSquelchPage, parent) {
    const ControlMap controls =
        BuildPage({PersonalityControls::kSquelchPage,
                   QStringLiteral("Squelch"),
                   {{kSquelchLabel, ControlKind::Label, QStringLiteral("Rx Squelch Mode"), 0, 0},
                    {PersonalityControls::kRxSquelchMode, ControlKind::ComboBox, {}, 0, 1}}});
    FormFields::NameFields(controls, {{kSquelchLabel, PersonalityControls::kRxSquelchMode}});
}

void CPersonalitySquelchPage::LoadView() {
    if (const PersonalityData* personality = Personality()) {
        PersonalityUi ui;
        personality->LoadSquelchUi(ui, Context().Language());
        FormFields::SelectText(qobject_cast<QComboBox*>(Control(PersonalityControls::kRxSquelchMode)),
                               ui.rxSquelchMode);
    }
}

void CPersonalitySquelchPage::StoreView() {
    if (PersonalityData* personality = Personality()) {
        PersonalityUi ui;
        ui.rxSquelchMode =
            FormFields::SelectedText(qobject_cast<QComboBox*>(Control(PersonalityControls::kRxSquelchMode)));
        personality->StoreSquelchUi(ui, Context().Language());
    }
}

} // namespace tav::gui
