#include "gui/views/CViewDos.h"

#include "core/data/DosData.h"
#include "gui/app/AppContext.h"
#include "gui/views/FormFields.h"

#include <QCheckBox>
#include <QComboBox>

namespace tav::gui {
namespace {

DialogTemplate DosTemplate() {
    return {DosData::kTemplateId,
            QStringLiteral("DOS"),
            {{DosData::kEnableCheckId, ControlKind::CheckBox, QStringLiteral("DOS ENABLE"), 0, 0, 1, 2},
             {CViewDos::kPreMuteLabel, ControlKind::Label, QStringLiteral("DOS Pre-Mute Duration[ms]"), 1, 0},
             {DosData::kPreMuteListId, ControlKind::ComboBox, {}, 1, 1},
             {CViewDos::kPostMuteLabel, ControlKind::Label, QStringLiteral("DOS Post-Mute Duration[ms]"), 2,
              0, 1, 1, true},
             {DosData::kPostMuteListId, ControlKind::ComboBox, {}, 2, 1, 1, 1, true}}};
}

} // namespace

CViewDos::CViewDos(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, DosData::kTemplateId, parent) {
    const ControlMap controls = BuildForm(DosTemplate());
    FormFields::NameFields(
        controls, {{kPreMuteLabel, DosData::kPreMuteListId}, {kPostMuteLabel, DosData::kPostMuteListId}});
}

void CViewDos::LoadView() {
    DosUi ui;
    Context().Container().Dos().LoadUi(ui, Context().Language());
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(DosData::kEnableCheckId)), ui.enable);
    FormFields::SelectText(qobject_cast<QComboBox*>(Control(DosData::kPreMuteListId)), ui.preMute);
    EnablePreMute();
}

void CViewDos::StoreView() {
    auto* enable = qobject_cast<QCheckBox*>(Control(DosData::kEnableCheckId));
    auto* preMute = qobject_cast<QComboBox*>(Control(DosData::kPreMuteListId));
    if (!enable || !preMute) {
        return;
    }
    DosData& dos = Context().Container().Dos();
    DosUi ui;
    dos.LoadUi(ui, Context().Language());
    ui.enable = FormFields::IsChecked(enable);
    if (preMute->currentIndex() >= 0) {
        ui.preMute = FormFields::SelectedText(preMute);
    }
    dos.StoreUi(ui, Context().Language());
}

void CViewDos::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == DosData::kEnableCheckId) {
        EnablePreMute();
    }
}

void CViewDos::EnablePreMute() {
    auto* enable = qobject_cast<QCheckBox*>(Control(DosData::kEnableCheckId));
    if (QWidget* preMute = Control(DosData::kPreMuteListId)) {
        DosUi ui;
        ui.enable = FormFields::IsChecked(enable);
        preMute->setEnabled(IsPreMuteEnabled(ui));
    }
}

} // namespace tav::gui
