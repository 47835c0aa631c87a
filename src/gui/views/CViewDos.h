#pragma once

#include "gui/views/CCustomFormView.h"

namespace tav::gui {

/// The DOS editor (template 4660): the enable box and the pre-mute duration, which can be chosen
/// only while DOS is switched on. The post-mute list is kept hidden.
class CViewDos : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kPostMuteLabel = 4667;

    CViewDos(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    void EnablePreMute();
};

} // namespace tav::gui
