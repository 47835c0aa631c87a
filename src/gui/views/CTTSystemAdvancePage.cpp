#include "gui/views/CTTSystemAdvancePage.h"

#include "core/data/ProblemList.h"
#include "core/data/RecordNavigator.h"
#include "core/data/TwoToneSystemData.h"
#include "gui/app/AppContext.h"
#include "gui/views/FormFields.h"
#include "gui/views/RangeEditFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace tav::gui {
namespace {

namespace C = TwoToneSystemControls;
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

void AddDecodeRows(DialogTemplate& dialog) {
    dialog.controls.push_back(
        {Page::kFormatHeading, ControlKind::Label, QStringLiteral("Call Format"), 0, 1});
    dialog.controls.push_back({Page::kTypeHeading, ControlKind::Label, QStringLiteral("Call Type"), 0, 2});
    dialog.controls.push_back({Page::kAlertHeading, ControlKind::Label, QStringLiteral("Alert Tone"), 0, 3});
    for (int k = 0; k < kDecodes; ++k) {
        const int row = k + 1;
        dialog.controls.push_back({Page::kFirstDecodeLabel + k, ControlKind::Label,
                                   QStringLiteral("Decode %1").arg(k + 1), row, 0});
        dialog.controls.push_back({C::kFirstCallFormat + k, ControlKind::ComboBox, {}, row, 1});
        dialog.controls.push_back({C::kFirstCallType + k, ControlKind::ComboBox, {}, row, 2});
        dialog.controls.push_back({C::kFirstAlertTone + k, ControlKind::ComboBox, {}, row, 3});
        dialog.controls.push_back(
            {C::kFirstTranspond + k, ControlKind::CheckBox, QStringLiteral("Transpond"), row, 4});
        dialog.controls.push_back(
            {C::kFirstRecord + k, ControlKind::CheckBox, QStringLiteral("Record"), row, 5, 1, 1, true});
    }
}

void AddToneRows(DialogTemplate& dialog) {
    for (int t = 0; t < kTones; ++t) {
        const int row = 5 + t;
        dialog.controls.push_back({Page::kFirstToneLabel + t, ControlKind::Label,
                                   QStringLiteral("Tone %1 [Hz]").arg(QChar('A' + t)), row, 0});
        dialog.controls.push_back({C::kFirstTone + t, ControlKind::Custom, {}, row, 1});
        dialog.controls.push_back({Page::kFirstToneSpin + t, ControlKind::Custom, {}, row, 2});
    }
    dialog.controls.push_back({Page::kTranspondDelayLabel, ControlKind::Label,
                               QStringLiteral("Transpond Delay [s]"), 9, 0, 1, 1, true});
    dialog.controls.push_back({C::kTranspondDelay, ControlKind::Custom, {}, 9, 1, 1, 1, true});
    dialog.controls.push_back({Page::kTranspondDelaySpin, ControlKind::Custom, {}, 9, 2, 1, 1, true});
}

void AddOptionRows(DialogTemplate& dialog) {
    const std::pair<int, const char*> boxes[] = {{C::kVibrate, "Vibrate"},
                                                 {C::kLed, "LED"},
                                                 {C::kClearToTranspond, "Clear to Transpond"},
                                                 {C::kAlertToneAutoReset, "Alert Tone Auto Rest"},
                                                 {C::kVibrateAutoReset, "Vibrate Auto Rest"},
                                                 {C::kLedAutoReset, "LED Auto Reset"}};
    int i = 0;
    for (const auto& [id, caption] : boxes) {
        dialog.controls.push_back(
            {id, ControlKind::CheckBox, QString::fromLatin1(caption), 5 + i / 2, 3 + i % 2});
        ++i;
    }
    dialog.controls.push_back(
        {Page::kRespondModeLabel, ControlKind::Label, QStringLiteral("Respond Mode"), 10, 0});
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
    std::vector<std::pair<int, int>> names{{kTranspondDelayLabel, C::kTranspondDelay},
                                           {kRespondModeLabel, C::kRespondMode}};
    for (int t = 0; t < kTones; ++t) {
        names.emplace_back(kFirstToneLabel + t, C::kFirstTone + t);
    }
    FormFields::NameFields(controls, names);
    NameDecodeFields();
    if (const QComboBox* full = Combo(*this, kFullFormatList)) {
        for (int i = 0; i < full->count(); ++i) {
            fullFormats_.push_back(full->itemText(i));
        }
    }
}

void CTTSystemAdvancePage::NameDecodeFields() {
    // The fields of a decode row are named by their column and the decode's number.
    const std::pair<int, int> columns[] = {{kFormatHeading, C::kFirstCallFormat},
                                           {kTypeHeading, C::kFirstCallType},
                                           {kAlertHeading, C::kFirstAlertTone},
                                           {0, C::kFirstTranspond},
                                           {0, C::kFirstRecord}};
    for (const auto& [heading, first] : columns) {
        const auto* label = qobject_cast<QLabel*>(Control(heading));
        for (int k = 0; k < kDecodes; ++k) {
            QWidget* field = Control(first + k);
            const auto* box = qobject_cast<QCheckBox*>(field);
            const QString name = label ? label->text() : box ? box->text() : QString();
            if (field && !name.isEmpty()) {
                field->setAccessibleName(QStringLiteral("%1 %2").arg(name).arg(k + 1));
            }
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
    std::array<int, kDecodes> formats{};
    for (int k = 0; k < kDecodes; ++k) {
        FormFields::ShowChoices(Combo(*this, C::kFirstAlertTone + k), ui.alertTone[k]);
        FormFields::SelectText(Combo(*this, C::kFirstCallType + k), ui.callType[k]);
        FormFields::SetChecked(Box(*this, C::kFirstTranspond + k), ui.transpond[k]);
        FormFields::SetChecked(Box(*this, C::kFirstRecord + k), ui.record[k]);
        formats[k] = Context().Language().ListTextToValue(C::kFirstCallFormat + k, ui.callFormat[k]);
    }
    for (int t = 0; t < kTones; ++t) {
        FormFields::SetText(qobject_cast<QLineEdit*>(Control(C::kFirstTone + t)), ui.tone[t]);
    }
    FormFields::SetText(qobject_cast<QLineEdit*>(Control(C::kTranspondDelay)), ui.transpondDelay);
    const std::pair<int, int> boxes[] = {{C::kVibrate, ui.vibrate},
                                         {C::kLed, ui.led},
                                         {C::kClearToTranspond, ui.clearToTranspond},
                                         {C::kAlertToneAutoReset, ui.alertToneAutoReset},
                                         {C::kVibrateAutoReset, ui.vibrateAutoReset},
                                         {C::kLedAutoReset, ui.ledAutoReset}};
    for (const auto& [id, checked] : boxes) {
        FormFields::SetChecked(Box(*this, id), checked);
    }
    FormFields::SelectText(Combo(*this, C::kRespondMode), ui.respondMode);
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
    for (int k = 0; k < kDecodes; ++k) {
        ui.callFormat[k] = FormFields::SelectedText(Combo(*this, C::kFirstCallFormat + k));
        ui.callType[k] = FormFields::SelectedText(Combo(*this, C::kFirstCallType + k));
        ui.alertTone[k] = FormFields::ChoicesShown(Combo(*this, C::kFirstAlertTone + k));
        ui.transpond[k] = FormFields::IsChecked(Box(*this, C::kFirstTranspond + k));
        ui.record[k] = FormFields::IsChecked(Box(*this, C::kFirstRecord + k));
    }
    for (int t = 0; t < kTones; ++t) {
        ui.tone[t] = FormFields::Text(qobject_cast<QLineEdit*>(Control(C::kFirstTone + t)));
    }
    ui.transpondDelay = FormFields::Text(qobject_cast<QLineEdit*>(Control(C::kTranspondDelay)));
    ui.vibrate = FormFields::IsChecked(Box(*this, C::kVibrate));
    ui.led = FormFields::IsChecked(Box(*this, C::kLed));
    ui.clearToTranspond = FormFields::IsChecked(Box(*this, C::kClearToTranspond));
    ui.alertToneAutoReset = FormFields::IsChecked(Box(*this, C::kAlertToneAutoReset));
    ui.vibrateAutoReset = FormFields::IsChecked(Box(*this, C::kVibrateAutoReset));
    ui.ledAutoReset = FormFields::IsChecked(Box(*this, C::kLedAutoReset));
    ui.respondMode = FormFields::SelectedText(Combo(*this, C::kRespondMode));
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
