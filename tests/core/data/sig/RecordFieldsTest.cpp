// The field tables of the alert tone, the two-tone system's pages and the two-tone call: every field
// reads back what it stores at the limits of its values, stores only its own bits, and each rule shows
// and names its values as the editors and the compare expect.
#include "../blocks/BlockTestSupport.h"
#include "SigTestSupport.h"
#include "core/data/AlertToneData.h"
#include "core/data/TwoToneCallData.h"
#include "core/data/TwoToneSystemData.h"

#include <gtest/gtest.h>
#include <set>

namespace tav {
namespace {

using Bytes = std::vector<std::uint8_t>;

/// The position of the lowest bit of a field's mask.
int Shift(std::uint8_t mask) {
    int shift = 0;
    while (((mask >> shift) & 1) == 0) {
        ++shift;
    }
    return shift;
}

/// The largest raw value a field's bytes hold.
int MaxRaw(const FieldBytes& where) {
    return where.size == 2 ? 0xFFFF : where.mask >> Shift(where.mask);
}

/// Every list the tables use holds 0, 1 and the field's largest value; the value below the
/// largest is left out, so that a stored value the language file lacks is tried as well. The
/// choices of other records are led by "Item #".
template <class Data, class Ui> test::FakeTextLookup ListsFor(const RecordFieldTable<Data, Ui>& table) {
    test::FakeTextLookup texts;
    for (const RecordField<Data, Ui>& field : table) {
        if (field.control == FieldControl::ListText || field.control == FieldControl::RangeText) {
            auto& items = texts.lists[field.controlId];
            items[0] = "lowest";
            items[1] = "one";
            items[MaxRaw(field.rule.bytes.front())] = "highest";
        }
        texts.controls[field.controlId] = "Item #";
    }
    return texts;
}

/// Enough records of every kind for each stored position to name one: 15 alert tones (a four-bit
/// number), 4 systems (two bits), 3 channels.
test::FakeDirectory Records() {
    test::FakeDirectory directory;
    directory.Fill(RecordKind::AlertTone, 15, 1000);
    directory.Fill(RecordKind::TwoToneSystem, 4, 1001);
    directory.Fill(RecordKind::Channel, 3, 1002);
    return directory;
}

/// The raw values a field is tried at: both ends, one, and one below the top. A reference is tried
/// at the positions its list has; a frequency with Off from 1 up, as 0 is stored back as 1.
std::vector<int> Limits(const FieldBytes& where, FieldControl control, int lastChoice) {
    const int top = control == FieldControl::Choice ? std::min(MaxRaw(where), lastChoice) : MaxRaw(where);
    const int bottom = control == FieldControl::RangeNumberOff ? 1 : 0;
    return {bottom, 1, top, top - 1};
}

void PutRaw(std::span<std::uint8_t> bytes, const FieldBytes& where, int raw) {
    if (where.size == 2) {
        WriteLe16(bytes, where.offset, static_cast<std::uint16_t>(raw));
        return;
    }
    const auto shifted = static_cast<unsigned>(raw) << Shift(where.mask);
    bytes[where.offset] =
        static_cast<std::uint8_t>((bytes[where.offset] & ~where.mask) | (shifted & where.mask));
}

/// A record of `bytes` whose references follow the positions it stores, as after loading a file.
template <class Data> Data RecordOf(const Bytes& bytes, const RecordDirectory& directory) {
    Data data(4242);
    std::copy(bytes.begin(), bytes.end(), data.Bytes().begin());
    if constexpr (requires { data.ResolveReferences(directory); }) {
        data.ResolveReferences(directory);
    }
    return data;
}

/// Random bytes as the editor leaves them: stored positions past the records' ends, and values the
/// rules correct, are corrected once, so that only the field under test is tried.
template <class Data, class Ui>
Bytes Settled(const RecordFieldTable<Data, Ui>& table, unsigned seed, const FieldContext& context) {
    const Image random = test::RandomImage(seed);
    Data data =
        RecordOf<Data>(Bytes(random.begin(), random.begin() + Data(0).Bytes().size()), *context.directory);
    Ui ui;
    LoadRecordFields(table, data, ui, context);
    StoreRecordFields(table, ui, data, context.texts);
    return test::ToVector(data.Bytes());
}

/// Whether the two records differ only in the field's bits.
bool OnlyFieldDiffers(const Bytes& before, const Bytes& after, const std::vector<FieldBytes>& field) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        std::uint8_t mask = 0xFF;
        for (const FieldBytes& where : field) {
            if (i >= where.offset && i < where.offset + where.size) {
                mask = static_cast<std::uint8_t>(mask & ~where.mask);
            }
        }
        if ((before[i] & mask) != (after[i] & mask)) {
            return false;
        }
    }
    return true;
}

