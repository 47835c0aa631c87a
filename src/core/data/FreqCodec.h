#pragma once

#include "core/util/NumberText.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

/// A stored frequency: the count of 10 Hz units written as eight packed BCD digits, most
/// significant digit in bits 31-28 (400.12500 MHz is 0x40012500). Read as unsigned integers,
/// BcdFreq values order like the frequencies they encode. Host order in memory; most significant
/// byte first in the radio data image.
using BcdFreq = std::uint32_t;

/// The stored value of an empty frequency field.
inline constexpr BcdFreq kNoFreq = 0xFFFFFFFF;

/// Frequency counts are in 10 Hz units: 400.125 MHz is 40012500.
inline constexpr std::uint32_t kCountsPerMHz = 100000;

/// The largest count eight BCD digits hold (999.99999 MHz).
inline constexpr std::uint32_t kMaxFreqCount = 99999999;

/// Frequency edits take at most this many characters ("400.12500").
inline constexpr std::size_t kFreqTextMaxChars = 9;

/// Packs a count into a BcdFreq. Counts above kMaxFreqCount cannot be stored and are saturated
/// to it rather than spilling digits into each other.
BcdFreq FreqToBcd(std::uint32_t count);

/// True when all eight nibbles are decimal digits.
bool IsValidBcd(BcdFreq bcd);

/// Unpacks a BcdFreq into a count. kNoFreq, and any value holding a nibble above 9 (a damaged
/// image), give 0.
std::uint32_t BcdToFreq(BcdFreq bcd);

/// The frequency in megahertz (BcdToFreq × 0.00001).
double BcdToMHz(BcdFreq bcd);

/// Whole megahertz to a count, saturated to kMaxFreqCount (a model range from a file may be out
/// of all reason); negative values give 0.
std::uint32_t MHzToCount(std::int64_t mhz);

/// Text in megahertz to a count, rounded to the nearest 10 Hz. Either '.' or `separator` is taken
/// as the decimal point. Empty or unreadable text and negative numbers give 0; numbers too large
/// for 32 bits saturate.
std::uint32_t ParseFreq(std::string_view text, char separator = kDefaultDecimalSeparator);

/// A count as megahertz text with exactly five decimals ("400.12500").
std::string FormatFreq(std::uint32_t count, char separator = kDefaultDecimalSeparator);

} // namespace tav
