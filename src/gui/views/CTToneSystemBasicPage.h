#pragma once

#include "core/data/TwoToneSystemData.h"
#include "gui/views/CTToneSystemPage.h"

namespace tav::gui {

/// The basic page of the two-tone system editor (template 5451): pretime, the three tone
/// durations and the gap, each with spin arrows that wrap at the ends of the range, and the
/// side tone.
class CTToneSystemBasicPage : public CTToneSystemPage {
    Q_OBJECT
public:
    static constexpr int kPretimeLabel = TwoToneSystemControls::kPretimeLabel;
    static constexpr int kFirstToneLabel = TwoToneSystemControls::kFirstToneDurationLabel;
    static constexpr int kSecondToneLabel = TwoToneSystemControls::kSecondToneDurationLabel;
    static constexpr int kLongToneLabel = TwoToneSystemControls::kLongToneDurationLabel;
    static constexpr int kGapLabel = TwoToneSystemControls::kGapTimeLabel;

    explicit CTToneSystemBasicPage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;
};

} // namespace tav::gui
