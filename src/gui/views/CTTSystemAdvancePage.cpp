#include "gui/views/CTTSystemAdvancePage.h"

#include "core/data/ProblemList.h"
#include "core/data/RecordNavigator.h"
#include "core/data/TwoToneSystemData.h"
#include "gui/app/AppContext.h"
#include "gui/views/FormFields.h"
#include "gui/views/RangeEditFactory.h"
#include "gui/views/RecordFieldControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace tav::gui {
namespace {

namespace C = TwoToneSystemControls;
namespace R = RecordFieldControls;
using Page = CTTSystemAdvancePage;
constexpr int kDecodes = 4;
constexpr int kTones = 4;
// The list whose items are the full call format list.
constexpr int kFullFormatList = C::kFirstCallFormat + 1;

std::vector<RangeEditDecl> AdvanceEdits() {
    std::vector<RangeEditDecl> edits;
    for (int t = 0; t < kTones; ++t) {
        edits.push_back({C::kFirstTone + t, Page::kFirstToneSpin + t, 6});
    }
    edits.push_back({C::kTranspondDelay, Page::kTranspondDelaySpin, 4});
    return edits;
}

const RecordField<TwoToneSystemData, TwoToneSystemAdvanceUi>& FieldOf(int controlId) {
    return RecordFieldAt(TwoToneSystemData::AdvanceFields(), controlId);
}

ControlSpec LabelOf(const FieldName& name, int row, int column, bool hidden = false) {
    return R::LabelSpec(FieldControl::ListText, name, row, column, hidden);
}

/// A decode per row: its name, then its lists under their headings and its boxes.
void AddDecodeRows(DialogTemplate& dialog) {
    constexpr int kLists[] = {C::kFirstCallFormat, C::kFirstCallType, C::kFirstAlertTone};
    for (int column = 0; column < 3; ++column) {
        dialog.controls.push_back(LabelOf(FieldOf(kLists[column]).label, 0, column + 1));
    }
    for (int k = 0; k < kDecodes; ++k) {
        const int row = k + 1;
        dialog.controls.push_back(LabelOf(FieldOf(C::kFirstCallFormat + k).group, row, 0));
        for (int column = 0; column < 3; ++column) {
            dialog.controls.push_back({kLists[column] + k, ControlKind::ComboBox, {}, row, column + 1});
        }
        const auto& transpond = FieldOf(C::kFirstTranspond + k);
        const auto& record = FieldOf(C::kFirstRecord + k);
        dialog.controls.push_back(R::LabelSpec(transpond.control, transpond.label, row, 4));
        dialog.controls.push_back(R::LabelSpec(record.control, record.label, row, 5, true));
    }
}

void AddToneRows(DialogTemplate& dialog) {
    for (int t = 0; t < kTones; ++t) {
        const int row = 5 + t;
        dialog.controls.push_back(LabelOf(FieldOf(C::kFirstTone + t).label, row, 0));
        dialog.controls.push_back({C::kFirstTone + t, ControlKind::Custom, {}, row, 1});
        dialog.controls.push_back({Page::kFirstToneSpin + t, ControlKind::Custom, {}, row, 2});
    }
    dialog.controls.push_back(LabelOf(FieldOf(C::kTranspondDelay).label, 9, 0, true));
    dialog.controls.push_back({C::kTranspondDelay, ControlKind::Custom, {}, 9, 1, 1, 1, true});
    dialog.controls.push_back({Page::kTranspondDelaySpin, ControlKind::Custom, {}, 9, 2, 1, 1, true});
}

void AddOptionRows(DialogTemplate& dialog) {
    constexpr int kBoxes[] = {C::kVibrate,          C::kLed,
                              C::kClearToTranspond, C::kAlertToneAutoReset,
                              C::kVibrateAutoReset, C::kLedAutoReset};
    int i = 0;
    for (const int id : kBoxes) {
        const auto& box = FieldOf(id);
        dialog.controls.push_back(R::LabelSpec(box.control, box.label, 5 + i / 2, 3 + i % 2));
        ++i;
    }
    dialog.controls.push_back(LabelOf(FieldOf(C::kRespondMode).label, 10, 0));
    dialog.controls.push_back({C::kRespondMode, ControlKind::ComboBox, {}, 10, 1});
}

DialogTemplate AdvanceTemplate() {
    DialogTemplate dialog{C::kAdvancePage, QStringLiteral("Advance"), {}};
    AddDecodeRows(dialog);
    AddToneRows(dialog);
    AddOptionRows(dialog);
    return dialog;
}

QComboBox* Combo(const EditorForm& form, int id) {
    return qobject_cast<QComboBox*>(form.Control(id));
}
QCheckBox* Box(const EditorForm& form, int id) {
    return qobject_cast<QCheckBox*>(form.Control(id));
}

void Apply(QWidget* control, const std::optional<bool>& enabled) {
    if (control && enabled) {
        control->setEnabled(*enabled);
    }
}

} // namespace

