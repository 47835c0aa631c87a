#include "gui/views/CConfigPage.h"

#include "core/data/ScanListData.h"
#include "gui/app/AppContext.h"
#include "gui/controls/NamedComboAccessible.h"
#include "gui/controls/QtText.h"
#include "gui/views/FieldNames.h"

#include <QCheckBox>
#include <QComboBox>

namespace tav::gui {
namespace {

DialogTemplate ConfigTemplate() {
    using K = ControlKind;
    using P = CConfigPage;
    const struct {
        int id;
        K kind;
        const char* text;
        int row;
        int column;
        bool hidden;
    } controls[] = {
        {3829, K::Label, "CTCSS/CDCSS Scan Mode", 0, 0, false},
        {P::kToneScanMode, K::ComboBox, "", 0, 1, false},
        {3831, K::Label, "Signal Scan Mode", 0, 2, false},
        {P::kSignalScanMode, K::ComboBox, "", 0, 3, false},
        {3851, K::Label, "Signal Hang Time", 1, 0, false},
        {P::kSignalHangTime, K::ComboBox, "", 1, 1, false},
        {3847, K::Label, "Hang Time (s)", 1, 2, false},
        {P::kHangTime, K::ComboBox, "", 1, 3, false},
        {3845, K::Label, "TX Mode", 2, 0, false},
        {P::kTransmitMode, K::ComboBox, "", 2, 1, false},
        {3849, K::Label, "Designated Channel", 2, 2, false},
        {P::kDesignatedChannel, K::ComboBox, "", 2, 3, false},
        {3833, K::Label, "Priority Mode", 3, 0, false},
        {P::kPriorityMode, K::ComboBox, "", 3, 1, false},
        {3835, K::Label, "Priority Channel", 3, 2, false},
        {P::kPriorityChannel, K::ComboBox, "", 3, 3, false},
        {3843, K::Label, "Priority Sweep Time (ms)", 4, 0, false},
        {P::kSweepTime, K::ComboBox, "", 4, 1, false},
        {P::kPriorityDeleteAdd, K::CheckBox, "Delete/Add", 4, 3, true},
        {P::kScanStartAlert, K::CheckBox, "Scan Start Alert", 5, 1, false},
        {P::kScanEndAlert, K::CheckBox, "Scan End Alert", 5, 3, false},
        {P::kPriorityScanAlert, K::CheckBox, "Priority Scan Alert", 6, 1, false},
        {P::kIncludeCurrent, K::CheckBox, "Include Current Channel", 6, 3, false},
        {P::kTalkback, K::CheckBox, "Talkback", 7, 1, false},
        {P::kPriorityInAutoReset, K::CheckBox, "Priority Scan in Auto Reset Time", 7, 3, false},
        {P::kNuisanceDelete, K::CheckBox, "Nuisance Delete", 8, 1, true},
        {P::kNuisanceReset, K::CheckBox, "Nuisance Reset", 8, 3, true},
    };
    DialogTemplate dialog{P::kTemplateId, QStringLiteral("Scan Configuration"), {}};
    for (const auto& c : controls) {
        ControlSpec declared{c.id, c.kind, QString::fromLatin1(c.text), c.row, c.column};
        declared.hidden = c.hidden;
        dialog.controls.push_back(declared);
    }
    return dialog;
}

/// The list drop-downs and where their texts travel in the page's structure.
std::pair<int, std::string ScanSettingsUi::*> const kListFields[] = {
    {CConfigPage::kToneScanMode, &ScanSettingsUi::toneScanMode},
    {CConfigPage::kSignalScanMode, &ScanSettingsUi::signalScanMode},
    {CConfigPage::kSignalHangTime, &ScanSettingsUi::signalHangTime},
    {CConfigPage::kTransmitMode, &ScanSettingsUi::transmitMode},
    {CConfigPage::kHangTime, &ScanSettingsUi::hangTime},
    {CConfigPage::kPriorityMode, &ScanSettingsUi::priorityMode},
    {CConfigPage::kSweepTime, &ScanSettingsUi::prioritySweepTime}};

std::pair<int, int ScanSettingsUi::*> const kCheckFields[] = {
    {CConfigPage::kPriorityDeleteAdd, &ScanSettingsUi::priorityDeleteAdd},
    {CConfigPage::kScanStartAlert, &ScanSettingsUi::scanStartAlert},
    {CConfigPage::kScanEndAlert, &ScanSettingsUi::scanEndAlert},
    {CConfigPage::kPriorityScanAlert, &ScanSettingsUi::priorityScanAlert},
    {CConfigPage::kIncludeCurrent, &ScanSettingsUi::includeCurrentChannel},
    {CConfigPage::kTalkback, &ScanSettingsUi::talkback},
    {CConfigPage::kPriorityInAutoReset, &ScanSettingsUi::priorityScanInAutoReset},
    {CConfigPage::kNuisanceDelete, &ScanSettingsUi::nuisanceDelete},
    {CConfigPage::kNuisanceReset, &ScanSettingsUi::nuisanceReset}};

int SelectedValue(const QComboBox* combo) {
    return combo && combo->currentIndex() >= 0 ? combo->currentData().toInt() : -1;
}

std::uint32_t SelectedPosition(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? ScanSettingsUi::kNoSelection
                                     : static_cast<std::uint32_t>(combo->currentIndex());
}

void SelectPosition(QComboBox* combo, std::uint32_t position) {
    combo->setCurrentIndex(position == ScanSettingsUi::kNoSelection ? -1 : static_cast<int>(position));
}

} // namespace

CConfigPage::CConfigPage(AppContext& context, EditorHost* host, QWidget* parent)
    : CTAVPropertyPage(context, host, kTemplateId, parent) {
    UseNamedComboAccessibility();
    NameFieldsByLabels(BuildPage(ConfigTemplate()));
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
    for (const auto& [id, field] : kListFields) {
        Combo(id)->setCurrentIndex(Combo(id)->findText(ToQt(ui.*field)));
    }
    for (const auto& [id, field] : kCheckFields) {
        Check(id)->setChecked(ui.*field != 0);
    }
    SelectPosition(Combo(kDesignatedChannel), ui.designatedChannel);
    SelectPosition(Combo(kPriorityChannel), ui.priorityChannel);
    EnableDependents();
}

void CConfigPage::StoreView() {
    if (!scanList_) {
        return;
    }
    ScanSettingsUi ui;
    for (const auto& [id, field] : kListFields) {
        ui.*field = ToStd(Combo(id)->currentText());
    }
    for (const auto& [id, field] : kCheckFields) {
        ui.*field = Check(id)->isChecked() ? 1 : 0;
    }
    ui.designatedChannel = SelectedPosition(Combo(kDesignatedChannel));
    ui.priorityChannel = SelectedPosition(Combo(kPriorityChannel));
    scanList_->StoreSettings(ui, Context().Language(), Context().Container());
}

void CConfigPage::EnableDependents() {
    Combo(kDesignatedChannel)
        ->setEnabled(ScanListData::DesignatedChannelEnabled(SelectedValue(Combo(kTransmitMode))));
    const PriorityControlState priority = ScanListData::PriorityControls(SelectedValue(Combo(kPriorityMode)));
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
