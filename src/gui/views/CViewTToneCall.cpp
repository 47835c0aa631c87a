#include "gui/views/CViewTToneCall.h"

#include "core/data/ProblemList.h"
#include "core/data/TwoToneCallData.h"
#include "gui/app/AppContext.h"
#include "gui/views/FormFields.h"
#include "gui/views/RangeEditFactory.h"
#include "gui/views/RecordFieldControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>

namespace tav::gui {
namespace {

namespace C = TwoToneCallControls;
namespace R = RecordFieldControls;
using V = CViewTToneCall;

const RecordField<TwoToneCallData, TwoToneCallUi>& FieldOf(int controlId) {
    return RecordFieldAt(TwoToneCallData::EditorFields(), controlId);
}

ControlSpec LabelOf(int controlId, int row) {
    const auto& field = FieldOf(controlId);
    return R::LabelSpec(field.control, field.label, row, field.control == FieldControl::Check ? 1 : 0);
}

DialogTemplate CallTemplate() {
    return {V::kTemplateId,
            QStringLiteral("2-Tone Call"),
            {LabelOf(C::kCallFormat, 0),
             {C::kCallFormat, ControlKind::ComboBox, {}, 0, 1},
             {V::kAliasLabel, ControlKind::Label, QStringLiteral("Alias"), 1, 0, 1, 1, true},
             {V::kAliasEdit, ControlKind::Edit, {}, 1, 1, 1, 1, true},
             LabelOf(C::kFirstTone, 2),
             {C::kFirstTone, ControlKind::Custom, {}, 2, 1},
             {V::kFirstToneSpin, ControlKind::Custom, {}, 2, 2},
             LabelOf(C::kSecondTone, 3),
             {C::kSecondTone, ControlKind::Custom, {}, 3, 1},
             {V::kSecondToneSpin, ControlKind::Custom, {}, 3, 2},
             LabelOf(C::kRevertChannel, 4),
             {C::kRevertChannel, ControlKind::ComboBox, {}, 4, 1},
             LabelOf(C::kSystem, 5),
             {C::kSystem, ControlKind::ComboBox, {}, 5, 1},
             LabelOf(C::kStrip, 6)}};
}

QComboBox* Combo(const EditorForm& form, int id) {
    return qobject_cast<QComboBox*>(form.Control(id));
}

} // namespace

CViewTToneCall::CViewTToneCall(AppContext& context, EditorHost* host, QWidget* parent)
    : CCustomFormView(context, host, kTemplateId, parent) {
    const ControlMap controls = BuildForm(
        CallTemplate(), RangeEditFactory(context.Language(), {{C::kFirstTone, kFirstToneSpin, 6},
                                                              {C::kSecondTone, kSecondToneSpin, 6}}));
    auto names = R::LabelPairs(TwoToneCallData::EditorFields());
    names.emplace_back(kAliasLabel, kAliasEdit);
    FormFields::NameFields(controls, names);
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
    R::ShowAll(TwoToneCallData::EditorFields(), ui, *this);
    EnableSecondTone();
}

void CViewTToneCall::StoreView() {
    auto& list = Context().Container().TwoToneCalls();
    TwoToneCallData* call = current_ ? list.Find(*current_) : nullptr;
    if (!call || !Combo(*this, C::kCallFormat)) {
        return;
    }
    TwoToneCallUi ui;
    call->LoadUi(ui, Context().Language(), Context().Container());
    R::TakeAll(TwoToneCallData::EditorFields(), ui, *this);
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
