#include "gui/views/CPageChanMisc.h"

#include "core/data/ChannelData.h"
#include "core/data/ChannelFields.h"
#include "gui/app/AppContext.h"
#include "gui/controls/NamedComboAccessible.h"
#include "gui/views/FieldNames.h"

#include <QCheckBox>
#include <QComboBox>

namespace tav::gui {
namespace {

/// A control of the page captioned with the channel field's own fallback label.
ControlSpec Captioned(ChannelFieldId id, int controlId, ControlKind kind, int row, int column) {
    return {controlId, kind, QString::fromLatin1(ChannelFieldOf(id).fallback), row, column};
}

DialogTemplate MiscTemplate() {
    using F = ChannelFieldId;
    using K = ControlKind;
    using P = CPageChanMisc;
    return {P::kTemplateId,
            QStringLiteral("Miscellaneous"),
            {Captioned(F::Personality, ChannelFieldOf(F::Personality).labelId, K::Label, 0, 0),
             {P::kPersonality, K::ComboBox, {}, 0, 1},
             Captioned(F::ScanList, ChannelFieldOf(F::ScanList).labelId, K::Label, 1, 0),
             {P::kScanList, K::ComboBox, {}, 1, 1},
             Captioned(F::AutoStartScan, P::kAutoStartScan, K::CheckBox, 2, 1),
             Captioned(F::Atis, P::kAtis, K::CheckBox, 3, 1)}};
}

} // namespace

CPageChanMisc::CPageChanMisc(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertyPage(context, host, kTemplateId, parent) {
    UseNamedComboAccessibility();
    NameFieldsByLabels(BuildPage(MiscTemplate()));
    Combo(kPersonality)->setMinimumWidth(120);
    Combo(kScanList)->setMinimumWidth(120);
}

QComboBox* CPageChanMisc::Combo(int id) const {
    return qobject_cast<QComboBox*>(Control(id));
}

QCheckBox* CPageChanMisc::Check(int id) const {
    return qobject_cast<QCheckBox*>(Control(id));
}

void CPageChanMisc::FillLists() {
    const CDataContainer& container = Context().Container();
    QComboBox* personalities = Combo(kPersonality);
    personalities->clear();
    for (std::size_t k = 0; k < container.Personalities().Count(); ++k) {
        personalities->addItem(QString::number(k + 1), container.Personalities().IdAt(k));
    }
    QComboBox* scanLists = Combo(kScanList);
    scanLists->clear();
    scanLists->addItem(Context().ControlText(kScanList, QStringLiteral("None")), 0U);
    for (std::size_t k = 0; k < container.ScanLists().Count(); ++k) {
        scanLists->addItem(QString::number(k + 1), container.ScanLists().IdAt(k));
    }
}

void CPageChanMisc::LoadView() {
    FillLists();
    if (!channel_) {
        return;
    }
    ChannelUi ui;
    channel_->LoadMisc(ui, Context().Container());
    const auto select = [](QComboBox* combo, std::uint32_t position) {
        combo->setCurrentIndex(position == ChannelUi::kNoSelection ? -1 : static_cast<int>(position));
    };
    select(Combo(kPersonality), ui.personalityPosition);
    select(Combo(kScanList), ui.scanListPosition);
    Check(kAutoStartScan)->setChecked(ui.autoStartScan != 0);
    Check(kAtis)->setChecked(ui.atis != 0);
}

void CPageChanMisc::StoreView() {
    if (!channel_) {
        return;
    }
    const auto position = [](const QComboBox* combo) {
        return combo->currentIndex() < 0 ? ChannelUi::kNoSelection
                                         : static_cast<std::uint32_t>(combo->currentIndex());
    };
    ChannelUi ui;
    ui.personalityPosition = position(Combo(kPersonality));
    ui.scanListPosition = position(Combo(kScanList));
    ui.autoStartScan = Check(kAutoStartScan)->isChecked() ? 1 : 0;
    ui.atis = Check(kAtis)->isChecked() ? 1 : 0;
    channel_->StoreMisc(ui, Context().Container());
}

void CPageChanMisc::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (!channel_ || (controlId != kPersonality && controlId != kScanList)) {
        return;
    }
    if (Combo(controlId)->currentIndex() >= 0) {
        channel_->WithdrawProblem(Context().Problems(), controlId);
    }
}

} // namespace tav::gui
