#include "core/data/ToneCodec.h"

#include "core/data/ToneTables.h"

#include <algorithm>

namespace tav {

ToneType ToneTypeOf(ToneWord word) {
    return static_cast<ToneType>(word >> kToneTypeShift);
}

std::uint16_t ToneValueOf(ToneWord word) {
    return word & kToneValueMask;
}

bool IsNonStandardTone(ToneWord word) {
    return (word & kToneNonStandardBit) != 0;
}

bool IsCdcssType(ToneType type) {
    return type == ToneType::Cdcss || type == ToneType::CdcssAlt;
}

ToneWord MakeToneWord(ToneType type, std::uint16_t value, bool nonStandard, bool reserved) {
    return static_cast<ToneWord>((static_cast<unsigned>(type) << kToneTypeShift) |
                                 (nonStandard ? kToneNonStandardBit : 0) | (reserved ? kToneReservedBit : 0) |
                                 (value & kToneValueMask));
}

ToneWord WithToneType(ToneWord word, ToneType type) {
    return static_cast<ToneWord>((word & ~kToneTypeMask) | (static_cast<unsigned>(type) << kToneTypeShift));
}

ToneWord WithToneValue(ToneWord word, std::uint16_t value, bool nonStandard) {
    const ToneWord kept = word & (kToneTypeMask | kToneReservedBit);
    return static_cast<ToneWord>(kept | (nonStandard ? kToneNonStandardBit : 0) | (value & kToneValueMask));
}

std::uint16_t ParseCtcss(std::string_view text, char separator) {
    const double hertz = ReadDecimalNumber(text, separator).value_or(0.0);
    const double tenths = hertz * 10.0 + 0.001;
    // Clamp before converting, so that no number typed or read can overflow the conversion.
    if (!(tenths >= kCtcssMinValue)) {
        return kCtcssMinValue;
    }
    if (tenths >= kCtcssMaxValue) {
        return kCtcssMaxValue;
    }
    return static_cast<std::uint16_t>(tenths);
}

std::string FormatTone(std::uint16_t value, char separator) {
    return std::to_string(value / 10) + separator + static_cast<char>('0' + value % 10);
}

CdcssReading ParseCdcss(std::string_view text) {
    int digits = 0;
    if (const auto number = ReadDecimalInteger(text)) {
        digits = (*number < 0 || *number >= kCdcssMaxDigits) ? kCdcssMaxDigits : static_cast<int>(*number);
    }
    // The three decimal digits of the reading, taken as octal digits. The code edits accept only
    // 0-7; an 8 or 9 from elsewhere still gives a value in range through the cap below.
    const int c1 = digits / 100;
    const int c2 = digits / 10 % 10;
    const int c3 = digits % 10;
    const int value = std::min(c1 * 64 + c2 * 8 + c3, static_cast<int>(kCdcssMaxValue));
    return {static_cast<std::uint16_t>(value), digits, !IsStandardCode(digits)};
}

std::string FormatCode(std::uint16_t value) {
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + value % 8));
        value /= 8;
    } while (value != 0);
    if (text.size() < 3) {
        text.insert(0, 3 - text.size(), '0');
    }
    return text;
}

ToneTexts ToneWordTexts(ToneWord word, char separator) {
    const ToneType type = ToneTypeOf(word);
    if (type == ToneType::Ctcss) {
        return {FormatTone(ToneValueOf(word), separator), kDefaultCdcssText};
    }
    if (IsCdcssType(type)) {
        return {DefaultCtcssText(separator), FormatCode(ToneValueOf(word))};
    }
    return {DefaultCtcssText(separator), kDefaultCdcssText};
}

ToneWord ApplyToneTexts(ToneWord word, ToneType type, std::string_view ctcssText, std::string_view cdcssText,
                        char separator) {
    word = WithToneType(word, type);
    if (type == ToneType::Ctcss) {
        const std::uint16_t value = ParseCtcss(ctcssText, separator);
        return WithToneValue(word, value, !IsStandardTone(value));
    }
    if (IsCdcssType(type)) {
        const CdcssReading code = ParseCdcss(cdcssText);
        return WithToneValue(word, code.value, code.nonStandard);
    }
    return word;
}

} // namespace tav
