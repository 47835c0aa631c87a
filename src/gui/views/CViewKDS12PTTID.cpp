#include "gui/views/CViewKDS12PTTID.h"

#include "core/data/PttIdData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/FilterEdit.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"

#include <QGridLayout>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;
using P = PttIdData;
using V = CViewKDS12PTTID;

DialogTemplate PttIdTemplate() {
    const auto field = [](int controlId) -> const BlockFieldInfo& {
        return BlockFieldAt(P::EditorFields(), controlId);
    };
    // The group ID is no field of the block: its edit is kept hidden and stores nothing.
    return {P::kTemplateId,
            QStringLiteral("PTT-ID"),
            {B::LabelSpec(field(P::kPrimaryIdEditId), 0, 0),
             B::ControlSpecOf(field(P::kPrimaryIdEditId), 0, 1),
             {V::kGroupIdLabel, ControlKind::Label, QStringLiteral("GROUP ID"), 1, 0, 1, 1, true},
             {P::kGroupIdEditId, ControlKind::Custom, {}, 1, 1, 1, 1, true},
             B::LabelSpec(field(P::kTypeListId), 2, 0),
             B::ControlSpecOf(field(P::kTypeListId), 2, 1),
             B::LabelSpec(field(P::kPretimeListId), 3, 0),
             B::ControlSpecOf(field(P::kPretimeListId), 3, 1),
             B::LabelSpec(field(P::kPreambleListId), 4, 0),
             B::ControlSpecOf(field(P::kPreambleListId), 4, 1),
             B::LabelSpec(field(P::kSideToneCheckId), 5, 1),
             B::LabelSpec(field(P::kShortBeepCheckId), 6, 1)}};
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
    auto pairs = B::LabelPairs(P::EditorFields());
    pairs.emplace_back(kGroupIdLabel, P::kGroupIdEditId);
    FormFields::NameFields(controls, pairs);
    FormLayout()->setColumnMinimumWidth(0, 120);
}

void CViewKDS12PTTID::LoadView() {
    // The block shows the first personality's PTT-ID fields, which the radio sends.
    PttIdUi ui;
    Context().Container().PttId().LoadUi(ui, Context().Language());
    B::ShowAll(P::EditorFields(), ui, *this);
}

void CViewKDS12PTTID::StoreView() {
    PttIdData& pttId = Context().Container().PttId();
    PttIdUi ui;
    pttId.LoadUi(ui, Context().Language());
    B::TakeAll(P::EditorFields(), ui, *this);
    // Stores into the first personality's fields as well.
    pttId.StoreUi(ui, Context().Language());
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
