#include "core/comm/TransferSession.h"

#include "core/comm/LinkMessages.h"

#include <algorithm>
#include <cstdio>

namespace tav {
namespace {

constexpr int kPasswordAttempts = 3;

} // namespace

TransferReport& FailTransfer(RadioLink& link, TransferReport& report, TransferStatus status, int messageId,
                             std::string detail) {
    link.Close();
    report.status = status;
    report.messageId = messageId;
    report.detail = std::move(detail);
    return report;
}

std::string BlockAddressText(std::uint32_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(address & 0xFFFF));
    return text;
}

bool CheckConnection(RadioLink& link, TransferReport& report) {
    if (report.connection.Busy()) {
        FailTransfer(link, report, TransferStatus::PortBusy, kMsgPortBusy, report.connection.Explain());
        return false;
    }
    if (!report.connection.ok()) {
        FailTransfer(link, report, TransferStatus::NoRadio, kMsgNoRadio, report.connection.Explain());
        return false;
    }
    return true;
}

std::optional<std::uint32_t> TransferBlocks(RadioLink& link, const BlockPlan& blocks,
                                            TransferDirection direction, std::span<std::uint8_t> image,
                                            const std::function<void(std::size_t index)>& afterBlock) {
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const TransferBlock& b = blocks[i];
        if (link.StopRequested()) {
            return b.address;
        }
        // A plan never reaches outside the image; a block that would is reported as failed.
        if (static_cast<std::size_t>(b.imageOffset) + b.length > image.size()) {
            return b.address;
        }
        const auto bytes = image.subspan(b.imageOffset, b.length);
        const bool ok = direction == TransferDirection::Read ? link.ReadMemory(b.address, bytes)
                                                             : link.WriteMemory(b.address, bytes);
        if (!ok) {
            return b.address;
        }
        if (afterBlock) {
            afterBlock(i);
        }
    }
    return std::nullopt;
}

PasswordOutcome RunPasswordProcedure(RadioLink& link, PasswordKind kind, const TransferQuestions& questions) {
    for (int attempt = 1; attempt <= kPasswordAttempts; ++attempt) {
        if (!questions.password) {
            return PasswordOutcome::Cancelled;
        }
        const std::optional<std::string> typed = questions.password(attempt);
        if (!typed) {
            return PasswordOutcome::Cancelled;
        }
        if (link.SendPassword(*typed, kind)) {
            return PasswordOutcome::Accepted;
        }
        if (questions.inform) {
            questions.inform(kMsgPasswordRefused);
        }
    }
    return PasswordOutcome::Refused;
}

TransferSession::TransferSession(SerialPort& port, Clock& clock, FrameTracer* tracer)
    : link_(port, clock, tracer) {}

bool TransferSession::EnterMode(TransferDirection direction, const TransferQuestions& questions,
                                TransferReport& report) {
    const bool read = direction == TransferDirection::Read;
    switch (link_.SetMode(read ? LinkMode::Read : LinkMode::Write)) {
    case ModeAnswer::Accepted:
        return true;
    case ModeAnswer::NoAnswer:
        FailTransfer(link_, report, TransferStatus::ModeRefused, kMsgNoRadio);
        return false;
    case ModeAnswer::PasswordRequired:
        break;
    }
    switch (RunPasswordProcedure(link_, read ? PasswordKind::Read : PasswordKind::Write, questions)) {
    case PasswordOutcome::Accepted:
        return true;
    case PasswordOutcome::Cancelled:
        FailTransfer(link_, report, TransferStatus::PasswordCancelled, 0);
        return false;
    case PasswordOutcome::Refused:
        FailTransfer(link_, report, TransferStatus::PasswordRefused, kMsgPasswordRefused);
        return false;
    }
    return false;
}

