#pragma once

#include "gui/views/CTToneSystemPage.h"

namespace tav::gui {

/// The basic page of the two-tone system editor (template 5451): pretime, the three tone
/// durations and the gap, each with spin arrows that wrap at the ends of the range, and the
/// side tone.
class CTToneSystemBasicPage : public CTToneSystemPage {
    Q_OBJECT
public:
    static constexpr int kPretimeLabel = 5453;
    static constexpr int kFirstToneLabel = 5456;
    static constexpr int kSecondToneLabel = 5459;
    static constexpr int kLongToneLabel = 5462;
    static constexpr int kGapLabel = 5465;

    explicit CTToneSystemBasicPage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;
};

} // namespace tav::gui
