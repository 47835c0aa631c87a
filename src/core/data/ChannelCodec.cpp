#include "data/ChannelCodec.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace tav {

namespace {

// Standard CTCSS tones in tenths of a hertz and CDCSS codes as the decimal reading of their octal
// digits, in the order the drop-downs list them.
constexpr std::array<std::uint16_t, 50> kCtcss = {
    670,  693,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035, 1072, 1109, 1148,
    1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1598, 1622, 1655, 1679, 1713, 1738, 1773, 1799,
    1835, 1862, 1899, 1928, 1966, 1995, 2035, 2065, 2107, 2181, 2257, 2291, 2336, 2418, 2503, 2541};

constexpr std::array<std::uint16_t, 104> kCdcss = {
    23,  25,  26,  31,  32,  36,  43,  47,  51,  53,  54,  65,  71,  72,  73,  74,  114, 115, 116, 122, 125,
    131, 132, 134, 143, 145, 152, 155, 156, 162, 165, 172, 174, 205, 212, 223, 225, 226, 243, 244, 245, 246,
    251, 252, 255, 261, 263, 265, 266, 271, 274, 306, 311, 315, 325, 331, 332, 343, 346, 351, 356, 364, 365,
    371, 411, 412, 413, 423, 431, 432, 445, 446, 452, 454, 455, 462, 464, 465, 466, 503, 506, 516, 523, 526,
    532, 546, 565, 606, 612, 624, 627, 631, 632, 654, 662, 664, 703, 712, 723, 731, 732, 734, 743, 754};

// The decimal number that the digits of a BcdFreq spell (reading stops at the first nibble that is
// not a decimal digit, as reading the hexadecimal text as a decimal number does).
std::uint32_t BcdToCount(std::uint32_t bcd) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", bcd);
    return static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10));
}

} // namespace

std::uint32_t ChannelCodec::ToBcd(std::uint64_t count) {
    count = std::min(count, kMaxCount);
    std::uint32_t bcd = 0;
    for (int shift = 0; shift < 32; shift += 4) {
        bcd |= static_cast<std::uint32_t>(count % 10) << shift;
        count /= 10;
    }
    return bcd;
}

std::uint8_t ChannelCodec::StepOf(std::uint32_t bcd) {
    if (bcd == kNoFreq) {
        return kNoStep;
    }
    const std::uint32_t count = BcdToCount(bcd);
    if (count % 1250 == 0) {
        return 6;
    }
    if (count % 1000 == 0) {
        return 7;
    }
    if (count % 625 == 0) {
        return 3;
    }
    if (count % 500 == 0) {
        return 2;
    }
    return 6;
}

std::uint16_t ChannelCodec::StandardTone(std::size_t index) {
    return kCtcss[std::min(index, kCtcss.size() - 1)];
}

std::string ChannelCodec::ToneText(std::uint16_t value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value * 0.1);
    return text;
}

std::string ChannelCodec::CodeText(std::uint16_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%03o", static_cast<unsigned>(value));
    return text;
}

ChannelCodec::Parsed ChannelCodec::ParseTone(const std::string& text) {
    const double hz = std::strtod(text.c_str(), nullptr);
    double scaled = hz * 10 + 0.001;
    if (!(scaled > 0)) { // also text that reads as "nan"
        scaled = 0;
    }
    scaled = std::min(scaled, 65535.0);
    const auto value = static_cast<std::uint16_t>(std::clamp(static_cast<int>(scaled), 400, 3000));
    const bool standard = std::find(kCtcss.begin(), kCtcss.end(), value) != kCtcss.end();
    return {value, !standard};
}

ChannelCodec::Parsed ChannelCodec::ParseCode(const std::string& text) {
    long digits = std::strtol(text.c_str(), nullptr, 10);
    if (static_cast<std::uint16_t>(digits) >= 777) {
        digits = 777;
    }
    digits = static_cast<std::uint16_t>(digits);
    char printed[16];
    std::snprintf(printed, sizeof printed, "%03ld", digits);
    int value = (printed[0] - '0') * 64 + (printed[1] - '0') * 8 + (printed[2] - '0');
    value = std::clamp(value, 0, 511);
    const bool standard = std::find(kCdcss.begin(), kCdcss.end(), digits) != kCdcss.end();
    return {static_cast<std::uint16_t>(value), !standard};
}

} // namespace tav
