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

} // namespace
} // namespace tav
