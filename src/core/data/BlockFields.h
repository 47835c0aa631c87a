#pragma once

#include "core/data/FieldBytes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace tav {

class TextLookup;

/// Packed decimal digits, two per byte, high nibble first (the ATIS code).
using PackedDigits = std::array<std::uint8_t, 6>;

/// How a field of a single-block record turns its bytes into what its editor control holds, and back.
enum class BlockCodec : std::uint8_t {
    Check,    ///< the bit of the mask: set = checked (value 1)
    CheckOff, ///< the bit of the mask: set = unchecked (value 0)
    ListItem, ///< the bits of the mask hold the raw value of a language list item; a text the list
              ///< lacks (no selection, an older language file) keeps them
    HexId,    ///< a 16-bit big-endian ID as four hexadecimal digits, clamped as the radio takes them
    Digits,   ///< packed decimal digits, two per byte
    HexIdLe,  ///< HexId held least significant byte first (a record that turns it round when saved)
    /// A 16-bit big-endian 1-based channel number, 255 = none; the value is the channel's 0-based
    /// position, kNoChannelPosition for none.
    ChannelNumber,
    /// A text filling the bytes, ended by a 0 when shorter; storing the text the bytes already hold
    /// keeps whatever follows its 0.
    ZeroEndedText,
    /// Stored as ZeroEndedText, but named only as set or not set, never in clear.
    SecretText,
    /// Second, minute, hour, day, month and year bytes shown as "YYYY-MM-DD hh:mm:ss" (each part
    /// clamped); stamped by a write, never stored from the text.
    DateTime,
    /// A value the data file's header holds, not the block; its owner fills it in.
    FileHeader,
    Rule,     ///< the field's own conversions (BlockFieldRule): frequencies, words, padded texts
};

/// The ChannelNumber value of "no channel".
inline constexpr int kNoChannelPosition = 254;

/// A field's value as its editor control holds it: a check box's state, a text, packed digits.
using BlockValue = std::variant<int, std::string, PackedDigits>;

struct BlockFieldInfo;

/// The conversions of a field whose bytes follow a rule of their own (BlockCodec::Rule). Each is a
/// small named function; `text` may be null when the value's own text is what the compare shows.
struct BlockFieldRule {
    BlockValue (*decode)(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes,
                         const TextLookup& texts) = nullptr;
    void (*encode)(const BlockFieldInfo& field, const BlockValue& value, std::span<std::uint8_t> bytes,
                   const TextLookup& texts) = nullptr;
    std::string (*text)(const BlockValue& value) = nullptr;
};

/// What every path knows of a field of a single-block record, whatever structure its editor fills.
struct BlockFieldInfo {
    const char* key = "";      ///< stable name (tests, tools)
    int labelId = 0;           ///< control text of the label; a check box's own caption
    const char* fallback = ""; ///< label when the language file has no text
    FieldBytes bytes;          ///< where the block holds it
    BlockCodec codec = BlockCodec::ListItem;
    int controlId = 0;  ///< the editor control that shows it
    int listId = 0;     ///< ListItem: the language list of its values
    bool stored = true; ///< false: the editor shows it but never writes it back
    /// Rule: the field's conversions.
    const BlockFieldRule* rule = nullptr;
    /// A second place the field is stored (a frequency's step code); size 0: none.
    FieldBytes alsoIn{0, 0, 0};
};

/// The field's value read from the block's bytes.
BlockValue DecodeBlockField(const BlockFieldInfo& field, std::span<const std::uint8_t> bytes,
                            const TextLookup& texts);
/// Writes the value into the field's bits of the block; every other bit is kept.
void EncodeBlockField(const BlockFieldInfo& field, const BlockValue& value, std::span<std::uint8_t> bytes,
                      const TextLookup& texts);
/// The digits a digit-string edit takes back from its text, packed as the field holds them.
PackedDigits PackedDigitsFromText(const BlockFieldInfo& field, std::string_view text);
/// The value as the compare and the report name it ("On", the list text, the code's digits).
std::string BlockFieldText(const BlockFieldInfo& field, const BlockValue& value);

