#include "gui/views/CViewAtis.h"

#include "core/data/AtisData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/DigitStringEdit.h"
#include "gui/views/FormFields.h"

#include <QComboBox>
#include <QGridLayout>

namespace tav::gui {
namespace {

DialogTemplate AtisTemplate() {
    return {AtisData::kTemplateId,
            QStringLiteral("ATIS"),
            {{CViewAtis::kCodeLabel, ControlKind::Label, QStringLiteral("ATIS Code"), 0, 0},
             {AtisData::kCodeEditId, ControlKind::Custom, {}, 0, 1},
             {CViewAtis::kPretimeLabel, ControlKind::Label, QStringLiteral("Pretime [ms]"), 1, 0},
             {AtisData::kPretimeListId, ControlKind::ComboBox, {}, 1, 1}}};
}

} // namespace

CViewAtis::CViewAtis(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, AtisData::kTemplateId, parent) {
    const ControlMap controls = BuildForm(AtisTemplate(), [](const ControlSpec&, QWidget* owner) {
        auto* edit = new DigitStringEdit(owner);
        edit->setMinimumWidth(160);
        return edit;
    });
    FormFields::NameFields(controls,
                           {{kCodeLabel, AtisData::kCodeEditId}, {kPretimeLabel, AtisData::kPretimeListId}});
    FormLayout()->setColumnMinimumWidth(0, 120);
}

void CViewAtis::LoadView() {
    AtisUi ui;
    Context().Container().Atis().LoadUi(ui, Context().Language());
    if (auto* edit = qobject_cast<DigitStringEdit*>(Control(AtisData::kCodeEditId))) {
        edit->SetBytes(ui.code, static_cast<int>(AtisData::kCodeDigits));
    }
    FormFields::SelectText(qobject_cast<QComboBox*>(Control(AtisData::kPretimeListId)), ui.pretime);
}

void CViewAtis::StoreView() {
    auto* edit = qobject_cast<DigitStringEdit*>(Control(AtisData::kCodeEditId));
    auto* pretime = qobject_cast<QComboBox*>(Control(AtisData::kPretimeListId));
    if (!edit || !pretime) {
        return;
    }
    AtisData& atis = Context().Container().Atis();
    AtisUi ui;
    atis.LoadUi(ui, Context().Language());
    // The text is read as the edit packs it when it loses the focus, so a store while it is still
    // being typed in keeps what is shown.
    ui.code = AtisCodeFromText(FormFields::Text(edit));
    if (pretime->currentIndex() >= 0) {
        ui.pretime = FormFields::SelectedText(pretime);
    }
    atis.StoreUi(ui, Context().Language());
}

void CViewAtis::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == AtisData::kCodeEditId) {
        FormFields::CommitEntry(Control(controlId));
    }
}

} // namespace tav::gui