bool TransferSession::ReadBlocks(RadioImage& image, const TransferEventSink& events, TransferReport& report) {
    // The data goes into a buffer of its own: a failed read leaves the caller's image as it was.
    RadioImage buffer{};
    const auto failed =
        TransferBlocks(link_, FullReadPlan(), TransferDirection::Read, buffer, [&](std::size_t index) {
            if (events) {
                events({TransferEvent::Kind::Progress, kMsgReadProgress, ReadProgress(index), 0});
            }
        });
    if (failed) {
        FailTransfer(link_, report, TransferStatus::BlockFailed, kMsgReadFailed, BlockAddressText(*failed));
        report.failedAddress = *failed;
        if (events) {
            events({TransferEvent::Kind::Failed, kMsgReadFailed, 0, *failed});
        }
        return false;
    }
    link_.SetMode(LinkMode::End);
    link_.Close();
    image = buffer;
    report.status = TransferStatus::Completed;
    report.messageId = kMsgReadDone;
    if (events) {
        events({TransferEvent::Kind::Done, kMsgReadDone, 0, 0});
    }
    return true;
}

bool TransferSession::ReadBeforeWrite(const TransferRequest& request, const TransferQuestions& questions,
                                      const TransferEventSink& events, TransferReport& report) {
    if (!request.backupFirst) {
        LearnSerial(report);
        return Reconnect(report);
    }
    if (!EnterMode(TransferDirection::Read, questions, report)) {
        return false;
    }
    RadioImage backup{};
    const auto failed =
        TransferBlocks(link_, FullReadPlan(), TransferDirection::Read, backup, [&](std::size_t index) {
            if (events) {
                events({TransferEvent::Kind::Progress, kMsgReadProgress, ReadProgress(index), 0});
            }
        });
    if (failed) {
        FailTransfer(link_, report, TransferStatus::BlockFailed, kMsgBackupFailed, BlockAddressText(*failed));
        report.failedAddress = *failed;
        if (events) {
            events({TransferEvent::Kind::Failed, kMsgBackupFailed, 0, *failed});
        }
        return false;
    }
    link_.SetMode(LinkMode::End);
    link_.Close();
    report.serial = SerialNumberText(
        std::span<const std::uint8_t>(backup).subspan(plan::kSerialNumberAddress, plan::kSerialNumberLength));
    report.backup = backup;
    if (request.backupTaken) {
        request.backupTaken(report, backup);
    }
    return Reconnect(report);
}

void TransferSession::LearnSerial(TransferReport& report) {
    // Only a radio that lets itself be read without a password tells its serial number here: a
    // user who may write a radio need not know its read password, and no password is sent twice.
    if (link_.SetMode(LinkMode::Read) == ModeAnswer::Accepted) {
        std::array<std::uint8_t, plan::kSerialNumberLength> bytes{};
        if (link_.ReadMemory(plan::kSerialNumberAddress, bytes)) {
            report.serial = SerialNumberText(bytes);
        }
        link_.SetMode(LinkMode::End);
    }
    link_.Close();
}

bool TransferSession::Reconnect(TransferReport& report) {
    const ConnectResult again = link_.ConnectDevice(report.connection.device);
    if (!again.ok()) {
        FailTransfer(link_, report, again.Busy() ? TransferStatus::PortBusy : TransferStatus::NoRadio,
                     again.Busy() ? kMsgPortBusy : kMsgNoRadio, again.Explain());
        return false;
    }
    RadioIdentity identity;
    if (!link_.Identify(identity)) {
        FailTransfer(link_, report, TransferStatus::IdentifyFailed, kMsgIdentifyFailed);
        return false;
    }
    // A radio swapped on the cable since the backup must not be written as if it were backed up.
    if (identity.modelId != report.identity.modelId || identity.band != report.identity.band ||
        identity.firmware != report.identity.firmware) {
        FailTransfer(link_, report, TransferStatus::IdentityRefused, kMsgRadioChanged, identity.modelId);
        return false;
    }
    return true;
}

