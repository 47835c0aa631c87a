#include "gui/views/CPersonalityRXTXPage.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/QtText.h"
#include "gui/views/FormFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

namespace tav::gui {
namespace {

namespace C = PersonalityControls;

// Labels carry the number before their list's.
constexpr int kLabelOffset = 1;

DialogTemplate RxTxTemplate() {
    const struct {
        int list;
        const char* label;
    } lists[] = {{C::kTxAdmit, "Tx Admit"},
                 {C::kTxTimeout, "TX Time out Time"},
                 {C::kTotPreAlert, "TOT Pre-Alert Time"},
                 {C::kTotRekey, "TOT Re-key Time"},
                 {C::kTotReset, "TOT Reset Time"},
                 {C::kAutoResetMode, "Auto Reset Mode"},
                 {C::kAutoResetTime, "Auto Reset TIME"}};
    DialogTemplate dialog{C::kRxTxPage, QStringLiteral("RX/TX"), {}};
    int row = 0;
    for (const auto& list : lists) {
        dialog.controls.push_back(
            {list.list - kLabelOffset, ControlKind::Label, QString::fromLatin1(list.label), row, 0});
        dialog.controls.push_back({list.list, ControlKind::ComboBox, {}, row, 1});
        ++row;
    }
    dialog.controls.push_back(
        {C::kBusyLockout, ControlKind::CheckBox, QStringLiteral("Busy Channel Lockout"), row, 1});
    return dialog;
}

QComboBox* Combo(const CPersonalityRXTXPage& page, int id) {
    return qobject_cast<QComboBox*>(page.Control(id));
}

} // namespace

CPersonalityRXTXPage::CPersonalityRXTXPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CPersonalityPage(context, host, C::kRxTxPage, parent) {
    const ControlMap controls = BuildPage(RxTxTemplate());
    std::vector<std::pair<int, int>> names;
    for (const int id : {C::kTxAdmit, C::kTxTimeout, C::kTotPreAlert, C::kTotRekey, C::kTotReset,
                         C::kAutoResetMode, C::kAutoResetTime}) {
        names.emplace_back(id - kLabelOffset, id);
    }
    FormFields::NameFields(controls, names);
    if (QComboBox* preAlert = Combo(*this, C::kTotPreAlert)) {
        for (int i = 0; i < preAlert->count(); ++i) {
            fullPreAlert_.emplace_back(preAlert->itemText(i), preAlert->itemData(i));
        }
    }
}

void CPersonalityRXTXPage::LoadView() {
    const PersonalityData* personality = Personality();
    if (!personality) {
        return;
    }
    PersonalityUi ui;
    personality->LoadRxTxUi(ui, Context().Language());
    FormFields::SelectText(Combo(*this, C::kTxAdmit), ui.txAdmit);
    FormFields::SelectText(Combo(*this, C::kTxTimeout), ui.txTimeout);
    RebuildPreAlert(personality->Bytes()[PersonalityLayout::kTxTimeout]);
    FormFields::SelectText(Combo(*this, C::kTotPreAlert), ui.totPreAlert);
    FormFields::SelectText(Combo(*this, C::kTotRekey), ui.totRekey);
    FormFields::SelectText(Combo(*this, C::kTotReset), ui.totReset);
    FormFields::SelectText(Combo(*this, C::kAutoResetMode), ui.autoResetMode);
    FormFields::SelectText(Combo(*this, C::kAutoResetTime), ui.autoResetTime);
    FormFields::SetChecked(qobject_cast<QCheckBox*>(Control(C::kBusyLockout)), ui.busyChannelLockout);
    EnableDependents();
}

void CPersonalityRXTXPage::StoreView() {
    PersonalityData* personality = Personality();
    if (!personality) {
        return;
    }
    PersonalityUi ui;
    ui.txAdmit = FormFields::SelectedText(Combo(*this, C::kTxAdmit));
    ui.txTimeout = FormFields::SelectedText(Combo(*this, C::kTxTimeout));
    ui.totPreAlert = FormFields::SelectedText(Combo(*this, C::kTotPreAlert));
    ui.totRekey = FormFields::SelectedText(Combo(*this, C::kTotRekey));
    ui.totReset = FormFields::SelectedText(Combo(*this, C::kTotReset));
    ui.autoResetMode = FormFields::SelectedText(Combo(*this, C::kAutoResetMode));
    ui.autoResetTime = FormFields::SelectedText(Combo(*this, C::kAutoResetTime));
    ui.busyChannelLockout = FormFields::IsChecked(qobject_cast<QCheckBox*>(Control(C::kBusyLockout)));
    personality->StoreRxTxUi(ui, Context().Language());
}

void CPersonalityRXTXPage::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == C::kTxTimeout) {
        RebuildPreAlert(FormFields::SelectedValue(Combo(*this, C::kTxTimeout)));
    }
    if (controlId == C::kTxTimeout || controlId == C::kAutoResetMode) {
        EnableDependents();
    }
}

void CPersonalityRXTXPage::RebuildPreAlert(int txTimeoutValue) {
    QComboBox* preAlert = Combo(*this, C::kTotPreAlert);
    if (!preAlert) {
        return;
    }
    std::vector<std::string> full;
    full.reserve(fullPreAlert_.size());
    for (const auto& item : fullPreAlert_) {
        full.push_back(ToStd(item.first));
    }
    const std::vector<std::string> offered = PersonalityData::PreAlertItems(full, txTimeoutValue);
    const std::string shown = FormFields::SelectedText(preAlert);
    const QSignalBlocker quiet(preAlert);
    preAlert->clear();
    for (std::size_t i = 0; i < offered.size(); ++i) {
        preAlert->addItem(fullPreAlert_[i].first, fullPreAlert_[i].second);
    }
    preAlert->setCurrentIndex(PersonalityData::ReselectPreAlert(offered, shown));
}

void CPersonalityRXTXPage::EnableDependents() {
    const bool tot = PersonalityData::TotSettingsEnabled(
        std::max(FormFields::SelectedValue(Combo(*this, C::kTxTimeout)), 0));
    for (const int id : {C::kTotPreAlert, C::kTotRekey, C::kTotReset}) {
        if (QWidget* list = Control(id)) {
            list->setEnabled(tot);
        }
    }
    if (QWidget* time = Control(C::kAutoResetTime)) {
        time->setEnabled(PersonalityData::AutoResetTimeEnabled(
            std::max(FormFields::SelectedValue(Combo(*this, C::kAutoResetMode)), 0)));
    }
}

} // namespace tav::gui