/// Where an editor structure keeps a field's value.
template <class Ui> struct BlockSlot {
    std::function<BlockValue(const Ui&)> get;
    std::function<void(Ui&, const BlockValue&)> set;
};

/// The slot of a structure member: `Member(&DosUi::enable)`.
template <class Ui, class T> BlockSlot<Ui> Member(T Ui::*member) {
    return {[member](const Ui& ui) { return BlockValue(ui.*member); },
            [member](Ui& ui, const BlockValue& value) { ui.*member = std::get<T>(value); }};
}

/// The slot of element `k` of an array member: `Element(&KeysUi::keys, 4)`.
template <class Ui, class T, std::size_t N>
BlockSlot<Ui> Element(std::array<T, N> Ui::*member, std::size_t k) {
    return {[member, k](const Ui& ui) { return BlockValue((ui.*member)[k]); },
            [member, k](Ui& ui, const BlockValue& value) { (ui.*member)[k] = std::get<T>(value); }};
}

/// A field of a single-block record and where its editor structure keeps it.
template <class Ui> struct BlockField : BlockFieldInfo { BlockSlot<Ui> slot; };

template <class Ui> using BlockFieldTable = std::vector<BlockField<Ui>>;

/// A table row under construction:
/// `BlockRow<DosUi>("pre_mute", 4669, "DOS Pre-Mute…", BlockCodec::ListItem, 4670,
/// Member(&DosUi::preMute)).At({1}).List(4670)`.
template <class Ui> class BlockRow {
public:
    BlockRow(const char* key, int labelId, const char* fallback, BlockCodec codec, int controlId,
             BlockSlot<Ui> slot) {
        field_.key = key;
        field_.labelId = labelId;
        field_.fallback = fallback;
        field_.codec = codec;
        field_.controlId = controlId;
        field_.slot = std::move(slot);
    }
    BlockRow At(FieldBytes bytes) && {
        field_.bytes = bytes;
        return std::move(*this);
    }
    BlockRow List(int listId) && {
        field_.listId = listId;
        return std::move(*this);
    }
    /// The editor shows the field but stores nothing into it.
    BlockRow ShownOnly() && {
        field_.stored = false;
        return std::move(*this);
    }
    /// The field's own conversions (codec Rule).
    BlockRow WithRule(const BlockFieldRule& rule) && {
        field_.rule = &rule;
        return std::move(*this);
    }
    /// A second place the field is stored.
    BlockRow AlsoIn(FieldBytes bytes) && {
        field_.alsoIn = bytes;
        return std::move(*this);
    }
    operator BlockField<Ui>() && { return std::move(field_); }

private:
    BlockField<Ui> field_;
};

/// Fills the editor structure from the block's bytes, field by field.
template <class Ui>
void LoadBlockFields(const BlockFieldTable<Ui>& table, std::span<const std::uint8_t> bytes, Ui& ui,
                     const TextLookup& texts) {
    for (const BlockField<Ui>& field : table) {
        field.slot.set(ui, DecodeBlockField(field, bytes, texts));
    }
}

/// Writes the stored fields of the editor structure into the block's bytes.
template <class Ui>
void StoreBlockFields(const BlockFieldTable<Ui>& table, const Ui& ui, std::span<std::uint8_t> bytes,
                      const TextLookup& texts) {
    for (const BlockField<Ui>& field : table) {
        if (field.stored) {
            EncodeBlockField(field, field.slot.get(ui), bytes, texts);
        }
    }
}

/// The field a control shows; nullptr when no field of the table has that control.
template <class Ui>
const BlockField<Ui>* BlockFieldOfControl(const BlockFieldTable<Ui>& table, int controlId) {
    for (const BlockField<Ui>& field : table) {
        if (field.controlId == controlId) {
            return &field;
        }
    }
    return nullptr;
}

/// The field a control shows, which the table must have (a table and its editor disagreeing is a
/// programming fault, found by the first test that opens the editor).
template <class Ui> const BlockField<Ui>& BlockFieldAt(const BlockFieldTable<Ui>& table, int controlId) {
    const BlockField<Ui>* field = BlockFieldOfControl(table, controlId);
    if (field == nullptr) {
        throw std::out_of_range("no field shown by control " + std::to_string(controlId));
    }
    return *field;
}

} // namespace tav