/// A value other than the one the structure holds for the field, as the editor could show it.
RecordValue OtherValue(FieldControl control, const RecordValue& now) {
    switch (control) {
    case FieldControl::Check:
    case FieldControl::ListIndex:
        return std::get<int>(now) != 0 ? 0 : 1;
    case FieldControl::ListText:
    case FieldControl::RangeText:
        return std::get<std::string>(now) == "lowest" ? "highest" : "lowest";
    case FieldControl::RangeNumber:
        return std::get<int>(now) == 0 ? 200 : 0;
    case FieldControl::RangeNumberOff:
        return std::get<int>(now) == 0 ? 200 : 0;
    case FieldControl::Choice: {
        TwoToneChoiceList choices = std::get<TwoToneChoiceList>(now);
        choices.selected = choices.selected == 1 ? 2 : 1;
        return choices;
    }
    }
    return now;
}

int LastChoice(const RecordValue& value) {
    const auto* choices = std::get_if<TwoToneChoiceList>(&value);
    return choices ? static_cast<int>(choices->texts.size()) - 1 : 0;
}

/// Each field, at each limit of its values, over records of random bytes: record -> editor
/// structure -> record gives the same bytes back.
template <class Data, class Ui> void ExpectRoundTrips(const RecordFieldTable<Data, Ui>& table) {
    const test::FakeTextLookup texts = ListsFor(table);
    const test::FakeDirectory directory = Records();
    const FieldContext context{texts, &directory};
    for (const RecordField<Data, Ui>& field : table) {
        const FieldBytes& where = field.rule.bytes.front();
        for (unsigned seed : {1U, 2U}) {
            const Bytes settled = Settled(table, seed, context);
            const int lastChoice = LastChoice(field.rule.decode(RecordOf<Data>(settled, directory), context));
            for (const int raw : Limits(where, field.control, lastChoice)) {
                SCOPED_TRACE(field.key + " seed " + std::to_string(seed) + " raw " + std::to_string(raw));
                Bytes before = settled;
                PutRaw(before, where, raw);
                Data data = RecordOf<Data>(before, directory);
                Ui ui;
                LoadRecordFields(table, data, ui, context);
                StoreRecordFields(table, ui, data, texts);
                EXPECT_EQ(test::ToVector(data.Bytes()), before);
            }
        }
    }
}

/// A field changed in the editor structure changes its own bits and no others.
template <class Data, class Ui> void ExpectOwnBitsOnly(const RecordFieldTable<Data, Ui>& table) {
    const test::FakeTextLookup texts = ListsFor(table);
    const test::FakeDirectory directory = Records();
    const FieldContext context{texts, &directory};
    for (const RecordField<Data, Ui>& field : table) {
        SCOPED_TRACE(field.key);
        Bytes before = Settled(table, 7, context);
        PutRaw(before, field.rule.bytes.front(), 0);
        Data data = RecordOf<Data>(before, directory);
        Ui ui;
        LoadRecordFields(table, data, ui, context);
        field.slot.set(ui, OtherValue(field.control, field.slot.get(ui)));
        StoreRecordFields(table, ui, data, texts);
        const Bytes after = test::ToVector(data.Bytes());
        EXPECT_TRUE(OnlyFieldDiffers(before, after, field.rule.bytes));
        EXPECT_NE(after, before);
    }
}

