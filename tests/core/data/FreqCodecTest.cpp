#include "core/data/FreqCodec.h"

#include "core/data/FreqRaster.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(FreqCodecTest, BcdRoundTripsEveryDigitPosition) {
    EXPECT_EQ(FreqToBcd(40012500), 0x40012500u);
    EXPECT_EQ(BcdToFreq(0x40012500), 40012500u);
    EXPECT_EQ(FreqToBcd(0), 0u);
    EXPECT_EQ(FreqToBcd(12500), 0x00012500u);
    EXPECT_EQ(BcdToFreq(0x00012500), 12500u);
    for (const std::uint32_t count : {1u, 98765432u, 13600000u, 17400000u, kMaxFreqCount}) {
        EXPECT_EQ(BcdToFreq(FreqToBcd(count)), count) << count;
    }
    EXPECT_DOUBLE_EQ(BcdToMHz(0x40012500), 400.125);
}

TEST(FreqCodecTest, BcdOrderFollowsFrequencyOrder) {
    EXPECT_LT(FreqToBcd(13600000), FreqToBcd(17400000));
    EXPECT_LT(FreqToBcd(9999999), FreqToBcd(10000000));
    EXPECT_LT(FreqToBcd(kMaxFreqCount), kNoFreq);
}

TEST(FreqCodecTest, UnrepresentableOrDamagedValuesGiveClearResults) {
    // 1000 MHz and more do not fit eight digits: saturated, never spilled into other digits.
    EXPECT_EQ(FreqToBcd(100000000), 0x99999999u);
    EXPECT_EQ(FreqToBcd(0xFFFFFFFF), 0x99999999u);
    EXPECT_EQ(BcdToFreq(kNoFreq), 0u);
    EXPECT_FALSE(IsValidBcd(0x4001A500));
    EXPECT_EQ(BcdToFreq(0x4001A500), 0u);
    EXPECT_TRUE(IsValidBcd(0x99999999));
}

TEST(FreqCodecTest, ParsesMegahertzRoundedToTenHertz) {
    EXPECT_EQ(ParseFreq("400.125"), 40012500u);
    EXPECT_EQ(ParseFreq("400.0125"), 40001250u);
    EXPECT_EQ(ParseFreq("400.003"), 40000300u);
    EXPECT_EQ(ParseFreq("400.0037"), 40000370u);
    EXPECT_EQ(ParseFreq("400.000004"), 40000000u);
    EXPECT_EQ(ParseFreq("400.000006"), 40000001u);
    EXPECT_EQ(ParseFreq("1000"), 100000000u);
    EXPECT_EQ(ParseFreq("136,5", ','), 13650000u);
    EXPECT_EQ(ParseFreq("136.5", ','), 13650000u);
}

TEST(FreqCodecTest, BadFrequencyTextGivesZeroOrSaturates) {
    EXPECT_EQ(ParseFreq(""), 0u);
    EXPECT_EQ(ParseFreq("abc"), 0u);
    EXPECT_EQ(ParseFreq("-5"), 0u);
    EXPECT_EQ(ParseFreq("999999999"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseFreq("1e30"), 0xFFFFFFFFu);
}

TEST(FreqCodecTest, FormatsFiveDecimals) {
    EXPECT_EQ(FormatFreq(40012500), "400.12500");
    EXPECT_EQ(FormatFreq(40000250), "400.00250");
    EXPECT_EQ(FormatFreq(0), "0.00000");
    EXPECT_EQ(FormatFreq(7), "0.00007");
    EXPECT_EQ(FormatFreq(13600000, ','), "136,00000");
    EXPECT_EQ(ParseFreq(FormatFreq(98765432)), 98765432u);
}

TEST(FreqCodecTest, MegahertzLimitsSaturate) {
    EXPECT_EQ(MHzToCount(400), 40000000u);
    EXPECT_EQ(MHzToCount(-1), 0u);
    EXPECT_EQ(MHzToCount(999), 99900000u);
    EXPECT_EQ(MHzToCount(1000), kMaxFreqCount);
    EXPECT_EQ(MHzToCount(1LL << 40), kMaxFreqCount);
}

TEST(FreqRasterTest, ClassifiesByRasterInOrder) {
    EXPECT_EQ(ClassifyStep(40001250), (StepClass{StepCode::Raster12_5k, 40001250}));
    // On both the 12.5 and the 5 kHz raster: 12.5 kHz wins.
    EXPECT_EQ(ClassifyStep(40002500), (StepClass{StepCode::Raster12_5k, 40002500}));
    EXPECT_EQ(ClassifyStep(40001000), (StepClass{StepCode::Raster10k, 40001000}));
    EXPECT_EQ(ClassifyStep(40000625), (StepClass{StepCode::Raster6_25k, 40000625}));
    EXPECT_EQ(ClassifyStep(40000500), (StepClass{StepCode::Raster5k, 40000500}));
    EXPECT_EQ(ClassifyStep(40000300), (StepClass{StepCode::Raster12_5k, 40000000}));
    EXPECT_EQ(ClassifyStep(40001249), (StepClass{StepCode::Raster12_5k, 40000000}));
    EXPECT_EQ(ClassifyStep(0), (StepClass{StepCode::Raster12_5k, 0}));
    EXPECT_EQ(static_cast<int>(StepCode::Raster12_5k), 6);
    EXPECT_EQ(static_cast<int>(StepCode::Raster10k), 7);
}

TEST(FreqRasterTest, GridRoundsOffRasterDownToTwoAndAHalfKilohertz) {
    EXPECT_EQ(ClassifyStepGrid(40001250), (GridStepClass{GridStepCode::Raster12_5k, 40001250}));
    EXPECT_EQ(ClassifyStepGrid(40001000), (GridStepClass{GridStepCode::Raster10k, 40001000}));
    EXPECT_EQ(ClassifyStepGrid(40000625), (GridStepClass{GridStepCode::Raster6_25k, 40000625}));
    EXPECT_EQ(ClassifyStepGrid(40000500), (GridStepClass{GridStepCode::Raster5k, 40000500}));
    EXPECT_EQ(ClassifyStepGrid(40000370), (GridStepClass{GridStepCode::OffRaster, 40000250}));
    EXPECT_EQ(ClassifyStepGrid(40000249), (GridStepClass{GridStepCode::OffRaster, 40000000}));
    EXPECT_EQ(static_cast<char>(GridStepCode::OffRaster), '3');
    EXPECT_EQ(static_cast<char>(GridStepCode::Raster12_5k), '5');
}

} // namespace
} // namespace tav
