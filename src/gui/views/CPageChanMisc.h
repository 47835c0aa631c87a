#pragma once

#include "gui/views/CTAVPropertyPage.h"

class QCheckBox;
class QComboBox;

namespace tav {
class ChannelData;
}

namespace tav::gui {

/// The channel editor's second page (template 3657): the channel's personality and scan list,
/// and the auto start scan and ATIS switches. Choosing a personality or scan list withdraws the
/// problem reported for a reference that named no record.
class CPageChanMisc : public CTAVPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3657;
    static constexpr int kPersonality = 3703;
    static constexpr int kScanList = 3706;
    static constexpr int kAutoStartScan = 3707;
    static constexpr int kAtis = 3714;

    CPageChanMisc(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void SetData(ChannelData* channel) { channel_ = channel; }
    void LoadView() override;
    void StoreView() override;

    QComboBox* Combo(int id) const;
    QCheckBox* Check(int id) const;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    void FillLists();

    ChannelData* channel_ = nullptr;
};

} // namespace tav::gui
