#include "gui/views/CViewMis.h"

#include "core/data/MiscData.h"
#include "gui/app/AppContext.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FieldNames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;

/// The editor's rows from the top: the Battery Save box stands above the list it switches.
constexpr int kRows[] = {
    MiscData::kVoxDelayListId,        MiscData::kVoxGainListId,          MiscData::kTailRevertListId,
    MiscData::kSquelchLevelListId,    MiscData::kLowPowerAlertGapListId, MiscData::kBatterySaveCheckId,
    MiscData::kBatterySaveModeListId, MiscData::kVoxInhibitCheckId,
};

DialogTemplate MiscTemplate() {
    DialogTemplate dialog{MiscData::kTemplateId, QStringLiteral("Miscellaneous"), {}};
    int row = 0;
    for (const int controlId : kRows) {
        const BlockFieldInfo& field = BlockFieldAt(MiscData::EditorFields(), controlId);
        if (field.labelId == field.controlId) {
            dialog.controls.push_back(B::LabelSpec(field, row++, 1));
            continue;
        }
        dialog.controls.push_back(B::LabelSpec(field, row, 0));
        dialog.controls.push_back(B::ControlSpecOf(field, row++, 1));
    }
    return dialog;
}

} // namespace

CViewMis::CViewMis(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, MiscData::kTemplateId, parent) {
    const ControlMap controls = BuildForm(MiscTemplate());
    for (const auto& [label, field] : B::LabelPairs(MiscData::EditorFields())) {
        NameFieldsByLabels(controls, {{label, field}});
        if (QComboBox* list = List(field)) {
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
    B::ShowAll(MiscData::EditorFields(), ui, *this);
    EnableDependents();
}

void CViewMis::StoreView() {
    MiscData& misc = Context().Container().Misc();
    MiscUi ui;
    misc.LoadUi(ui, Context().Language());
    B::TakeAll(MiscData::EditorFields(), ui, *this);
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
