#include "core/data/RadioInfoData.h"

#include "BlockTestSupport.h"
#include "support/FakeTextLookup.h"
#include "core/data/ImageMap.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::Slice;
using test::ToVector;
using Bytes = std::vector<std::uint8_t>;

DataContext Context136() {
    DataContext context;
    context.rangeLowMHz = 136;
    context.rangeHighMHz = 174;
    context.rangeFlags = 0x81;
    context.signalType = 2;
    context.modelName = "TR-100 VHF Radio";
    context.firmwareVersion = "1.04.01-beta";
    return context;
}

TEST(RadioInfoData, DefaultsInImage) {
    RadioInfoData info;
    info.SetDefaults(Context136(), FixedWallClock({2024, 3, 9, 14, 5, 7}));
    Image image = BlankImage();
    info.StoreToImage(image);
    EXPECT_TRUE(test::OnlyRegionWritten(image, ImageMap::kRadioInfo, ImageMap::kRadioInfoSize));
    // model name cut to 12 bytes
    EXPECT_EQ(Slice(image, 0x10, 12), Bytes({'T', 'R', '-', '1', '0', '0', ' ', 'V', 'H', 'F', ' ', 'R'}));
    EXPECT_EQ(image[0x1C], 0x81);
    EXPECT_EQ(image[0x1D], 0xFF);
    EXPECT_EQ(image[0x1E], 2);
    EXPECT_EQ(image[0x1F], 0xFF);
    EXPECT_EQ(Slice(image, 0x20, 8), (Bytes{7, 5, 14, 9, 3, 24, 20, 0}));
    // band edges 0x13600000 and 0x17400000, least significant byte first
    EXPECT_EQ(Slice(image, 0x28, 8), (Bytes{0x00, 0x00, 0x60, 0x13, 0x00, 0x00, 0x40, 0x17}));
    EXPECT_EQ(info.LowerEdge(), 0x13600000u);
    EXPECT_EQ(info.UpperEdge(), 0x17400000u);
    EXPECT_EQ(Slice(image, 0x30, 24), Bytes(24, 0xFF));
    EXPECT_EQ(Slice(image, 0x48, 16), Bytes(16, '-'));
    EXPECT_EQ(info.SerialNumber(), "----------------");
}

TEST(RadioInfoData, ShortNameIsZeroFilled) {
    DataContext context = Context136();
    context.modelName = "TR1";
    RadioInfoData info;
    info.SetDefaults(context, FixedWallClock({}));
    EXPECT_EQ(ToVector(info.Bytes().first(12)), (Bytes{'T', 'R', '1', 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(info.ModelName(), "TR1");
}

TEST(RadioInfoData, ProgrammingDateAccessors) {
    RadioInfoData info;
    info.SetDefaults(Context136(), FixedWallClock({}));
    info.SetProgrammingDate({2009, 12, 31, 23, 59, 59});
    EXPECT_EQ(info.ProgrammingDateBytes(), (ProgrammingDate{59, 59, 23, 31, 12, 9, 20, 0}));
    const LocalDateTime back = info.GetProgrammingDate();
    EXPECT_EQ(back.year, 2009);
    EXPECT_EQ(back.second, 59);
    Image image = BlankImage();
    info.StoreToImage(image);
    EXPECT_EQ(Slice(image, ImageMap::kProgrammingDate, 8), (Bytes{59, 59, 23, 31, 12, 9, 20, 0}));
}

TEST(RadioInfoData, LastProgrammedTextClampsEachPart) {
    EXPECT_EQ(FormatLastProgrammed({59, 59, 23, 31, 12, 9, 20, 0}), "2009-12-31 23:59:59");
    EXPECT_EQ(FormatLastProgrammed({59, 59, 24, 31, 12, 9, 20, 0}), "2009-12-31 00:59:59");
    EXPECT_EQ(FormatLastProgrammed({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), "2037-12-31 00:59:59");
    EXPECT_EQ(FormatLastProgrammed({60, 60, 0, 32, 13, 38, 20, 0}), "2037-12-31 00:59:59");
    EXPECT_EQ(FormatLastProgrammed({0, 0, 0, 1, 1, 37, 20, 0}), "2037-01-01 00:00:00");
}

TEST(RadioInfoData, ViewTexts) {
    test::FakeTextLookup texts;
    texts.lists[RadioInfoData::kSignalingTypeListId] = {{2, "Data"}};
    Image image = BlankImage();
    const Bytes serial = {'S', 'N', '1', '2', 0, 'x'};
    std::copy(serial.begin(), serial.end(), image.begin() + 0x48);
    const Bytes date = {1, 2, 3, 4, 5, 6, 20, 0};
    std::copy(date.begin(), date.end(), image.begin() + 0x20);
    RadioInfoData info;
    info.LoadFromImage(image);
    RadioInfoUi ui;
    info.LoadUi(ui, texts, Context136());
    EXPECT_EQ(ui.modelName, "TR-100 VHF Radio");
    EXPECT_EQ(ui.frequencyRange, "136-174");
    EXPECT_EQ(ui.serialNumber, "SN12");
    EXPECT_EQ(ui.firmwareVersion, "V1.04.01");
    EXPECT_EQ(ui.signalingType, "Data");
    EXPECT_EQ(ui.lastProgrammed, "2006-05-04 03:02:01");
}

TEST(RadioInfoData, UnterminatedSerialReadsSixteenCharacters) {
    Image image = test::RandomImage(11);
    std::fill_n(image.begin() + 0x48, 16, 'A');
    RadioInfoData info;
    info.LoadFromImage(image);
    EXPECT_EQ(info.SerialNumber(), std::string(16, 'A'));
}

} // namespace
} // namespace tav
