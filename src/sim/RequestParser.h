#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tav::sim {

/// Cuts the byte stream that reaches the radio into request frames.
///
/// Anything that is not a well-formed request is skipped: bytes before an STX, an STX whose
/// command is unknown or whose frame does not end in ETX, a length field beyond any block the
/// radio takes. A request whose checksum is wrong is consumed but reported as such, so that the
/// radio can ignore it as a real one would. A partial frame that stays incomplete is dropped by
/// `DropPartial`, which the radio calls when the line has been quiet for a while.
class RequestParser {
public:
    static constexpr std::size_t kMaxBlock = 256; ///< largest memory block the radio accepts

    struct Request {
        std::vector<std::uint8_t> bytes;
        bool checksumOk = true;
    };

    void Feed(std::span<const std::uint8_t> bytes);
    /// The next complete request, if one is buffered.
    std::optional<Request> Next();
    bool HasPartial() const { return !buffer_.empty(); }
    void DropPartial() { buffer_.clear(); }
    /// Bytes thrown away so far as not belonging to any request.
    std::size_t Skipped() const { return skipped_; }

    /// Length of the request that starts with these bytes: 0 when more bytes are needed to tell,
    /// nullopt when they cannot start a request.
    static std::optional<std::size_t> FrameLength(std::span<const std::uint8_t> head);

private:
    void SkipOne();

    std::vector<std::uint8_t> buffer_;
    std::size_t skipped_ = 0;
};

} // namespace tav::sim
