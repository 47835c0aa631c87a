#pragma once

#include "gui/views/CPersonalityPage.h"

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace tav::gui {

/// The transmit/receive page of the personality editor (template 2311): TX admit, the time-out
/// timer with its pre-alert, re-key and reset times, auto reset and busy channel lockout. The
/// timer's settings are offered only with a time-out time, and the pre-alert list only holds
/// times shorter than the time-out.
class CPersonalityRXTXPage : public CPersonalityPage {
    Q_OBJECT
public:
    explicit CPersonalityRXTXPage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    /// Offers the first items of the full pre-alert list that suit the time-out value and keeps
    /// the text shown before when it is still offered.
    void RebuildPreAlert(int txTimeoutValue);
    void EnableDependents();

    std::vector<std::pair<QString, QVariant>> fullPreAlert_;
};

} // namespace tav::gui