/// Keys and controls are unique, every field lies inside the record and has a name in the compare,
/// and each control finds its field.
template <class Data, class Ui>
void ExpectWellFormed(const RecordFieldTable<Data, Ui>& table, std::size_t recordSize) {
    std::set<std::string> keys;
    std::set<int> controls;
    for (const RecordField<Data, Ui>& field : table) {
        SCOPED_TRACE(field.key);
        EXPECT_TRUE(keys.insert(field.key).second);
        EXPECT_TRUE(controls.insert(field.controlId).second);
        ASSERT_FALSE(field.rule.bytes.empty());
        for (const FieldBytes& where : field.rule.bytes) {
            EXPECT_LE(where.offset + where.size, recordSize);
            EXPECT_NE(where.mask, 0);
        }
        EXPECT_FALSE(field.compared.fallback.empty());
        EXPECT_FALSE(field.label.fallback.empty());
        EXPECT_EQ(&RecordFieldAt(table, field.controlId), &field);
    }
    EXPECT_THROW((void)RecordFieldAt(table, -1), std::out_of_range);
}

TEST(RecordFields, RecordToUiToRecordIsTheIdentityForEveryFieldAtItsLimits) {
    ExpectRoundTrips(AlertToneData::EditorFields());
    ExpectRoundTrips(TwoToneSystemData::BasicFields());
    ExpectRoundTrips(TwoToneSystemData::AdvanceFields());
    ExpectRoundTrips(TwoToneCallData::EditorFields());
}

TEST(RecordFields, AChangedFieldChangesOnlyItsOwnBits) {
    ExpectOwnBitsOnly(AlertToneData::EditorFields());
    ExpectOwnBitsOnly(TwoToneSystemData::BasicFields());
    ExpectOwnBitsOnly(TwoToneSystemData::AdvanceFields());
    ExpectOwnBitsOnly(TwoToneCallData::EditorFields());
}

TEST(RecordFields, TablesAreWellFormed) {
    ExpectWellFormed(AlertToneData::EditorFields(), ImageMap::kAlertToneSize);
    ExpectWellFormed(TwoToneSystemData::BasicFields(), ImageMap::kTwoToneSystemSize);
    ExpectWellFormed(TwoToneSystemData::AdvanceFields(), ImageMap::kTwoToneSystemSize);
    ExpectWellFormed(TwoToneCallData::EditorFields(), ImageMap::kTwoToneCallSize);
}

/// A field of a record kind given by its control, its record's bytes, what it shows and how the
/// compare names it.
struct ShownCase {
    const char* name;
    int controlId;
    Bytes bytes; ///< from the record's first byte
    RecordValue shown;
    std::string text;
};

/// Whether two values are alike; choices by their items, selection and state.
bool Alike(const RecordValue& a, const RecordValue& b) {
    const auto* choicesA = std::get_if<TwoToneChoiceList>(&a);
    const auto* choicesB = std::get_if<TwoToneChoiceList>(&b);
    if (choicesA == nullptr || choicesB == nullptr) {
        return choicesA == choicesB && a.index() == b.index() &&
               (std::holds_alternative<int>(a) ? std::get<int>(a) == std::get<int>(b)
                                               : std::get<std::string>(a) == std::get<std::string>(b));
    }
    return choicesA->texts == choicesB->texts && choicesA->values == choicesB->values &&
           choicesA->selected == choicesB->selected && choicesA->enabled == choicesB->enabled;
}

template <class Data, class Ui>
void ExpectShown(const RecordFieldTable<Data, Ui>& table, const std::vector<ShownCase>& cases) {
    test::FakeTextLookup texts;
    texts.lists[TwoToneCallControls::kFirstTone] = {{5000, "500.0"}};
    const test::FakeDirectory directory = Records();
    for (const ShownCase& c : cases) {
        SCOPED_TRACE(c.name);
        Data data(1);
        std::copy(c.bytes.begin(), c.bytes.end(), data.Bytes().begin());
        const RecordField<Data, Ui>& field = RecordFieldAt(table, c.controlId);
        const RecordValue shown = field.rule.decode(data, {texts, &directory});
        EXPECT_TRUE(Alike(shown, c.shown));
        EXPECT_EQ(field.rule.text(shown), c.text);
    }
}

