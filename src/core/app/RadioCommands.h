#pragma once

#include "core/comm/PortTable.h"
#include "core/comm/TransferSession.h"
#include "core/util/Result.h"

#include <functional>
#include <optional>
#include <string>

namespace tav {

class CDataContainer;
class CSettings;
class Document;
class DocumentViews;
class FreqRangeTable;

/// Where to look for the radio: a device path, or a port number of the port table (the port that
/// is tried first before the others are searched). Neither: the remembered port of the settings.
struct RadioTarget {
    std::optional<std::string> device;
    std::optional<int> port;
};

/// What a radio command asks and tells the user while it runs.
struct RadioCommandUi {
    /// The password, the refused-password notice and the firmware note (see TransferQuestions).
    TransferQuestions questions;
    /// The new-frequency-range question; an empty function answers No.
    std::function<bool(const std::string& question)> askYesNo;
    /// Progress and the end of the block transfer.
    TransferEventSink events;
};

/// The main frame's Read from Radio and Write to Radio without any window: the transfer request
/// built from the settings (the port table and user level of `Settings.ini`, the identity of the
/// data), the identity a read takes over, the new-range question and the data's reload.
class RadioCommands {
public:
    RadioCommands(CSettings& settings, Document& document, CDataContainer& container, FreqRangeTable& ranges,
                  DocumentViews& views);

    /// The request for the current settings and data: the port table from `Settings.ini`, the
    /// remembered port (or the target's), the factory user levels' longer write, the identity rules
    /// (read: the model the language file accepts; write: the current model) and the data's range.
    TransferRequest MakeRequest(TransferDirection direction, const RadioTarget& target) const;

    /// Read from Radio. Once the radio's identity passed its check, the current identity (model,
    /// name, signalling, firmware, range; the previous range remembered) becomes the radio's and
    /// the range table is that of the radio's model, even when the read then fails. On success the
    /// radio's band is offered as a new range, `received` and the document's image hold the bytes
    /// as read, and the data objects are reloaded. On failure the image is untouched.
    TransferReport Read(TransferSession& session, const RadioTarget& target, const RadioCommandUi& ui,
                        RadioImage& received);

    /// Write to Radio: the reference check (814, the problem list filled), the editors' and the
    /// data objects' store into the image, then the transfer (identity, range check, firmware note,
    /// password, blocks, date). On success the band is offered as a new range and the radio
    /// information reloaded from the image, which now carries the programming date.
    Outcome<TransferReport> Write(TransferSession& session, const RadioTarget& target,
                                  const RadioCommandUi& ui);

    /// The answer of the last new-range offer (FreqRangeTable's kRangeKnown, kRangeDeclined,
    /// kRangeAdded); -1 before any.
    int LastRangeOffer() const { return lastRangeOffer_; }

private:
    void RememberPort(const TransferReport& report);
    void OfferRange(const TransferReport& report, const RadioCommandUi& ui);

    CSettings& settings_;
    Document& document_;
    CDataContainer& container_;
    FreqRangeTable& ranges_;
    DocumentViews& views_;
    int lastRangeOffer_ = -1;
};

} // namespace tav
