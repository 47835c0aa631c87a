#include "gui/views/CViewTToneCall.h"

#include "core/data/ProblemList.h"
#include "core/data/TwoToneCallData.h"
#include "gui/app/AppContext.h"
#include "gui/views/FormFields.h"
#include "gui/views/RangeEditFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>

namespace tav::gui {
namespace {

namespace C = TwoToneCallControls;
using V = CViewTToneCall;

DialogTemplate CallTemplate() {
    return {V::kTemplateId,
            QStringLiteral("2-Tone Call"),
            {{V::kCallFormatLabel, ControlKind::Label, QStringLiteral("Call Format"), 0, 0},
             {C::kCallFormat, ControlKind::ComboBox, {}, 0, 1},
             {V::kAliasLabel, ControlKind::Label, QStringLiteral("Alias"), 1, 0, 1, 1, true},
             {V::kAliasEdit, ControlKind::Edit, {}, 1, 1, 1, 1, true},
             {V::kFirstToneLabel, ControlKind::Label, QStringLiteral("1st Tone [Hz]"), 2, 0},
             {C::kFirstTone, ControlKind::Custom, {}, 2, 1},
             {V::kFirstToneSpin, ControlKind::Custom, {}, 2, 2},
             {V::kSecondToneLabel, ControlKind::Label, QStringLiteral("2nd Tone [Hz]"), 3, 0},
             {C::kSecondTone, ControlKind::Custom, {}, 3, 1},
             {V::kSecondToneSpin, ControlKind::Custom, {}, 3, 2},
             {V::kRevertChannelLabel, ControlKind::Label, QStringLiteral("Revert Channel"), 4, 0},
             {C::kRevertChannel, ControlKind::ComboBox, {}, 4, 1},
             {V::kSystemLabel, ControlKind::Label, QStringLiteral("2 Tone System"), 5, 0},
             {C::kSystem, ControlKind::ComboBox, {}, 5, 1},
             {C::kStrip, ControlKind::CheckBox, QStringLiteral("Strip CTCSS/CDCSS Enable"), 6, 1}}};
}

QComboBox* Combo(const EditorForm& form, int id) {
    return qobject_cast<QComboBox*>(form.Control(id));
}
QLineEdit* Edit(const EditorForm& form, int id) {
    return qobject_cast<QLineEdit*>(form.Control(id));
}

} // namespace

CViewTToneCall::CViewTToneCall(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    const ControlMap controls = BuildForm(
        CallTemplate(), RangeEditFactory(context.Language(), {{C::kFirstTone, kFirstToneSpin, 6},
                                                              {C::kSecondTone, kSecondToneSpin, 6}}));
    FormFields::NameFields(controls, {{kCallFormatLabel, C::kCallFormat},
                                      {kAliasLabel, kAliasEdit},
                                      {kFirstToneLabel, C::kFirstTone},
                                      {kSecondToneLabel, C::kSecondTone},
                                      {kRevertChannelLabel, C::kRevertChannel},
                                      {kSystemLabel, C::kSystem}});
    for (const auto& [id, control] : controls) {
        control->installEventFilter(this);
    }
    FormLayout()->setColumnMinimumWidth(0, 120);
}

void CViewTToneCall::OnInitialUpdate() {
    CDataContainer& container = Context().Container();
    auto& list = container.TwoToneCalls();
    if (list.Empty()) {
        auto& call = list.Append(container.MakeTwoToneCall(0));
        call.ResolveReferences(container);
        SendRecordListChanged(NavigateCommand::Add);
    }
    current_ = 0;
    LoadView();
}

void CViewTToneCall::LoadView() {
    const auto& list = Context().Container().TwoToneCalls();
    const TwoToneCallData* call = current_ ? list.Find(*current_) : nullptr;
    if (!call) {
        return;
    }
    TwoToneCallUi ui;
    call->LoadUi(ui, Context().Language(), Context().Container());
    if (QComboBox* format = Combo(*this, C::kCallFormat)) {
        format->setCurrentIndex(ui.callFormat < format->count() ? ui.callFormat : -1);
    }
    FormFields::ShowChoices(Combo(*this, C::kRevertChannel), ui.revertChannel);
    FormFields::ShowChoices(Combo(*this, C::kSystem), ui.system);
    FormFields::SetText(Edit(*this, C::kFirstTone), ui.firstTone);
    FormFields::SetText(Edit(*this, C::kSecondTone), ui.secondTone);
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(C::kStrip)), ui.strip);
    EnableSecondTone();
}

