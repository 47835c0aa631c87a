#include "core/factory/FactoryCodecs.h"

#include "core/data/FieldCodec.h"
#include "core/data/FreqRaster.h"
#include "core/data/Image.h"
#include "core/factory/TestFreqData.h"

#include <algorithm>
#include <limits>

namespace tav {

namespace {

constexpr std::size_t kWordBytes = 4;

std::uint32_t ReadLe32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = kWordBytes; i-- > 0;) {
        value = (value << 8) | bytes[offset + i];
    }
    return value;
}

void WriteLe32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < kWordBytes; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

const std::string& TextOf(const BlockValue& value) {
    return std::get<std::string>(value);
}

BlockValue DecodeBigEndianFreq(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes,
                               const TextLookup&) {
    return FreqFieldText(ReadBe32(bytes, field.bytes.offset));
}

void EncodeBigEndianFreq(const BlockFieldInfo& field, const BlockValue& value, std::span<std::uint8_t> bytes,
                         const TextLookup& texts) {
    const std::string& text = TextOf(value);
    if (text.empty() || value == DecodeBigEndianFreq(field, bytes, texts)) {
        return;
    }
    WriteBe32(bytes, field.bytes.offset, FreqFieldBcd(text));
}

std::string FreqCompareText(const BlockValue& value) {
    const std::string& text = TextOf(value);
    return text.empty() ? std::string("none") : text;
}

BlockValue DecodeTestFreq(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes,
                          const TextLookup&) {
    return TestFreqText(ReadLe32(bytes, field.bytes.offset));
}

void EncodeTestFreq(const BlockFieldInfo& field, const BlockValue& value, std::span<std::uint8_t> bytes,
                    const TextLookup&) {
    const std::uint32_t count = ParseTestFreqText(TextOf(value));
    BcdFreq bcd = 0;
    unsigned step = 0;
    if (count != 0) {
        const StepClass raster = ClassifyStep(count);
        bcd = FreqToBcd(raster.count);
        step = static_cast<unsigned>(raster.code);
    }
    WriteLe32(bytes, field.bytes.offset, bcd);
    std::uint8_t& stepByte = bytes[field.alsoIn.offset];
    stepByte = SetBits(stepByte, field.alsoIn.mask, step);
}

BlockValue DecodeListWord(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes,
                          const TextLookup& texts) {
    return ListText(texts, field.listId, ReadBe16(bytes, field.bytes.offset));
}

void EncodeListWord(const BlockFieldInfo& field, const BlockValue& value, std::span<std::uint8_t> bytes,
                    const TextLookup& texts) {
    const int kept = ReadBe16(bytes, field.bytes.offset);
    const int raw = ListValueOr(texts, field.listId, TextOf(value), kept);
    if (raw >= 0 && raw <= std::numeric_limits<std::uint16_t>::max()) {
        WriteBe16(bytes, field.bytes.offset, static_cast<std::uint16_t>(raw));
    }
}

BlockValue DecodePaddedText(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes,
                            const TextLookup&) {
    const auto stored = bytes.subspan(field.bytes.offset, field.bytes.size);
    if (stored[0] == 0xFF) {
        return std::string();
    }
    return TrimRight(ReadZeroEndedText(stored));
}

void EncodePaddedText(const BlockFieldInfo& field, const BlockValue& value, std::span<std::uint8_t> bytes,
                      const TextLookup&) {
    WritePaddedText(bytes.subspan(field.bytes.offset, field.bytes.size), TextOf(value), ' ');
}

BlockValue DecodeWord(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes, const TextLookup&) {
    return static_cast<int>(ReadBe16(bytes, field.bytes.offset));
}

void EncodeWord(const BlockFieldInfo& field, const BlockValue& value, std::span<std::uint8_t> bytes,
                const TextLookup&) {
    const int word = std::clamp<int>(std::get<int>(value), 0, std::numeric_limits<std::uint16_t>::max());
    WriteBe16(bytes, field.bytes.offset, static_cast<std::uint16_t>(word));
}

} // namespace

const BlockFieldRule kBigEndianFreqRule{DecodeBigEndianFreq, EncodeBigEndianFreq, FreqCompareText};
const BlockFieldRule kTestFreqRule{DecodeTestFreq, EncodeTestFreq, FreqCompareText};
const BlockFieldRule kListWordRule{DecodeListWord, EncodeListWord, nullptr};
const BlockFieldRule kPaddedTextRule{DecodePaddedText, EncodePaddedText, nullptr};
const BlockFieldRule kWordRule{DecodeWord, EncodeWord, nullptr};

std::string FreqFieldText(BcdFreq bcd) {
    return bcd == kNoFreq ? std::string() : FormatFreq(BcdToFreq(bcd), '.');
}

BcdFreq FreqFieldBcd(std::string_view text) {
    return text.empty() ? kNoFreq : FreqToBcd(ParseFreq(text, '.'));
}

} // namespace tav