CTTSystemAdvancePage::CTTSystemAdvancePage(AppContext& context, EditorHost* host, QWidget* parent)
    : CTToneSystemPage(context, host, C::kAdvancePage, parent) {
    const ControlMap controls =
        BuildPage(AdvanceTemplate(), RangeEditFactory(context.Language(), AdvanceEdits()));
    FormFields::NameFields(controls, R::LabelPairs(TwoToneSystemData::AdvanceFields()));
    NameDecodeFields();
    if (const QComboBox* full = Combo(*this, kFullFormatList)) {
        for (int i = 0; i < full->count(); ++i) {
            fullFormats_.push_back(full->itemText(i));
        }
    }
}

void CTTSystemAdvancePage::NameDecodeFields() {
    // The fields of a decode row are named by their column (a list's heading, a box's caption)
    // and the decode's number.
    for (const auto& field : TwoToneSystemData::AdvanceFields()) {
        if (field.group.textId == 0) {
            continue;
        }
        const QWidget* column = Control(field.label.textId);
        const auto* heading = qobject_cast<const QLabel*>(column);
        const auto* box = qobject_cast<const QCheckBox*>(column);
        const QString name = heading ? heading->text() : box ? box->text() : QString();
        QWidget* control = Control(field.controlId);
        if (control && !name.isEmpty()) {
            const int decode = field.group.textId - C::kFirstDecodeLabel + 1;
            control->setAccessibleName(QStringLiteral("%1 %2").arg(name).arg(decode));
        }
    }
}

void CTTSystemAdvancePage::LoadView() {
    const TwoToneSystemData* system = System();
    if (!system) {
        return;
    }
    TwoToneSystemAdvanceUi ui;
    system->LoadAdvanceUi(ui, Context().Language(), Context().Container());
    R::ShowAll(TwoToneSystemData::AdvanceFields(), ui, *this);
    std::array<int, kDecodes> formats{};
    for (int k = 0; k < kDecodes; ++k) {
        formats[k] = Context().Language().ListTextToValue(C::kFirstCallFormat + k, ui.callFormat[k]);
    }
    OfferFormats(formats);
    EnableToneEdits();
    ReactToCallTypes();
}

void CTTSystemAdvancePage::StoreView() {
    TwoToneSystemData* system = System();
    if (!system) {
        return;
    }
    TwoToneSystemAdvanceUi ui;
    system->LoadAdvanceUi(ui, Context().Language(), Context().Container());
    R::TakeAll(TwoToneSystemData::AdvanceFields(), ui, *this);
    system->StoreAdvanceUi(ui, Context().Language());
}

void CTTSystemAdvancePage::RecordListChanged(const RecordListNotice& notice) {
    if (notice.command == NavigateCommand::Add || notice.command == NavigateCommand::Delete) {
        LoadView();
    }
}

