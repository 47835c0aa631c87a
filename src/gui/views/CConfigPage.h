#pragma once

#include "gui/views/CTAVPropertyPage.h"

class QComboBox;
class QCheckBox;

namespace tav {
class ScanListData;
}

namespace tav::gui {

/// The scan list's configuration page (template 3800): scan modes, hang times, the transmit
/// behaviour while scanning with its designated channel, the priority channel with its sweep time,
/// and the alert and behaviour switches. The designated channel can be chosen only for the
/// designated-channel transmit mode; the priority controls follow the priority mode.
class CConfigPage : public CTAVPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3800;
    static constexpr int kToneScanMode = 3830;
    static constexpr int kSignalScanMode = 3832;
    static constexpr int kSignalHangTime = 3852;
    static constexpr int kTransmitMode = 3846;
    static constexpr int kHangTime = 3848;
    static constexpr int kDesignatedChannel = 3850;
    static constexpr int kPriorityMode = 3834;
    static constexpr int kPriorityChannel = 3836;
    static constexpr int kPriorityDeleteAdd = 3837;
    static constexpr int kSweepTime = 3844;
    static constexpr int kScanStartAlert = 3855;
    static constexpr int kScanEndAlert = 3856;
    static constexpr int kPriorityScanAlert = 3860;
    static constexpr int kIncludeCurrent = 3857;
    static constexpr int kTalkback = 3861;
    static constexpr int kPriorityInAutoReset = 3858;
    static constexpr int kNuisanceDelete = 3854;
    static constexpr int kNuisanceReset = 3853;

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
    void EnableDependents();

    ScanListData* scanList_ = nullptr;
};

} // namespace tav::gui
