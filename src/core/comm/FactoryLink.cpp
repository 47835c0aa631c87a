#include "core/comm/FactoryLink.h"

#include "core/comm/LinkMessages.h"

#include <algorithm>
#include <cctype>

namespace tav {
namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

/// Firmware above 1.01.10 (first seven characters, byte by byte) protects the embedded data.
bool ProtectsEmbeddedData(const std::string& firmware) {
    const std::string first = firmware.substr(0, 7);
    return first.compare(std::string("1.01.10")) > 0;
}

} // namespace

FactoryLink::FactoryLink(SerialPort& port, Clock& clock, FrameTracer* tracer) : link_(port, clock, tracer) {}

TransferReport& FactoryLink::Succeed(TransferReport& report, int messageId) {
    report.status = TransferStatus::Completed;
    report.messageId = messageId;
    return report;
}

bool FactoryLink::Find(const TransferRequest& where, TransferReport& report) {
    report.connection = where.device ? link_.ConnectDevice(*where.device)
                                     : link_.ConnectRadio(where.ports, where.rememberedPort);
    return CheckConnection(link_, report);
}

bool FactoryLink::IdentifyRadio(TransferReport& report) {
    if (!link_.Identify(report.identity)) {
        FailTransfer(link_, report, TransferStatus::IdentifyFailed, kMsgIdentifyFailed);
        return false;
    }
    report.identified = true;
    return true;
}

bool FactoryLink::EnterModeLenient(LinkMode mode, TransferReport& report) {
    if (link_.SetMode(mode) == ModeAnswer::NoAnswer) {
        FailTransfer(link_, report, TransferStatus::ModeRefused, kMsgNoRadio);
        return false;
    }
    return true;
}

TransferReport FactoryLink::Connect(const TransferRequest& where, LinkMode mode) {
    TransferReport report;
    if (!Find(where, report) || !IdentifyRadio(report)) {
        return report;
    }
    const TransferDirection rules =
        mode == LinkMode::Write ? TransferDirection::Write : TransferDirection::Read;
    const Outcome<FrequencyBand> band = CheckRadioIdentity(rules, report.identity, where.rules);
    if (!band) {
        return FailTransfer(link_, report, TransferStatus::IdentityRefused, band.messageId());
    }
    report.band = *band;
    const std::string radioRange = report.band.RangeText();
    if (mode == LinkMode::Write && !EqualIgnoringCase(radioRange, where.documentRange)) {
        return FailTransfer(link_, report, TransferStatus::RangeRefused, kMsgRangeOutsideRadio, radioRange);
    }
    report.identityAccepted = true;
    if (link_.SetMode(mode) == ModeAnswer::NoAnswer) {
        return FailTransfer(link_, report, TransferStatus::ModeRefused, 0);
    }
    return Succeed(report, 0);
}

void FactoryLink::EndSession() {
    if (link_.port().IsOpen()) {
        link_.SetMode(LinkMode::End);
    }
    link_.Close();
}

TransferReport FactoryLink::WriteTuneData(const TransferRequest& where, const RadioImage& image) {
    TransferReport report = Connect(where, LinkMode::Write);
    if (!report.ok()) {
        return report;
    }
    RadioImage copy = image;
    if (const auto failed = TransferBlocks(link_, TuneDataPlan(), TransferDirection::Write, copy)) {
        report.failedAddress = *failed;
        report.status = TransferStatus::BlockFailed;
        report.messageId = kMsgWriteFailed;
    } else {
        Succeed(report, kMsgTuneDataWritten);
    }
    EndSession();
    return report;
}

TransferReport FactoryLink::ReadModelData(const TransferRequest& where, RadioImage& image) {
    TransferReport report;
    if (!Find(where, report) || !IdentifyRadio(report) || !EnterModeLenient(LinkMode::Read, report)) {
        return report;
    }
    // Into a copy first: a read that fails half-way leaves the model data as it was.
    RadioImage buffer = image;
    if (const auto failed = TransferBlocks(link_, ModelDataReadPlan(), TransferDirection::Read, buffer)) {
        report.failedAddress = *failed;
        return FailTransfer(link_, report, TransferStatus::BlockFailed, kMsgReadFailed,
                            BlockAddressText(*failed));
    }
    image = buffer;
    link_.SetMode(LinkMode::End);
    link_.Close();
    return Succeed(report, kMsgReadDone);
}