void CTTSystemAdvancePage::OnControlChanged(int controlId, int /*notifyCode*/) {
    FormFields::CommitEntry(Control(controlId));
    if (controlId >= C::kFirstCallFormat && controlId < C::kFirstCallFormat + kDecodes) {
        EnableToneEdits();
        OfferFormats(CurrentFormats());
    } else if ((controlId >= C::kFirstCallType && controlId < C::kFirstCallType + kDecodes) ||
               (controlId >= C::kFirstTranspond && controlId < C::kFirstTranspond + kDecodes) ||
               controlId == C::kVibrate || controlId == C::kLed) {
        ReactToCallTypes();
    } else if (controlId >= C::kFirstAlertTone && controlId < C::kFirstAlertTone + kDecodes) {
        const TwoToneSystemData* system = System();
        if (system && Combo(*this, controlId) && Combo(*this, controlId)->currentIndex() >= 0) {
            Context().Problems().Withdraw(
                system->AlertToneChoiceKey(static_cast<std::size_t>(controlId - C::kFirstAlertTone)));
        }
    }
}

std::array<int, 4> CTTSystemAdvancePage::CurrentFormats() const {
    std::array<int, kDecodes> formats{};
    for (int k = 0; k < kDecodes; ++k) {
        formats[k] = FormFields::SelectedValue(Combo(*this, C::kFirstCallFormat + k));
    }
    return formats;
}

void CTTSystemAdvancePage::OfferFormats(const std::array<int, 4>& current) {
    const auto offered =
        TwoToneSystemData::OfferedCallFormats(static_cast<int>(fullFormats_.size()), current);
    for (int k = 0; k < kDecodes; ++k) {
        QComboBox* list = Combo(*this, C::kFirstCallFormat + k);
        if (!list) {
            continue;
        }
        const QSignalBlocker quiet(list);
        list->clear();
        for (const int value : offered[k]) {
            if (value >= 0 && static_cast<std::size_t>(value) < fullFormats_.size()) {
                list->addItem(fullFormats_[static_cast<std::size_t>(value)], value);
            }
        }
        list->setCurrentIndex(current[k] < 0 ? -1 : list->findData(current[k]));
    }
}

void CTTSystemAdvancePage::EnableToneEdits() {
    std::array<std::string, kDecodes> texts;
    for (int k = 0; k < kDecodes; ++k) {
        texts[k] = FormFields::SelectedText(Combo(*this, C::kFirstCallFormat + k));
    }
    const auto enabled = TwoToneSystemData::ToneEditsEnabled(texts);
    for (int t = 0; t < kTones; ++t) {
        EnableRangeEdit(this, {C::kFirstTone + t, kFirstToneSpin + t, 0}, enabled[t]);
    }
}

void CTTSystemAdvancePage::ReactToCallTypes() {
    std::array<int, kDecodes> positions{};
    for (int k = 0; k < kDecodes; ++k) {
        const QComboBox* type = Combo(*this, C::kFirstCallType + k);
        positions[k] = type ? type->currentIndex() : -1;
    }
    // Where the boxes matter (an alerting call type) the reaction itself enables them.
    const auto on = [this](int id) {
        const QCheckBox* box = Box(*this, id);
        return box && box->isChecked();
    };
    const TwoToneCallTypeReaction reaction =
        TwoToneSystemData::ReactToCallTypes(positions, on(C::kVibrate), on(C::kLed));
    for (int k = 0; k < kDecodes; ++k) {
        Apply(Control(C::kFirstAlertTone + k), reaction.alertToneList[k]);
        Apply(Control(C::kFirstRecord + k), reaction.recordBox[k]);
    }
    Apply(Control(C::kVibrate), reaction.vibrate);
    Apply(Control(C::kLed), reaction.led);
    Apply(Control(C::kAlertToneAutoReset), reaction.alertToneAutoReset);
    Apply(Control(C::kVibrateAutoReset), reaction.vibrateAutoReset);
    Apply(Control(C::kLedAutoReset), reaction.ledAutoReset);
}

} // namespace tav::gui
