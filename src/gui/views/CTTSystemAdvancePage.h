#pragma once

#include "core/data/TwoToneSystemData.h"
#include "gui/views/CTToneSystemPage.h"

#include <QString>
#include <array>
#include <vector>

namespace tav {
struct RecordListNotice;
}

namespace tav::gui {

/// The advance page of the two-tone system editor (template 5452): four decodes, each with its
/// call format, call type, alert tone and transpond box; the reference tones A-D; the alerting
/// options and the respond mode.
///
/// A call format other than "none" is used by one decode at most, so each format list offers only
/// the formats the other decodes leave free (decode 1 always has one). A tone edit is enabled while
/// a chosen format uses its letter, and the alerting options follow the call types.
class CTTSystemAdvancePage : public CTToneSystemPage {
    Q_OBJECT
public:
    static constexpr int kFormatHeading = TwoToneSystemControls::kCallFormatHeading;
    static constexpr int kTypeHeading = TwoToneSystemControls::kCallTypeHeading;
    static constexpr int kAlertHeading = TwoToneSystemControls::kAlertToneHeading;
    static constexpr int kFirstDecodeLabel = TwoToneSystemControls::kFirstDecodeLabel; ///< 5491-5494
    static constexpr int kFirstToneLabel = TwoToneSystemControls::kFirstToneLabel;     ///< 5515-5518
    static constexpr int kFirstToneSpin = 5523;                                        ///< 5523-5526
    static constexpr int kTranspondDelayLabel = TwoToneSystemControls::kTranspondDelayLabel;
    static constexpr int kTranspondDelaySpin = 5529;
    static constexpr int kRespondModeLabel = TwoToneSystemControls::kRespondModeLabel;

    explicit CTTSystemAdvancePage(AppContext& context, EditorHost* host, QWidget* parent = nullptr);

    void LoadView() override;
    void StoreView() override;
    /// A record list grew or shrank: the alert tone lists show the current alert tones.
    void RecordListChanged(const RecordListNotice& notice);

protected:
    void OnControlChanged(int controlId, int notifyCode) override;

private:
    /// The call formats in use by the four decodes (-1 where none is chosen).
    std::array<int, 4> CurrentFormats() const;
    /// Refills the four format lists with the formats each may use, keeping each one's choice.
    void OfferFormats(const std::array<int, 4>& current);
    void EnableToneEdits();
    void ReactToCallTypes();
    void NameDecodeFields();

    std::vector<QString> fullFormats_;
};

} // namespace tav::gui
