#include "core/comm/LinkFrame.h"

#include <algorithm>
#include <cstdio>

namespace tav::frame {
namespace {

std::vector<std::uint8_t> Frame(std::initializer_list<std::uint8_t> bytes) {
    return {bytes};
}

/// Sets the checksum byte just before ETX over everything after STX.
void Seal(std::vector<std::uint8_t>& f) {
    const std::size_t checksumAt = f.size() - 2;
    f[checksumAt] = Checksum(std::span<const std::uint8_t>(f).subspan(1, checksumAt - 1));
}

} // namespace

std::size_t InfoLength(std::uint8_t item) {
    switch (item) {
    case kInfoModelName:
        return kInfoModelNameLength;
    case kInfoBand:
        return kInfoBandLength;
    case kInfoSignalling:
        return kInfoSignallingLength;
    case kInfoVersion:
        return kInfoVersionLength;
    default:
        return 0;
    }
}

std::uint8_t Checksum(std::span<const std::uint8_t> covered) {
    std::uint8_t sum = 0;
    for (const std::uint8_t b : covered) {
        sum = static_cast<std::uint8_t>(sum + b);
    }
    return static_cast<std::uint8_t>(0x100 - sum);
}

void PutLe16(std::span<std::uint8_t> at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void PutLe32(std::span<std::uint8_t> at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        at[i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
    }
}

std::uint16_t GetLe16(std::span<const std::uint8_t> at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

std::uint32_t GetLe32(std::span<const std::uint8_t> at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

std::vector<std::uint8_t> Handshake() {
    return Frame({kStx, kGroupHandshake, kSubWrite, kEtx});
}

std::vector<std::uint8_t> SetMode(std::uint16_t mode) {
    auto f = Frame({kStx, kGroupMode, kSubWrite, 0, 0, kEtx});
    PutLe16(std::span(f).subspan(kModeOffset, 2), mode);
    return f;
}

std::vector<std::uint8_t> ReadInfo(std::uint8_t item) {
    return Frame({kStx, kGroupInfo, kSubRead, item, 0, kEtx});
}

std::vector<std::uint8_t> ReadMemory(std::uint32_t address, std::uint16_t length) {
    std::vector<std::uint8_t> f(kReadMemoryLength, 0);
    f[0] = kStx;
    f[1] = kGroupMemory;
    f[2] = kSubRead;
    PutLe32(std::span(f).subspan(kAddressOffset, 4), address);
    PutLe16(std::span(f).subspan(kReadLengthOffset, 2), length);
    f.back() = kEtx;
    return f;
}

std::vector<std::uint8_t> WriteMemory(std::uint32_t address, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> f(data.size() + kWriteOverhead, 0);
    f[0] = kStx;
    f[1] = kGroupMemory;
    f[2] = kSubWrite;
    PutLe16(std::span(f).subspan(kWriteCountOffset, 2),
            static_cast<std::uint16_t>(data.size() + kWriteCountExtra));
    PutLe32(std::span(f).subspan(kWriteAddressOffset, 4), address);
    std::copy(data.begin(), data.end(), f.begin() + kWriteDataOffset);
    f.back() = kEtx;
    Seal(f);
    return f;
}

std::vector<std::uint8_t> ReadTuneValue(std::uint16_t index) {
    auto f = Frame({kStx, kGroupTune, kSubRead, 0, 0, kEtx});
    PutLe16(std::span(f).subspan(kTuneIndexOffset, 2), index);
    return f;
}

std::vector<std::uint8_t> WriteTuneValue(std::uint16_t index, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> f(data.size() + kWriteTuneOverhead, 0);
    f[0] = kStx;
    f[1] = kGroupTune;
    f[2] = kSubWrite;
    PutLe16(std::span(f).subspan(kTuneIndexOffset, 2), index);
    std::copy(data.begin(), data.end(), f.begin() + kWriteTuneDataOffset);
    f.back() = kEtx;
    return f;
}

std::vector<std::uint8_t> CommitTuning() {
    return Frame({kStx, kGroupTune, kSubCommit, 0, 0, kEtx});
}

std::vector<std::uint8_t> DiscardTuning() {
    return Frame({kStx, kGroupTune, kSubDiscard, kEtx});
}

std::vector<std::uint8_t> TestSwitch(std::uint8_t selector, std::uint8_t state) {
    return Frame({kStx, kGroupSwitch, selector, state, 0, kEtx});
}

std::vector<std::uint8_t> SendPassword(std::string_view digits, PasswordKind kind) {
    std::vector<std::uint8_t> f(kPasswordLength, 0);
    f[0] = kStx;
    f[1] = kGroupPassword;
    f[2] = kSubRead;
    PutLe16(std::span(f).subspan(kPasswordCountOffset, 2), kPasswordCount);
    f[kPasswordKindOffset] = static_cast<std::uint8_t>(kind);
    const std::size_t n = std::min(digits.size(), kPasswordMaxDigits);
    for (std::size_t i = 0; i < n; ++i) {
        f[kPasswordDigitsOffset + i] = static_cast<std::uint8_t>(digits[i]);
    }
    f.back() = kEtx;
    Seal(f);
    return f;
}

std::array<std::uint8_t, kAckLength> Ack(std::uint8_t status, std::uint8_t echo1, std::uint8_t echo2) {
    return {kStx, kGroupAck, status, echo1, echo2, kEtx};
}

std::vector<std::uint8_t> InfoReply(std::uint8_t item, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> f(data.size() + kInfoReplyOverhead, 0);
    f[0] = kStx;
    // Header as the simulated radio fills it: reply letters, the item and the data length.
    f[1] = kGroupInfo;
    f[2] = kSubReply;
    f[3] = item;
    f[4] = 0;
    PutLe16(std::span(f).subspan(5, 2), static_cast<std::uint16_t>(data.size()));
    std::copy(data.begin(), data.end(), f.begin() + kInfoDataOffset);
    f.back() = kEtx;
    Seal(f);
    return f;
}

std::vector<std::uint8_t> MemoryReply(std::uint32_t address, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> f(data.size() + kMemoryReplyOverhead, 0);
    f[0] = kStx;
    f[1] = kGroupMemory;
    f[2] = kSubReply;
    PutLe32(std::span(f).subspan(3, 4), address);
    PutLe16(std::span(f).subspan(7, 2), static_cast<std::uint16_t>(data.size()));
    std::copy(data.begin(), data.end(), f.begin() + kMemoryDataOffset);
    f.back() = kEtx;
    Seal(f);
    return f;
}

std::vector<std::uint8_t> TuneValueReply(std::uint16_t index, std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> f(data.size() + kTuneReplyOverhead, 0);
    f[0] = kStx;
    f[1] = kGroupTune;
    f[2] = kSubReply;
    PutLe16(std::span(f).subspan(kTuneIndexOffset, 2), index);
    std::copy(data.begin(), data.end(), f.begin() + kTuneReplyDataOffset);
    f.back() = kEtx;
    return f;
}

LinkCommand Classify(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 3 || bytes[0] != kStx) {
        return LinkCommand::Unknown;
    }
    const std::uint8_t group = bytes[1];
    const std::uint8_t sub = bytes[2];
    switch (group) {
    case kGroupHandshake:
        return sub == kSubWrite ? LinkCommand::Handshake : LinkCommand::Unknown;
    case kGroupMode:
        return sub == kSubWrite ? LinkCommand::SetMode : LinkCommand::Unknown;
    case kGroupInfo:
        return sub == kSubRead ? LinkCommand::ReadInfo : LinkCommand::Unknown;
    case kGroupMemory:
        return sub == kSubRead    ? LinkCommand::ReadMemory
               : sub == kSubWrite ? LinkCommand::WriteMemory
                                  : LinkCommand::Unknown;
    case kGroupTune:
        switch (sub) {
        case kSubRead:
            return LinkCommand::ReadTuneValue;
        case kSubWrite:
            return LinkCommand::WriteTuneValue;
        case kSubCommit:
            return LinkCommand::CommitTuning;
        case kSubDiscard:
            return LinkCommand::DiscardTuning;
        default:
            return LinkCommand::Unknown;
        }
    case kGroupSwitch:
        return LinkCommand::TestSwitch;
    case kGroupPassword:
        return sub == kSubRead ? LinkCommand::SendPassword : LinkCommand::Unknown;
    case kGroupAck:
        return LinkCommand::Acknowledge;
    default:
        return LinkCommand::Unknown;
    }
}

std::string Describe(std::span<const std::uint8_t> bytes) {
    char text[64] = {};
    switch (Classify(bytes)) {
    case LinkCommand::Handshake:
        return "Handshake";
    case LinkCommand::SetMode:
        if (bytes.size() >= kSetModeLength) {
            std::snprintf(text, sizeof text, "SetMode %u", GetLe16(bytes.subspan(kModeOffset, 2)));
            return text;
        }
        return "SetMode";
    case LinkCommand::ReadInfo:
        if (bytes.size() >= kReadInfoLength) {
            std::snprintf(text, sizeof text, "ReadInfo item %u", bytes[kInfoItemOffset]);
            return text;
        }
        return "ReadInfo";
    case LinkCommand::ReadMemory:
        if (bytes.size() >= kReadMemoryLength) {
            std::snprintf(text, sizeof text, "ReadMemory %04X+%u", GetLe32(bytes.subspan(kAddressOffset, 4)),
                          GetLe16(bytes.subspan(kReadLengthOffset, 2)));
            return text;
        }
        return "ReadMemory";
    case LinkCommand::WriteMemory:
        if (bytes.size() >= kWriteOverhead) {
            std::snprintf(text, sizeof text, "WriteMemory %04X+%zu",
                          GetLe32(bytes.subspan(kWriteAddressOffset, 4)), bytes.size() - kWriteOverhead);
            return text;
        }
        return "WriteMemory";
    case LinkCommand::ReadTuneValue:
        if (bytes.size() >= kReadTuneLength) {
            std::snprintf(text, sizeof text, "ReadTuneValue %04X",
                          GetLe16(bytes.subspan(kTuneIndexOffset, 2)));
            return text;
        }
        return "ReadTuneValue";
    case LinkCommand::WriteTuneValue:
        if (bytes.size() >= kWriteTuneOverhead) {
            std::snprintf(text, sizeof text, "WriteTuneValue %04X",
                          GetLe16(bytes.subspan(kTuneIndexOffset, 2)));
            return text;
        }
        return "WriteTuneValue";
    case LinkCommand::CommitTuning:
        return "CommitTuning";
    case LinkCommand::DiscardTuning:
        return "DiscardTuning";
    case LinkCommand::TestSwitch:
        if (bytes.size() >= kTestSwitchLength) {
            std::snprintf(text, sizeof text, "TestSwitch %c %s",
                          bytes[kSwitchSelectorOffset] >= 0x20 && bytes[kSwitchSelectorOffset] < 0x7F
                              ? static_cast<char>(bytes[kSwitchSelectorOffset])
                              : '?',
                          bytes[kSwitchStateOffset] != 0 ? "on" : "off");
            return text;
        }
        return "TestSwitch";
    case LinkCommand::SendPassword:
        if (bytes.size() >= kPasswordLength) {
            return bytes[kPasswordKindOffset] == static_cast<std::uint8_t>(PasswordKind::Read)
                       ? "SendPassword read"
                       : "SendPassword write";
        }
        return "SendPassword";
    case LinkCommand::Acknowledge:
        if (bytes.size() == kAckLength) {
            const std::uint8_t status = bytes[kAckStatusOffset];
            const char* word = status == kStatusAccepted           ? "accepted"
                               : status == kStatusPasswordRequired ? "password required"
                                                                   : "refused";
            std::snprintf(text, sizeof text, "Ack %s", word);
            return text;
        }
        return {};
    case LinkCommand::Unknown:
        return {};
    }
    return {};
}

} // namespace tav::frame
