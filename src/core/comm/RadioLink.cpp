#include "core/comm/RadioLink.h"

#include <algorithm>

namespace tav {

std::string ConnectResult::Explain() const {
    std::string text;
    std::vector<std::string> missing;
    for (const PortAttempt& a : attempts) {
        if (a.answered) {
            continue;
        }
        if (PortErrorOf(a.open) == PortError::NotPresent) {
            if (std::find(missing.begin(), missing.end(), a.device) == missing.end()) {
                missing.push_back(a.device);
            }
            continue;
        }
        std::string line = a.open.ok()
                               ? a.device + ": no answer from a radio (check the cable, the radio's power "
                                            "and that it is switched to programming)"
                               : a.open.detail();
        if (text.find(line) == std::string::npos) {
            text += line + '\n';
        }
    }
    if (!missing.empty()) {
        text += "not present:";
        for (const std::string& device : missing) {
            text += ' ' + device;
        }
        text += '\n';
    }
    return text;
}

bool ConnectResult::Busy() const {
    const auto opened = [](const PortAttempt& a) { return a.open.ok(); };
    const auto busy = [](const PortAttempt& a) { return PortErrorOf(a.open) == PortError::Busy; };
    return !ok() && std::none_of(attempts.begin(), attempts.end(), opened) &&
           std::any_of(attempts.begin(), attempts.end(), busy);
}

RadioLink::RadioLink(SerialPort& port, Clock& clock, FrameTracer* tracer)
    : port_(port), clock_(clock), tracer_(tracer) {}

void RadioLink::Note(const std::string& text) {
    if (tracer_ != nullptr) {
        tracer_->Note(text);
    }
}

Result RadioLink::OpenDevice(const std::string& device) {
    Result opened = port_.Open(device);
    if (!opened.ok()) {
        Note("open " + device + ": " + opened.detail());
        return opened;
    }
    Note("opened " + device);
    // A refused format shows itself in the handshake that follows.
    port_.Configure(kBaud, 8, Parity::Odd, StopBits::Two);
    port_.SetReadTimeout(kReadTimeout);
    clock_.Sleep(kPauseAfterOpen);
    return opened;
}

void RadioLink::Close() {
    if (port_.IsOpen()) {
        Note("closed " + port_.Name());
    }
    port_.Close();
}

bool RadioLink::TryPort(int number, const std::string& device, int passes, ConnectResult& result) {
    PortAttempt attempt{number, device, Result::Ok(), false};
    attempt.open = OpenDevice(device);
    if (attempt.open.ok()) {
        attempt.answered = Handshake(passes);
        if (!attempt.answered) {
            Close();
        }
    }
    result.attempts.push_back(attempt);
    if (attempt.answered) {
        result.port = number;
        result.device = device;
    }
    return attempt.answered;
}

ConnectResult RadioLink::ConnectRadio(const PortTable& table, int rememberedPort) {
    ConnectResult result;
    const std::string remembered = table.DevicePath(rememberedPort);
    if (!remembered.empty() && TryPort(rememberedPort, remembered, kRememberedPortPasses, result)) {
        return result;
    }
    for (int p = PortTable::kFirstPort; p <= PortTable::kLastPort && !StopRequested(); ++p) {
        if (TryPort(p, table.DevicePath(p), 1, result)) {
            return result;
        }
    }
    Note("no radio found");
    return result;
}

ConnectResult RadioLink::ConnectDevice(const std::string& device) {
    ConnectResult result;
    if (!TryPort(0, device, kRememberedPortPasses, result)) {
        Note("no radio found");
    }
    return result;
}

bool RadioLink::Exchange(std::span<const std::uint8_t> request, std::span<std::uint8_t> reply, int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt) {
        if (StopRequested()) {
            Note("stopped");
            return false;
        }
        port_.PurgeInput();
        if (port_.Write(request) != request.size()) {
            Note("write failed on " + port_.Name());
        } else {
            ++requestsSent_;
            if (tracer_ != nullptr) {
                tracer_->Sent(request);
            }
        }
        clock_.Sleep(kPauseBeforeReply);
        const std::size_t got = port_.Read(reply);
        if (tracer_ != nullptr) {
            tracer_->Received(reply.first(std::min(got, reply.size())), reply.size(), port_.TimedOut());
        }
        if (got == reply.size()) {
            return true;
        }
    }
    return false;
}

bool RadioLink::ExpectAck(std::span<const std::uint8_t> request, std::uint8_t echo1, std::uint8_t echo2) {
    std::array<std::uint8_t, frame::kAckLength> reply{};
    if (!Exchange(request, reply)) {
        return false;
    }
    return reply == frame::Ack(frame::kStatusAccepted, echo1, echo2);
}

bool RadioLink::Handshake(int passes) {
    const auto request = frame::Handshake();
    std::array<std::uint8_t, frame::kAckLength> reply{};
    for (int pass = 0; pass < passes && !StopRequested(); ++pass) {
        if (!Exchange(request, reply)) {
            continue;
        }
        if (reply != frame::Ack(frame::kStatusAccepted, frame::kGroupHandshake, frame::kSubWrite)) {
            return false;
        }
        port_.PurgeInput();
        return true;
    }
    return false;
}

