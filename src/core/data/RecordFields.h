#pragma once

#include "core/data/FieldBytes.h"
#include "core/data/ObjectId.h"
#include "core/data/RecordKind.h"
#include "core/data/TwoToneChoiceList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace tav {

class TextLookup;

/// A field's value as its editor control holds it: a box's state or a raw number, a text, or the
/// choice of another record.
using RecordValue = std::variant<int, std::string, TwoToneChoiceList>;

/// The control that shows a field of a list record (an alert tone, a two-tone system or call).
enum class FieldControl : std::uint8_t {
    Check,          ///< a check box: 1 checked, 0 not
    ListText,       ///< a drop-down, by the text of its item
    ListIndex,      ///< a drop-down, by the position of its item (-1: no selection)
    RangeText,      ///< a numeric range edit, by the text it shows
    RangeNumber,    ///< a numeric range edit, by its raw number
    RangeNumberOff, ///< a numeric range edit that also shows Off, by its raw number (0: Off)
    Choice,         ///< a drop-down that picks another record
};

/// What a field reads beside its record's bytes: the language texts, and the other records for a
/// reference (none when only bytes are stored).
struct FieldContext {
    const TextLookup& texts;
    const RecordDirectory* directory = nullptr;
};

/// How a field of record kind `Data` turns its bytes into what its control holds and back, where
/// the bytes lie, and how the compare and the report name the value.
template <class Data> struct FieldRule {
    std::vector<FieldBytes> bytes;
    std::function<RecordValue(const Data&, const FieldContext&)> decode;
    /// Writes the value back; a value the field cannot hold leaves its bytes as they are.
    std::function<void(Data&, const RecordValue&, const TextLookup&)> encode;
    std::function<std::string(const RecordValue&)> text;
};

/// A label: a language text and the text when the language file has none.
struct FieldName {
    int textId = 0;
    std::string fallback;
};

/// Where an editor structure keeps a field's value.
template <class Ui> struct RecordSlot {
    std::function<RecordValue(const Ui&)> get;
    std::function<void(Ui&, const RecordValue&)> set;
};

/// One field of a list record: its names, its rule and where its editor structure keeps it.
template <class Data, class Ui> struct RecordField {
    std::string key;    ///< stable name (tests, tools)
    FieldName label;    ///< the editor's label beside the control, or a check box's caption
    FieldName compared; ///< the name the compare and the report give the field
    FieldName group;    ///< the group that leads the compared name (a decode); none: 0, ""
    FieldControl control = FieldControl::Check;
    int controlId = 0;    ///< the editor control that shows it
    bool inReport = true; ///< false: the compare names it, the configuration report leaves it out
    FieldRule<Data> rule;
    RecordSlot<Ui> slot;
};

template <class Data, class Ui> using RecordFieldTable = std::vector<RecordField<Data, Ui>>;

/// Where an editor structure keeps a field: a member `FieldMember(&AlertToneUi::cycle)`.
template <class Ui, class T> RecordSlot<Ui> FieldMember(T Ui::*member) {
    return {[member](const Ui& ui) { return RecordValue(ui.*member); },
            [member](Ui& ui, const RecordValue& value) { ui.*member = std::get<T>(value); }};
}

/// Element `k` of an array member: `FieldElement(&AlertToneUi::duration, 3)`.
template <class Ui, class T, std::size_t N>
RecordSlot<Ui> FieldElement(std::array<T, N> Ui::*member, std::size_t k) {
    return {[member, k](const Ui& ui) { return RecordValue((ui.*member)[k]); },
            [member, k](Ui& ui, const RecordValue& value) { (ui.*member)[k] = std::get<T>(value); }};
}

/// A table row under construction: `RecordRow<D, U>("cycle", FieldControl::ListText, 5003,
/// ListRule<D>({0}, 5003), FieldMember(&U::cycle)).Label(5060, "Cycle").Compared(0, "Cycle")`.
/// Without Compared the compare uses the label.
template <class Data, class Ui> class RecordRow {
public:
    RecordRow(std::string key, FieldControl control, int controlId, FieldRule<Data> rule,
              RecordSlot<Ui> slot) {
        field_.key = std::move(key);
        field_.control = control;
        field_.controlId = controlId;
        field_.rule = std::move(rule);
        field_.slot = std::move(slot);
    }
    RecordRow Label(int textId, std::string fallback) && {
        field_.label = {textId, fallback};
        if (!comparedSet_) {
            field_.compared = {textId, std::move(fallback)};
        }
        return std::move(*this);
    }
    RecordRow Compared(int textId, std::string fallback) && {
        field_.compared = {textId, std::move(fallback)};
        comparedSet_ = true;
        return std::move(*this);
    }
    RecordRow Group(int textId, std::string fallback) && {
        field_.group = {textId, std::move(fallback)};
        return std::move(*this);
    }
    /// The compare names the field, the configuration report leaves it out.
    RecordRow CompareOnly() && {
        field_.inReport = false;
        return std::move(*this);
    }
    operator RecordField<Data, Ui>() && { return std::move(field_); }

private:
    RecordField<Data, Ui> field_;
    bool comparedSet_ = false;
};

/// Fills the editor structure from the record, field by field.
template <class Data, class Ui>
void LoadRecordFields(const RecordFieldTable<Data, Ui>& table, const Data& data, Ui& ui,
                      const FieldContext& context) {
    for (const RecordField<Data, Ui>& field : table) {
        field.slot.set(ui, field.rule.decode(data, context));
    }
}

