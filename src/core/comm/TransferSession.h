#pragma once

#include "core/comm/Clock.h"
#include "core/comm/FrameTracer.h"
#include "core/comm/PortTable.h"
#include "core/comm/RadioIdentity.h"
#include "core/comm/RadioLink.h"
#include "core/comm/SerialPort.h"
#include "core/comm/TransferPlan.h"
#include "core/comm/WrittenRanges.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace tav {

/// A report of the transfer worker. The message numbers are those of the window messages and
/// language texts 1134 to 1139.
struct TransferEvent {
    enum class Kind { Progress, Done, Failed };
    Kind kind = Kind::Progress;
    int messageId = 0;         ///< 1134/1135 progress, 1136/1137 done, 1138/1139 failed
    int percent = 0;           ///< progress 0-100
    std::uint32_t address = 0; ///< radio address of the failed block

    bool operator==(const TransferEvent&) const = default;
};

/// Receives the reports, in order, on the thread that runs the transfer.
using TransferEventSink = std::function<void(const TransferEvent&)>;

/// What the transfer asks the user. An empty function answers No (or Cancel).
struct TransferQuestions {
    /// The radio's password for attempt 1, 2 or 3 (at most 8 digits); nullopt cancels.
    std::function<std::optional<std::string>(int attempt)> password;
    /// Shows a language text that needs no answer (1176 after a refused password).
    std::function<void(int messageId)> inform;
    /// Shows the firmware note (1180, 1181 or 1182) before a write; true goes on.
    std::function<bool(int messageId)> confirmNote;
};

struct TransferReport;

/// Where to find the radio and what to check.
struct TransferRequest {
    TransferDirection direction = TransferDirection::Read;
    /// A device path to use directly; without it the port table is searched.
    std::optional<std::string> device;
    PortTable ports;
    int rememberedPort = 1;
    /// Factory user levels also write 0x13FB-0x1427.
    bool factoryLevel = false;
    IdentityRules rules;
    /// Write: the current data's frequency range text "%d-%d".
    std::string documentRange;
    /// Write: once the radio passed every check and the note was confirmed, read its whole memory
    /// (in a read connection of its own) before anything is written, as the restore point.
    bool backupFirst = false;
    /// Write without a backup: read the radio's serial number first (one block, in a read
    /// connection of its own, after the checks), so that the write is known by its radio. Skipped
    /// when the radio asks for a password to be read; a failure here never fails the write.
    bool learnSerial = false;
    /// Called on the transfer's thread as soon as the backup is complete, before the first block is
    /// written, so that the backup is kept even if the write never ends.
    std::function<void(const TransferReport& report, const RadioImage& backup)> backupTaken;
};

/// How a transfer ended.
enum class TransferStatus {
    Completed,
    NoRadio,         ///< 1143: nothing answered on any port tried
    IdentifyFailed,  ///< 1146
    IdentityRefused, ///< 1172 (model) or 1140 (firmware)
    RangeRefused,    ///< 1142: the data's range lies outside the radio's band (write)
    NoteDeclined,    ///< the firmware note was not confirmed (write)
    ModeRefused,     ///< 1143: the radio did not answer SetMode
    PasswordCancelled,
    PasswordRefused, ///< 1176 three times
    BlockFailed,     ///< 1138 or 1139 with the block's address
    PortBusy,        ///< 9150: the ports that were there are held by another program
    Interrupted,     ///< 9151: the user stopped the transfer; the port was released
    Cancelled,       ///< the user closed the window before anything was sent
};

/// Everything the caller needs after a transfer: the outcome, the message to show, and the
/// radio's identity for the globals that a read replaces.
struct TransferReport {
    TransferStatus status = TransferStatus::NoRadio;
    int messageId = 0;  ///< language text to show; 0 when nothing is to be shown
    std::string detail; ///< inserted into the text (address, range) or explaining it (ports tried)
    std::uint32_t failedAddress = 0;

