#include "core/comm/RadioIdentity.h"

#include "core/comm/LinkMessages.h"
#include "core/util/NumberText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace tav {
namespace {

/// Band limit in 10 Hz units from four BCD bytes; nullopt for "no limit" or a non-decimal digit.
std::optional<std::uint32_t> BcdLimit(std::span<const std::uint8_t> bytes) {
    if (std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0xFF; })) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const std::uint8_t b : bytes) {
        const unsigned high = b >> 4;
        const unsigned low = b & 0x0F;
        if (high > 9 || low > 9) {
            return std::nullopt;
        }
        value = value * 100 + high * 10 + low;
    }
    return value;
}

std::string LimitText(std::uint32_t tenHz) {
    char text[32];
    std::snprintf(text, sizeof text, "%u.%05u", tenHz / 100000, tenHz % 100000);
    return text;
}

} // namespace

std::string FrequencyBand::RangeText() const {
    return FormatRange(lowMHz, highMHz);
}

FrequencyBand DecodeBand(std::span<const std::uint8_t, 9> bytes) {
    FrequencyBand band;
    band.flag = bytes[0];
    if (const auto low = BcdLimit(bytes.subspan(1, 4))) {
        band.lowMHz = static_cast<int>(*low / 100000);
        band.lowText = LimitText(*low);
    }
    const auto high = BcdLimit(bytes.subspan(5, 4));
    if (high) {
        band.highMHz = static_cast<int>(*high / 100000);
        band.highText = LimitText(*high);
    }
    const auto low = BcdLimit(bytes.subspan(1, 4));
    band.valid = low && high && *low < *high;
    return band;
}

std::string BandBytesText(std::span<const std::uint8_t, 9> bytes) {
    std::string text;
    char hex[4];
    for (std::size_t i = 1; i < bytes.size(); ++i) {
        std::snprintf(hex, sizeof hex, "%02X", bytes[i]);
        text += hex;
        text += i == 4 ? "-" : (i < 8 ? " " : "");
    }
    return text;
}

int CompareVersion(std::string_view firmware, std::string_view reference) {
    for (std::size_t i = 0; i < 4; ++i) {
        const unsigned a = i < firmware.size() ? static_cast<unsigned char>(firmware[i]) : 0U;
        const unsigned b = i < reference.size() ? static_cast<unsigned char>(reference[i]) : 0U;
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    return 0;
}

int FirmwareNoteMessage(std::string_view firmware) {
    const int minor =
        firmware.size() > 2 ? SaturateToInt32(ReadDecimalInteger(firmware.substr(2, 2)).value_or(0)) : 0;
    if (minor % 2 == 0) {
        return kMsgNoteEvenMinor;
    }
    const int patch =
        firmware.size() > 5 ? SaturateToInt32(ReadDecimalInteger(firmware.substr(5, 2)).value_or(0)) : 0;
    return patch >= 5 ? kMsgNoteOddMinorLate : kMsgNoteOddMinorEarly;
}

std::string FieldText(std::span<const std::uint8_t> bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    return std::string(bytes.begin(), end);
}

std::string SerialNumberText(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const std::uint8_t b : bytes) {
        if (b == 0x00 || b == 0xFF) {
            break;
        }
        text += b >= 0x20 && b < 0x7F ? static_cast<char>(b) : '?';
    }
    return text;
}

Outcome<FrequencyBand> CheckRadioIdentity(TransferDirection direction, const RadioIdentity& radio,
                                          const IdentityRules& rules) {
    const bool accepted = direction == TransferDirection::Write
                              ? radio.modelId == rules.currentModelId
                              : !radio.modelId.empty() &&
                                    std::find(rules.acceptedModelIds.begin(), rules.acceptedModelIds.end(),
                                              radio.modelId) != rules.acceptedModelIds.end();
    if (!accepted) {
        return Result::Fail(kMsgModelRefused, radio.modelId);
    }
    if (radio.versionComparison > 0) {
        return Result::Fail(kMsgFirmwareTooNew, radio.firmware);
    }
    return DecodeBand(radio.band);
}

void TakeOverRadioIdentity(DataIdentity& current, const RadioIdentity& radio, const FrequencyBand& band,
                           bool rememberPreviousRange) {
    current.modelId = radio.modelId;
    current.modelName = radio.modelName;
    current.signalling = radio.signalling;
    current.firmware = radio.firmware;
    if (rememberPreviousRange) {
        current.previousRangeText = current.rangeText;
    }
    current.rangeText = band.RangeText();
}

} // namespace tav