TransferReport FactoryLink::WriteModelData(const TransferRequest& where, const RadioImage& image) {
    TransferReport report;
    if (!Find(where, report) || !IdentifyRadio(report) || !EnterModeLenient(LinkMode::Write, report)) {
        return report;
    }
    RadioImage copy = image;
    if (const auto failed = TransferBlocks(link_, ModelDataWritePlan(), TransferDirection::Write, copy)) {
        report.failedAddress = *failed;
        return FailTransfer(link_, report, TransferStatus::BlockFailed, kMsgWriteFailed,
                            BlockAddressText(*failed));
    }
    link_.SetMode(LinkMode::End);
    link_.Close();
    return Succeed(report, kMsgWriteDone);
}

TransferReport FactoryLink::WriteTuneSwitch(const TransferRequest& where, bool open, RadioImage& image) {
    constexpr std::uint32_t kSwitchAddress = 0xB5;
    TransferReport report;
    if (!Find(where, report)) {
        return report;
    }
    image[kSwitchAddress] = open ? 1 : 0;
    if (link_.SetMode(LinkMode::Read) == ModeAnswer::NoAnswer) {
        return FailTransfer(link_, report, TransferStatus::ModeRefused, kMsgNoRadio);
    }
    const std::uint8_t value[1] = {image[kSwitchAddress]};
    if (link_.WriteMemory(kSwitchAddress, value)) {
        Succeed(report, kMsgTuneDataWritten);
    } else {
        report.status = TransferStatus::BlockFailed;
        report.messageId = kMsgWriteFailed;
        report.failedAddress = kSwitchAddress;
        report.detail = BlockAddressText(kSwitchAddress);
    }
    EndSession();
    return report;
}

TransferReport FactoryLink::ReadEmbeddedData(const TransferRequest& where, RadioImage& image,
                                             const TransferQuestions& questions) {
    TransferReport report;
    if (!Find(where, report) || !IdentifyRadio(report)) {
        return report;
    }
    const Outcome<FrequencyBand> band =
        CheckRadioIdentity(TransferDirection::Read, report.identity, where.rules);
    if (!band) {
        return FailTransfer(link_, report, TransferStatus::IdentityRefused, band.messageId());
    }
    report.band = *band;
    report.identityAccepted = true;
    switch (link_.SetMode(LinkMode::Read)) {
    case ModeAnswer::NoAnswer:
        return FailTransfer(link_, report, TransferStatus::ModeRefused, kMsgNoRadio);
    case ModeAnswer::Accepted:
        break;
    case ModeAnswer::PasswordRequired:
        if (ProtectsEmbeddedData(report.identity.firmware)) {
            switch (RunPasswordProcedure(link_, PasswordKind::Read, questions)) {
            case PasswordOutcome::Accepted:
                break;
            case PasswordOutcome::Cancelled:
                return FailTransfer(link_, report, TransferStatus::PasswordCancelled, 0);
            case PasswordOutcome::Refused:
                return FailTransfer(link_, report, TransferStatus::PasswordRefused, kMsgPasswordRefused);
            }
        }
        break;
    }
    // Into a copy first: the image keeps its embedded data unless every block arrived.
    RadioImage buffer = image;
    if (const auto failed = TransferBlocks(link_, EmbeddedDataPlan(), TransferDirection::Read, buffer)) {
        report.failedAddress = *failed;
        return FailTransfer(link_, report, TransferStatus::BlockFailed, kMsgReadFailed,
                            BlockAddressText(*failed));
    }
    std::copy_n(buffer.begin() + plan::kEmbeddedImageOffset, plan::kEmbeddedLength,
                image.begin() + plan::kEmbeddedImageOffset);
    link_.SetMode(LinkMode::End);
    link_.Close();
    return Succeed(report, kMsgReadDone);
}

TransferReport FactoryLink::WriteEmbeddedData(const TransferRequest& where, const RadioImage& image) {
    TransferReport report;
    if (!Find(where, report) || !EnterModeLenient(LinkMode::Write, report)) {
        return report;
    }
    RadioImage copy = image;
    if (const auto failed = TransferBlocks(link_, EmbeddedDataPlan(), TransferDirection::Write, copy)) {
        report.failedAddress = *failed;
        return FailTransfer(link_, report, TransferStatus::BlockFailed, kMsgWriteFailed,
                            BlockAddressText(*failed));
    }
    link_.SetMode(LinkMode::End);
    link_.Close();
    return Succeed(report, kMsgWriteDone);
}

} // namespace tav
