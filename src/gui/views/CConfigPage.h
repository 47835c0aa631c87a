#pragma once

#include "core/data/ScanListData.h"
#include "gui/views/CTAVPropertyPage.h"

class QComboBox;
class QCheckBox;

namespace tav::gui {

/// The scan list's configuration page (template 3800): scan modes, hang times, the transmit
/// behaviour while scanning with its designated channel, the priority channel with its sweep time,
/// and the alert and behaviour switches. The designated channel can be chosen only for the
/// designated-channel transmit mode; the priority controls follow the priority mode.
class CConfigPage : public CTAVPropertyPage {
    Q_OBJECT
public:
    using D = ScanListData;
    static constexpr int kTemplateId = D::kConfigPageText;
    static constexpr int kToneScanMode = D::kToneScanModeList;
    static constexpr int kSignalScanMode = D::kSignalScanModeList;
    static constexpr int kSignalHangTime = D::kSignalHangTimeList;
    static constexpr int kTransmitMode = D::kTransmitModeList;
    static constexpr int kHangTime = D::kHangTimeList;
    static constexpr int kDesignatedChannel = D::kDesignatedControl;
    static constexpr int kPriorityMode = D::kPriorityModeList;
    static constexpr int kPriorityChannel = D::kPriorityControl;
    static constexpr int kPriorityDeleteAdd = D::kPriorityDeleteAddCheck;
    static constexpr int kSweepTime = D::kSweepTimeList;
    static constexpr int kScanStartAlert = D::kScanStartAlertCheck;
    static constexpr int kScanEndAlert = D::kScanEndAlertCheck;
    static constexpr int kPriorityScanAlert = D::kPriorityScanAlertCheck;
    static constexpr int kIncludeCurrent = D::kIncludeCurrentCheck;
    static constexpr int kTalkback = D::kTalkbackCheck;
    static constexpr int kPriorityInAutoReset = D::kPriorityInAutoResetCheck;
    static constexpr int kNuisanceDelete = D::kNuisanceDeleteCheck;
    static constexpr int kNuisanceReset = D::kNuisanceResetCheck;

    CConfigPage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void SetData(ScanListData* scanList) { scanList_ = scanList; }
    void LoadView() override;
    void StoreView() override;

    QComboBox* Combo(int id) const;
    QCheckBox* Check(int id) const;

protected:
    ChangeOrder Order() const override { return ChangeOrder::NotifyThenStore; }
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    void FillChannels();
    /// The language value of the item a list field's drop-down shows; -1 without a selection.
    int ShownListValue(int controlId) const;
    void EnableDependents();

    ScanListData* scanList_ = nullptr;
};

} // namespace tav::gui