TEST(RecordFields, RulesShowAndNameTheirValues) {
    namespace A = AlertToneControls;
    ExpectShown(AlertToneData::EditorFields(),
                {{"frequency below the lowest tone is off", A::kFirstFrequency, {0, 0, 39}, 0, "Off"},
                 {"lowest tone", A::kFirstFrequency, {0, 0, 40}, 40, "400 Hz"},
                 {"highest tone", A::kFirstFrequency + 7, Bytes(18, 0xFF), 255, "2550 Hz"},
                 {"duration in tens of ms", A::kFirstDuration + 1, {0, 0, 0, 0, 0, 25}, 25, "250 ms"},
                 {"pause as a count", A::kBeepSegments, {0, 3}, 3, "3"}});
    namespace T = TwoToneCallControls;
    TwoToneChoiceList channels;
    channels.Add("", kNoObject);
    channels.AddNumbered("", RecordKind::Channel, Records());
    channels.selected = 0; // the call refers to none until its references are resolved
    ExpectShown(TwoToneCallData::EditorFields(),
                {{"long tone format", T::kCallFormat, {0, 0, 0, 0, 0x04}, 1, "1"},
                 {"two tones format", T::kCallFormat, {0, 0, 0, 0, 0xFB}, 0, "0"},
                 {"tone least significant byte first",
                  T::kFirstTone,
                  {0, 0, 0, 0, 0, 0, 0, 0x88, 0x13},
                  "500.0",
                  "500.0"},
                 {"tone the list lacks", T::kFirstTone, {0, 0, 0, 0, 0, 0, 0, 0x13, 0x88}, "", ""},
                 {"revert channel of none", T::kRevertChannel, Bytes(12, 0), channels, "none"}});
}

TEST(RecordFields, FrequencyOffIsStoredAsOneAndOutOfRangeValuesKeepTheirByte) {
    const test::FakeTextLookup texts;
    const auto& frequency = RecordFieldAt(AlertToneData::EditorFields(), AlertToneControls::kFirstFrequency);
    const auto& duration = RecordFieldAt(AlertToneData::EditorFields(), AlertToneControls::kFirstDuration);
    AlertToneData tone(1);
    tone.Bytes()[AlertToneLayout::FrequencyOffset(0)] = 77;
    tone.Bytes()[AlertToneLayout::DurationOffset(0)] = 9;
    frequency.rule.encode(tone, 256, texts);
    duration.rule.encode(tone, -1, texts);
    EXPECT_EQ(tone.Bytes()[AlertToneLayout::FrequencyOffset(0)], 77);
    EXPECT_EQ(tone.Bytes()[AlertToneLayout::DurationOffset(0)], 9);
    frequency.rule.encode(tone, 0, texts);
    EXPECT_EQ(tone.Bytes()[AlertToneLayout::FrequencyOffset(0)], AlertToneLayout::kNoToneStored);
}

TEST(RecordFields, AReferenceKeepsItsRecordWithoutASelectionOrPastItsBits) {
    const test::FakeTextLookup texts;
    test::FakeDirectory directory;
    directory.Fill(RecordKind::TwoToneSystem, 6, 500);
    const auto& system = RecordFieldAt(TwoToneCallData::EditorFields(), TwoToneCallControls::kSystem);
    TwoToneCallData call(1);
    call.SetDefaults();
    call.ResolveReferences(directory);
    ASSERT_EQ(call.SystemRef(), 500u);
    auto choices = std::get<TwoToneChoiceList>(system.rule.decode(call, {texts, &directory}));
    ASSERT_EQ(choices.texts.size(), 6u);
    for (const int position : {-1, 4, 5}) { // no selection; positions two bits cannot hold
        SCOPED_TRACE(position);
        choices.selected = position;
        system.rule.encode(call, choices, texts);
        EXPECT_EQ(call.SystemRef(), 500u);
        EXPECT_EQ(call.SystemPosition(), 0);
    }
    choices.selected = 3;
    system.rule.encode(call, choices, texts);
    EXPECT_EQ(call.SystemRef(), 1100u);
    EXPECT_EQ(call.SystemPosition(), 3);
    choices.enabled = false; // a list the editor leaves disabled is named none
    EXPECT_EQ(system.rule.text(choices), "none");
}

} // namespace
} // namespace tav
