#pragma once

#include "gui/views/CCustomFormView.h"

class QCheckBox;
class QComboBox;

namespace tav::gui {

/// The miscellaneous options editor (template 1400): VOX delay and gain, CTCSS tail revert,
/// carrier squelch level, low power alert gap, battery save and its mode, VOX inhibit on receive.
/// Battery Save Mode can be chosen only while Battery Save is on.
class CViewMis : public CCustomFormView {
    Q_OBJECT
public:
    CViewMis(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

    QComboBox* List(int listId) const;
    QCheckBox* Check(int checkId) const;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    void EnableDependents();
};

} // namespace tav::gui
