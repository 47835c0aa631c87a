#pragma once

#include "core/data/TwoToneCallData.h"
#include "gui/views/CCustomFormView.h"

#include <cstddef>
#include <optional>

namespace tav::gui {

/// The two-tone call editor (template 5402): the call format, the two tone frequencies with their
/// spin arrows, the revert channel, the two-tone system and the strip box of one call, stepping
/// through the call list with the record bar. The call area of the radio holds sixteen calls, so
/// the list never grows beyond that. Enter moves to the next control as in a page.
class CViewTToneCall : public CCustomFormView {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 5402;
    static constexpr std::size_t kCapacity = 16;
    static constexpr int kCallFormatLabel = TwoToneCallControls::kCallFormatLabel;
    static constexpr int kAliasLabel = 5406;
    static constexpr int kAliasEdit = 5404; ///< hidden, holds no data
    static constexpr int kFirstToneLabel = TwoToneCallControls::kFirstToneLabel;
    static constexpr int kSecondToneLabel = TwoToneCallControls::kSecondToneLabel;
    static constexpr int kRevertChannelLabel = TwoToneCallControls::kRevertChannelLabel;
    static constexpr int kSystemLabel = TwoToneCallControls::kSystemLabel;
    static constexpr int kFirstToneSpin = 5415;
    static constexpr int kSecondToneSpin = 5416;

    CViewTToneCall(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void LoadView() override;
    void StoreView() override;
    void NavigateRecord(int recordNumber, NavigateCommand command) override;
    void DataChanged(std::uint32_t wParam, const RecordListNotice* notice) override;
    std::optional<RecordPosition> Position() const override;

protected:
    void OnControlChanged(int controlId, int notifyCode) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EnableSecondTone();

    std::optional<std::size_t> current_;
};

} // namespace tav::gui
