#include "sim/SimulatorConfig.h"

namespace tav::sim {
namespace {

void PutBcdLimit(std::array<std::uint8_t, 9>& band, std::size_t at, int mhz) {
    if (mhz <= 0 || mhz > 999) {
        for (std::size_t i = 0; i < 4; ++i) {
            band[at + i] = 0xFF;
        }
        return;
    }
    // MHz in 10 Hz units: eight decimal digits, two per byte, most significant first.
    std::uint32_t value = static_cast<std::uint32_t>(mhz) * 100000U;
    for (int i = 3; i >= 0; --i) {
        const unsigned pair = value % 100;
        value /= 100;
        band[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(((pair / 10) << 4) | (pair % 10));
    }
}

} // namespace

std::array<std::uint8_t, 9> SimulatorConfig::BandBytes(int lowMHz, int highMHz, std::uint8_t flag) {
    std::array<std::uint8_t, 9> band{};
    band[0] = flag;
    PutBcdLimit(band, 1, lowMHz);
    PutBcdLimit(band, 5, highMHz);
    return band;
}

std::chrono::nanoseconds LineTime(std::size_t bytes) {
    constexpr std::uint64_t kBitsPerByte = 11; // start, 8 data, parity, 2 stop
    constexpr std::uint64_t kBaud = 38400;
    return std::chrono::nanoseconds(static_cast<std::int64_t>(bytes * kBitsPerByte * 1000000000ULL / kBaud));
}

} // namespace tav::sim
