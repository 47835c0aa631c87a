#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FreqCodec.h"

#include <string>
#include <string_view>

namespace tav {

// The conversions of the factory blocks' fields that no common codec covers. A frequency's value
// is its megahertz text with '.' as the decimal point ("12.80000"; empty when the field is erased).

/// A 32-bit frequency, most significant byte first (the model data). An empty text keeps what is
/// stored, and so does the text the stored bytes already show (a damaged value stays as found).
extern const BlockFieldRule kBigEndianFreqRule;
/// A 32-bit frequency, least significant byte first, with its step code in the field's second
/// place (the test frequencies). 0 and erased words read as empty; an empty text stores 0 with step
/// code 0; any other text is put on its raster.
extern const BlockFieldRule kTestFreqRule;
/// A language list item whose raw value is a 16-bit word, most significant byte first.
extern const BlockFieldRule kListWordRule;
/// A text padded with blanks: empty when its first byte is 0xFF, otherwise up to the first 0 byte
/// without trailing blanks; written cut to the field and padded with blanks.
extern const BlockFieldRule kPaddedTextRule;
/// A 16-bit number, most significant byte first, as its decimal value (a tuning value).
extern const BlockFieldRule kWordRule;

/// A frequency field's text for a stored BcdFreq: empty for kNoFreq, else its megahertz.
std::string FreqFieldText(BcdFreq bcd);
/// The BcdFreq a frequency field's text names: kNoFreq for an empty text.
BcdFreq FreqFieldBcd(std::string_view text);

/// Where the step code of a test frequency lies: the whole byte, or one nibble of a shared byte.
constexpr FieldBytes StepCodeAt(std::size_t offset, std::uint8_t mask = 0xFF) {
    return {offset, 1, mask};
}

} // namespace tav
