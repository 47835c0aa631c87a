#pragma once

#include "gui/views/CPersonalityPage.h"

namespace tav {
struct RecordListNotice;
}

namespace tav::gui {

/// The signalling page of the personality editor (template 2313): the RX and TX optional
/// signalling types, the two-tone system each uses and the decode condition. A system list offers
/// the current two-tone systems only while its type is two-tone, and follows the system list when
/// systems are added or deleted. The TX side is shown but cannot be changed.
class CPersonalitySignalPage : public CPersonalityPage {
    Q_OBJECT
public:
    static constexpr int kRxSignalingLabel = 2400;
    static constexpr int kRxSystemLabel = 2403;
    static constexpr int kTxSignalingLabel = 2406;
    static constexpr int kTxSystemLabel = 2408;
    static constexpr int kDecodeConditionLabel = 2412;

    explicit CPersonalitySignalPage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;
    /// A record list grew or shrank: the system lists show the current systems.
    void RecordListChanged(const RecordListNotice& notice);

protected:
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    /// Refills one direction's system list for the type chosen in its type list.
    void RefillSystems(int typeListId, int systemListId);
};

} // namespace tav::gui
