#include "core/controls/DigitString.h"
#include "core/controls/TextLimit.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(TextLimitTest, LimitIsKeptWithinOneByte) {
    EXPECT_EQ(NormalizeMaxBytes(8), 8);
    EXPECT_EQ(NormalizeMaxBytes(256), 255);
    EXPECT_EQ(NormalizeMaxBytes(100000), 255);
    EXPECT_EQ(NormalizeMaxBytes(-1), 0);
}

TEST(TextLimitTest, LongTextIsCutAndReported) {
    EXPECT_EQ(LimitTextBytes("abcdef", 4), (LimitedText{"abcd", true}));
    EXPECT_EQ(LimitTextBytes("abcd", 4), (LimitedText{"abcd", false}));
    EXPECT_EQ(LimitTextBytes("ab", 0), (LimitedText{"", true}));
    EXPECT_EQ(LimitTextBytes(std::string(300, 'x'), 999), (LimitedText{std::string(255, 'x'), true}));
}

TEST(TextLimitTest, DoubleByteCharacterCutInHalfIsRemovedWhole) {
    // Two double-byte characters; the limit falls between the lead and trail byte of the second.
    const std::string text = "a\xB0\xA1\xB0\xA1";
    EXPECT_EQ(LimitTextBytes(text, 4), (LimitedText{"a\xB0\xA1", true}));
    EXPECT_EQ(LimitTextBytes(text, 3), (LimitedText{"a\xB0\xA1", true}));
    EXPECT_EQ(LimitTextBytes(text, 2), (LimitedText{"a", true}));
    EXPECT_EQ(LimitTextBytes(text, 5), (LimitedText{text, false}));
}

TEST(DigitStringTest, BytesShowAsPackedDigits) {
    const std::uint8_t bytes[] = {0x00, 0x00, 0x00, 0x00, 0x12, 0x34};
    EXPECT_EQ(DigitStringFromBytes(bytes).text, "000000001234");
    const std::uint8_t blank[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DigitStringFromBytes(blank).text, "FFFFFFFFFFFF");
    // A short buffer is not read past; the missing bytes are zero.
    const std::uint8_t shortBuffer[] = {0x98};
    EXPECT_EQ(DigitStringFromBytes(shortBuffer, 4), (DigitStringEntry{{0x98, 0x00}, "9800"}));
}

TEST(DigitStringTest, TextIsPaddedAndPacked) {
    EXPECT_EQ(DigitStringFromText("1234"),
              (DigitStringEntry{{0x00, 0x00, 0x00, 0x00, 0x12, 0x34}, "000000001234"}));
    EXPECT_EQ(DigitStringFromText(""), (DigitStringEntry{{0, 0, 0, 0, 0, 0}, "000000000000"}));
    EXPECT_EQ(DigitStringFromText("1234567890123456", 4), (DigitStringEntry{{0x12, 0x34}, "1234"}));
    EXPECT_EQ(DigitStringFromText("1x2", 4), (DigitStringEntry{{0x00, 0x12}, "0012"}));
}

TEST(DigitStringTest, UntouchedTextGivesItsBytesBack) {
    const std::uint8_t blank[] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const DigitStringEntry shown = DigitStringFromBytes(blank);
    EXPECT_EQ(DigitStringFromText(shown.text), shown);
    EXPECT_EQ(DigitStringFromText("ab").bytes.back(), 0xAB);
}

TEST(DigitStringTest, DigitCountIsMadeEvenAndBounded) {
    EXPECT_EQ(NormalizeDigitCount(12), 12);
    EXPECT_EQ(NormalizeDigitCount(5), 4);
    EXPECT_EQ(NormalizeDigitCount(-3), 0);
    EXPECT_EQ(NormalizeDigitCount(1000), kMaxDigitCount);
    EXPECT_EQ(DigitStringFromText("123", 0), DigitStringEntry{});
}

} // namespace
} // namespace tav
