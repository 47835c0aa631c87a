// The field tables of the single-block records: every field reads back what it stores at the
// limits of its values, stores only its own bits, and the tables agree with their blocks.
#include "BlockTestSupport.h"
#include "core/data/AtisData.h"
#include "core/data/DosData.h"
#include "core/data/FieldCodec.h"
#include "core/data/KeysData.h"
#include "core/data/MiscData.h"
#include "core/data/PttIdData.h"
#include "support/FakeTextLookup.h"

#include <gtest/gtest.h>
#include <set>

namespace tav {
namespace {

using Bytes = std::vector<std::uint8_t>;

/// The largest raw value the field's bits hold.
int MaxRaw(const BlockFieldInfo& field) {
    return GetBits(0xFF, field.bytes.mask);
}

/// Every list the tables use holds 0, 1 and the field's largest value; the value below the
/// largest is left out, so that a stored value the language file lacks is tried as well.
test::FakeTextLookup ListsFor(const std::vector<const BlockFieldInfo*>& fields) {
    test::FakeTextLookup texts;
    for (const BlockFieldInfo* field : fields) {
        if (field->codec == BlockCodec::ListItem) {
            auto& items = texts.lists[field->listId];
            items[0] = "lowest";
            items[1] = "one";
            items[MaxRaw(*field)] = "highest";
        }
    }
    return texts;
}

/// The field's own bytes at the limits of its values, written over the block's bytes. A
/// single-byte field lists raw values under its mask, a wider one its bytes.
std::vector<Bytes> Limits(const BlockFieldInfo& field) {
    const auto raw = [](int value) { return Bytes{static_cast<std::uint8_t>(value)}; };
    switch (field.codec) {
    case BlockCodec::Check:
    case BlockCodec::CheckOff:
        return {raw(0), raw(1)};
    case BlockCodec::ListItem:
        return {raw(0), raw(1), raw(MaxRaw(field)), raw(MaxRaw(field) - 1)};
    case BlockCodec::HexId:
        return {{0x00, 0x01}, {0xDE, 0xEE}, {0x12, 0x3D}};
    case BlockCodec::HexIdLe:
        return {{0x01, 0x00}, {0xEE, 0xDE}, {0x3D, 0x12}};
    case BlockCodec::Digits:
        return {Bytes(field.bytes.size, 0x00),
                Bytes(field.bytes.size, 0x99),
                {0xAB, 0x0F, 0x00, 0x00, 0x00, 0x10}};
    case BlockCodec::ChannelNumber:
        return {{0x00, 0x01}, {0x00, 0xFE}, {0x00, 0xFF}};
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
        return {Bytes(field.bytes.size, 0x00), Bytes(field.bytes.size, '9')};
    case BlockCodec::DateTime:
        return {Bytes(field.bytes.size, 0x00)};
    case BlockCodec::FileHeader:
        return {Bytes{}};
    case BlockCodec::Rule: // each rule's limits are tried beside the blocks that use it
        break;
    }
    return {};
}

/// A value other than the one the structure holds for the field, as the editor could show it.
BlockValue OtherValue(const BlockFieldInfo& field, const BlockValue& now) {
    switch (field.codec) {
    case BlockCodec::Check:
    case BlockCodec::CheckOff:
        return std::get<int>(now) != 0 ? 0 : 1;
    case BlockCodec::ListItem:
        return std::get<std::string>(now) == "lowest" ? "highest" : "lowest";
    case BlockCodec::HexId:
    case BlockCodec::HexIdLe:
        return std::get<std::string>(now) == "0ABC" ? "0DEF" : "0ABC";
    case BlockCodec::Digits:
        return PackedDigits{0x12, 0x34, 0x56, 0x78, 0x90, 0x12};
    case BlockCodec::ChannelNumber:
        return std::get<int>(now) == 0 ? 1 : 0;
    case BlockCodec::ZeroEndedText:
    case BlockCodec::SecretText:
        return std::get<std::string>(now) == "1234" ? "5678" : "1234";
    case BlockCodec::DateTime:
    case BlockCodec::FileHeader:
    case BlockCodec::Rule:
        break;
    }
    return now;
}

/// A block of random bytes as the editor would leave it: a stored value the editor corrects (a
/// primary ID digit F) is corrected once, so that only the field under test is tried.
template <class Data, class Ui> void FillSettled(Data& data, unsigned seed, const TextLookup& texts) {
    const Image random = test::RandomImage(seed);
    std::copy_n(random.begin(), data.Bytes().size(), data.Bytes().begin());
    Ui ui;
    data.LoadUi(ui, texts);
    data.StoreUi(ui, texts);
}

template <class Ui> std::vector<const BlockFieldInfo*> Infos(const BlockFieldTable<Ui>& table) {
    std::vector<const BlockFieldInfo*> infos;
    for (const BlockField<Ui>& field : table) {
        infos.push_back(&field);
    }
    return infos;
}

/// Each field of the block, at each limit of its values, over blocks of random bytes:
/// image -> editor structure -> image gives the same bytes back.
template <class Data, class Ui> void ExpectRoundTrips(const BlockFieldTable<Ui>& table) {
    const test::FakeTextLookup texts = ListsFor(Infos(table));
    for (const BlockField<Ui>& field : table) {
        for (const Bytes& limit : Limits(field)) {
            for (unsigned seed : {1U, 2U}) {
                SCOPED_TRACE(std::string(field.key) + " seed " + std::to_string(seed) + " first byte " +
                             std::to_string(limit[0]));
                Data data;
                FillSettled<Data, Ui>(data, seed, texts);
                test::PutFieldBytes(data.Bytes(), field, limit);
                const Bytes before = test::ToVector(data.Bytes());
                Ui ui;
                data.LoadUi(ui, texts);
                data.StoreUi(ui, texts);
                EXPECT_EQ(test::ToVector(data.Bytes()), before);
            }
        }
    }
}

/// A stored field changed in the editor structure changes its own bits and no others; a field
/// the editor only shows changes nothing.
template <class Data, class Ui> void ExpectOwnBitsOnly(const BlockFieldTable<Ui>& table) {
    const test::FakeTextLookup texts = ListsFor(Infos(table));
    for (const BlockField<Ui>& field : table) {
        SCOPED_TRACE(field.key);
        Data data;
        FillSettled<Data, Ui>(data, 7, texts);
        test::PutFieldBytes(data.Bytes(), field, Limits(field).front());
        const Bytes before = test::ToVector(data.Bytes());
        Ui ui;
        data.LoadUi(ui, texts);
        field.slot.set(ui, OtherValue(field, field.slot.get(ui)));
        data.StoreUi(ui, texts);
        const Bytes after = test::ToVector(data.Bytes());
        EXPECT_TRUE(test::OnlyFieldDiffers(before, after, field));
        EXPECT_EQ(after != before, field.stored);
    }
}

/// Keys, labels and controls are unique; every field lies inside the block; list fields name
/// their list and no other field does.
template <class Ui> void ExpectWellFormed(const BlockFieldTable<Ui>& table, std::size_t blockSize) {
    std::set<std::string> keys;
    std::set<int> controls;
    std::set<int> labels;
    for (const BlockField<Ui>& field : table) {
        SCOPED_TRACE(field.key);
        EXPECT_TRUE(keys.insert(field.key).second);
        EXPECT_TRUE(controls.insert(field.controlId).second);
        EXPECT_TRUE(labels.insert(field.labelId).second);
        EXPECT_LE(field.bytes.offset + field.bytes.size, blockSize);
        EXPECT_NE(field.bytes.mask, 0);
        EXPECT_EQ(field.listId != 0, field.codec == BlockCodec::ListItem);
        EXPECT_NE(std::string(field.fallback), "");
        EXPECT_EQ(&BlockFieldAt(table, field.controlId), &field);
    }
    EXPECT_THROW((void)BlockFieldAt(table, -1), std::out_of_range);
}

TEST(BlockFields, ImageToUiToImageIsTheIdentityForEveryFieldAtItsLimits) {
    ExpectRoundTrips<DosData>(DosData::EditorFields());
    ExpectRoundTrips<PttIdData>(PttIdData::EditorFields());
    ExpectRoundTrips<AtisData>(AtisData::EditorFields());
    ExpectRoundTrips<KeysData>(KeysData::EditorFields());
    ExpectRoundTrips<MiscData>(MiscData::EditorFields());
}

TEST(BlockFields, AStoredFieldChangesOnlyItsOwnBits) {
    ExpectOwnBitsOnly<DosData>(DosData::EditorFields());
    ExpectOwnBitsOnly<PttIdData>(PttIdData::EditorFields());
    ExpectOwnBitsOnly<AtisData>(AtisData::EditorFields());
    ExpectOwnBitsOnly<KeysData>(KeysData::EditorFields());
    ExpectOwnBitsOnly<MiscData>(MiscData::EditorFields());
}

TEST(BlockFields, TablesAreWellFormed) {
    ExpectWellFormed(DosData::EditorFields(), DosData::kSize);
    ExpectWellFormed(PttIdData::EditorFields(), PttIdData::kSize);
    ExpectWellFormed(AtisData::EditorFields(), AtisData::kSize);
    ExpectWellFormed(KeysData::EditorFields(), KeysData::kSize);
    ExpectWellFormed(MiscData::EditorFields(), MiscData::kSize);
}

TEST(BlockFields, OnlyTheEditedKeysAreStored) {
    std::vector<std::size_t> stored;
    for (std::size_t k = 0; k < KeysData::kKeyCount; ++k) {
        if (KeysData::EditorFields()[k].stored) {
            stored.push_back(k);
        }
    }
    EXPECT_EQ(stored, (std::vector<std::size_t>(KeysData::kEditedKeys.begin(), KeysData::kEditedKeys.end())));
    EXPECT_FALSE(KeysData::EditorFields().back().stored);
}

struct CodecCase {
    const char* name;
    BlockFieldInfo field;
    Bytes block;
    BlockValue shown;
    std::string text;
};

// What each codec shows for given bytes, and how the compare names it.
TEST(BlockFields, CodecsShowAndNameTheirValues) {
    const auto info = [](BlockCodec codec, FieldBytes bytes, int listId = 0) {
        BlockFieldInfo field;
        field.codec = codec;
        field.bytes = bytes;
        field.listId = listId;
        return field;
    };
    const std::vector<CodecCase> cases = {
        {"check set", info(BlockCodec::Check, {0, 1, 0x04}), {0x04}, 1, "On"},
        {"check clear", info(BlockCodec::Check, {0, 1, 0x04}), {0xFB}, 0, "Off"},
        {"inverted set", info(BlockCodec::CheckOff, {0, 1, 0x02}), {0x02}, 0, "Off"},
        {"inverted clear", info(BlockCodec::CheckOff, {0, 1, 0x02}), {0xFD}, 1, "On"},
        {"list in high nibble", info(BlockCodec::ListItem, {1, 1, 0xF0}, 9), {0, 0x2F}, "two", "two"},
        {"list value unknown", info(BlockCodec::ListItem, {0, 1}, 9), {0x30}, "", ""},
        {"id clamped", info(BlockCodec::HexId, {0, 2}), {0xFF, 0xFF}, "DEEE", "DEEE"},
        {"id zero shows 1", info(BlockCodec::HexId, {0, 2}), {0x00, 0x00}, "0001", "0001"},
        {"id held low byte first", info(BlockCodec::HexIdLe, {0, 2}), {0x3D, 0x12}, "123D", "123D"},
        {"id held low byte first clamped", info(BlockCodec::HexIdLe, {0, 2}), {0xFF, 0xEF}, "DEEE", "DEEE"},
        {"digits",
         info(BlockCodec::Digits, {1, 6}),
         {0, 0x12, 0x34, 0x56, 0x78, 0x90, 0xAB},
         PackedDigits{0x12, 0x34, 0x56, 0x78, 0x90, 0xAB},
         "1234567890AB"},
    };
    test::FakeTextLookup texts;
    texts.lists[9] = {{2, "two"}, {3, "three"}};
    for (const CodecCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BlockValue shown = DecodeBlockField(c.field, c.block, texts);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(BlockFieldText(c.field, shown), c.text);
    }
}

// A list text whose value does not fit the field's bits leaves them and their neighbours alone.
TEST(BlockFields, AListValueTooWideForItsBitsIsNotStored) {
    test::FakeTextLookup texts;
    texts.lists[9] = {{3, "three"}, {0x1F, "wide"}};
    BlockFieldInfo field;
    field.codec = BlockCodec::ListItem;
    field.bytes = {0, 1, 0xF0};
    field.listId = 9;
    Bytes block{0xA5};
    EncodeBlockField(field, std::string("wide"), block, texts);
    EXPECT_EQ(block, Bytes{0xA5});
    EncodeBlockField(field, std::string("three"), block, texts);
    EXPECT_EQ(block, Bytes{0x35});
}

TEST(BlockFields, DigitTextIsPaddedAndPackedAsTheAtisCode) {
    const BlockFieldInfo& code = BlockFieldAt(AtisData::EditorFields(), AtisData::kCodeEditId);
    for (const char* text : {"", "123", "987654321098", "12345678901234", "AB0F00000010"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(PackedDigitsFromText(code, text), AtisCodeFromText(text));
    }
}

} // namespace
} // namespace tav
