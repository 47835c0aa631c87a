#include "core/util/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tav {
namespace {

TEST(NumberTextTest, ReadsDecimalNumbersLikeStrtodWithoutTheGlobalLocale) {
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("400.125"), 400.125);
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("400,125", ','), 400.125);
    // '.' is always a decimal point, whatever the locale's separator.
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("400.125", ','), 400.125);
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("  -12.5xyz"), -12.5);
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("7."), 7.0);
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("4e2"), 400.0);
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("4e"), 4.0);
    EXPECT_DOUBLE_EQ(*ReadDecimalNumber("1.2.3"), 1.2);
}

TEST(NumberTextTest, TextWithoutDigitsReadsNothing) {
    EXPECT_FALSE(ReadDecimalNumber(""));
    EXPECT_FALSE(ReadDecimalNumber("."));
    EXPECT_FALSE(ReadDecimalNumber("-"));
    EXPECT_FALSE(ReadDecimalNumber("inf"));
    EXPECT_FALSE(ReadDecimalNumber("nan"));
    EXPECT_FALSE(ReadDecimalInteger(" x1"));
    EXPECT_FALSE(ReadDecimalInteger("+"));
}

TEST(NumberTextTest, HugeNumbersSaturateInsteadOfOverflowing) {
    EXPECT_TRUE(std::isinf(*ReadDecimalNumber("1e999")));
    EXPECT_EQ(*ReadDecimalNumber("1e-999"), 0.0);
    EXPECT_EQ(*ReadDecimalInteger("99999999999999999999999"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(*ReadDecimalInteger("-99999999999999999999999"), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(*ReadDecimalInteger(" -42abc"), -42);
    EXPECT_EQ(SaturateToInt32(1LL << 40), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TruncateToInt64(std::nan("")), 0);
    EXPECT_EQ(TruncateToInt64(1e300), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(TruncateToInt64(-2.9), -2);
}

TEST(NumberTextTest, FormatsFixedDecimalsWithTheGivenSeparator) {
    EXPECT_EQ(FormatFixed(288.5, 1), "288.5");
    EXPECT_EQ(FormatFixed(40.0, 1, ','), "40,0");
    EXPECT_EQ(FormatFixed(1.0 / 3.0, 2), "0.33");
    EXPECT_EQ(FormatFixed(2.5, 0), "2");
    EXPECT_EQ(FormatFixed(1.0, 50), "1.000000000");
    EXPECT_EQ(FormatFixed(1.0, -3), "1");
}

} // namespace
} // namespace tav
