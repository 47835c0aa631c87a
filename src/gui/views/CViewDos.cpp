#include "gui/views/CViewDos.h"

#include "core/data/DosData.h"
#include "gui/app/AppContext.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"

#include <QCheckBox>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;

DialogTemplate DosTemplate() {
    const auto& enable = BlockFieldAt(DosData::EditorFields(), DosData::kEnableCheckId);
    const auto& preMute = BlockFieldAt(DosData::EditorFields(), DosData::kPreMuteListId);
    // The post-mute list is no field of the editor: kept hidden, its bits are kept as found.
    return {DosData::kTemplateId,
            QStringLiteral("DOS"),
            {B::LabelSpec(enable, 0, 0, 2),
             B::LabelSpec(preMute, 1, 0),
             B::ControlSpecOf(preMute, 1, 1),
             {CViewDos::kPostMuteLabel, ControlKind::Label, QStringLiteral("DOS Post-Mute Duration[ms]"), 2,
              0, 1, 1, true},
             {DosData::kPostMuteListId, ControlKind::ComboBox, {}, 2, 1, 1, 1, true}}};
}

} // namespace

CViewDos::CViewDos(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, DosData::kTemplateId, parent) {
    const ControlMap controls = BuildForm(DosTemplate());
    auto pairs = B::LabelPairs(DosData::EditorFields());
    pairs.emplace_back(kPostMuteLabel, DosData::kPostMuteListId);
    FormFields::NameFields(controls, pairs);
}

void CViewDos::LoadView() {
    DosUi ui;
    Context().Container().Dos().LoadUi(ui, Context().Language());
    B::ShowAll(DosData::EditorFields(), ui, *this);
    EnablePreMute();
}

void CViewDos::StoreView() {
    DosData& dos = Context().Container().Dos();
    DosUi ui;
    dos.LoadUi(ui, Context().Language());
    B::TakeAll(DosData::EditorFields(), ui, *this);
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
