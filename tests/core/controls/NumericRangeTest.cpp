#include "core/controls/NumericRange.h"

#include "core/controls/SpinRules.h"

#include <gtest/gtest.h>
#include <limits>

namespace tav {
namespace {

// start, step, end, divisor, first, increment, decimals
const NumericRange kFives{0, 5, 20, 1, 0, 1, 0};
const NumericRange kOffFreq{400, 10, 2550, 1, 40, 1, 0};
const NumericRange kTenths{400, 1, 3000, 10, 0, 1, 1};
const char* const kOff = "Off";

TEST(NumericRangeTest, RawValuesShowAsDisplayValues) {
    EXPECT_EQ(kFives.RawToText(3), "15");
    EXPECT_EQ(kFives.RawToText(0), "0");
    EXPECT_EQ(NumericRange({5, 5, 50, 10, 1, 1, 1}).RawToText(2), "1.0");
    EXPECT_EQ(NumericRange({5, 5, 50, 10, 1, 1, 1}).RawToText(2, ','), "1,0");
    EXPECT_EQ(kTenths.RawToText(2485), "288.5");
    // With no decimals the divisor is not applied.
    EXPECT_EQ(NumericRange({0, 1, 100, 10, 0, 1, 0}).RawToText(55), "55");
    // Integer arithmetic truncates: raw 1 with two raw steps per display step.
    EXPECT_EQ(NumericRange({0, 5, 20, 1, 0, 2, 0}).RawToText(1), "2");
}

TEST(NumericRangeTest, OffEditShowsOffForRawZero) {
    EXPECT_EQ(kOffFreq.RawToTextWithOff(0, kOff), "Off");
    EXPECT_EQ(kOffFreq.RawToTextWithOff(41, kOff), "410");
}

TEST(NumericRangeTest, OffEditTakeBack) {
    EXPECT_EQ(kOffFreq.TakeBackWithOff("Off", kOff, 77), (NumericEntry{0, "Off"}));
    EXPECT_EQ(kOffFreq.TakeBackWithOff("", kOff, 77), (NumericEntry{0, "Off"}));
    EXPECT_EQ(kOffFreq.TakeBackWithOff("0", kOff, 77), (NumericEntry{0, "Off"}));
    // Smaller than one step snaps down to 0: off again.
    EXPECT_EQ(kOffFreq.TakeBackWithOff("9", kOff, 77), (NumericEntry{0, "Off"}));
    // Below min but not below a step: min.
    EXPECT_EQ(kOffFreq.TakeBackWithOff("10", kOff, 77), (NumericEntry{40, "400"}));
    EXPECT_EQ(kOffFreq.TakeBackWithOff("1234", kOff, 77), (NumericEntry{123, "1230"}));
    EXPECT_EQ(kOffFreq.TakeBackWithOff("9999", kOff, 77), (NumericEntry{255, "2550"}));
    EXPECT_EQ(kOffFreq.TakeBackWithOff("99999999999999999999", kOff, 77), (NumericEntry{255, "2550"}));
}

TEST(NumericRangeTest, PlainEditTakeBackSnapsAndClamps) {
    EXPECT_EQ(kFives.TakeBack("12", 0), (NumericEntry{2, "10"}));
    EXPECT_EQ(kFives.TakeBack("25", 0), (NumericEntry{4, "20"}));
    EXPECT_EQ(kFives.TakeBack("", 3), (NumericEntry{0, "0"}));
    EXPECT_EQ(kFives.TakeBack("-7", 3), (NumericEntry{0, "0"}));
    const NumericRange halves{5, 5, 50, 10, 1, 1, 1};
    EXPECT_EQ(halves.TakeBack("1.0", 0), (NumericEntry{2, "1.0"}));
    EXPECT_EQ(halves.TakeBack("2,7", 0, ','), (NumericEntry{5, "2,5"}));
    // Every shown value reads back as its own raw value.
    for (std::int32_t raw = 0; raw <= 4; ++raw) {
        EXPECT_EQ(kFives.TakeBack(kFives.RawToText(raw), -1).raw, raw);
    }
}

TEST(NumericRangeTest, DecimalEditTakeBackClampsWithoutSnapping) {
    EXPECT_EQ(kTenths.TakeBackDecimal("288.55", 0), (NumericEntry{2485, "288.5"}));
    EXPECT_EQ(kTenths.TakeBackDecimal("5", 0), (NumericEntry{0, "40.0"}));
    EXPECT_EQ(kTenths.TakeBackDecimal("abc", 9), (NumericEntry{0, "40.0"}));
    EXPECT_EQ(kTenths.TakeBackDecimal("1e9", 9), (NumericEntry{2600, "300.0"}));
    EXPECT_EQ(kTenths.TakeBackDecimal("100,3", 9, ','), (NumericEntry{603, "100,3"}));
    const NumericRange coarse{400, 50, 3000, 10, 0, 1, 1};
    EXPECT_EQ(coarse.TakeBackDecimal("41.2", 0), (NumericEntry{0, "41.2"}));
}

TEST(NumericRangeTest, HostileRangesKeepTheRawValue) {
    const NumericRange zeroStep{0, 0, 20, 1, 0, 1, 0};
    const NumericRange zeroIncrement{0, 5, 20, 1, 0, 0, 0};
    const NumericRange zeroDivisor{0, 5, 20, 0, 0, 1, 1};
    for (const NumericRange& range : {zeroStep, zeroIncrement, zeroDivisor, NumericRange{}}) {
        EXPECT_FALSE(range.IsUsable());
        EXPECT_EQ(range.RawToText(7), "7");
        EXPECT_EQ(range.TakeBack("12", 7), (NumericEntry{7, "7"}));
        EXPECT_EQ(range.TakeBackWithOff("12", kOff, 7), (NumericEntry{7, "7"}));
        EXPECT_EQ(range.TakeBackDecimal("12", 7), (NumericEntry{7, "7"}));
        EXPECT_EQ(SpinIntegerText(range, "12", SpinDirection::Up), "12");
        EXPECT_EQ(SpinDecimalText(range, "12", SpinDirection::Up), "12");
    }
    // Raw values whose conversion overflows 32 bits are not taken; extreme texts clamp cleanly.
    constexpr int kMax = std::numeric_limits<int>::max();
    const NumericRange huge{0, 1, kMax, 1, 0, kMax, 0};
    EXPECT_EQ(huge.TakeBack("2", 7).raw, 7);
    EXPECT_FALSE(huge.ValueToRaw(kMax));
    EXPECT_EQ(huge.RawToValue(kMax), 1);
    const NumericRange lowest{std::numeric_limits<int>::min(), -1, kMax, 1, 0, 1, 0};
    EXPECT_EQ(lowest.TakeBack("-99999999999999999999", 7), (NumericEntry{0, "-2147483648"}));
}

TEST(SpinRulesTest, DecimalSpinStepsAndWraps) {
    const NumericRange tones{3000, 10, 30000, 10, 0, 1, 1};
    EXPECT_EQ(SpinDecimalText(tones, "1000.0", SpinDirection::Up), "1001.0");
    EXPECT_EQ(SpinDecimalText(tones, "1000.0", SpinDirection::Down), "999.0");
    EXPECT_EQ(SpinDecimalText(tones, "3000.0", SpinDirection::Up), "300.0");
    EXPECT_EQ(SpinDecimalText(tones, "300.0", SpinDirection::Down), "3000.0");
    EXPECT_EQ(SpinDecimalText(tones, "", SpinDirection::Up), "300.0");
    EXPECT_EQ(SpinDecimalText(tones, "5000", SpinDirection::Down), "3000.0");
    EXPECT_EQ(SpinDecimalText(tones, "1000,0", SpinDirection::Up, ','), "1001,0");
    // 0.3 × 10 is not exactly 3 in floating point; the edge is still recognised.
    const NumericRange small{1, 1, 3, 10, 0, 1, 1};
    EXPECT_EQ(SpinDecimalText(small, "0.3", SpinDirection::Up), "0.1");
}

TEST(SpinRulesTest, IntegerSpinSnapsToTheStepAndWraps) {
    const NumericRange durations{0, 10, 2550, 1, 0, 1, 0};
    EXPECT_EQ(SpinIntegerText(durations, "125", SpinDirection::Up), "130");
    EXPECT_EQ(SpinIntegerText(durations, "125", SpinDirection::Down), "110");
    EXPECT_EQ(SpinIntegerText(durations, "2550", SpinDirection::Up), "0");
    EXPECT_EQ(SpinIntegerText(durations, "0", SpinDirection::Down), "2550");
    EXPECT_EQ(SpinIntegerText(durations, "99999999999999999999", SpinDirection::Up), "0");
}

TEST(SpinRulesTest, OffSpinGoesThroughOffBeyondBothEnds) {
    EXPECT_EQ(SpinIntegerTextWithOff(kOffFreq, kOff, kOff, SpinDirection::Up), "400");
    EXPECT_EQ(SpinIntegerTextWithOff(kOffFreq, kOff, kOff, SpinDirection::Down), "2550");
    EXPECT_EQ(SpinIntegerTextWithOff(kOffFreq, "400", kOff, SpinDirection::Down), "Off");
    EXPECT_EQ(SpinIntegerTextWithOff(kOffFreq, "400", kOff, SpinDirection::Up), "410");
    EXPECT_EQ(SpinIntegerTextWithOff(kOffFreq, "2550", kOff, SpinDirection::Up), "Off");
    EXPECT_EQ(SpinIntegerTextWithOff(kOffFreq, "2550", kOff, SpinDirection::Down), "2540");
    EXPECT_EQ(SpinIntegerTextWithOff(kOffFreq, "1000", kOff, SpinDirection::Up), "1010");
    EXPECT_EQ(SpinIntegerTextWithOff(kOffFreq, "5", kOff, SpinDirection::Up), "400");
}

} // namespace
} // namespace tav
