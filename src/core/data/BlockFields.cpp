#include "core/data/BlockFields.h"

#include "core/controls/DigitString.h"
#include "core/data/FieldCodec.h"
#include "core/data/Image.h"
#include "core/data/PttIdData.h"
#include "core/data/RadioInfoData.h"

#include <algorithm>

namespace tav {

namespace {

int DigitCount(const BlockFieldInfo& field) {
    return static_cast<int>(2 * field.bytes.size);
}

std::span<const std::uint8_t> FieldSpan(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes) {
    return bytes.subspan(field.bytes.offset, field.bytes.size);
}

constexpr std::uint16_t kNoChannelNumber = 255;

/// A stored channel number as a position: numbers 1-254 name channels 1-254, any other none.
int ChannelPosition(std::uint16_t number) {
    return number >= 1 && number <= kNoChannelPosition ? number - 1 : kNoChannelPosition;
}

std::uint16_t ChannelNumberOf(int position) {
    return position >= 0 && position < kNoChannelPosition ? static_cast<std::uint16_t>(position + 1)
                                                          : kNoChannelNumber;
}

/// Writes the text with its terminating 0 unless the bytes already hold it, so that an unchanged
/// text keeps the bytes after its 0 as found.
void EncodeZeroEndedText(std::span<std::uint8_t> stored, const std::string& text) {
    if (ReadZeroEndedText(stored) != text) {
        WritePaddedText(stored, text, 0);
    }
}

std::string DateTimeText(std::span<const std::uint8_t> stored) {
    ProgrammingDate date{};
    std::copy_n(stored.begin(), std::min(stored.size(), date.size()), date.begin());
    return FormatLastProgrammed(date);
}

} // namespace

BlockValue DecodeBlockField(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes,
                            const TextLookup& texts) {
    const std::uint8_t first = bytes[field.bytes.offset];
    switch (field.codec) {
    case BlockCodec::Check:
        return (first & field.bytes.mask) != 0 ? 1 : 0;
    case BlockCodec::CheckOff:
        return (first & field.bytes.mask) != 0 ? 0 : 1;
    case BlockCodec::ListItem:
        return ListText(texts, field.listId, GetBits(first, field.bytes.mask));
    case BlockCodec::HexId:
        return PrimaryIdDisplayText(ReadBe16(bytes, field.bytes.offset));
    case BlockCodec::HexIdLe:
        return PrimaryIdDisplayText(ReadLe16(bytes, field.bytes.offset));
    case BlockCodec::Digits: {
        PackedDigits digits{};
        const auto stored = FieldSpan(field, bytes);
        std::copy_n(stored.begin(), std::min(stored.size(), digits.size()), digits.begin());
        return digits;
    }
    case BlockCodec::ChannelNumber:
        return ChannelPosition(ReadBe16(bytes, field.bytes.offset));
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
        return ReadZeroEndedText(FieldSpan(field, bytes));
    case BlockCodec::DateTime:
        return DateTimeText(FieldSpan(field, bytes));
    case BlockCodec::FileHeader:
        return std::string();
    case BlockCodec::Rule:
        return field.rule->decode(field, bytes, texts);
    }
    return 0;
}

void EncodeBlockField(const BlockFieldInfo& field, const BlockValue& value, std::span<std::uint8_t> bytes,
                      const TextLookup& texts) {
    std::uint8_t& first = bytes[field.bytes.offset];
    switch (field.codec) {
    case BlockCodec::Check:
        SetMaskBits(first, field.bytes.mask, std::get<int>(value) != 0);
        break;
    case BlockCodec::CheckOff:
        SetMaskBits(first, field.bytes.mask, std::get<int>(value) == 0);
        break;
    case BlockCodec::ListItem: {
        // A value wider than the field's bits would spill into its neighbours: the field keeps its own.
        const int kept = GetBits(first, field.bytes.mask);
        const int raw = ListValueOr(texts, field.listId, std::get<std::string>(value), kept);
        if (raw >= 0 && raw <= GetBits(0xFF, field.bytes.mask)) {
            first = SetBits(first, field.bytes.mask, static_cast<unsigned>(raw));
        }
        break;
    }
    case BlockCodec::HexId:
        WriteBe16(bytes, field.bytes.offset, PrimaryIdFromText(std::get<std::string>(value)));
        break;
    case BlockCodec::HexIdLe:
        WriteLe16(bytes, field.bytes.offset, PrimaryIdFromText(std::get<std::string>(value)));
        break;
    case BlockCodec::Digits: {
        const PackedDigits& digits = std::get<PackedDigits>(value);
        std::copy_n(digits.begin(), std::min(field.bytes.size, digits.size()),
                    bytes.begin() + static_cast<std::ptrdiff_t>(field.bytes.offset));
        break;
    }
    case BlockCodec::ChannelNumber:
        WriteBe16(bytes, field.bytes.offset, ChannelNumberOf(std::get<int>(value)));
        break;
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
        EncodeZeroEndedText(bytes.subspan(field.bytes.offset, field.bytes.size),
                            std::get<std::string>(value));
        break;
    case BlockCodec::DateTime:
    case BlockCodec::FileHeader:
        break;
    case BlockCodec::Rule:
        field.rule->encode(field, value, bytes, texts);
        break;
    }
}

PackedDigits PackedDigitsFromText(const BlockFieldInfo& field, std::string_view text) {
    const DigitStringEntry entry = DigitStringFromText(text, DigitCount(field));
    PackedDigits digits{};
    std::copy_n(entry.bytes.begin(), std::min(entry.bytes.size(), digits.size()), digits.begin());
    return digits;
}

std::string BlockFieldText(const BlockFieldInfo& field, const BlockValue& value) {
    switch (field.codec) {
    case BlockCodec::Check:
    case BlockCodec::CheckOff:
        return std::get<int>(value) != 0 ? "On" : "Off";
    case BlockCodec::Digits:
        return DigitStringFromBytes(std::get<PackedDigits>(value), DigitCount(field)).text;
    case BlockCodec::ChannelNumber: {
        const int position = std::get<int>(value);
        return position == kNoChannelPosition ? "none" : "Channel " + std::to_string(position + 1);
    }
    case BlockCodec::SecretText:
        return std::get<std::string>(value).empty() ? "not set" : "set";
    case BlockCodec::Rule:
        if (field.rule->text != nullptr) {
            return field.rule->text(value);
        }
        return std::holds_alternative<int>(value) ? std::to_string(std::get<int>(value))
                                                  : std::get<std::string>(value);
    default:
        return std::get<std::string>(value);
    }
}

} // namespace tav
