#pragma once

#include "core/comm/PortTable.h"
#include "core/comm/TransferSession.h"
#include "core/compare/ConfigCompare.h"
#include "core/util/Result.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

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

/// The new-frequency-range question; an empty function answers No.
using YesNoQuestion = std::function<bool(const std::string& question)>;

/// Runs one transfer of `image` as `request` asks: on the calling thread (the command-line tool)
/// or on a worker behind the communication dialog (the desktop program). How the transfer's own
/// questions (password, firmware note) are answered and its progress shown is the runner's.
using TransferRunner = std::function<TransferReport(const TransferRequest& request, RadioImage& image)>;

/// What a radio command asks and tells the user while it runs on the calling thread.
struct RadioCommandUi {
    /// The password, the refused-password notice and the firmware note (see TransferQuestions).
    TransferQuestions questions;
    YesNoQuestion askYesNo;
    /// Progress and the end of the block transfer.
    TransferEventSink events;
};

/// The transfer request for the current settings and data: the port table from `Settings.ini`,
/// the remembered port (or the target's), the factory user levels' longer write, the identity
/// rules (read: the model the language file accepts; write: the current model) and the data's
/// range. Every connection to the radio, the factory functions' too, starts from it.
TransferRequest MakeTransferRequest(const CSettings& settings, TransferDirection direction,
                                    const RadioTarget& target);

/// A runner that runs the transfer on `session` on the calling thread with `ui`'s questions and
/// events; both must outlive the runner.
TransferRunner RunOnThisThread(TransferSession& session, const RadioCommandUi& ui);

/// Read from Radio and Write to Radio for both programs, in three steps: the transfer request is
/// prepared from the settings (the port table and user level of `Settings.ini`, the identity of
/// the data), the runner moves the blocks, and the outcome is applied (the identity a read takes
/// over, the new-range question, the data's reload).
class RadioCommands {
public:
    RadioCommands(CSettings& settings, Document& document, CDataContainer& container, FreqRangeTable& ranges,
                  DocumentViews& views);

    /// The request for the current settings and data: the port table from `Settings.ini`, the
    /// remembered port (or the target's), the factory user levels' longer write, the identity rules
    /// (read: the model the language file accepts; write: the current model) and the data's range.
    TransferRequest MakeRequest(TransferDirection direction, const RadioTarget& target) const;

    /// Read from Radio. On success the current identity (model, name, signalling, firmware,
    /// range; the previous range remembered) becomes the radio's, the range table that of the
    /// radio's model, the radio's band is offered as a new range, `received` and the document's
    /// image hold the bytes as read, and the data objects are reloaded. A read that fails, even
    /// after the radio's identity was accepted, changes neither the identity nor the image: the
    /// data never carries one radio's identity over another's image.
    TransferReport Read(const TransferRunner& transfer, const RadioTarget& target,
                        const YesNoQuestion& askYesNo, RadioImage& received);

    /// Write to Radio: the reference check (814, the problem list filled), the editors' and the
    /// data objects' store into the image, then the transfer (identity, range check, firmware note,
    /// password, blocks, date). On success the band is offered as a new range and the radio
    /// information reloaded from the image, which now carries the programming date.
    Outcome<TransferReport> Write(const TransferRunner& transfer, const RadioTarget& target,
                                  const YesNoQuestion& askYesNo);

    /// Verify: reads the radio back into a buffer of its own and compares it with the data as a
    /// write sends it (see RadioVerify), filling `differences`. Neither the data, its identity
    /// nor the range table change; only the port that answered is remembered. On a failed read
    /// `differences` stays empty and the report says why.
    TransferReport Verify(const TransferRunner& transfer, const RadioTarget& target,
                          std::vector<ConfigDifference>& differences);

    /// The answer of the last new-range offer (FreqRangeTable's kRangeKnown, kRangeDeclined,
    /// kRangeAdded); -1 before any.
    int LastRangeOffer() const { return lastRangeOffer_; }

private:
    void RememberPort(const TransferReport& report);
    void OfferRange(const TransferReport& report, const YesNoQuestion& askYesNo);
    void TakeRadioIdentity(const TransferReport& report);

    CSettings& settings_;
    Document& document_;
    CDataContainer& container_;
    FreqRangeTable& ranges_;
    DocumentViews& views_;
    int lastRangeOffer_ = -1;
};

} // namespace tav
