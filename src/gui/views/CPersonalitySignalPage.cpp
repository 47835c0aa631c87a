#include "gui/views/CPersonalitySignalPage.h"

#include "core/data/PersonalityData.h"
#include "core/data/ProblemList.h"
#include "gui/app/AppContext.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"

#include <QComboBox>

namespace tav::gui {
namespace {

namespace C = PersonalityControls;
using Page = CPersonalitySignalPage;

// Each system choice follows the signalling type it belongs to; the decode condition comes last.
DialogTemplate SignalTemplate() {
    namespace B = BlockFieldControls;
    const auto& fields = PersonalityData::SignalFields();
    const auto field = [&fields](int controlId) -> const BlockFieldInfo& {
        return BlockFieldAt(fields, controlId);
    };
    return {C::kSignalPage,
            QStringLiteral("Signaling"),
            {B::LabelSpec(field(C::kRxSignaling), 0, 0),
             B::ControlSpecOf(field(C::kRxSignaling), 0, 1),
             {Page::kRxSystemLabel, ControlKind::Label, QStringLiteral("RX 2-Tone System"), 1, 0},
             {C::kRxSystem, ControlKind::ComboBox, {}, 1, 1},
             B::LabelSpec(field(C::kTxSignaling), 2, 0),
             B::ControlSpecOf(field(C::kTxSignaling), 2, 1),
             {Page::kTxSystemLabel, ControlKind::Label, QStringLiteral("TX 2-Tone System"), 3, 0},
             {C::kTxSystem, ControlKind::ComboBox, {}, 3, 1},
             B::LabelSpec(field(C::kDecodeCondition), 4, 0),
             B::ControlSpecOf(field(C::kDecodeCondition), 4, 1)}};
}

} // namespace

CPersonalitySignalPage::CPersonalitySignalPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CPersonalityPage(context, host, C::kSignalPage, parent) {
    const ControlMap controls = BuildPage(SignalTemplate());
    FormFields::NameFields(controls, {{kRxSignalingLabel, C::kRxSignaling},
                                      {kRxSystemLabel, C::kRxSystem},
                                      {kTxSignalingLabel, C::kTxSignaling},
                                      {kTxSystemLabel, C::kTxSystem},
                                      {kDecodeConditionLabel, C::kDecodeCondition}});
    // The TX side is made disabled and stays so.
    for (const int id : {kTxSignalingLabel, static_cast<int>(C::kTxSignaling), kTxSystemLabel,
                         static_cast<int>(C::kTxSystem)}) {
        if (QWidget* control = Control(id)) {
            control->setEnabled(false);
        }
    }
}

void CPersonalitySignalPage::LoadView() {
    const PersonalityData* personality = Personality();
    if (!personality) {
        return;
    }
    PersonalityUi ui;
    personality->LoadSignalUi(ui, Context().Language(), Context().Container());
    ShowFields(PersonalityData::SignalFields(), ui);
    FormFields::ShowChoices(qobject_cast<QComboBox*>(Control(C::kRxSystem)), ui.rxSystem);
    FormFields::ShowChoices(qobject_cast<QComboBox*>(Control(C::kTxSystem)), ui.txSystem);
    Control(C::kTxSystem)->setEnabled(false);
}

void CPersonalitySignalPage::StoreView() {
    PersonalityData* personality = Personality();
    if (!personality) {
        return;
    }
    // The choice lists are read back against the systems they were filled with.
    PersonalityUi ui;
    personality->LoadSignalUi(ui, Context().Language(), Context().Container());
    TakeFields(PersonalityData::SignalFields(), ui);
    ui.rxSystem = FormFields::ChoicesShown(qobject_cast<QComboBox*>(Control(C::kRxSystem)));
    ui.txSystem = FormFields::ChoicesShown(qobject_cast<QComboBox*>(Control(C::kTxSystem)));
    personality->StoreSignalUi(ui, Context().Language());
}

void CPersonalitySignalPage::RecordListChanged(const RecordListNotice& notice) {
    if (notice.command == NavigateCommand::Add || notice.command == NavigateCommand::Delete) {
        LoadView();
    }
}

void CPersonalitySignalPage::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == C::kRxSignaling) {
        RefillSystems(C::kRxSignaling, C::kRxSystem);
        const auto* types = qobject_cast<QComboBox*>(Control(C::kRxSignaling));
        if (const PersonalityData* personality = Personality();
            personality && types && types->currentIndex() > 0) {
            personality->WithdrawProblems(Context().Problems());
        }
    } else if (controlId == C::kTxSignaling) {
        RefillSystems(C::kTxSignaling, C::kTxSystem);
    }
}

void CPersonalitySignalPage::RefillSystems(int typeListId, int systemListId) {
    const PersonalityData* personality = Personality();
    auto* systems = qobject_cast<QComboBox*>(Control(systemListId));
    if (!personality || !systems) {
        return;
    }
    const int type = FormFields::SelectedValue(qobject_cast<QComboBox*>(Control(typeListId)));
    const ObjectId reference =
        systemListId == C::kRxSystem ? personality->RxSystemRef() : personality->TxSystemRef();
    FormFields::ShowChoices(systems,
                            PersonalityData::SystemChoices(std::max(type, 0), reference, systemListId,
                                                           Context().Language(), Context().Container()));
    if (systemListId == C::kTxSystem) {
        systems->setEnabled(false);
    }
}

} // namespace tav::gui
