#include "core/factory/TestFreqData.h"

#include "../data/blocks/BlockTestSupport.h"
#include "core/data/ImageMap.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using Bytes = std::vector<std::uint8_t>;

TestFreqData Defaults(int low, int high) {
    TestFreqData data;
    DataContext context;
    context.rangeLowMHz = static_cast<std::uint16_t>(low);
    context.rangeHighMHz = static_cast<std::uint16_t>(high);
    data.SetDefaults(context);
    return data;
}

TEST(TestFreqData, DefaultsSpreadOverTheRange) {
    const TestFreqData data = Defaults(400, 470);
    const TestFreqTexts t = data.ToTexts();
    // D = 435, E = 417, F = 408, G = 426, K = 452, I = 443, M = 461
    const char* tx[] = {"400.00000", "408.00000", "417.00000", "426.00000", "435.00000",
                        "443.00000", "452.00000", "461.00000", "470.00000"};
    const char* rx[] = {"400.15000", "408.15000", "416.85000", "425.85000", "435.15000",
                        "443.15000", "451.85000", "460.85000", "469.85000"};
    for (std::size_t k = 0; k < 9; ++k) {
        EXPECT_EQ(t[TestFreqData::ChannelTxText(k)], tx[k]) << k;
        EXPECT_EQ(t[TestFreqData::ChannelRxText(k)], rx[k]) << k;
        EXPECT_EQ(data.ChannelRxStep(k), 6);
        EXPECT_EQ(data.ChannelTxStep(k), 6);
    }
    for (std::size_t k = 9; k < 16; ++k) {
        EXPECT_EQ(t[TestFreqData::ChannelTxText(k)], "");
        EXPECT_EQ(t[TestFreqData::ChannelRxText(k)], "");
        EXPECT_EQ(data.ChannelRxStep(k), 0);
    }
    const char* tuneTx[] = {"400.00000", "417.00000", "435.00000", "452.00000", "470.00000"};
    const char* tuneRx[] = {"400.15000", "417.15000", "435.15000", "452.15000", "469.85000"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(t[TestFreqData::TuningTxText(i)], tuneTx[i]) << i;
        EXPECT_EQ(t[TestFreqData::TuningRxText(i)], tuneRx[i]) << i;
        EXPECT_EQ(data.Bytes()[TestFreqData::kTuningStepOffset + i], 0x66);
    }
}

TEST(TestFreqData, DefaultBytesInImage) {
    const TestFreqData data = Defaults(136, 174);
    Image image = BlankImage();
    data.StoreToImage(image);
    EXPECT_TRUE(test::OnlyRegionWritten(image, ImageMap::kTestFreqs, ImageMap::kTestFreqsSize));
    // channel 0: receive 136.15 MHz, transmit 136 MHz, host-order words, step codes 6
    EXPECT_EQ(test::Slice(image, 0x135B, 10), (Bytes{0x00, 0x50, 0x61, 0x13, 0x00, 0x00, 0x60, 0x13, 6, 6}));
    EXPECT_EQ(test::Slice(image, 0x135B + 90, 70), Bytes(70, 0));
    // tuning point 4: receive 173.85 MHz, transmit 174 MHz
    EXPECT_EQ(test::Slice(image, 0x135B + 176, 4), (Bytes{0x00, 0x50, 0x38, 0x17}));
    EXPECT_EQ(test::Slice(image, 0x135B + 196, 4), (Bytes{0x00, 0x00, 0x40, 0x17}));
}

TEST(TestFreqData, TextsOffRasterEmptyAndRoundTrip) {
    TestFreqData data = Defaults(400, 470);
    TestFreqTexts texts = data.ToTexts();
    texts[TestFreqData::ChannelRxText(0)] = "400.126";
    texts[TestFreqData::ChannelTxText(0)] = "400.125";
    texts[TestFreqData::ChannelRxText(1)] = "";
    texts[TestFreqData::TuningTxText(2)] = "136.15"; // not exact in binary floating point
    texts[TestFreqData::TuningRxText(2)] = "400.005";
    data.FromTexts(texts);
    EXPECT_EQ(data.ChannelRx(0), 0x40012500u);
    EXPECT_EQ(data.ChannelRxStep(0), 6);
    EXPECT_EQ(data.ChannelTx(0), 0x40012500u);
    EXPECT_EQ(data.ChannelTxStep(0), 6);
    EXPECT_EQ(data.ChannelRx(1), 0u);
    EXPECT_EQ(data.ChannelRxStep(1), 0);
    EXPECT_EQ(data.TuningTx(2), 0x13615000u);
    EXPECT_EQ(data.TuningRx(2), 0x40000500u);
    EXPECT_EQ(data.Bytes()[TestFreqData::kTuningStepOffset + 2], 0x62);

    const TestFreqTexts again = data.ToTexts();
    EXPECT_EQ(again[TestFreqData::ChannelRxText(0)], "400.12500");
    EXPECT_EQ(again[TestFreqData::ChannelRxText(1)], "");
    const std::vector<std::uint8_t> before(data.Bytes().begin(), data.Bytes().end());
    data.FromTexts(again);
    EXPECT_EQ(std::vector<std::uint8_t>(data.Bytes().begin(), data.Bytes().end()), before);
}

TEST(TestFreqData, TextParsing) {
    EXPECT_EQ(ParseTestFreqText("400.126"), 40012600u);
    EXPECT_EQ(ParseTestFreqText("400.1234567"), 40012345u); // truncated, never rounded up
    EXPECT_EQ(ParseTestFreqText("136.15"), 13615000u);
    EXPECT_EQ(ParseTestFreqText("400,5", ','), 40050000u);
    EXPECT_EQ(ParseTestFreqText(" 7"), 700000u);
    EXPECT_EQ(ParseTestFreqText(".5"), 50000u);
    EXPECT_EQ(ParseTestFreqText(""), 0u);
    EXPECT_EQ(ParseTestFreqText("abc"), 0u);
    EXPECT_EQ(ParseTestFreqText("-400"), 0u);
    EXPECT_EQ(ParseTestFreqText("99999999999"), kMaxFreqCount);
    EXPECT_EQ(TestFreqText(0), "");
    EXPECT_EQ(TestFreqText(kNoFreq), "");
    EXPECT_EQ(TestFreqText(0x40012500), "400.12500");
}

TEST(TestFreqData, ExtremeRangesStayWithinEightDigits) {
    const TestFreqData low = Defaults(0, 0);
    EXPECT_EQ(low.ChannelRx(2), 0u); // 0 MHz - 150 kHz does not wrap
    const TestFreqData high = Defaults(65535, 65535);
    EXPECT_EQ(high.ChannelTx(0), FreqToBcd(kMaxFreqCount - kMaxFreqCount % 1250));
}

} // namespace
} // namespace tav
