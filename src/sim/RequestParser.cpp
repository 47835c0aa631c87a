#include "sim/RequestParser.h"

#include "core/comm/LinkFrame.h"

#include <algorithm>

namespace tav::sim {

void RequestParser::Feed(std::span<const std::uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void RequestParser::SkipOne() {
    buffer_.erase(buffer_.begin());
    ++skipped_;
}

std::optional<std::size_t> RequestParser::FrameLength(std::span<const std::uint8_t> head) {
    using namespace frame;
    if (head.empty()) {
        return 0;
    }
    if (head[0] != kStx) {
        return std::nullopt;
    }
    if (head.size() < 3) {
        return 0;
    }
    switch (Classify(head)) {
    case LinkCommand::Handshake:
        return kHandshakeLength;
    case LinkCommand::SetMode:
        return kSetModeLength;
    case LinkCommand::ReadInfo:
        return kReadInfoLength;
    case LinkCommand::ReadMemory:
        return kReadMemoryLength;
    case LinkCommand::WriteMemory: {
        if (head.size() < kWriteCountOffset + 2) {
            return 0;
        }
        const std::size_t count = GetLe16(head.subspan(kWriteCountOffset, 2));
        if (count < kWriteCountExtra || count > kWriteCountExtra + kMaxBlock) {
            return std::nullopt;
        }
        return count + (kWriteOverhead - kWriteCountExtra);
    }
    // Tuning values are always 16-bit: the request carries no length of its own.
    case LinkCommand::ReadTuneValue:
        return kReadTuneLength;
    case LinkCommand::WriteTuneValue:
        return kWriteTuneOverhead + 2;
    case LinkCommand::CommitTuning:
        return kCommitLength;
    case LinkCommand::DiscardTuning:
        return kDiscardLength;
    case LinkCommand::TestSwitch:
        return kTestSwitchLength;
    case LinkCommand::SendPassword:
        return kPasswordLength;
    case LinkCommand::Acknowledge:
    case LinkCommand::Unknown:
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<RequestParser::Request> RequestParser::Next() {
    using namespace frame;
    while (!buffer_.empty()) {
        if (buffer_[0] != kStx) {
            const auto stx = std::find(buffer_.begin(), buffer_.end(), kStx);
            skipped_ += static_cast<std::size_t>(stx - buffer_.begin());
            buffer_.erase(buffer_.begin(), stx);
            continue;
        }
        const auto length = FrameLength(buffer_);
        if (!length) {
            SkipOne();
            continue;
        }
        if (*length == 0 || buffer_.size() < *length) {
            return std::nullopt;
        }
        if (buffer_[*length - 1] != kEtx) {
            SkipOne();
            continue;
        }
        Request request;
        request.bytes.assign(buffer_.begin(), buffer_.begin() + static_cast<long>(*length));
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<long>(*length));
        const LinkCommand command = Classify(request.bytes);
        if (command == LinkCommand::WriteMemory || command == LinkCommand::SendPassword) {
            const std::size_t checksumAt = request.bytes.size() - 2;
            request.checksumOk =
                request.bytes[checksumAt] == Checksum(std::span(request.bytes).subspan(1, checksumAt - 1));
        }
        return request;
    }
    return std::nullopt;
}

} // namespace tav::sim
