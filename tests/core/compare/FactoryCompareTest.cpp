// The compare names a changed field of a factory block by its block and label; bytes no field
// holds keep the block's region as their name; a verify against the radio counts none of them.
#include "core/app/CDataContainer.h"
#include "core/app/ViewTable.h"
#include "core/compare/ConfigCompare.h"
#include "core/compare/FactoryFields.h"
#include "core/compare/RadioVerify.h"
#include "core/data/ImageMap.h"
#include "core/lang/CLanguage.h"
#include "core/lang/CachedTextLookup.h"
#include "support/FreshContainer.h"
#include "support/TestSupport.h"

#include <array>
#include <bit>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace tav {
namespace {

/// One field as the compare names it and where it lies.
struct NamedField {
    std::string label;
    std::vector<FieldBytes> bytes;
};

/// A factory area: its image region, the subject and editor the compare names it by, its fields
/// and the bytes no field holds.
struct AreaCase {
    const char* name;
    std::size_t start;
    std::size_t size;
    std::string subject;
    int viewId;
    std::vector<NamedField> fields;
    ReservedBytes reserved;
};

template <class Ui> std::vector<NamedField> Named(const TextLookup& texts, const FieldTable<Ui>& rows) {
    std::vector<NamedField> out;
    for (const FieldRow<Ui>& row : rows) {
        out.push_back({RowLabel(texts, row), row.bytes});
    }
    return out;
}

class FactoryCompareTest : public ::testing::Test {
protected:
    CLanguage language{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    CachedTextLookup english{language};
    std::unique_ptr<CDataContainer> base = test::FreshContainer(english);

    std::vector<AreaCase> Areas() const {
        const TextLookup& t = english;
        return {
            {"model data", ImageMap::kModelData, ImageMap::kModelDataSize, "Factory Mode", 0,
             Named(t, ModelOwnRows(t)), ModelOwnReserved()},
            {"shared bytes", ImageMap::kModelDataShared, ImageMap::kModelDataSharedSize, "Factory Mode", 0,
             Named(t, ModelSharedRows(t)), ModelSharedReserved()},
            {"test frequencies", ImageMap::kTestFreqs, ImageMap::kTestFreqsSize, "Test Frequency",
             ViewIds::kTestFreq, Named(t, TestFreqRows(t)), TestFreqReserved()},
            {"embedded data", ImageMap::kEmbedded, ImageMap::kEmbeddedSize, "Embedded Data",
             ViewIds::kEmbedded, Named(t, EmbeddedRows(t)), EmbeddedReserved()},
            {"tuning", ImageMap::kTuneData, ImageMap::kTuneDataSize, "Tuning", 0, Named(t, TuneRows(t)),
             TuneReserved()},
        };
    }

    std::vector<ConfigDifference> WithImage(const Image& image) const {
        CDataContainer changed;
        changed.Context() = base->Context();
        changed.image() = image;
        changed.LoadAll();
        return ConfigCompare(english).Compare(*base, changed);
    }

    std::vector<std::string> Lines(const Image& image) const {
        std::vector<std::string> lines;
        for (const ConfigDifference& d : WithImage(image)) {
            lines.push_back(d.LineText());
        }
        return lines;
    }
};

// Every bit of each factory area is held by exactly one field or declared as no field's.
TEST_F(FactoryCompareTest, EachBitOfEachAreaBelongsToExactlyOneFieldOrIsReserved) {
    for (const AreaCase& area : Areas()) {
        std::vector<std::array<int, 8>> owners(area.size, std::array<int, 8>{});
        const auto mark = [&](const FieldBytes& where, const std::string& what) {
            ASSERT_LE(where.offset + where.size, area.size) << area.name << ": " << what;
            for (std::size_t k = 0; k < where.size; ++k) {
                for (unsigned bit = 0; bit < 8; ++bit) {
                    owners[where.offset + k][bit] += (where.mask >> bit) & 1;
                }
            }
        };
        for (const NamedField& field : area.fields) {
            EXPECT_FALSE(field.bytes.empty()) << area.name << ": " << field.label;
            for (const FieldBytes& where : field.bytes) {
                mark(where, field.label);
            }
        }
        for (const FieldBytes& where : area.reserved) {
            mark(where, "reserved");
        }
        for (std::size_t offset = 0; offset < area.size; ++offset) {
            for (unsigned bit = 0; bit < 8; ++bit) {
                EXPECT_EQ(owners[offset][bit], 1) << area.name << " byte " << offset << " bit " << bit;
            }
        }
    }
}

// A bit of a field's value flipped is named by that field alone, in its block and editor, with
// the bit set and cleared; a reserved bit is listed by the block's region.
TEST_F(FactoryCompareTest, AFlippedBitIsNamedByItsFieldOrListedByItsRegion) {
    for (const AreaCase& area : Areas()) {
        for (const NamedField& field : area.fields) {
            const FieldBytes& value = field.bytes.front();
            const std::size_t address = area.start + value.offset;
            const auto bit = static_cast<std::uint8_t>(1U << std::countr_zero(value.mask));
            for (const bool set : {true, false}) {
                SCOPED_TRACE(std::string(area.name) + ": " + field.label + (set ? " set" : " cleared"));
                Image before = base->image();
                before[address] =
                    static_cast<std::uint8_t>(set ? before[address] & ~bit : before[address] | bit);
                Image after = before;
                after[address] ^= bit;
                CDataContainer start;
                start.Context() = base->Context();
                start.image() = before;
                start.LoadAll();
                CDataContainer changed;
                changed.Context() = base->Context();
                changed.image() = after;
                changed.LoadAll();
                const std::vector<ConfigDifference> found = ConfigCompare(english).Compare(start, changed);
                ASSERT_EQ(found.size(), 1u);
                EXPECT_EQ(found[0].kind, ConfigDifference::Kind::Field);
                EXPECT_EQ(found[0].subject, area.subject);
                EXPECT_EQ(found[0].field, field.label);
                EXPECT_EQ(found[0].viewId, area.viewId);
            }
        }
        for (const FieldBytes& where : area.reserved) {
            Image flipped = base->image();
            const std::size_t address = area.start + where.offset;
            flipped[address] ^= static_cast<std::uint8_t>(1U << std::countr_zero(where.mask));
            const std::vector<ConfigDifference> found = WithImage(flipped);
            ASSERT_EQ(found.size(), 1u) << area.name << " reserved byte " << where.offset;
            EXPECT_EQ(found[0].subject, area.subject);
            EXPECT_EQ(found[0].field.rfind("Byte 0x", 0), 0u) << found[0].field;
        }
    }
}

struct LineCase {
    const char* name;
    std::size_t address;
    std::vector<std::uint8_t> bytes;
    std::string line;
};

// How a changed factory field reads, with the byte order each block uses.
TEST_F(FactoryCompareTest, NamesChangedFactoryFieldsByLabelAndValues) {
    const std::size_t channel3 = ImageMap::kTestFreqs + 2 * TestFreqData::kChannelStride;
    const std::vector<LineCase> cases = {
        {"oscillator, most significant byte first",
         ImageMap::kModelData + ModelData::kOscillatorOffset,
         {0x01, 0x28, 0x50, 0x00},
         "Factory Mode \u00B7 PLL Oscillator[MHz]: 12.80000 -> 12.85000"},
        {"open channel word",
         ImageMap::kModelData + ModelData::kOpenChannelOffset,
         {0x00, 0x03},
         "Factory Mode \u00B7 Open Channel: 16 -> 3"},
        {"build type bit",
         ImageMap::kModelDataShared + ModelData::kVersionOffset,
         {0x85},
         "Factory Mode \u00B7 Version: Release -> Debug"},
        {"test frequency, least significant byte first",
         channel3,
         {0x00, 0x25, 0x01, 0x40},
         "Test Frequency \u00B7 Channel 3 RX Frequency[MHz]: " +
             TestFreqText(base->TestFreqs().ChannelRx(2)) + " -> 400.12500"},
        {"tuning frequency",
         ImageMap::kTestFreqs + TestFreqData::kTuningTxOffset + 4,
         {0, 0, 0, 0},
         "Test Frequency \u00B7 Tuning Frequency 2 TX Frequency[MHz]: " +
             TestFreqText(base->TestFreqs().TuningTx(1)) + " -> none"},
        {"embedded text",
         ImageMap::kEmbedded + EmbeddedData::kFirstTextOffset + EmbeddedData::kTextSize,
         {'H', 'i'},
         "Embedded Data \u00B7 Text 2:  -> Hi"},
        {"tuning value",
         ImageMap::kTuneData,
         {0x01, 0x00},
         "Tuning \u00B7 Reference Frequency Width Point 3: 65535 -> 256"},
        {"shared tuning value",
         ImageMap::kTuneData + 230,
         {0x00, 0x07},
         "Tuning \u00B7 RX Front End 1 Narrow Point 4: 65535 -> 7"},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        Image image = base->image();
        std::copy(c.bytes.begin(), c.bytes.end(), image.begin() + static_cast<std::ptrdiff_t>(c.address));
        EXPECT_EQ(Lines(image), std::vector<std::string>{c.line});
    }
}

// A write sends none of the model data, shared bytes, embedded data or tuning values: a radio
// holding others is no difference. The tuning frequencies are sent only at a factory level.
TEST_F(FactoryCompareTest, AVerifyCountsOnlyTheFactoryFieldsAWriteSends) {
    struct Case {
        const char* name;
        std::size_t address;
        bool factoryLevel;
        std::size_t differences;
    };
    const std::vector<Case> cases = {
        {"oscillator", ImageMap::kModelData + ModelData::kOscillatorOffset + 1, true, 0},
        {"version", ImageMap::kModelDataShared + ModelData::kVersionOffset, true, 0},
        {"embedded text", ImageMap::kEmbedded + EmbeddedData::kFirstTextOffset, true, 0},
        {"tuning value", ImageMap::kTuneData + 1, true, 0},
        {"test channel", ImageMap::kTestFreqs + 1, false, 1},
        {"tuning frequency, user level", ImageMap::kTestFreqs + TestFreqData::kTuningRxOffset, false, 0},
        {"tuning frequency, factory level", ImageMap::kTestFreqs + TestFreqData::kTuningRxOffset, true, 1},
    };
    for (const Case& c : cases) {
        Image radio = base->image();
        radio[c.address] ^= 0x01;
        EXPECT_EQ(RadioVerify(english, c.factoryLevel).Compare(*base, radio).size(), c.differences) << c.name;
    }
}

} // namespace
} // namespace tav
