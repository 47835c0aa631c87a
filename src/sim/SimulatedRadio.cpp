#include "sim/SimulatedRadio.h"

#include "core/comm/RadioIdentity.h"

#include <algorithm>

namespace tav::sim {
namespace {

using namespace tav::frame;

std::vector<std::uint8_t> PaddedText(const std::string& text, std::size_t size) {
    std::vector<std::uint8_t> bytes(size, 0);
    std::copy_n(text.begin(), std::min(text.size(), size), bytes.begin());
    return bytes;
}

bool IsMemory(LinkCommand command) {
    return command == LinkCommand::ReadMemory || command == LinkCommand::WriteMemory;
}

} // namespace

SimulatedRadio::SimulatedRadio(SimulatorConfig config)
    : config_(std::move(config)), faultCounters_(config_.faults.size(), 0), pendingTune_(config_.tuneValues) {
}

bool SimulatedRadio::testSwitch(std::uint8_t selector) const {
    const auto it = switches_.find(selector);
    return it != switches_.end() && it->second;
}

std::vector<std::uint8_t> SimulatedRadio::Ack(std::uint8_t status, std::uint8_t echo1,
                                              std::uint8_t echo2) const {
    const auto ack = frame::Ack(status, echo1, echo2);
    return {ack.begin(), ack.end()};
}

bool SimulatedRadio::MemoryOpen() const {
    return mode_ == static_cast<std::uint16_t>(LinkMode::Read) ||
           mode_ == static_cast<std::uint16_t>(LinkMode::Write);
}

const Fault* SimulatedRadio::ActiveFault(LinkCommand command, std::uint32_t address) {
    const Fault* active = nullptr;
    for (std::size_t i = 0; i < config_.faults.size(); ++i) {
        const Fault& f = config_.faults[i];
        if (!f.anyRequest && !IsMemory(command)) {
            continue;
        }
        if (f.address && (!IsMemory(command) || *f.address != address)) {
            continue;
        }
        const int ordinal = faultCounters_[i]++;
        if (active == nullptr && ordinal >= f.after && (f.times < 0 || ordinal < f.after + f.times)) {
            active = &f;
        }
    }
    return active;
}

Response SimulatedRadio::Handle(const RequestParser::Request& request) {
    const auto& b = request.bytes;
    const LinkCommand command = Classify(b);
    RequestRecord record{command, 0, 0, 0, false};
    switch (command) {
    case LinkCommand::SetMode:
        record.value = GetLe16(std::span(b).subspan(kModeOffset, 2));
        break;
    case LinkCommand::ReadInfo:
        record.value = b[kInfoItemOffset];
        break;
    case LinkCommand::ReadMemory:
        record.address = GetLe32(std::span(b).subspan(kAddressOffset, 4));
        record.length = GetLe16(std::span(b).subspan(kReadLengthOffset, 2));
        break;
    case LinkCommand::WriteMemory:
        record.address = GetLe32(std::span(b).subspan(kWriteAddressOffset, 4));
        record.length = static_cast<std::uint16_t>(b.size() - kWriteOverhead);
        break;
    case LinkCommand::ReadTuneValue:
    case LinkCommand::WriteTuneValue:
        record.value = GetLe16(std::span(b).subspan(kTuneIndexOffset, 2));
        break;
    case LinkCommand::TestSwitch:
        record.value = b[kSwitchSelectorOffset];
        break;
    default:
        break;
    }

    Response response;
    const Fault* fault = ActiveFault(command, record.address);
    if (fault != nullptr && (fault->kind == FaultKind::Silence || fault->kind == FaultKind::Disconnect)) {
        response.disconnect = fault->kind == FaultKind::Disconnect;
        log_.push_back(record);
        return response;
    }
    if (fault != nullptr && fault->kind == FaultKind::RefuseAck && command != LinkCommand::ReadMemory &&
        command != LinkCommand::ReadInfo && command != LinkCommand::ReadTuneValue) {
        // Refused before it takes effect.
        response.bytes = Ack(kStatusRefused, b[1], b[2]);
    } else {
        response.bytes = Serve(command, request);
    }
    if (fault != nullptr && !response.bytes.empty()) {
        auto& r = response.bytes;
        switch (fault->kind) {
        case FaultKind::ShortReply:
            r.resize(r.size() / 2);
            break;
        case FaultKind::BadChecksum:
            if (r.size() == kAckLength || command == LinkCommand::ReadTuneValue) {
                r[kAckEchoOffset + 1] ^= 0x20; // no checksum on these: spoil a checked byte instead
            } else {
                r[r.size() - 2] ^= 0x5A;
            }
            break;
        default:
            break;
        }
    }
    if (fault != nullptr && fault->kind == FaultKind::CorruptStore && command == LinkCommand::WriteMemory &&
        !response.bytes.empty() && record.address < config_.memory.size()) {
        // The memory cell took a wrong value although the radio acknowledged the block.
        config_.memory[record.address] ^= 0x01;
    }
    record.answered = !response.bytes.empty();
    log_.push_back(record);
    return response;
}

std::vector<std::uint8_t> SimulatedRadio::Serve(LinkCommand command, const RequestParser::Request& request) {
    if (command == LinkCommand::Handshake) {
        return Greet();
    }
    // A radio that was not greeted first ignores everything; a corrupted frame is ignored too.
    if (!handshaken_ || !request.checksumOk) {
        return {};
    }
    using Handler = Bytes (SimulatedRadio::*)(std::span<const std::uint8_t>);
    static const std::map<LinkCommand, Handler> handlers = {
        {LinkCommand::SetMode, &SimulatedRadio::SetMode},
        {LinkCommand::SendPassword, &SimulatedRadio::SendPassword},
        {LinkCommand::ReadInfo, &SimulatedRadio::ReadInfo},
        {LinkCommand::ReadMemory, &SimulatedRadio::ReadMemory},
        {LinkCommand::WriteMemory, &SimulatedRadio::WriteMemory},
        {LinkCommand::ReadTuneValue, &SimulatedRadio::ReadTuneValue},
        {LinkCommand::WriteTuneValue, &SimulatedRadio::WriteTuneValue},
        {LinkCommand::CommitTuning, &SimulatedRadio::CommitTuning},
        {LinkCommand::DiscardTuning, &SimulatedRadio::DiscardTuning},
        {LinkCommand::TestSwitch, &SimulatedRadio::TestSwitch},
    };
    const auto handler = handlers.find(command);
    return handler == handlers.end() ? Bytes{} : (this->*handler->second)(request.bytes);
}

SimulatedRadio::Bytes SimulatedRadio::Greet() {
    handshaken_ = true;
    mode_ = 0;
    unlocked_ = false;
    // A new session starts from the committed tuning values: what was sent but never
    // committed is lost, as when the radio is switched off and on.
    pendingTune_ = config_.tuneValues;
    return Ack(kStatusAccepted, kGroupHandshake, kSubWrite);
}

bool SimulatedRadio::InMode(LinkMode mode) const {
    return mode_ == static_cast<std::uint16_t>(mode);
}

SimulatedRadio::Bytes SimulatedRadio::SetMode(std::span<const std::uint8_t> b) {
    const std::uint16_t mode = GetLe16(b.subspan(kModeOffset, 2));
    const bool programming = mode == static_cast<std::uint16_t>(LinkMode::Read) ||
                             mode == static_cast<std::uint16_t>(LinkMode::Write);
    if (mode == static_cast<std::uint16_t>(LinkMode::End)) {
        mode_ = mode;
        unlocked_ = false;
    } else if (programming && !config_.password.empty() && !unlocked_) {
        pendingMode_ = mode;
        mode_ = 0;
        return Ack(kStatusPasswordRequired, kGroupMode, kSubWrite);
    } else if (programming || mode == static_cast<std::uint16_t>(LinkMode::Tune)) {
        mode_ = mode;
    } else {
        return Ack(kStatusRefused, kGroupMode, kSubWrite);
    }
    return Ack(kStatusAccepted, kGroupMode, kSubWrite);
}

SimulatedRadio::Bytes SimulatedRadio::SendPassword(std::span<const std::uint8_t> b) {
    ++passwordAttempts_;
    const std::string typed = FieldText(b.subspan(kPasswordDigitsOffset, kPasswordMaxDigits));
    if (config_.password.empty() || typed != config_.password.substr(0, kPasswordMaxDigits)) {
        return Ack(kStatusRefused, kGroupPassword, kSubRead);
    }
    unlocked_ = true;
    mode_ = pendingMode_;
    return Ack(kStatusAccepted, kGroupPassword, kSubRead);
}

SimulatedRadio::Bytes SimulatedRadio::ReadInfo(std::span<const std::uint8_t> b) {
    const std::uint8_t item = b[kInfoItemOffset];
    std::vector<std::uint8_t> data;
    switch (item) {
    case kInfoModelName:
        data = PaddedText(config_.modelName, kInfoModelNameLength);
        break;
    case kInfoBand:
        data.assign(config_.band.begin(), config_.band.end());
        break;
    case kInfoSignalling:
        data = {config_.signalling};
        break;
    case kInfoVersion: {
        data = PaddedText(config_.firmware, kVersionFirmwareLength);
        const auto id = PaddedText(config_.modelId, kInfoVersionLength - kVersionFirmwareLength);
        data.insert(data.end(), id.begin(), id.end());
        break;
    }
    default:
        return {};
    }
    return InfoReply(item, data);
}

SimulatedRadio::Bytes SimulatedRadio::ReadMemory(std::span<const std::uint8_t> b) {
    const std::uint32_t address = GetLe32(b.subspan(kAddressOffset, 4));
    const std::size_t length = GetLe16(b.subspan(kReadLengthOffset, 2));
    if (!MemoryOpen() || length > RequestParser::kMaxBlock || address > kRadioImageSize ||
        length > kRadioImageSize - address) {
        return {};
    }
    return MemoryReply(address, std::span(config_.memory).subspan(address, length));
}

SimulatedRadio::Bytes SimulatedRadio::WriteMemory(std::span<const std::uint8_t> b) {
    const std::uint32_t address = GetLe32(b.subspan(kWriteAddressOffset, 4));
    const std::size_t length = b.size() - kWriteOverhead;
    if (!MemoryOpen() || address > kRadioImageSize || length > kRadioImageSize - address) {
        return {};
    }
    std::copy_n(b.begin() + kWriteDataOffset, length, config_.memory.begin() + address);
    return Ack(kStatusAccepted, kGroupMemory, kSubWrite);
}

SimulatedRadio::Bytes SimulatedRadio::ReadTuneValue(std::span<const std::uint8_t> b) {
    if (!InMode(LinkMode::Tune)) {
        return {};
    }
    const std::uint16_t index = GetLe16(b.subspan(kTuneIndexOffset, 2));
    const auto it = pendingTune_.find(index);
    const std::uint16_t value = it == pendingTune_.end() ? 0 : it->second;
    // Tuning values travel most significant byte first.
    const std::uint8_t data[2] = {static_cast<std::uint8_t>(value >> 8),
                                  static_cast<std::uint8_t>(value & 0xFF)};
    return TuneValueReply(index, data);
}

SimulatedRadio::Bytes SimulatedRadio::WriteTuneValue(std::span<const std::uint8_t> b) {
    if (!InMode(LinkMode::Tune)) {
        return {};
    }
    const std::uint16_t index = GetLe16(b.subspan(kTuneIndexOffset, 2));
    pendingTune_[index] =
        static_cast<std::uint16_t>((b[kWriteTuneDataOffset] << 8) | b[kWriteTuneDataOffset + 1]);
    return Ack(kStatusAccepted, kGroupTune, kSubWrite);
}

SimulatedRadio::Bytes SimulatedRadio::CommitTuning(std::span<const std::uint8_t>) {
    if (!InMode(LinkMode::Tune)) {
        return {};
    }
    config_.tuneValues = pendingTune_;
    return Ack(kStatusAccepted, kGroupTune, kSubCommit);
}

SimulatedRadio::Bytes SimulatedRadio::DiscardTuning(std::span<const std::uint8_t>) {
    if (!InMode(LinkMode::Tune)) {
        return {};
    }
    pendingTune_ = config_.tuneValues;
    return Ack(kStatusAccepted, kGroupTune, kSubDiscard);
}

SimulatedRadio::Bytes SimulatedRadio::TestSwitch(std::span<const std::uint8_t> b) {
    if (!InMode(LinkMode::Tune)) {
        return {};
    }
    switches_[b[kSwitchSelectorOffset]] = b[kSwitchStateOffset] != 0;
    return Ack(kStatusAccepted, kGroupSwitch, b[kSwitchSelectorOffset]);
}

} // namespace tav::sim
