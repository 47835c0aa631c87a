#include "gui/views/CConfigPage.h"

#include "core/data/ScanListData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/NamedComboAccessible.h"
#include "gui/views/BlockFieldControls.h"
#include "gui/views/FormFields.h"

#include <QCheckBox>
#include <QComboBox>

namespace tav::gui {
namespace {

namespace B = BlockFieldControls;

/// Where a field sits on the page: its label's cell (a check box's own cell); a list's or a
/// channel's drop-down follows in the next column.
struct Place {
    int controlId;
    int row;
    int column;
    bool hidden = false;
};

DialogTemplate ConfigTemplate() {
    using P = CConfigPage;
    const Place places[] = {
        {P::kToneScanMode, 0, 0},
        {P::kSignalScanMode, 0, 2},
        {P::kSignalHangTime, 1, 0},
        {P::kHangTime, 1, 2},
        {P::kTransmitMode, 2, 0},
        {P::kDesignatedChannel, 2, 2},
        {P::kPriorityMode, 3, 0},
        {P::kPriorityChannel, 3, 2},
        {P::kSweepTime, 4, 0},
        {P::kPriorityDeleteAdd, 4, 3, true},
        {P::kScanStartAlert, 5, 1},
        {P::kScanEndAlert, 5, 3},
        {P::kPriorityScanAlert, 6, 1},
        {P::kIncludeCurrent, 6, 3},
        {P::kTalkback, 7, 1},
        {P::kPriorityInAutoReset, 7, 3},
        {P::kNuisanceDelete, 8, 1, true},
        {P::kNuisanceReset, 8, 3, true},
    };
    DialogTemplate dialog{P::kTemplateId, QStringLiteral("Scan Configuration"), {}};
    for (const Place& place : places) {
        const BlockFieldInfo& field = BlockFieldAt(ScanListData::SettingsFields(), place.controlId);
        dialog.controls.push_back(B::LabelSpec(field, place.row, place.column, 1, place.hidden));
        if (field.labelId != field.controlId) {
            dialog.controls.push_back(B::ControlSpecOf(field, place.row, place.column + 1, place.hidden));
        }
    }
    return dialog;
}

} // namespace

CConfigPage::CConfigPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertyPage(context, host, kTemplateId, parent) {
    UseNamedComboAccessibility();
    FormFields::NameFields(BuildPage(ConfigTemplate()), B::LabelPairs(ScanListData::SettingsFields()));
}

QComboBox* CConfigPage::Combo(int id) const {
    return qobject_cast<QComboBox*>(Control(id));
}

QCheckBox* CConfigPage::Check(int id) const {
    return qobject_cast<QCheckBox*>(Control(id));
}

void CConfigPage::FillChannels() {
    const auto& channels = Context().Container().Channels();
    for (const int id : {kDesignatedChannel, kPriorityChannel}) {
        QComboBox* combo = Combo(id);
        combo->clear();
        for (std::size_t k = 0; k < channels.Count(); ++k) {
            combo->addItem(QString::number(k + 1), channels.IdAt(k));
        }
    }
}

void CConfigPage::LoadView() {
    FillChannels();
    if (!scanList_) {
        return;
    }
    ScanSettingsUi ui;
    scanList_->LoadSettings(ui, Context().Language(), Context().Container());
    B::ShowAll(ScanListData::SettingsFields(), ui, *this);
    EnableDependents();
}

void CConfigPage::StoreView() {
    if (!scanList_) {
        return;
    }
    ScanSettingsUi ui;
    scanList_->LoadSettings(ui, Context().Language(), Context().Container());
    B::TakeAll(ScanListData::SettingsFields(), ui, *this);
    scanList_->StoreSettings(ui, Context().Language(), Context().Container());
}

int CConfigPage::ShownListValue(int controlId) const {
    const auto& field = BlockFieldAt(ScanListData::SettingsFields(), controlId);
    const std::optional<BlockValue> shown = B::Shown(Control(controlId), field);
    return shown ? Context().Language().ListTextToValue(field.listId, std::get<std::string>(*shown)) : -1;
}

void CConfigPage::EnableDependents() {
    Combo(kDesignatedChannel)
        ->setEnabled(ScanListData::DesignatedChannelEnabled(ShownListValue(kTransmitMode)));
    const PriorityControlState priority = ScanListData::PriorityControls(ShownListValue(kPriorityMode));
    Combo(kPriorityChannel)->setEnabled(priority.channel);
    Check(kPriorityDeleteAdd)->setEnabled(priority.deleteAdd);
    Combo(kSweepTime)->setEnabled(priority.sweepTime);
}

void CConfigPage::OnControlChanged(int controlId, int /*notifyCode*/) {
    if (controlId == kPriorityMode || controlId == kTransmitMode) {
        EnableDependents();
    }
    if ((controlId == kDesignatedChannel || controlId == kPriorityChannel) && scanList_ &&
        Combo(controlId)->currentIndex() >= 0) {
        scanList_->WithdrawProblem(Context().Problems(), controlId);
    }
}

} // namespace tav::gui
