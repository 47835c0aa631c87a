// The field tables of the factory blocks: every field reads back what it stores at the limits of
// its values, a bit of a field changes its value, list fields hold each end of their lists, and the
// rules of frequencies, words and padded texts keep what they must.
#include "../data/blocks/BlockTestSupport.h"
#include "core/data/FieldCodec.h"
#include "core/data/FreqRaster.h"
#include "core/data/MiscData.h"
#include "core/factory/EmbeddedData.h"
#include "core/factory/FactoryCodecs.h"
#include "core/factory/ModelData.h"
#include "core/factory/TestFreqData.h"
#include "core/factory/TuneData.h"
#include "core/factory/TuningPoints.h"
#include "support/FakeTextLookup.h"

#include <bit>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace tav {
namespace {

using Bytes = std::vector<std::uint8_t>;

test::FakeTextLookup FactoryTexts() {
    test::FakeTextLookup texts;
    texts.lists[ModelData::kIfDirectionListId] = {{0, "Subtract"}, {1, "Add"}};
    texts.NumberList(ModelData::kOpenChannelListId, 1, 16);
    texts.lists[ModelData::kBuildTypeListId] = {{0, "Release"}, {1, "Debug"}};
    texts.lists[ModelData::kDisplayListId] = {{0, "No LCD"}, {1, "LCD"}};
    return texts;
}

/// The bytes a test frequency field holds for a count of 10 Hz: the word least significant byte first and
/// the step code of its raster.
Bytes TestFreqBytes(std::uint32_t count) {
    const StepClass step = ClassifyStep(count);
    const BcdFreq bcd = FreqToBcd(step.count);
    return {static_cast<std::uint8_t>(bcd), static_cast<std::uint8_t>(bcd >> 8),
            static_cast<std::uint8_t>(bcd >> 16), static_cast<std::uint8_t>(bcd >> 24),
            static_cast<std::uint8_t>(step.code)};
}

/// The field's bytes at the limits of its values, as the program stores them. A frequency of the
/// test table carries its step code as a last byte; one byte stands for the bits under the mask.
std::vector<Bytes> Limits(const BlockFieldInfo& field) {
    if (field.rule == &kBigEndianFreqRule) {
        return {
            {0x01, 0x28, 0x00, 0x00}, {0x99, 0x99, 0x99, 0x99}, {0xFF, 0xFF, 0xFF, 0xFF}, {0x12, 0x3A, 0, 0}};
    }
    if (field.rule == &kTestFreqRule) {
        return {{0, 0, 0, 0, 0}, TestFreqBytes(1250), TestFreqBytes(13600000), TestFreqBytes(99999750)};
    }
    if (field.rule == &kListWordRule) {
        return {{0x00, 0x01}, {0x00, 0x10}, {0x12, 0x34}};
    }
    if (field.rule == &kPaddedTextRule) {
        Bytes one(field.bytes.size, ' ');
        one[0] = 'A';
        return {one, Bytes(field.bytes.size, 'Z'), Bytes(field.bytes.size, ' ')};
    }
    if (field.rule == &kWordRule) {
        return {{0x00, 0x00}, {0xFF, 0xFF}, {0x05, 0xC2}};
    }
    return {{0}, {1}};
}

void PutField(std::span<std::uint8_t> bytes, const BlockFieldInfo& field, const Bytes& value) {
    if (value.size() == 1) {
        bytes[field.bytes.offset] = SetBits(bytes[field.bytes.offset], field.bytes.mask, value[0]);
        return;
    }
    std::copy_n(value.begin(), field.bytes.size,
                bytes.begin() + static_cast<std::ptrdiff_t>(field.bytes.offset));
    if (value.size() > field.bytes.size) {
        std::uint8_t& step = bytes[field.alsoIn.offset];
        step = SetBits(step, field.alsoIn.mask, value.back());
    }
}

/// A factory block's table and the bytes it reads.
template <class Ui> struct TableCase {
    const char* name;
    const BlockFieldTable<Ui>& table;
    std::size_t size;
};

/// A block of random bytes as the program leaves it once its fields were loaded and stored.
template <class Ui>
Bytes Settled(const BlockFieldTable<Ui>& table, std::size_t size, unsigned seed, const TextLookup& texts) {
    const Image random = test::RandomImage(seed);
    Bytes bytes(random.begin(), random.begin() + static_cast<std::ptrdiff_t>(size));
    Ui ui;
    LoadBlockFields(table, bytes, ui, texts);
    StoreBlockFields(table, ui, bytes, texts);
    return bytes;
}

template <class Ui> void ExpectRoundTrips(const TableCase<Ui>& c, const TextLookup& texts) {
    for (const BlockField<Ui>& field : c.table) {
        for (const Bytes& limit : Limits(field)) {
            for (const unsigned seed : {1U, 2U}) {
                SCOPED_TRACE(std::string(c.name) + " " + field.key + " seed " + std::to_string(seed));
                Bytes bytes = Settled(c.table, c.size, seed, texts);
                PutField(bytes, field, limit);
                const Bytes before = bytes;
                Ui ui;
                LoadBlockFields(c.table, bytes, ui, texts);
                StoreBlockFields(c.table, ui, bytes, texts);
                EXPECT_EQ(bytes, before);
            }
        }
    }
}

/// The lowest bit of the field's first byte and the highest of its last, each set and cleared,
/// give different values.
template <class Ui> void ExpectBitsChangeTheValue(const TableCase<Ui>& c, const TextLookup& texts) {
    for (const BlockField<Ui>& field : c.table) {
        const int low = std::countr_zero(field.bytes.mask);
        const int high = 7 - std::countl_zero(field.bytes.mask);
        const std::pair<std::size_t, int> bits[] = {{field.bytes.offset, low},
                                                    {field.bytes.offset + field.bytes.size - 1, high}};
        for (const auto& [offset, bit] : bits) {
            SCOPED_TRACE(std::string(c.name) + " " + field.key + " byte " + std::to_string(offset));
            Bytes bytes = Settled(c.table, c.size, 3, texts);
            PutField(bytes, field, Limits(field)[1]);
            bytes[offset] = SetBit(bytes[offset], bit, true);
            const BlockValue set = DecodeBlockField(field, bytes, texts);
            bytes[offset] = SetBit(bytes[offset], bit, false);
            const BlockValue cleared = DecodeBlockField(field, bytes, texts);
            EXPECT_NE(set, cleared);
        }
    }
}

/// Keys are unique, each field lies in its block, a rule is named exactly by the Rule codec and
/// a second place only by test frequencies.
template <class Ui> void ExpectWellFormed(const TableCase<Ui>& c) {
    std::set<std::string> keys;
    for (const BlockField<Ui>& field : c.table) {
        SCOPED_TRACE(std::string(c.name) + " " + field.key);
        EXPECT_TRUE(keys.insert(field.key).second);
        EXPECT_LE(field.bytes.offset + field.bytes.size, c.size);
        EXPECT_NE(field.bytes.mask, 0);
        EXPECT_EQ(field.rule != nullptr, field.codec == BlockCodec::Rule);
        EXPECT_EQ(field.alsoIn.size != 0, field.rule == &kTestFreqRule);
        EXPECT_LE(field.alsoIn.offset + field.alsoIn.size, c.size);
        EXPECT_NE(std::string(field.fallback), "");
    }
}

const TableCase<ModelDataUi> kModelOwn{"model", ModelData::OwnFields(), ModelData::kSize};
const TableCase<ModelDataUi> kModelShared{"shared", ModelData::SharedFields(), MiscData::kSharedSize};
const TableCase<TestFreqTexts> kTestFreqs{"test frequencies", TestFreqData::EditorFields(),
                                          TestFreqData::kSize};
const TableCase<EmbeddedUi> kEmbedded{"embedded", EmbeddedData::EditorFields(), EmbeddedData::kSize};
const TableCase<TuneUi> kTune{"tuning", TuneData::EditorFields(), TuneData::kSize};

template <class Check> void ForEachTable(Check check) {
    check(kModelOwn);
    check(kModelShared);
    check(kTestFreqs);
    check(kEmbedded);
    check(kTune);
}

TEST(FactoryFields, ImageToValueToImageIsTheIdentityForEveryFieldAtItsLimits) {
    const test::FakeTextLookup texts = FactoryTexts();
    ForEachTable([&texts](const auto& c) { ExpectRoundTrips(c, texts); });
}

TEST(FactoryFields, ABitOfAFieldSetAndClearedChangesItsValue) {
    const test::FakeTextLookup texts = FactoryTexts();
    ForEachTable([&texts](const auto& c) { ExpectBitsChangeTheValue(c, texts); });
}

TEST(FactoryFields, TablesAreWellFormed) {
    ForEachTable([](const auto& c) { ExpectWellFormed(c); });
    EXPECT_EQ(TestFreqData::EditorFields().size(), TestFreqTexts{}.size());
    EXPECT_EQ(TuneData::EditorFields().size(), TuningValueSlots().size());
    EXPECT_EQ(TuningValueSlots().size(), TuningPointCount() - 2); // two codes share their values
}

// A list field stores each end of its list as its raw value, and a text its list lacks keeps the
// stored value.
TEST(FactoryFields, ListFieldsHoldEachEndOfTheirLists) {
    const test::FakeTextLookup texts = FactoryTexts();
    for (const auto* table : {&ModelData::OwnFields(), &ModelData::SharedFields()}) {
        for (const BlockField<ModelDataUi>& field : *table) {
            if (field.listId == 0) {
                continue;
            }
            const std::map<int, std::string>& items = texts.lists.at(field.listId);
            for (const auto& [raw, text] : {*items.begin(), *items.rbegin()}) {
                SCOPED_TRACE(std::string(field.key) + " " + text);
                Bytes bytes(ModelData::kSize, 0xA5);
                EncodeBlockField(field, text, bytes, texts);
                EXPECT_EQ(DecodeBlockField(field, bytes, texts), BlockValue(text));
                const Bytes before = bytes;
                EncodeBlockField(field, std::string("no such item"), bytes, texts);
                EXPECT_EQ(bytes, before);
                const int stored = field.bytes.size == 2
                                       ? ReadBe16(bytes, field.bytes.offset)
                                       : GetBits(bytes[field.bytes.offset], field.bytes.mask);
                EXPECT_EQ(stored, raw);
            }
        }
    }
}

struct RuleCase {
    const char* name;
    const BlockFieldRule& rule;
    Bytes stored;
    std::string text;  ///< what the field shows for `stored`
    std::string shown; ///< how the compare names it
};

// What each rule shows for given bytes, and how the compare names it.
TEST(FactoryFields, RulesShowAndNameTheirValues) {
    const auto blanks = [](std::string text) {
        text.resize(8, ' ');
        return Bytes(text.begin(), text.end());
    };
    const std::vector<RuleCase> cases = {
        {"oscillator", kBigEndianFreqRule, {0x01, 0x28, 0x50, 0x00}, "12.85000", "12.85000"},
        {"erased frequency", kBigEndianFreqRule, {0xFF, 0xFF, 0xFF, 0xFF}, "", "none"},
        {"test frequency", kTestFreqRule, {0x00, 0x25, 0x01, 0x40, 6}, "400.12500", "400.12500"},
        {"empty test frequency", kTestFreqRule, {0, 0, 0, 0, 0}, "", "none"},
        {"erased test frequency", kTestFreqRule, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "", "none"},
        {"word", kWordRule, {0x05, 0xC2}, "", "1474"},
        {"text", kPaddedTextRule, blanks("AB C"), "AB C", "AB C"},
        {"text to its 0", kPaddedTextRule, {'A', 'B', 0, 'C', ' ', ' ', ' ', ' '}, "AB", "AB"},
        {"erased text", kPaddedTextRule, Bytes(8, 0xFF), "", ""},
    };
    const test::FakeTextLookup texts;
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        BlockFieldInfo field;
        field.codec = BlockCodec::Rule;
        field.rule = &c.rule;
        field.bytes = {0, c.stored.size() == 5 ? 4U : c.stored.size()};
        field.alsoIn = {4, 1};
        const BlockValue value = DecodeBlockField(field, c.stored, texts);
        if (&c.rule != &kWordRule) {
            EXPECT_EQ(value, BlockValue(c.text));
        }
        EXPECT_EQ(BlockFieldText(field, value), c.shown);
    }
}

