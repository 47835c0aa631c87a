#include "core/lang/MessageFormat.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(MessageFormat, FillsTheFirstConversionLikePrintf) {
    EXPECT_EQ(FillMessage("Reading failed at address %04X.", 0x200), "Reading failed at address 0200.");
    EXPECT_EQ(FillMessage("Reading: %d", 42), "Reading: 42");
    EXPECT_EQ(FillMessage("%x|%5d|%-4d|", 255), "ff|%5d|%-4d|");
    EXPECT_EQ(FillMessage("[%5d]", -42), "[  -42]");
    EXPECT_EQ(FillMessage("[%05d]", -42), "[-0042]");
    EXPECT_EQ(FillMessage("[%-5d]", 7), "[7    ]");
    EXPECT_EQ(FillMessage("Band %s MHz", std::string_view("400-470")), "Band 400-470 MHz");
    EXPECT_EQ(FillMessage("Band %s MHz", 12), "Band 12 MHz");
}

TEST(MessageFormat, HostileTextsAreNeverFormats) {
    EXPECT_EQ(FillMessage("100%% done", 1), "100% done");
    EXPECT_EQ(FillMessage("No value here", 1), "No value here");
    EXPECT_EQ(FillMessage("%s%s%s%n%p", std::string_view("x")), "x%s%s%n%p");
    EXPECT_EQ(FillMessage("%999999999d and %", 5), "%999999999d and %");
    EXPECT_EQ(FillMessage("trailing %", 5), "trailing %");
    EXPECT_EQ(FillMessage("%X", -1), "FFFFFFFF");
}

} // namespace
} // namespace tav