bool TransferSession::WriteBlocks(const TransferRequest& request, const DateBytes& date, RadioImage& image,
                                  const TransferEventSink& events, TransferReport& report) {
    BlockPlan blocks = FullWritePlan(request.factoryLevel);
    // What was acknowledged, and how many requests had gone out by then: a request sent after it
    // reached the radio even when no acknowledgement came back.
    std::size_t acknowledged = 0;
    std::size_t sentAtLastAck = link_.RequestsSent();
    auto failed = TransferBlocks(link_, blocks, TransferDirection::Write, image, [&](std::size_t index) {
        acknowledged = index + 1;
        sentAtLastAck = link_.RequestsSent();
        if (events) {
            events({TransferEvent::Kind::Progress, kMsgWriteProgress, WriteProgress(index + 1, blocks.size()),
                    0});
        }
    });
    // The programming date goes last, so that it is only stamped on a radio that took everything.
    const TransferBlock dateBlock = DateBlock();
    blocks.push_back(dateBlock);
    if (!failed) {
        if (link_.StopRequested() || !link_.WriteMemory(dateBlock.address, date)) {
            failed = dateBlock.address;
        } else {
            acknowledged = blocks.size();
            sentAtLastAck = link_.RequestsSent();
        }
    }
    report.written = WrittenRanges::After(blocks, acknowledged, link_.RequestsSent() > sentAtLastAck);
    if (failed) {
        FailTransfer(link_, report, TransferStatus::BlockFailed, kMsgWriteFailed, BlockAddressText(*failed));
        report.failedAddress = *failed;
        if (events) {
            events({TransferEvent::Kind::Failed, kMsgWriteFailed, 0, *failed});
        }
        return false;
    }
    std::copy(date.begin(), date.end(), image.begin() + dateBlock.imageOffset);
    link_.SetMode(LinkMode::End);
    link_.Close();
    report.status = TransferStatus::Completed;
    report.messageId = kMsgWriteDone;
    if (events) {
        events({TransferEvent::Kind::Done, kMsgWriteDone, 0, 0});
    }
    return true;
}

TransferReport TransferSession::Run(const TransferRequest& request, RadioImage& image,
                                    const TransferQuestions& questions, const TransferEventSink& events) {
    TransferReport report = RunSteps(request, image, questions, events);
    if (!report.ok() && link_.StopRequested()) {
        // Whatever failed last failed because the user stopped the transfer.
        FailTransfer(link_, report, TransferStatus::Interrupted, kMsgInterrupted);
        report.failedAddress = 0;
    }
    return report;
}

TransferReport TransferSession::RunSteps(const TransferRequest& request, RadioImage& image,
                                         const TransferQuestions& questions,
                                         const TransferEventSink& events) {
    TransferReport report;
    const bool read = request.direction == TransferDirection::Read;

    report.connection = request.device ? link_.ConnectDevice(*request.device)
                                       : link_.ConnectRadio(request.ports, request.rememberedPort);
    if (!CheckConnection(link_, report)) {
        return report;
    }

    if (!link_.Identify(report.identity)) {
        return FailTransfer(link_, report, TransferStatus::IdentifyFailed, kMsgIdentifyFailed);
    }
    report.identified = true;
    const Outcome<FrequencyBand> band = CheckRadioIdentity(request.direction, report.identity, request.rules);
    if (!band) {
        return FailTransfer(link_, report, TransferStatus::IdentityRefused, band.messageId(),
                            band.result().detail());
    }
    report.band = *band;
    const std::string radioRange = report.band.RangeText();

    if (!report.band.valid) {
        // A band without both limits, reversed or not decimal never becomes the data's range.
        return FailTransfer(link_, report, TransferStatus::RangeRefused, kMsgBandNotValid,
                            BandBytesText(report.identity.band));
    }
    if (read) {
        report.identityAccepted = true;
    } else {
        const auto range = ParseRange(request.documentRange);
        if (!range || range->first < report.band.lowMHz || range->second > report.band.highMHz) {
            return FailTransfer(link_, report, TransferStatus::RangeRefused, kMsgRangeOutsideRadio,
                                radioRange);
        }
        report.noteMessageId = FirmwareNoteMessage(report.identity.firmware);
        if (!questions.confirmNote || !questions.confirmNote(report.noteMessageId)) {
            return FailTransfer(link_, report, TransferStatus::NoteDeclined, 0);
        }
    }

    if (!read && (request.backupFirst || request.learnSerial) &&
        !ReadBeforeWrite(request, questions, events, report)) {
        return report;
    }
    // The programming date is taken when the write starts, before the radio is switched over.
    const DateBytes date = EncodeProgrammingDate(link_.clock().Now());
    if (!EnterMode(request.direction, questions, report)) {
        return report;
    }
    if (read) {
        ReadBlocks(image, events, report);
    } else {
        WriteBlocks(request, date, image, events, report);
    }
    return report;
}

} // namespace tav
