#include "../data/blocks/BlockTestSupport.h"
#include "core/data/ImageMap.h"
#include "core/factory/EmbeddedData.h"
#include "core/factory/TuneData.h"
#include "core/factory/TuningPoints.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::Slice;
using Bytes = std::vector<std::uint8_t>;

// ---- Embedded data ----

TEST(EmbeddedData, DefaultsAreZerosAndLieSixteenBytesBelowTheRadio) {
    EmbeddedData data;
    data.SetDefaults({});
    Image image = BlankImage();
    data.StoreToImage(image);
    EXPECT_EQ(Slice(image, 0x1428, 144), Bytes(144, 0));
    EXPECT_TRUE(test::OnlyRegionWritten(image, 0x1428, 144));
    EXPECT_EQ(EmbeddedData::kRadioAddress, 0x1438u);
    EXPECT_EQ(data.Password(), "");
    EXPECT_FALSE(data.HasPassword());
}

TEST(EmbeddedData, TextsPaddedWithBlanksAndReadTrimmed) {
    EmbeddedData data;
    data.SetDefaults({});
    EmbeddedUi ui{{"first", std::string(40, 'x'), "", "trailing  "}};
    data.StoreUi(ui);
    const auto bytes = data.Bytes();
    EXPECT_EQ(Bytes(bytes.begin() + 16, bytes.begin() + 48), [] {
        Bytes b(32, ' ');
        std::string("first").copy(reinterpret_cast<char*>(b.data()), 5);
        return b;
    }());
    EmbeddedUi back;
    data.LoadUi(back);
    EXPECT_EQ(back.texts[0], "first");
    EXPECT_EQ(back.texts[1], std::string(32, 'x'));
    EXPECT_EQ(back.texts[2], "");
    EXPECT_EQ(back.texts[3], "trailing");
    // the password and the short text are not touched by the view
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 16), Bytes(16, 0));
}

TEST(EmbeddedData, PasswordOfBlanksOrErasedIsNone) {
    EmbeddedData data;
    data.SetDefaults({});
    data.SetPassword("        ");
    EXPECT_FALSE(data.HasPassword());
    data.SetPassword("1234");
    EXPECT_TRUE(data.HasPassword());
    EXPECT_EQ(data.Password(), "1234");
    EXPECT_EQ(data.Bytes()[4], ' ');
    data.Bytes()[0] = 0xFF;
    EXPECT_FALSE(data.HasPassword());
    data.SetText(2, "\xC3\xA9t\xC3\xA9"); // UTF-8 text fits whole
    EXPECT_EQ(data.Text(2), "\xC3\xA9t\xC3\xA9");
    data.SetText(0, std::string(31, 'a') + "\xC3\xA9"); // the cut never splits a character
    EXPECT_EQ(data.Text(0), std::string(31, 'a'));
}

// ---- Tune data and the tuning point table ----

TEST(TuneData, ValuesBigEndianAtTheirOffsets) {
    TuneData tune;
    tune.SetDefaults({});
    EXPECT_EQ(Bytes(tune.Bytes().begin(), tune.Bytes().end()), Bytes(532, 0xFF));
    EXPECT_TRUE(tune.SetValue(0x8002, 300));
    EXPECT_EQ(tune.Bytes()[0], 0x01);
    EXPECT_EQ(tune.Bytes()[1], 0x2C);
    EXPECT_TRUE(tune.SetValue(0x8484, 0xABCD));
    Image image = BlankImage();
    tune.StoreToImage(image);
    EXPECT_EQ(Slice(image, 0x1623 + 490, 2), (Bytes{0xAB, 0xCD}));
    EXPECT_TRUE(test::OnlyRegionWritten(image, 0x1623, 532));
    EXPECT_EQ(tune.Value(0x8002), 300);
}

TEST(TuneData, SharedOffsetsAndUnknownCodes) {
    TuneData tune;
    tune.SetDefaults({});
    tune.SetValue(0x8387, 0x1111);
    EXPECT_EQ(tune.Value(0x830D), 0x1111);
    EXPECT_EQ(TuningPointOffset(0x8387), 230u);
    EXPECT_EQ(TuningPointOffset(0x838A), 232u);
    EXPECT_EQ(TuningPointOffset(0x8212), 194u);
    EXPECT_EQ(TuningPointCount(), 149u);
    // a point the table does not know never lands on another point's value
    EXPECT_FALSE(TuningPointOffset(0x8001));
    EXPECT_FALSE(tune.SetValue(0x8001, 5));
    EXPECT_FALSE(tune.Value(0x8001));
    EXPECT_EQ(tune.Value(0x8002), 0xFFFF);
}

TEST(TuningPoints, ItemListAndPoints) {
    const auto items = ParseTuningItems(" 32768 , 4 ; 32800,1057;bad;33920,31;1,;32832,32799");
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], (TuningItem{0x8000, 4}));
    EXPECT_EQ(items[1], (TuningItem{0x8020, 0x0421}));

    const TuningItemPoints points = PointsOf(items[1]);
    EXPECT_EQ(points.wide, (std::vector<std::uint16_t>{0x8020}));
    EXPECT_EQ(points.middle, (std::vector<std::uint16_t>{0x8025}));
    EXPECT_EQ(points.narrow, (std::vector<std::uint16_t>{0x802A}));
    EXPECT_EQ(points.InitialSpacing(), TuningSpacing::Wide);
    EXPECT_FALSE(points.hasVolume);

    const TuningItemPoints narrowOnly = PointsOf({0x8300, 0x7C00});
    EXPECT_TRUE(narrowOnly.wide.empty() && narrowOnly.middle.empty());
    EXPECT_EQ(narrowOnly.narrow.size(), 5u);
    EXPECT_EQ(narrowOnly.InitialSpacing(), TuningSpacing::Narrow);
    EXPECT_EQ(PointsOf({0x8040, 0x8000 | 0x0020}).InitialSpacing(), TuningSpacing::Middle);
    EXPECT_TRUE(PointsOf(items[3]).hasVolume);

    EXPECT_EQ(TuningItemMaximum(0x8480), 1474);
    EXPECT_EQ(TuningItemMaximum(0x8050), 255);
    EXPECT_EQ(TestSwitchSelector(0x82FF), 'a');
    EXPECT_EQ(TestSwitchSelector(0x8300), 'b');
    EXPECT_EQ(TestSwitchSelector(0x848F), 'b');
    EXPECT_EQ(TestSwitchSelector(0x8490), 'a');
}

} // namespace
} // namespace tav
