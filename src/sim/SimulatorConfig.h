#pragma once

#include "core/comm/TransferPlan.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tav::sim {

/// Faults the simulated radio can play.
enum class FaultKind {
    Silence,      ///< no reply at all
    ShortReply,   ///< only the first half of the reply
    BadChecksum,  ///< the reply's checksum byte is wrong (acknowledgements: a wrong echo byte)
    RefuseAck,    ///< acknowledgements carry a refusing status
    Disconnect,   ///< the radio vanishes: the line is closed, as when the cable is pulled
    CorruptStore, ///< a written block is acknowledged, but its first byte is stored with bit 0 flipped
};

/// One fault and when it strikes. By default a fault counts memory requests (ReadMemory and
/// WriteMemory, retries included): the first `after` are served normally, the next `times`
/// (every one when negative) get the fault.
struct Fault {
    FaultKind kind = FaultKind::Silence;
    int after = 0;
    int times = -1;
    /// Only requests for this block address count (memory requests only).
    std::optional<std::uint32_t> address;
    /// Count every request (handshake, mode, identity ...) instead of memory requests only.
    bool anyRequest = false;
};

/// Everything that makes up a simulated radio.
struct SimulatorConfig {
    RadioImage memory = FilledMemory(0xFF); ///< radio addresses 0x0000-0x1FFF
    std::string modelId = "TAV100";
    std::string modelName = "TAV-100";
    std::string firmware = "1.04.01";
    /// Band bytes as ReadInfo item 5 reports them: flag, lower and upper limit (8 BCD digits, 10 Hz).
    std::array<std::uint8_t, 9> band = BandBytes(400, 470, 0x00);
    std::uint8_t signalling = 0;
    /// The radio's password (digits); empty when the radio asks for none.
    std::string password;
    /// Delay each reply by the time the request and the reply take on a 38400 baud 8-O-2 line.
    bool lineRate = false;
    /// Further delay before every reply (a slow radio).
    std::chrono::microseconds replyDelay{0};
    std::map<std::uint16_t, std::uint16_t> tuneValues;
    std::vector<Fault> faults;

    static RadioImage FilledMemory(std::uint8_t value) {
        RadioImage image;
        image.fill(value);
        return image;
    }
    /// Band bytes for whole-MHz limits; a limit of 0 or less is sent as "no limit".
    static std::array<std::uint8_t, 9> BandBytes(int lowMHz, int highMHz, std::uint8_t flag);
};

/// Line time of `bytes` bytes at 38400 baud with 8 data bits, parity and 2 stop bits (11 bits each).
std::chrono::nanoseconds LineTime(std::size_t bytes);

} // namespace tav::sim
