#include "core/util/PrintableText.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(PrintableText, ControlCharactersAreEscapedAndTheRestPasses) {
    const struct {
        std::string in;
        std::string out;
    } cases[] = {
        {"TAV 310", "TAV 310"},
        {"two\nlines", "two\\nlines"},
        {"forged\nmodel-id: X", "forged\\nmodel-id: X"},
        {"tab\tcr\r", "tab\\tcr\\r"},
        {"\x1B[2J\x1B[H", "\\x1B[2J\\x1B[H"},
        {std::string("nul\0", 4), "nul\\x00"},
        {"del\x7F", "del\\x7F"},
        {"back\\slash", "back\\\\slash"},
        {"csi\xC2\x9B"
         "31m",
         "csi\\u009B31m"},
        {"\xE4\xB8\xAD\xE6\x96\x87 \xC2\xA0", "\xE4\xB8\xAD\xE6\x96\x87 \xC2\xA0"}, // CJK, no-break space
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeControls(c.in), c.out) << c.out;
    }
}

TEST(PrintableText, BytesThatAreNotUtf8AreShownByTheirValues) {
    const struct {
        const char* what;
        std::string in;
        std::string out;
    } cases[] = {
        {"a Latin-1 letter", "Caf\xE9", "Caf\\xE9"},
        {"a lone continuation byte", "a\x80z", "a\\x80z"},
        {"a sequence cut short before text", "\xE4\xB8x", "\\xE4\\xB8x"},
        {"a sequence cut short at the end", "ok\xF0\x9F\x93", "ok\\xF0\\x9F\\x93"},
        {"an overlong slash", "\xC0\xAF", "\\xC0\\xAF"},
        {"an overlong three-byte form", "\xE0\x80\xAF", "\\xE0\\x80\\xAF"},
        {"a surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        {"bytes never in UTF-8", "\xFE\xFF", "\\xFE\\xFF"},
        {"a broken sequence hiding an escape", "\xC3\x1B[2J", "\\xC3\\x1B[2J"},
        {"valid four bytes", "\xF0\x9F\x93\xBB", "\xF0\x9F\x93\xBB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EscapeControls(c.in), c.out) << c.what;
    }
}

} // namespace
} // namespace tav