/// Writes every field of the editor structure into the record.
template <class Data, class Ui>
void StoreRecordFields(const RecordFieldTable<Data, Ui>& table, const Ui& ui, Data& data,
                       const TextLookup& texts) {
    for (const RecordField<Data, Ui>& field : table) {
        field.rule.encode(data, field.slot.get(ui), texts);
    }
}

/// The field a control shows, which the table must have (a table and its editor disagreeing is a
/// programming fault, found by the first test that opens the editor).
template <class Data, class Ui>
const RecordField<Data, Ui>& RecordFieldAt(const RecordFieldTable<Data, Ui>& table, int controlId) {
    for (const RecordField<Data, Ui>& field : table) {
        if (field.controlId == controlId) {
            return field;
        }
    }
    throw std::out_of_range("no field shown by control " + std::to_string(controlId));
}

// Rules shared by the list records. Each reads and writes only the bits of its FieldBytes.

/// "On" or "Off".
std::string SwitchText(const RecordValue& value);
/// The text itself.
std::string PlainText(const RecordValue& value);
/// A chosen record as the compare names it: the chosen item's text; "none" for the none item, no
/// selection or a list the editor leaves disabled.
std::string ChoiceText(const RecordValue& value);

/// A field rule that reads and writes the record's bytes alone.
struct ByteRule {
    std::vector<FieldBytes> bytes;
    std::function<RecordValue(std::span<const std::uint8_t>, const TextLookup&)> decode;
    std::function<void(std::span<std::uint8_t>, const RecordValue&, const TextLookup&)> encode;
    std::function<std::string(const RecordValue&)> text;
};

/// A bit (or bits) of a flags byte shown by a check box: set = checked.
ByteRule CheckBits(FieldBytes where);
/// The bits of the mask hold the raw value of an item of a language list (a range list counts
/// too). A text the list lacks, or a value wider than the bits, keeps the bits as they are.
ByteRule ListBits(FieldBytes where, int listId);
/// A tone frequency of a two-tone record: a 16-bit value in tenths of a hertz, least significant
/// byte first, shown as the text of its language range. A text outside the range keeps it.
ByteRule ToneFrequency(std::size_t offset, int listId);
/// The bits of the mask as a plain number (a count, a duration, a list position), named by the
/// compare as the number times `factor` with its unit ("250 ms"). A number the bits cannot hold
/// (negative: no selection, named "none") keeps them.
ByteRule NumberBits(FieldBytes where, int factor = 1, std::string unit = {});

/// A byte rule as the rule of a record kind.
template <class Data> FieldRule<Data> OnBytes(ByteRule rule) {
    return {rule.bytes,
            [decode = rule.decode](const Data& data, const FieldContext& context) {
                return decode(data.Bytes(), context.texts);
            },
            [encode = rule.encode](Data& data, const RecordValue& value, const TextLookup& texts) {
                encode(data.Bytes(), value, texts);
            },
            rule.text};
}

template <class Data> FieldRule<Data> CheckRule(FieldBytes where) {
    return OnBytes<Data>(CheckBits(where));
}
template <class Data> FieldRule<Data> ListRule(FieldBytes where, int listId) {
    return OnBytes<Data>(ListBits(where, listId));
}
template <class Data> FieldRule<Data> ToneFrequencyRule(std::size_t offset, int listId) {
    return OnBytes<Data>(ToneFrequency(offset, listId));
}
template <class Data> FieldRule<Data> NumberRule(FieldBytes where, int factor = 1, std::string unit = {}) {
    return OnBytes<Data>(NumberBits(where, factor, std::move(unit)));
}

/// How a record keeps a reference to another record beside its bytes.
template <class Data> struct ReferenceSlot {
    std::function<ObjectId(const Data&)> get;
    std::function<void(Data&, ObjectId)> set;
};

/// What a reference lists: the records of `kind`, each named by the text `prefixId` and its
/// number, led by a "none" item (the prefix alone) when `withNone`.
struct ReferenceList {
    RecordKind kind;
    int prefixId;
    bool withNone;
};

/// The choice list of a reference as it stands: the items from the directory, the referred
/// record selected (none selected when it no longer exists).
TwoToneChoiceList ReferenceChoices(const ReferenceList& list, ObjectId referred, const FieldContext& context);
/// Writes the position of the chosen item into the field's bytes: a two-byte field least
/// significant byte first, else the bits of the mask. False when it does not fit: nothing changes.
bool StoreChoicePosition(std::span<std::uint8_t> bytes, FieldBytes where, int position);

/// A reference to another record: the record keeps whom it refers to, its bytes the chosen item's
/// position. A list without a selection, or a position the bytes cannot hold, keeps both.
template <class Data>
FieldRule<Data> ReferenceRule(FieldBytes where, ReferenceList list, ReferenceSlot<Data> slot) {
    return {{where},
            [list, get = slot.get](const Data& data, const FieldContext& context) {
                return RecordValue(ReferenceChoices(list, get(data), context));
            },
            [where, set = slot.set](Data& data, const RecordValue& value, const TextLookup&) {
                const auto& choice = std::get<TwoToneChoiceList>(value);
                if (choice.HasSelection() && StoreChoicePosition(data.Bytes(), where, choice.selected)) {
                    set(data, choice.SelectedValue());
                }
            },
            ChoiceText};
}

} // namespace tav
