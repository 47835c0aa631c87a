#include "gui/views/CViewAtis.h"

#include "core/data/AtisData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/DigitStringEdit.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"

#include <QGridLayout>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;

DialogTemplate AtisTemplate() {
    const auto& code = BlockFieldAt(AtisData::EditorFields(), AtisData::kCodeEditId);
    const auto& pretime = BlockFieldAt(AtisData::EditorFields(), AtisData::kPretimeListId);
    return {AtisData::kTemplateId,
            QStringLiteral("ATIS"),
            {B::LabelSpec(code, 0, 0), B::ControlSpecOf(code, 0, 1), B::LabelSpec(pretime, 1, 0),
             B::ControlSpecOf(pretime, 1, 1)}};
}

} // namespace

CViewAtis::CViewAtis(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, AtisData::kTemplateId, parent) {
    const ControlMap controls = BuildForm(AtisTemplate(), [](const ControlSpec&, QWidget* owner) {
        auto* edit = new DigitStringEdit(owner);
        edit->setMinimumWidth(160);
        return edit;
    });
    FormFields::NameFields(controls, B::LabelPairs(AtisData::EditorFields()));
    FormLayout()->setColumnMinimumWidth(0, 120);
}

void CViewAtis::LoadView() {
    AtisUi ui;
    Context().Container().Atis().LoadUi(ui, Context().Language());
    B::ShowAll(AtisData::EditorFields(), ui, *this);
}

void CViewAtis::StoreView() {
    AtisData& atis = Context().Container().Atis();
    AtisUi ui;
    atis.LoadUi(ui, Context().Language());
    B::TakeAll(AtisData::EditorFields(), ui, *this);
    atis.StoreUi(ui, Context().Language());
}

void CViewAtis::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == AtisData::kCodeEditId) {
        FormFields::CommitEntry(Control(controlId));
    }
}

} // namespace tav::gui