    ConnectResult connection;
    bool identified = false;
    RadioIdentity identity;
    /// The radio's identity passed the check (its data may be taken over once every block has
    /// arrived).
    bool identityAccepted = false;
    FrequencyBand band;
    int noteMessageId = 0; ///< write: the firmware note that was shown
    /// Write with `backupFirst`: the radio's memory as read just before the write.
    std::optional<RadioImage> backup;
    /// Write with `backupFirst` or `learnSerial`: the radio's serial number (empty when it holds
    /// none); nothing when it was not read.
    std::optional<std::string> serial;
    /// Write: how far it got; not Started() when the radio was left as it was.
    WrittenRanges written;

    bool ok() const { return status == TransferStatus::Completed; }
};

/// The full read and the full write of a radio, without any window: connect, identify, check,
/// ask for the password, then move the blocks and report progress after each one.
///
/// A read fills a separate buffer and replaces the caller's image only when every block arrived.
/// A write sends the image and then the programming date, which on success is also copied into
/// the image at 0x20. The port is closed when the transfer ends, whatever its outcome. When the
/// link's stop flag is set the transfer ends after the exchange under way, as Interrupted.
class TransferSession {
public:
    TransferSession(SerialPort& port, Clock& clock, FrameTracer* tracer = nullptr);

    /// Runs the transfer on the calling thread; the questions and events are called on it too.
    TransferReport Run(const TransferRequest& request, RadioImage& image, const TransferQuestions& questions,
                       const TransferEventSink& events);

    RadioLink& link() { return link_; }

private:
    TransferReport RunSteps(const TransferRequest& request, RadioImage& image,
                            const TransferQuestions& questions, const TransferEventSink& events);
    /// SetMode for the transfer and, when the radio asks, the password procedure.
    bool EnterMode(TransferDirection direction, const TransferQuestions& questions, TransferReport& report);
    bool ReadBlocks(RadioImage& image, const TransferEventSink& events, TransferReport& report);
    /// Write with a backup (the whole radio) or learning the serial number (its block): reads it,
    /// ends that connection and connects to the same radio again for the write.
    bool ReadBeforeWrite(const TransferRequest& request, const TransferQuestions& questions,
                         const TransferEventSink& events, TransferReport& report);
    /// Reads the serial number when the radio opens a read without a password; never fails.
    void LearnSerial(TransferReport& report);
    bool Reconnect(TransferReport& report);
    using DateBytes = std::array<std::uint8_t, plan::kDateLength>;
    bool WriteBlocks(const TransferRequest& request, const DateBytes& date, RadioImage& image,
                     const TransferEventSink& events, TransferReport& report);

    RadioLink link_;
};

/// Ends a transfer that failed: closes the link's port and says in the report why. Every
/// procedure on the link ends its failures here.
TransferReport& FailTransfer(RadioLink& link, TransferReport& report, TransferStatus status, int messageId,
                             std::string detail = {});
/// The address of a failed block as the failure messages show it: the low 16 bits, "%04X".
std::string BlockAddressText(std::uint32_t address);
/// The outcome of the search for the radio, as a failed report when nothing answered: busy when
/// every port there was held by another program, otherwise no radio. False when it failed.
bool CheckConnection(RadioLink& link, TransferReport& report);

/// Moves the blocks of a plan between the radio and an image, calling `afterBlock(index)` after
/// each block that succeeded. Stops at the first failed block and returns its radio address.
std::optional<std::uint32_t> TransferBlocks(RadioLink& link, const BlockPlan& blocks,
                                            TransferDirection direction, std::span<std::uint8_t> image,
                                            const std::function<void(std::size_t index)>& afterBlock = {});

/// The password procedure: up to three attempts; language text 1176 after each refusal.
/// True when the radio accepted a password.
enum class PasswordOutcome { Accepted, Cancelled, Refused };
PasswordOutcome RunPasswordProcedure(RadioLink& link, PasswordKind kind, const TransferQuestions& questions);

} // namespace tav
