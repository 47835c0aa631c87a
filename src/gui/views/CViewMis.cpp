#include "gui/views/CViewMis.h"

#include "core/data/MiscData.h"
#include "gui/views/ComboText.h"
#include "gui/views/FieldNames.h"

#include <QCheckBox>
#include <QGridLayout>

namespace tav::gui {
namespace {

// Each drop-down's label carries the number before the drop-down's.
constexpr int kLabelOffset = 1;

struct ListField {
    int id;
    const char* label;
    std::string MiscUi::*text;
};

constexpr ListField kLists[] = {
    {MiscData::kVoxDelayListId, "VOX Delay Time", &MiscUi::voxDelay},
    {MiscData::kVoxGainListId, "VOX Gain Level", &MiscUi::voxGain},
    {MiscData::kTailRevertListId, "CTCSS tail revert option", &MiscUi::tailRevert},
    {MiscData::kSquelchLevelListId, "Carrier Squelch Level", &MiscUi::squelchLevel},
    {MiscData::kLowPowerAlertGapListId, "Low Power Alert  Gap Time[s]", &MiscUi::lowPowerAlertGap},
    {MiscData::kBatterySaveModeListId, "Battery Save Mode", &MiscUi::batterySaveMode},
};

DialogTemplate MiscTemplate() {
    DialogTemplate dialog{MiscData::kTemplateId, QStringLiteral("Miscellaneous"), {}};
    int row = 0;
    for (const ListField& field : kLists) {
        if (field.id == MiscData::kBatterySaveModeListId) {
            dialog.controls.push_back({MiscData::kBatterySaveCheckId, ControlKind::CheckBox,
                                       QStringLiteral("Battery Save"), row++, 1});
        }
        dialog.controls.push_back(
            {field.id - kLabelOffset, ControlKind::Label, QString::fromLatin1(field.label), row, 0});
        dialog.controls.push_back({field.id, ControlKind::ComboBox, {}, row++, 1});
    }
    dialog.controls.push_back({MiscData::kVoxInhibitCheckId, ControlKind::CheckBox,
                               QStringLiteral("VOX Inhibit On Receive"), row, 1});
    return dialog;
}

} // namespace

CViewMis::CViewMis(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, MiscData::kTemplateId, parent) {
    const ControlMap controls = BuildForm(MiscTemplate());
    for (const ListField& field : kLists) {
        NameFieldsByLabels(controls, {{field.id - kLabelOffset, field.id}});
        if (QComboBox* list = List(field.id)) {
            list->setMinimumWidth(200);
        }
    }
    FormLayout()->setColumnMinimumWidth(0, 200);
    FormLayout()->setVerticalSpacing(10);
}

QComboBox* CViewMis::List(int listId) const {
    return qobject_cast<QComboBox*>(Control(listId));
}

QCheckBox* CViewMis::Check(int checkId) const {
    return qobject_cast<QCheckBox*>(Control(checkId));
}

void CViewMis::LoadView() {
    MiscUi ui;
    Context().Container().Misc().LoadUi(ui, Context().Language());
    for (const ListField& field : kLists) {
        SelectComboText(List(field.id), ui.*field.text);
    }
    if (QCheckBox* check = Check(MiscData::kBatterySaveCheckId)) {
        check->setChecked(ui.batterySave != 0);
    }
    if (QCheckBox* check = Check(MiscData::kVoxInhibitCheckId)) {
        check->setChecked(ui.voxInhibit != 0);
    }
    EnableDependents();
}

void CViewMis::StoreView() {
    MiscData& misc = Context().Container().Misc();
    MiscUi ui;
    misc.LoadUi(ui, Context().Language());
    for (const ListField& field : kLists) {
        ui.*field.text = ComboText(List(field.id));
    }
    if (const QCheckBox* check = Check(MiscData::kBatterySaveCheckId)) {
        ui.batterySave = check->isChecked() ? 1 : 0;
    }
    if (const QCheckBox* check = Check(MiscData::kVoxInhibitCheckId)) {
        ui.voxInhibit = check->isChecked() ? 1 : 0;
    }
    misc.StoreUi(ui, Context().Language());
}

void CViewMis::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == MiscData::kBatterySaveCheckId) {
        EnableDependents();
    }
}

void CViewMis::EnableDependents() {
    MiscUi ui;
    const QCheckBox* batterySave = Check(MiscData::kBatterySaveCheckId);
    ui.batterySave = batterySave && batterySave->isChecked() ? 1 : 0;
    if (QComboBox* mode = List(MiscData::kBatterySaveModeListId)) {
        // A model whose language file switches the list off keeps it off.
        mode->setEnabled(IsBatterySaveModeEnabled(ui) &&
                         Context().Language().IsControlDisabled(MiscData::kBatterySaveModeListId) == 0);
    }
}

} // namespace tav::gui
