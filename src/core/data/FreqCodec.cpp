#include "core/data/FreqCodec.h"

#include <algorithm>
#include <cmath>

namespace tav {

BcdFreq FreqToBcd(std::uint32_t count) {
    count = std::min(count, kMaxFreqCount);
    BcdFreq bcd = 0;
    for (int shift = 0; shift < 32; shift += 4) {
        bcd |= static_cast<BcdFreq>(count % 10) << shift;
        count /= 10;
    }
    return bcd;
}

bool IsValidBcd(BcdFreq bcd) {
    for (int shift = 0; shift < 32; shift += 4) {
        if (((bcd >> shift) & 0xF) > 9) {
            return false;
        }
    }
    return true;
}

std::uint32_t BcdToFreq(BcdFreq bcd) {
    if (!IsValidBcd(bcd)) {
        return 0;
    }
    std::uint32_t count = 0;
    for (int shift = 28; shift >= 0; shift -= 4) {
        count = count * 10 + ((bcd >> shift) & 0xF);
    }
    return count;
}

double BcdToMHz(BcdFreq bcd) {
    return BcdToFreq(bcd) * 0.00001;
}

std::uint32_t MHzToCount(std::int64_t mhz) {
    if (mhz <= 0) {
        return 0;
    }
    if (mhz >= kMaxFreqCount / kCountsPerMHz + 1) {
        return kMaxFreqCount;
    }
    return static_cast<std::uint32_t>(mhz) * kCountsPerMHz;
}

std::uint32_t ParseFreq(std::string_view text, char separator) {
    const double mhz = ReadDecimalNumber(text, separator).value_or(0.0);
    const double counts = mhz * kCountsPerMHz + 0.5;
    if (!(counts > 0.0)) {
        return 0;
    }
    if (counts >= 4294967295.0) {
        return 0xFFFFFFFFu;
    }
    return static_cast<std::uint32_t>(counts);
}

std::string FormatFreq(std::uint32_t count, char separator) {
    std::string fraction = std::to_string(count % kCountsPerMHz);
    fraction.insert(0, 5 - fraction.size(), '0');
    return std::to_string(count / kCountsPerMHz) + separator + fraction;
}

} // namespace tav
