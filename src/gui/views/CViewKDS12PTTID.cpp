#include "gui/views/CViewKDS12PTTID.h"

#include "core/data/PttIdData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/FilterEdit.h"
#include "gui/views/FormFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

namespace tav::gui {
namespace {

using P = PttIdData;
using V = CViewKDS12PTTID;

DialogTemplate PttIdTemplate() {
    return {P::kTemplateId,
            QStringLiteral("PTT-ID"),
            {{V::kPrimaryIdLabel, ControlKind::Label, QStringLiteral("PRIMARY ID"), 0, 0},
             {P::kPrimaryIdEditId, ControlKind::Custom, {}, 0, 1},
             {V::kGroupIdLabel, ControlKind::Label, QStringLiteral("GROUP ID"), 1, 0, 1, 1, true},
             {P::kGroupIdEditId, ControlKind::Custom, {}, 1, 1, 1, 1, true},
             {V::kTypeLabel, ControlKind::Label, QStringLiteral("PTTID TYPE"), 2, 0},
             {P::kTypeListId, ControlKind::ComboBox, {}, 2, 1},
             {V::kPretimeLabel, ControlKind::Label, QStringLiteral("PRETIME"), 3, 0},
             {P::kPretimeListId, ControlKind::ComboBox, {}, 3, 1},
             {V::kPreambleLabel, ControlKind::Label, QStringLiteral("Preamble Bit Sync"), 4, 0},
             {P::kPreambleListId, ControlKind::ComboBox, {}, 4, 1},
             {P::kSideToneCheckId, ControlKind::CheckBox, QStringLiteral("SIDE TONE"), 5, 1},
             {P::kShortBeepCheckId, ControlKind::CheckBox, QStringLiteral("SHORT BEEP"), 6, 1}}};
}

QWidget* MakeIdEdit(const ControlSpec& declared, QWidget* owner) {
    auto* edit = new FilterEdit(owner);
    edit->SetAllowed(V::kIdCharacters);
    edit->setMaxLength(declared.id == P::kPrimaryIdEditId ? 4 : 3);
    return edit;
}

} // namespace

CViewKDS12PTTID::CViewKDS12PTTID(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, P::kTemplateId, parent) {
    const ControlMap controls = BuildForm(PttIdTemplate(), MakeIdEdit);
    FormFields::NameFields(controls, {{kPrimaryIdLabel, P::kPrimaryIdEditId},
                                      {kGroupIdLabel, P::kGroupIdEditId},
                                      {kTypeLabel, P::kTypeListId},
                                      {kPretimeLabel, P::kPretimeListId},
                                      {kPreambleLabel, P::kPreambleListId}});
    FormLayout()->setColumnMinimumWidth(0, 120);
}

void CViewKDS12PTTID::LoadView() {
    // The block shows the first personality's PTT-ID fields, which the radio sends.
    PttIdUi ui;
    Context().Container().PttId().LoadUi(ui, Context().Language());
    FormFields::SetText(qobject_cast<QLineEdit*>(Control(P::kPrimaryIdEditId)), ui.primaryId);
    FormFields::SelectText(qobject_cast<QComboBox*>(Control(P::kTypeListId)), ui.type);
    FormFields::SelectText(qobject_cast<QComboBox*>(Control(P::kPretimeListId)), ui.pretime);
    FormFields::SelectText(qobject_cast<QComboBox*>(Control(P::kPreambleListId)), ui.preamble);
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(P::kSideToneCheckId)), ui.sideTone);
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(P::kShortBeepCheckId)), ui.shortBeep);
}

void CViewKDS12PTTID::StoreView() {
    auto* id = qobject_cast<QLineEdit*>(Control(P::kPrimaryIdEditId));
    if (!id) {
        return;
    }
    PttIdUi ui;
    ui.primaryId = FormFields::Text(id);
    ui.type = FormFields::SelectedText(qobject_cast<QComboBox*>(Control(P::kTypeListId)));
    ui.pretime = FormFields::SelectedText(qobject_cast<QComboBox*>(Control(P::kPretimeListId)));
    ui.preamble = FormFields::SelectedText(qobject_cast<QComboBox*>(Control(P::kPreambleListId)));
    ui.sideTone = FormFields::IsChecked(qobject_cast<QCheckBox*>(Control(P::kSideToneCheckId)));
    ui.shortBeep = FormFields::IsChecked(qobject_cast<QCheckBox*>(Control(P::kShortBeepCheckId)));
    // Stores into the first personality's fields as well.
    Context().Container().PttId().StoreUi(ui, Context().Language());
}

void CViewKDS12PTTID::DataChanged(std::uint32_t /*wParam*/, const RecordListNotice* /*notice*/) {
    // Another editor may have changed the first personality (or made another one first).
    LoadView();
}

void CViewKDS12PTTID::OnControlChanged(int controlId, int notifyCode) {
    (void)notifyCode;
    auto* edit = qobject_cast<QLineEdit*>(Control(controlId));
    if (!edit) {
        return;
    }
    if (controlId == P::kPrimaryIdEditId) {
        FormFields::SetText(edit, NormalizePrimaryIdText(FormFields::Text(edit)));
    } else if (controlId == P::kGroupIdEditId) {
        FormFields::SetText(edit, NormalizeGroupIdText(FormFields::Text(edit)));
    }
}

} // namespace tav::gui
