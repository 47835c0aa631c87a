#include "gui/views/CPersonalityRXTXPage.h"

#include "core/data/PersonalityData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/QtText.h"
#include "gui/views/FormFields.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

namespace tav::gui {
namespace {

namespace C = PersonalityControls;

QComboBox* Combo(const CPersonalityRXTXPage& page, int id) {
    return qobject_cast<QComboBox*>(page.Control(id));
}

} // namespace

CPersonalityRXTXPage::CPersonalityRXTXPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CPersonalityPage(context, host, C::kRxTxPage, parent) {
    const auto& fields = PersonalityData::RxTxFields();
    BuildFieldPage(FieldTemplate(C::kRxTxPage, QStringLiteral("RX/TX"), fields), fields);
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
    // The pre-alert list offers what suits the stored time-out before the pre-alert is shown.
    RebuildPreAlert(personality->Bytes()[PersonalityLayout::kTxTimeout]);
    ShowFields(PersonalityData::RxTxFields(), ui);
    EnableDependents();
}

void CPersonalityRXTXPage::StoreView() {
    PersonalityData* personality = Personality();
    if (!personality) {
        return;
    }
    PersonalityUi ui;
    personality->LoadRxTxUi(ui, Context().Language());
    TakeFields(PersonalityData::RxTxFields(), ui);
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
