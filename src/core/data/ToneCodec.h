#pragma once

#include "core/util/NumberText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

/// The 16-bit CTCSS/CDCSS setting of one direction of a channel: bits 15-14 the type, bit 13 set
/// when the value is not in the standard table of its type, bit 12 reserved (kept as found), bits
/// 11-0 the value. Host order in memory; most significant byte first in the image.
using ToneWord = std::uint16_t;

/// Bits 15-14 of a tone word. Types 2 and 3 are both CDCSS and are handled alike.
enum class ToneType : std::uint8_t {
    None = 0,
    Ctcss = 1,
    Cdcss = 2,
    CdcssAlt = 3,
};

inline constexpr int kToneTypeShift = 14;
inline constexpr ToneWord kToneTypeMask = 0xC000;
inline constexpr ToneWord kToneNonStandardBit = 0x2000;
inline constexpr ToneWord kToneReservedBit = 0x1000;
inline constexpr ToneWord kToneValueMask = 0x0FFF;

/// CTCSS values are tenths of a hertz, 40.0 to 300.0 Hz.
inline constexpr std::uint16_t kCtcssMinValue = 400;
inline constexpr std::uint16_t kCtcssMaxValue = 3000;
/// CDCSS values are the binary value of three octal digits.
inline constexpr std::uint16_t kCdcssMaxValue = 511;
/// The largest code text the CDCSS rule reads ("777").
inline constexpr int kCdcssMaxDigits = 777;

ToneType ToneTypeOf(ToneWord word);
std::uint16_t ToneValueOf(ToneWord word);
bool IsNonStandardTone(ToneWord word);
bool IsCdcssType(ToneType type);

/// A tone word from its parts (`value` is cut to 12 bits).
ToneWord MakeToneWord(ToneType type, std::uint16_t value, bool nonStandard, bool reserved);

/// `word` with only its type bits changed.
ToneWord WithToneType(ToneWord word, ToneType type);

/// `word` with its value and non-standard flag replaced; type and reserved bit are kept.
ToneWord WithToneValue(ToneWord word, std::uint16_t value, bool nonStandard);

/// Tone text to value: the number × 10 (+0.001 against float error), truncated, clamped to
/// 400..3000. Text that is not a number reads as 0 and so gives 400. '.' or `separator` is the
/// decimal point.
std::uint16_t ParseCtcss(std::string_view text, char separator = kDefaultDecimalSeparator);

/// A CTCSS value as text, "%.1f" of value × 0.1 ("67.0", "100.0").
std::string FormatTone(std::uint16_t value, char separator = kDefaultDecimalSeparator);

/// A code text read by the CDCSS rule.
struct CdcssReading {
    /// The binary value of the three digits, at most 511.
    std::uint16_t value;
    /// The decimal reading of the text, 0..777.
    int digits;
    /// True when `digits` is not a standard code.
    bool nonStandard;

    bool operator==(const CdcssReading&) const = default;
};

/// Code text to value: the text's decimal reading (numbers outside 0..776 become 777), its three
/// digits taken as octal, capped at 511. Text that is not a number gives code "000", non-standard.
CdcssReading ParseCdcss(std::string_view text);

/// A CDCSS value as text, "%03o" (value 19 gives "023").
std::string FormatCode(std::uint16_t value);

/// The CTCSS and CDCSS texts that show one direction's tone word in the channel editor and list:
/// the word's own kind as its text, the other drop-down at its default ("67.0" or "023").
struct ToneTexts {
    std::string ctcss;
    std::string cdcss;

    bool operator==(const ToneTexts&) const = default;
};
ToneTexts ToneWordTexts(ToneWord word, char separator = kDefaultDecimalSeparator);

/// The tone word after the user's choice for one direction: the type bits take `type`; for CTCSS
/// the value and flag come from `ctcssText`, for CDCSS from `cdcssText`; for no tone only the type
/// changes. The reserved bit is always kept.
ToneWord ApplyToneTexts(ToneWord word, ToneType type, std::string_view ctcssText, std::string_view cdcssText,
                        char separator = kDefaultDecimalSeparator);

} // namespace tav
