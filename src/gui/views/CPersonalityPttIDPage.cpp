#include "gui/views/CPersonalityPttIDPage.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/FilterEdit.h"
#include "gui/views/FormFields.h"

#include <QCheckBox>
#include <QComboBox>

namespace tav::gui {
namespace {

namespace C = PersonalityControls;
using Page = CPersonalityPttIDPage;

DialogTemplate PttIdTemplate() {
    return {C::kPttIdPage,
            QStringLiteral("PTT-ID"),
            {{Page::kPrimaryIdLabel, ControlKind::Label, QStringLiteral("PRIMARY ID"), 0, 0},
             {C::kPrimaryId, ControlKind::Custom, {}, 0, 1},
             {Page::kTypeLabel, ControlKind::Label, QStringLiteral("PTTID TYPE"), 1, 0},
             {C::kPttIdType, ControlKind::ComboBox, {}, 1, 1},
             {Page::kPretimeLabel, ControlKind::Label, QStringLiteral("PRETIME"), 2, 0},
             {C::kPttIdPretime, ControlKind::ComboBox, {}, 2, 1},
             {Page::kPreambleLabel, ControlKind::Label, QStringLiteral("Preamble Bit Sync"), 3, 0},
             {C::kPreambleBitSync, ControlKind::ComboBox, {}, 3, 1},
             {C::kSideTone, ControlKind::CheckBox, QStringLiteral("SIDE TONE"), 4, 1},
             {C::kShortBeep, ControlKind::CheckBox, QStringLiteral("SHORT BEEP"), 5, 1}}};
}

QWidget* MakeIdEdit(const ControlSpec&, QWidget* owner) {
    auto* edit = new FilterEdit(owner);
    edit->SetAllowed("0123456789abcdeABCDE");
    edit->setMaxLength(4);
    return edit;
}

} // namespace

CPersonalityPttIDPage::CPersonalityPttIDPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CPersonalityPage(context, host, C::kPttIdPage, parent) {
    const ControlMap controls = BuildPage(PttIdTemplate(), MakeIdEdit);
    FormFields::NameFields(controls, {{kPrimaryIdLabel, C::kPrimaryId},
                                      {kTypeLabel, C::kPttIdType},
                                      {kPretimeLabel, C::kPttIdPretime},
                                      {kPreambleLabel, C::kPreambleBitSync}});
}

void CPersonalityPttIDPage::LoadView() {
    const PersonalityData* personality = Personality();
    if (!personality) {
        return;
    }
    PersonalityUi ui;
    personality->LoadPttIdUi(ui, Context().Language());
    FormFields::SetText(qobject_cast<QLineEdit*>(Control(C::kPrimaryId)), ui.primaryId);
    FormFields::SelectText(qobject_cast<QComboBox*>(Control(C::kPttIdType)), ui.pttIdType);
    FormFields::SelectText(qobject_cast<QComboBox*>(Control(C::kPttIdPretime)), ui.pttIdPretime);
    FormFields::SelectText(qobject_cast<QComboBox*>(Control(C::kPreambleBitSync)), ui.preambleBitSync);
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(C::kSideTone)), ui.sideTone);
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(C::kShortBeep)), ui.shortBeep);
}

void CPersonalityPttIDPage::StoreView() {
    PersonalityData* personality = Personality();
    if (!personality) {
        return;
    }
    PersonalityUi ui;
    ui.primaryId = FormFields::Text(qobject_cast<QLineEdit*>(Control(C::kPrimaryId)));
    ui.pttIdType = FormFields::SelectedText(qobject_cast<QComboBox*>(Control(C::kPttIdType)));
    ui.pttIdPretime = FormFields::SelectedText(qobject_cast<QComboBox*>(Control(C::kPttIdPretime)));
    ui.preambleBitSync = FormFields::SelectedText(qobject_cast<QComboBox*>(Control(C::kPreambleBitSync)));
    ui.sideTone = FormFields::IsChecked(qobject_cast<QCheckBox*>(Control(C::kSideTone)));
    ui.shortBeep = FormFields::IsChecked(qobject_cast<QCheckBox*>(Control(C::kShortBeep)));
    personality->StorePttIdUi(ui, Context().Language());
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
