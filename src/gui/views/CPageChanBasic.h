#pragma once

#include "gui/views/CTAVPropertyPage.h"

class QComboBox;

namespace tav {
class ChannelData;
}

namespace tav::gui {

class CFreqEdit;

/// The channel editor's first page (template 3656): spacing, power, both frequencies and both
/// directions' tone type, CTCSS tone and CDCSS code, and the button that copies the receive
/// settings to transmit. Frequencies are corrected as they are typed (range and raster); the tone
/// drop-downs follow their direction's type; clearing the receive frequency clears and disables
/// the transmit one.
class CPageChanBasic : public CTAVPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 3656;
    static constexpr int kSpacing = 3661;
    static constexpr int kPower = 3663;
    static constexpr int kRxFreq = 3666;
    static constexpr int kRxType = 3668;
    static constexpr int kRxCtcss = 3670;
    static constexpr int kRxCdcss = 3672;
    static constexpr int kTxFreq = 3675;
    static constexpr int kTxType = 3677;
    static constexpr int kTxCtcss = 3679;
    static constexpr int kTxCdcss = 3681;
    static constexpr int kCopyButton = 3682;
    /// Message shown when a typed frequency was moved into the model's range.
    static constexpr int kOutOfRangeText = 1164;

    CPageChanBasic(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    /// The channel the page edits (nullptr: none; the controls keep what they show).
    void SetData(ChannelData* channel) { channel_ = channel; }
    ChannelData* Data() const { return channel_; }
    /// Sets both frequency edits' range from the current model range.
    void ApplyRange();

    void LoadView() override;
    void StoreView() override;

    CFreqEdit* FreqEdit(int id) const;
    QComboBox* Combo(int id) const;

protected:
    ChangeOrder Order() const override { return ChangeOrder::StoreThenReact; }
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    void FillToneLists();
    void EnableTones(int typeId, int ctcssId, int cdcssId);
    void EnableTransmitFrequency();

    ChannelData* channel_ = nullptr;
};

} // namespace tav::gui