void CViewTToneCall::StoreView() {
    auto& list = Context().Container().TwoToneCalls();
    TwoToneCallData* call = current_ ? list.Find(*current_) : nullptr;
    const QComboBox* format = Combo(*this, C::kCallFormat);
    if (!call || !format) {
        return;
    }
    TwoToneCallUi ui;
    ui.callFormat = format->currentIndex();
    ui.revertChannel = FormFields::ChoicesShown(Combo(*this, C::kRevertChannel));
    ui.system = FormFields::ChoicesShown(Combo(*this, C::kSystem));
    ui.firstTone = FormFields::Text(Edit(*this, C::kFirstTone));
    ui.secondTone = FormFields::Text(Edit(*this, C::kSecondTone));
    ui.strip = FormFields::IsChecked(qobject_cast<QCheckBox*>(Control(C::kStrip)));
    call->StoreUi(ui, Context().Language());
}

void CViewTToneCall::NavigateRecord(int recordNumber, NavigateCommand command) {
    StoreView();
    CDataContainer& container = Context().Container();
    auto& list = container.TwoToneCalls();
    if (command == NavigateCommand::Add && list.Count() >= kCapacity) {
        return;
    }
    const std::optional<std::size_t> next = tav::NavigateRecord<TwoToneCallData>(
        list, current_, command, recordNumber,
        [&container, &list] {
            auto call = container.MakeTwoToneCall(list.Count());
            call->ResolveReferences(container);
            return call;
        },
        [this](TwoToneCallData& call) { call.WithdrawProblems(Context().Problems()); });
    // A refused command (delete of the last call, a number past the end) keeps the call.
    if (next) {
        current_ = next;
    } else if (!list.Empty() && (!current_ || *current_ >= list.Count())) {
        current_ = list.Count() - 1;
    }
    LoadView();
    SendRecordListChanged(command);
    container.FixUpReferences();
}

void CViewTToneCall::DataChanged(std::uint32_t wParam, const RecordListNotice* notice) {
    const bool listChanged =
        wParam == EditorMessages::kRecordListChanged && notice &&
        notice->sender != static_cast<const EditorForm*>(this) &&
        (notice->command == NavigateCommand::Add || notice->command == NavigateCommand::Delete);
    if (listChanged) {
        StoreView();
        LoadView();
    }
}

std::optional<RecordPosition> CViewTToneCall::Position() const {
    const int count = static_cast<int>(Context().Container().TwoToneCalls().Count());
    return RecordPosition{current_ ? static_cast<int>(*current_) + 1 : 0, count};
}

void CViewTToneCall::OnControlChanged(int controlId, int /*notifyCode*/) {
    FormFields::CommitEntry(Control(controlId));
    const auto& list = Context().Container().TwoToneCalls();
    const TwoToneCallData* call = current_ ? list.Find(*current_) : nullptr;
    if (controlId == C::kCallFormat) {
        EnableSecondTone();
    } else if (call && (controlId == C::kRevertChannel || controlId == C::kSystem) &&
               Combo(*this, controlId)->currentIndex() >= 0) {
        Context().Problems().Withdraw(controlId == C::kSystem ? call->SystemKey() : call->RevertChannelKey());
    }
}

void CViewTToneCall::EnableSecondTone() {
    const QComboBox* format = Combo(*this, C::kCallFormat);
    EnableRangeEdit(FormWidget(), {C::kSecondTone, kSecondToneSpin, 0},
                    TwoToneCallData::SecondToneEnabled(format ? format->currentIndex() : 0));
}

bool CViewTToneCall::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* control = qobject_cast<QWidget*>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && control && control->hasFocus()) {
            // Leaving the control takes its value, as Tab would.
            focusNextChild();
            return true;
        }
    }
    return CCustomFormView::eventFilter(watched, event);
}

} // namespace tav::gui
