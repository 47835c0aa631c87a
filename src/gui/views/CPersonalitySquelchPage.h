#pragma once

#include "gui/views/CPersonalityPage.h"

namespace tav::gui {

/// The squelch page of the personality editor (template 2312): the RX squelch mode.
class CPersonalitySquelchPage : public CPersonalityPage {
    Q_OBJECT
public:
    static constexpr int kSquelchLabel = 2350;

    explicit CPersonalitySquelchPage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;
};

} // namespace tav::gui
