#pragma once

#include "gui/views/CCustomFormView.h"

namespace tav::gui {

/// The ATIS editor (template 4590): the 12-digit identification code in a digit-string edit and
/// the pretime before it.
class CViewAtis : public CCustomFormView {
    Q_OBJECT
public:
    CViewAtis(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;
};

} // namespace tav::gui
