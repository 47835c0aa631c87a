// The personality's field tables: every field reads back what it stores at the limits of its
// values, stores only its own bits, and each page's table is part of the record's table.
#include "SigTestSupport.h"
#include "core/data/PersonalityData.h"
#include "core/data/blocks/BlockTestSupport.h"

#include <algorithm>
#include <bit>
#include <gtest/gtest.h>
#include <set>

namespace tav {
namespace {

namespace L = PersonalityLayout;
using Bytes = std::vector<std::uint8_t>;
using Field = BlockField<PersonalityUi>;

int Shift(const BlockFieldInfo& field) {
    return std::countr_zero(static_cast<unsigned>(field.bytes.mask));
}

int MaxRaw(const BlockFieldInfo& field) {
    return field.bytes.mask >> Shift(field);
}

/// Every list holds 0, 1 and the field's largest value; the one below the largest is missing, so
/// that a stored value the language file lacks is tried as well.
test::FakeTextLookup Lists() {
    test::FakeTextLookup texts;
    for (const Field& field : PersonalityData::EditorFields()) {
        if (field.codec == BlockCodec::ListItem) {
            auto& items = texts.lists[field.listId];
            items[0] = "lowest";
            items[1] = "one";
            items[MaxRaw(field)] = "highest";
        }
    }
    return texts;
}

/// The field's own bytes at the limits of its values.
std::vector<Bytes> Limits(const Field& field) {
    const auto raw = [](int value) { return Bytes{static_cast<std::uint8_t>(value)}; };
    if (field.codec == BlockCodec::HexIdLe) {
        return {{0x01, 0x00}, {0xEE, 0xDE}, {0x3D, 0x12}};
    }
    if (field.codec == BlockCodec::ListItem) {
        return {raw(0), raw(1), raw(MaxRaw(field)), raw(MaxRaw(field) - 1)};
    }
    return {raw(0), raw(1)};
}

BlockValue OtherValue(const Field& field, const BlockValue& now) {
    switch (field.codec) {
    case BlockCodec::ListItem:
        return std::get<std::string>(now) == "lowest" ? "highest" : "lowest";
    case BlockCodec::HexIdLe:
        return std::get<std::string>(now) == "0ABC" ? "0DEF" : "0ABC";
    default:
        return std::get<int>(now) != 0 ? 0 : 1;
    }
}

/// A personality of random bytes as the editor leaves it (a clamped ID digit, a system index the
/// signalling type does not use, corrected once).
class Settled {
public:
    Settled(unsigned seed, const TextLookup& texts) : texts_(texts) {
        const Image random = test::RandomImage(seed);
        std::copy_n(random.begin(), data.Bytes().size(), data.Bytes().begin());
        StoreUi(LoadUi());
    }
    PersonalityUi LoadUi() const {
        PersonalityUi ui;
        data.LoadUi(ui, texts_, directory_);
        return ui;
    }
    void StoreUi(const PersonalityUi& ui) { data.StoreUi(ui, texts_); }
    Bytes Held() const { return test::ToVector(data.Bytes()); }

