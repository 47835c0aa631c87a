#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tav {

/// The frequency and tone conversions the channel and scan list objects make, gathered in one place
/// on top of the shared encodings.
class ChannelCodec {
public:
    /// BcdFreq of "no frequency".
    static constexpr std::uint32_t kNoFreq = 0xFFFFFFFF;
    /// StepCode of an empty frequency field.
    static constexpr std::uint8_t kNoStep = 15;
    /// Largest count of 10 Hz units that eight BCD digits hold.
    static constexpr std::uint64_t kMaxCount = 99999999;

    /// BcdFreq of a count of 10 Hz units; counts past eight digits are held at the largest one.
    static std::uint32_t ToBcd(std::uint64_t count);
    /// BcdFreq of whole megahertz.
    static std::uint32_t MHzToBcd(std::uint32_t mhz) { return ToBcd(std::uint64_t{mhz} * 100000u); }
    /// StepCode (raster) of a stored frequency: 15 for none.
    static std::uint8_t StepOf(std::uint32_t bcd);

    /// CTCSS tone of the standard table in tenths of a hertz; an index past the table gives the last tone.
    static std::uint16_t StandardTone(std::size_t index);
    /// Text of a CTCSS value in tenths of a hertz ("67.0").
    static std::string ToneText(std::uint16_t value);
    /// Text of a CDCSS value: its three octal digits ("023").
    static std::string CodeText(std::uint16_t value);

    /// A typed tone or code and whether it lies outside its standard table.
    struct Parsed {
        std::uint16_t value = 0;
        bool nonStandard = false;
    };
    static Parsed ParseTone(const std::string& text);
    static Parsed ParseCode(const std::string& text);

    /// Texts a drop-down shows when its direction carries no tone of its kind.
    static constexpr const char* kDefaultToneText = "67.0";
    static constexpr const char* kDefaultCodeText = "023";
};

} // namespace tav