ModeAnswer RadioLink::SetMode(std::uint16_t mode) {
    std::array<std::uint8_t, frame::kAckLength> reply{};
    if (!Exchange(frame::SetMode(mode), reply)) {
        return ModeAnswer::NoAnswer;
    }
    if (reply == frame::Ack(frame::kStatusAccepted, frame::kGroupMode, frame::kSubWrite)) {
        return ModeAnswer::Accepted;
    }
    if (reply == frame::Ack(frame::kStatusPasswordRequired, frame::kGroupMode, frame::kSubWrite)) {
        return ModeAnswer::PasswordRequired;
    }
    return ModeAnswer::NoAnswer;
}

bool RadioLink::ReadInfo(std::uint8_t item, std::span<std::uint8_t> data) {
    const std::size_t len = data.size();
    std::vector<std::uint8_t> reply(len + frame::kInfoReplyOverhead);
    if (!Exchange(frame::ReadInfo(item), reply)) {
        return false;
    }
    const std::size_t checksumAt = len + frame::kInfoDataOffset;
    if (reply.front() != frame::kStx || reply.back() != frame::kEtx ||
        reply[checksumAt] != frame::Checksum(std::span(reply).subspan(1, checksumAt - 1))) {
        return false;
    }
    std::copy_n(reply.begin() + frame::kInfoDataOffset, len, data.begin());
    return true;
}

bool RadioLink::ReadMemory(std::uint32_t address, std::span<std::uint8_t> data) {
    const std::size_t len = data.size();
    std::vector<std::uint8_t> reply(len + frame::kMemoryReplyOverhead);
    if (!Exchange(frame::ReadMemory(address, static_cast<std::uint16_t>(len)), reply)) {
        return false;
    }
    const std::size_t checksumAt = len + frame::kMemoryDataOffset;
    if (reply[checksumAt] != frame::Checksum(std::span(reply).subspan(1, checksumAt - 1))) {
        return false;
    }
    std::copy_n(reply.begin() + frame::kMemoryDataOffset, len, data.begin());
    return true;
}

bool RadioLink::WriteMemory(std::uint32_t address, std::span<const std::uint8_t> data) {
    clock_.Sleep(kPauseBeforeWrite);
    return ExpectAck(frame::WriteMemory(address, data), frame::kGroupMemory, frame::kSubWrite);
}

TuneRead RadioLink::ReadTuneValue(std::uint16_t index, std::span<std::uint8_t> data) {
    if (SetMode(LinkMode::Tune) == ModeAnswer::NoAnswer) {
        return TuneRead::NoTuningMode;
    }
    std::vector<std::uint8_t> reply(data.size() + frame::kTuneReplyOverhead);
    if (!Exchange(frame::ReadTuneValue(index), reply)) {
        return TuneRead::Failed;
    }
    std::array<std::uint8_t, frame::kTuneReplyDataOffset> head{frame::kStx, frame::kGroupTune,
                                                               frame::kSubReply, 0, 0};
    frame::PutLe16(std::span(head).subspan(frame::kTuneIndexOffset, 2), index);
    if (!std::equal(head.begin(), head.end(), reply.begin())) {
        return TuneRead::Failed;
    }
    std::copy_n(reply.begin() + frame::kTuneReplyDataOffset, data.size(), data.begin());
    return TuneRead::Read;
}

bool RadioLink::WriteTuneValue(std::uint16_t index, std::span<const std::uint8_t> data) {
    return ExpectAck(frame::WriteTuneValue(index, data), frame::kGroupTune, frame::kSubWrite);
}

bool RadioLink::CommitTuning() {
    return ExpectAck(frame::CommitTuning(), frame::kGroupTune, frame::kSubCommit);
}

bool RadioLink::DiscardTuning() {
    return ExpectAck(frame::DiscardTuning(), frame::kGroupTune, frame::kSubDiscard);
}

bool RadioLink::TestSwitch(std::uint8_t selector, std::uint8_t state) {
    return ExpectAck(frame::TestSwitch(selector, state), frame::kGroupSwitch, selector);
}

bool RadioLink::SendPassword(std::string_view digits, PasswordKind kind) {
    return ExpectAck(frame::SendPassword(digits, kind), frame::kGroupPassword, frame::kSubRead);
}

bool RadioLink::Identify(RadioIdentity& identity, std::string_view referenceVersion) {
    std::array<std::uint8_t, frame::kInfoModelNameLength> name{};
    if (ReadInfo(frame::kInfoModelName, name)) {
        identity.modelName = FieldText(name);
    }
    std::array<std::uint8_t, frame::kInfoBandLength> band{};
    if (ReadInfo(frame::kInfoBand, band)) {
        identity.band = band;
    }
    std::array<std::uint8_t, frame::kInfoSignallingLength> signalling{};
    if (ReadInfo(frame::kInfoSignalling, signalling)) {
        identity.signalling = signalling[0];
    }
    std::array<std::uint8_t, frame::kInfoVersionLength> version{};
    if (!ReadInfo(frame::kInfoVersion, version)) {
        return false;
    }
    const auto firmware = std::span(version).first(frame::kVersionFirmwareLength);
    identity.firmware = FieldText(firmware);
    // The comparison looks at the raw bytes, as the radio sent them.
    identity.versionComparison =
        CompareVersion(std::string_view(reinterpret_cast<const char*>(firmware.data()), 4), referenceVersion);
    identity.modelId = FieldText(std::span(version).subspan(frame::kVersionFirmwareLength));
    return true;
}

} // namespace tav
