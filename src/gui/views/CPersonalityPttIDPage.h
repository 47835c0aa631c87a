#pragma once

#include "gui/views/CPersonalityPage.h"

namespace tav::gui {

/// The PTT-ID page of the personality editor (template 2555): primary ID, PTT-ID type, pretime,
/// preamble bit sync, side tone and short beep. The ID takes hexadecimal digits and is corrected
/// to the allowed digits when its edit loses the focus.
class CPersonalityPttIDPage : public CPersonalityPage {
    Q_OBJECT
public:
    static constexpr int kPrimaryIdLabel = 2560;
    static constexpr int kTypeLabel = 2564;
    static constexpr int kPretimeLabel = 2566;
    static constexpr int kPreambleLabel = 2568;

    explicit CPersonalityPttIDPage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;
};

} // namespace tav::gui
