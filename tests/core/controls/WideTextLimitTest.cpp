#include "core/controls/WideTextLimit.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(WideTextLimit, CountsCharactersOutsideAsciiAsTwoBytes) {
    EXPECT_EQ(RadioTextBytes(U"abc"), 3u);
    EXPECT_EQ(RadioTextBytes(U"a\u4e2d\u6587"), 5u);
    EXPECT_EQ(RadioTextBytes(std::u32string_view(U"ab\0cd", 5)), 2u); // a NUL ends the text
}

TEST(WideTextLimit, KeepsWholeCharactersWithinTheLimit) {
    EXPECT_EQ(LimitedCharCount(U"abcdef", 4), 4u);
    EXPECT_EQ(LimitedCharCount(U"abc\u4e2d", 4), 3u); // the second byte would fall past the limit
    EXPECT_EQ(LimitedCharCount(U"ab\u4e2d", 4), 3u);
    EXPECT_EQ(LimitedCharCount(U"\u4e2d\u6587x", 3), 1u);
    EXPECT_EQ(LimitedCharCount(U"abc", 0), 0u);
    EXPECT_EQ(LimitedCharCount(std::u32string(300, U'x'), 1000), 255u); // the limit is at most 255
}

} // namespace
} // namespace tav