// The dialog's empty frequency keeps the stored one, and so does the text a damaged value shows.
TEST(FactoryFields, AFrequencyTheDialogDoesNotChangeKeepsItsBytes) {
    const BlockFieldInfo& oscillator = BlockFieldAt(ModelData::OwnFields(), ModelData::kOscillatorEditId);
    const test::FakeTextLookup texts;
    Bytes bytes(ModelData::kSize, 0);
    const Bytes damaged = {0x12, 0x3A, 0xBC, 0xDE};
    std::copy(damaged.begin(), damaged.end(), bytes.begin() + ModelData::kOscillatorOffset);
    const Bytes before = bytes;
    EncodeBlockField(oscillator, std::string(), bytes, texts);
    EXPECT_EQ(bytes, before);
    EncodeBlockField(oscillator, DecodeBlockField(oscillator, bytes, texts), bytes, texts);
    EXPECT_EQ(bytes, before);
    EncodeBlockField(oscillator, std::string("12.85"), bytes, texts);
    EXPECT_EQ(ReadBe32(bytes, ModelData::kOscillatorOffset), 0x01285000u);
}

// A test frequency goes onto its raster with the step code in its own place: a byte of its
// channel, or one nibble of a tuning frequency's shared byte; the neighbour nibble is kept.
TEST(FactoryFields, TestFrequenciesStoreTheirStepCodeInTheirOwnPlace) {
    TestFreqData data;
    data.SetRangeDefaults(400, 470);
    TestFreqTexts texts = data.ToTexts(',');
    texts[TestFreqData::ChannelTxText(2)] = "400,12345"; // off raster: down to 12.5 kHz
    texts[TestFreqData::TuningTxText(1)] = "400.130";    // on the 10 kHz raster
    texts[TestFreqData::TuningRxText(4)] = "";           // empty: 0 with step code 0
    const std::uint8_t rxStep = data.TuningRxStep(1);
    data.FromTexts(texts, ',');
    EXPECT_EQ(data.ChannelTx(2), 0x40011250u);
    EXPECT_EQ(data.ChannelTxStep(2), static_cast<std::uint8_t>(StepCode::Raster12_5k));
    EXPECT_EQ(data.TuningTx(1), 0x40013000u);
    EXPECT_EQ(data.TuningTxStep(1), static_cast<std::uint8_t>(StepCode::Raster10k));
    EXPECT_EQ(data.TuningRxStep(1), rxStep);
    EXPECT_EQ(data.TuningRx(4), 0u);
    EXPECT_EQ(data.TuningRxStep(4), 0);
    EXPECT_EQ(data.ToTexts(',')[TestFreqData::ChannelTxText(2)], "400,11250");
}

// The tuning value of each point code is the field at its offset; codes sharing a value share it.
TEST(FactoryFields, EachTuningPointReadsItsValueThroughItsField) {
    TuneData tune;
    tune.SetDefaults({});
    ASSERT_TRUE(tune.SetValue(0x830D, 1234));
    EXPECT_EQ(tune.Value(0x8387), 1234);
    EXPECT_EQ(tune.Value(0x830D), 1234);
    EXPECT_FALSE(tune.SetValue(0x8001, 1));
    EXPECT_EQ(TuneData::FieldOfPoint(0x8387), TuneData::FieldOfPoint(0x830D));
    EXPECT_EQ(TuneData::FieldOfPoint(0x8001), nullptr);
    TuneUi ui;
    tune.LoadUi(ui);
    ASSERT_EQ(ui.values.size(), TuneData::EditorFields().size());
    const auto field = TuneData::FieldOfPoint(0x830D) - TuneData::EditorFields().data();
    EXPECT_EQ(ui.values[static_cast<std::size_t>(field)], 1234);
    EXPECT_EQ(ui.values.front(), 0xFFFF);
}

} // namespace
} // namespace tav
