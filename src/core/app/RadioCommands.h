#pragma once

#include "core/comm/PortTable.h"
#include "core/comm/TransferSession.h"
#include "core/compare/ConfigCompare.h"
#include "core/data/CDataFile.h"
#include "core/history/RadioHistory.h"
#include "core/util/Result.h"

#include <functional>
#include <mutex>
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

/// How a write goes about it.
struct WriteOptions {
    /// Read the radio's whole memory first and keep it in the history as the restore point.
    bool backupFirst = false;
    /// The radio's serial number when the caller read it already (a run that writes many radios).
    /// Otherwise the write reads it first (a backup tells it too), so that the history files the
    /// write under its radio.
    std::optional<std::string> serial;
};

/// A runner that runs the transfer on `session` on the calling thread with `ui`'s questions and
/// events; both must outlive the runner.
TransferRunner RunOnThisThread(TransferSession& session, const RadioCommandUi& ui);

/// Read from Radio and Write to Radio for both programs, in three steps: the transfer request is
/// prepared from the settings (the port table and user level of `Settings.ini`, the identity of
/// the data), the runner moves the blocks, and the outcome is applied (the identity a read takes
/// over, the new-range question, the data's reload).
class RadioCommands {
public:
    /// Every read, backup and write is kept in `history` when one is given.
    RadioCommands(CSettings& settings, Document& document, CDataContainer& container, FreqRangeTable& ranges,
                  DocumentViews& views, const RadioHistory* history = nullptr);

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
    /// The image read joins the radio's history.
    TransferReport Read(const TransferRunner& transfer, const RadioTarget& target,
                        const YesNoQuestion& askYesNo, RadioImage& received);

    /// Write to Radio: the reference check (814, the problem list filled), the editors' and the
    /// data objects' store into the image, then the transfer (identity, range check, firmware note,
    /// password, blocks, date). On success the band is offered as a new range and the radio
    /// information reloaded from the image, which now carries the programming date.
    ///
    /// With `backupFirst` the radio is read first (see TransferRequest::backupFirst) and that image
    /// kept in the history as "before-write" before anything is written. The image sent joins the
    /// history as "written" once the write completed or got as far as sending a block; its result
    /// says how far (the report's `written`).
    Outcome<TransferReport> Write(const TransferRunner& transfer, const RadioTarget& target,
                                  const YesNoQuestion& askYesNo, const WriteOptions& options = {});

    /// What a write sends, prepared on the thread that owns the document: the reference check
    /// (814, the problem list filled), the editors' and the data objects' store into the image, and
    /// the data's header.
    Outcome<DataFileContent> PrepareWrite();
    /// The data file a write names in the history: the document's own, unless told otherwise.
    std::string HistoryFileOfWrite() const;

    /// Writes an image kept in the history (a backup, or any other entry) back to a radio: the
    /// checks of a write, with the entry's header standing for the data's identity (model and
    /// range), then its bytes exactly as they were kept, not rebuilt by the data objects. The
    /// document, its identity and the range table stay as they are; the write joins the history
    /// as any write does, naming `entryFile`.
    TransferReport Restore(const TransferRunner& transfer, const RadioTarget& target,
                           const DataFileContent& entry, const std::string& entryFile,
                           const WriteOptions& options = {});

    /// Writes `content` exactly as it is, as Restore does (a fleet writes each radio's own image
    /// this way); `sent`, when given, receives the image as the radio now holds it, the
    /// programming date of a completed write stamped in. Touches neither the document nor the
    /// settings when the target is a device, so copies of one RadioCommands may write many radios
    /// at once, each on its own thread.
    TransferReport WriteContent(const TransferRunner& transfer, const RadioTarget& target,
                                const DataFileContent& content, const std::string& file,
                                const WriteOptions& options, RadioImage* sent = nullptr);

    /// Verify: reads the radio back into a buffer of its own and compares it with the data as a
    /// write sends it (see RadioVerify), filling `differences`. Neither the data, its identity
    /// nor the range table change; only the port that answered is remembered. On a failed read
    /// `differences` stays empty and the report says why.
    /// The image read joins the radio's history; `read`, when given, receives it.
    TransferReport Verify(const TransferRunner& transfer, const RadioTarget& target,
                          std::vector<ConfigDifference>& differences, RadioImage* read = nullptr);
    /// Verify against `written` (data loaded as it was sent) instead of the document; `compare`
    /// is the lock held while the data objects are compared, so that radios read back on many
    /// threads at once compare one at a time.
    TransferReport VerifyWritten(const TransferRunner& transfer, const RadioTarget& target,
                                 const CDataContainer& written, std::vector<ConfigDifference>& differences,
                                 std::mutex* compare = nullptr, RadioImage* read = nullptr);

    /// The data file a read goes into (the history names it beside the event); by default the
    /// document's own file for a write and none for a read.
    void SetHistoryFile(std::string file) { historyFile_ = std::move(file); }
    /// The backup the last write took, as the history keeps it.
    const std::optional<HistoryEntry>& LastBackup() const { return lastBackup_; }
    /// The backup the last write took, with the header of the radio it was read from; there even
    /// when the history could not keep it.
    const std::optional<DataFileContent>& LastBackupContent() const { return lastBackupContent_; }
    /// The last write's entry in the history.
    const std::optional<HistoryEntry>& LastWritten() const { return lastWritten_; }
    /// The first failure to keep something in the history (9700 and why); the radio operations
    /// themselves are not failed by it.
    const std::optional<Result>& HistoryProblem() const { return historyProblem_; }

    /// The answer of the last new-range offer (FreqRangeTable's kRangeKnown, kRangeDeclined,
    /// kRangeAdded); -1 before any.
    int LastRangeOffer() const { return lastRangeOffer_; }

private:
    void RememberPort(const TransferReport& report);
    void OfferRange(const TransferReport& report, const YesNoQuestion& askYesNo);
    void TakeRadioIdentity(const TransferReport& report);
    /// The header of an image as the radio itself describes it.
    DataFileHeader RadioHeader(const TransferReport& report) const;
    std::optional<HistoryEntry> Keep(HistoryKind kind, const std::optional<std::string>& serial,
                                     const DataFileHeader& header, const Image& image,
                                     const std::string& file, const TransferReport& report);
    TransferRequest WriteRequest(const RadioTarget& target, const WriteOptions& options);
    /// Reads the radio back and compares it with `written` (see Verify).
    TransferReport ReadBack(const TransferRunner& transfer, const RadioTarget& target,
                            const CDataContainer& written, std::vector<ConfigDifference>& differences,
                            RadioImage* read, std::mutex* compare);
    /// The history's "written" entry of a write that changed the radio (or may have).
    void KeepWrite(const TransferReport& report, const WriteOptions& options, const DataFileHeader& header,
                   const Image& sent, const std::string& file);

    CSettings& settings_;
    Document& document_;
    CDataContainer& container_;
    FreqRangeTable& ranges_;
    DocumentViews& views_;
    const RadioHistory* history_;
    int lastRangeOffer_ = -1;
    std::optional<std::string> historyFile_;
    std::optional<HistoryEntry> lastBackup_;
    std::optional<DataFileContent> lastBackupContent_;
    std::optional<HistoryEntry> lastWritten_;
    std::optional<Result> historyProblem_;
};

/// How far a write got, as the history's result of it: "ok", or "failed" / "interrupted" with the
/// ranges that hold new data and the block that may.
std::string WriteResultText(const TransferReport& report);

} // namespace tav
