#include "core/data/RecordFields.h"

#include "core/data/FieldCodec.h"
#include "core/data/Image.h"
#include "core/lang/TextLookup.h"

namespace tav {

std::string SwitchText(const RecordValue& value) {
    return std::get<int>(value) != 0 ? "On" : "Off";
}

std::string PlainText(const RecordValue& value) {
    return std::get<std::string>(value);
}

std::string ChoiceText(const RecordValue& value) {
    const auto& list = std::get<TwoToneChoiceList>(value);
    return !list.enabled || list.SelectedValue() == kNoObject
               ? std::string("none")
               : list.texts[static_cast<std::size_t>(list.selected)];
}

ByteRule CheckBits(FieldBytes where) {
    return {{where},
            [where](std::span<const std::uint8_t> bytes, const TextLookup&) {
                return RecordValue((bytes[where.offset] & where.mask) != 0 ? 1 : 0);
            },
            [where](std::span<std::uint8_t> bytes, const RecordValue& value, const TextLookup&) {
                SetMaskBits(bytes[where.offset], where.mask, std::get<int>(value) != 0);
            },
            SwitchText};
}

ByteRule ListBits(FieldBytes where, int listId) {
    return {
        {where},
        [where, listId](std::span<const std::uint8_t> bytes, const TextLookup& texts) {
            return RecordValue(ListText(texts, listId, GetBits(bytes[where.offset], where.mask)));
        },
        [where, listId](std::span<std::uint8_t> bytes, const RecordValue& value, const TextLookup& texts) {
            std::uint8_t& byte = bytes[where.offset];
            const int kept = GetBits(byte, where.mask);
            const int raw = ListValueOr(texts, listId, std::get<std::string>(value), kept);
            if (raw >= 0 && raw <= GetBits(0xFF, where.mask)) {
                byte = SetBits(byte, where.mask, static_cast<unsigned>(raw));
            }
        },
        PlainText};
}

ByteRule ToneFrequency(std::size_t offset, int listId) {
    return {
        {{offset, 2}},
        [offset, listId](std::span<const std::uint8_t> bytes, const TextLookup& texts) {
            return RecordValue(ListText(texts, listId, ReadLe16(bytes, offset)));
        },
        [offset, listId](std::span<std::uint8_t> bytes, const RecordValue& value, const TextLookup& texts) {
            const int raw = texts.ListTextToValue(listId, std::get<std::string>(value));
            if (raw >= 0 && raw <= 0xFFFF) {
                WriteLe16(bytes, offset, static_cast<std::uint16_t>(raw));
            }
        },
        PlainText};
}

ByteRule NumberBits(FieldBytes where, int factor, std::string unit) {
    return {{where},
            [where](std::span<const std::uint8_t> bytes, const TextLookup&) {
                return RecordValue(static_cast<int>(GetBits(bytes[where.offset], where.mask)));
            },
            [where](std::span<std::uint8_t> bytes, const RecordValue& value, const TextLookup&) {
                const int raw = std::get<int>(value);
                if (raw >= 0 && raw <= GetBits(0xFF, where.mask)) {
                    bytes[where.offset] =
                        SetBits(bytes[where.offset], where.mask, static_cast<unsigned>(raw));
                }
            },
            [factor, unit = std::move(unit)](const RecordValue& value) {
                const int raw = std::get<int>(value);
                return raw < 0 ? std::string("none") : std::to_string(raw * factor) + unit;
            }};
}

TwoToneChoiceList ReferenceChoices(const ReferenceList& list, ObjectId referred,
                                   const FieldContext& context) {
    TwoToneChoiceList choices;
    const std::string prefix = context.texts.GetControlText(list.prefixId);
    if (list.withNone) {
        choices.Add(prefix, kNoObject);
    }
    if (context.directory != nullptr) {
        choices.AddNumbered(prefix, list.kind, *context.directory);
    }
    choices.selected = choices.IndexOf(referred);
    return choices;
}

bool StoreChoicePosition(std::span<std::uint8_t> bytes, FieldBytes where, int position) {
    if (where.size == 2) {
        if (position < 0 || position > 0xFFFF) {
            return false;
        }
        WriteLe16(bytes, where.offset, static_cast<std::uint16_t>(position));
        return true;
    }
    if (position < 0 || position > GetBits(0xFF, where.mask)) {
        return false;
    }
    bytes[where.offset] = SetBits(bytes[where.offset], where.mask, static_cast<unsigned>(position));
    return true;
}

} // namespace tav