    PersonalityData data{1};

private:
    const TextLookup& texts_;
    test::FakeDirectory directory_;
};

TEST(PersonalityFields, ImageToUiToImageIsTheIdentityForEveryFieldAtItsLimits) {
    const test::FakeTextLookup texts = Lists();
    for (const Field& field : PersonalityData::EditorFields()) {
        for (const Bytes& limit : Limits(field)) {
            for (const unsigned seed : {1U, 2U}) {
                SCOPED_TRACE(std::string(field.key) + " seed " + std::to_string(seed) + " first byte " +
                             std::to_string(limit[0]));
                Settled personality(seed, texts);
                test::PutFieldBytes(personality.data.Bytes(), field, limit);
                const Bytes before = personality.Held();
                personality.StoreUi(personality.LoadUi());
                EXPECT_EQ(personality.Held(), before);
            }
        }
    }
}

TEST(PersonalityFields, AFieldChangedInTheEditorChangesOnlyItsOwnBits) {
    const test::FakeTextLookup texts = Lists();
    for (const Field& field : PersonalityData::EditorFields()) {
        SCOPED_TRACE(field.key);
        Settled personality(7, texts);
        test::PutFieldBytes(personality.data.Bytes(), field, Limits(field).front());
        const Bytes before = personality.Held();
        PersonalityUi ui = personality.LoadUi();
        field.slot.set(ui, OtherValue(field, field.slot.get(ui)));
        personality.StoreUi(ui);
        EXPECT_TRUE(test::OnlyFieldDiffers(before, personality.Held(), field));
        EXPECT_NE(personality.Held(), before);
    }
}

TEST(PersonalityFields, PagesTogetherMakeTheRecordsTableOnce) {
    std::set<std::string> keys;
    std::set<int> controls;
    std::size_t count = 0;
    for (const auto* page : {&PersonalityData::RxTxFields(), &PersonalityData::SquelchFields(),
                             &PersonalityData::PttIdFields(), &PersonalityData::SignalFields()}) {
        for (const Field& field : *page) {
            SCOPED_TRACE(field.key);
            EXPECT_TRUE(keys.insert(field.key).second);
            EXPECT_TRUE(controls.insert(field.controlId).second);
            EXPECT_LE(field.bytes.offset + field.bytes.size, ImageMap::kPersonalitySize);
            EXPECT_EQ(field.listId != 0, field.codec == BlockCodec::ListItem);
            EXPECT_EQ(&BlockFieldAt(*page, field.controlId), &field);
            const Field& inRecord = BlockFieldAt(PersonalityData::EditorFields(), field.controlId);
            EXPECT_EQ(inRecord.key, field.key);
            ++count;
        }
    }
    EXPECT_EQ(PersonalityData::EditorFields().size(), count);
}

struct BitCase {
    const char* key;
    std::size_t offset;
    std::uint8_t bit;
    int checkedWhenSet; ///< the box's state with the bit set
};

// The busy lockout bit means on; the side tone and short beep bits mean off.
TEST(PersonalityFields, CheckBoxesFollowTheirBitsBothWays) {
    const std::vector<BitCase> cases = {
        {"busy_lockout", L::kBusyLockout, L::kBusyLockoutBit, 1},
        {"side_tone", L::kPttIdFlags, L::kSideToneOffBit, 0},
        {"short_beep", L::kPttIdFlags, L::kShortBeepOffBit, 0},
    };
    const test::FakeTextLookup texts = Lists();
    for (const BitCase& c : cases) {
        for (const bool set : {false, true}) {
            SCOPED_TRACE(std::string(c.key) + (set ? " set" : " clear"));
            Settled personality(3, texts);
            std::uint8_t& byte = personality.data.Bytes()[c.offset];
            byte = static_cast<std::uint8_t>(set ? (byte | c.bit) : (byte & ~c.bit));
            PersonalityUi ui = personality.LoadUi();
            const Field& field =
                *std::find_if(PersonalityData::EditorFields().begin(), PersonalityData::EditorFields().end(),
                              [&c](const Field& f) { return std::string(f.key) == c.key; });
            const int shown = std::get<int>(field.slot.get(ui));
            EXPECT_EQ(shown, set ? c.checkedWhenSet : 1 - c.checkedWhenSet);
            field.slot.set(ui, 1 - shown);
            personality.StoreUi(ui);
            EXPECT_EQ((personality.data.Bytes()[c.offset] & c.bit) != 0, !set);
        }
    }
}

// The primary ID is held least significant byte first; the editor shows it clamped and stores
// what it shows.
TEST(PersonalityFields, PrimaryIdIsHeldLowByteFirst) {
    const test::FakeTextLookup texts = Lists();
    Settled personality(4, texts);
    personality.data.SetPrimaryId(0x12FF);
    PersonalityUi ui = personality.LoadUi();
    EXPECT_EQ(ui.primaryId, "12EE");
    ui.primaryId = "0ABC";
    personality.StoreUi(ui);
    EXPECT_EQ(personality.data.Bytes()[L::kPrimaryId], 0xBC);
    EXPECT_EQ(personality.data.Bytes()[L::kPrimaryId + 1], 0x0A);
    EXPECT_EQ(personality.data.PrimaryId(), 0x0ABC);
}

} // namespace
} // namespace tav
