// The report page is declared UTF-8: whatever bytes a file's texts hold, the page is valid UTF-8.
#include "core/report/ReportHtml.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace tav {
namespace {

/// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or code points above U+10FFFF).
bool IsUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t n = b < 0x80                 ? 1
                        : b >= 0xC2 && b <= 0xDF ? 2
                        : b >= 0xE0 && b <= 0xEF ? 3
                        : b >= 0xF0 && b <= 0xF4 ? 4
                                                 : 0;
        if (n == 0 || i + n > text.size()) {
            return false;
        }
        std::uint32_t cp = n == 1 ? b : b & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < least[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += n;
    }
    return true;
}

const std::string kFffd = "\xEF\xBF\xBD";

TEST(ReportHtmlUtf8, InvalidSequencesBecomeReplacementCharacters) {
    const struct {
        const char* name;
        std::string in;
        std::string out;
    } cases[] = {
        {"valid text of every length", "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xBB",
         "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x93\xBB"},
        {"a Latin-1 byte", "Caf\xE9 x", "Caf" + kFffd + " x"},
        {"a lone continuation byte",
         "a\x80"
         "b",
         "a" + kFffd + "b"},
        {"C0 and C1 never lead", "\xC0\xAF\xC1\xBF", kFffd + kFffd + kFffd + kFffd},
        {"overlong three-byte form", "\xE0\x80\xAF", kFffd + kFffd + kFffd},
        {"surrogate", "\xED\xA0\x80", kFffd + kFffd + kFffd},
        {"above U+10FFFF", "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
        {"F5 to FF never lead", "\xF5\xFF", kFffd + kFffd},
        {"a sequence cut short by ASCII", "\xE4\xB8<", kFffd + "&lt;"},
        {"a sequence cut short at the end", "x\xF0\x9F\x93", "x" + kFffd},
        {"two cut sequences", "\xE4\xB8\xE4\xB8\xAD", kFffd + "\xE4\xB8\xAD"},
        {"control bytes still left out",
         std::string("a\x01\x1F"
                     "b\tc",
                     6),
         "ab\tc"},
    };
    for (const auto& c : cases) {
        const std::string escaped = ReportHtml::Escape(c.in);
        EXPECT_EQ(escaped, c.out) << c.name;
        EXPECT_TRUE(IsUtf8(escaped)) << c.name;
    }
}

TEST(ReportHtmlUtf8, EveryByteStringGivesValidUtf8) {
    // Every pair and a sample of triples of bytes, each between ASCII letters.
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            std::string in = "x";
            in += static_cast<char>(a);
            in += static_cast<char>(b);
            in += static_cast<char>((a * 7 + b) & 0xFF);
            in += "y";
            const std::string escaped = ReportHtml::Escape(in);
            ASSERT_TRUE(IsUtf8(escaped)) << a << " " << b;
            ASSERT_EQ(escaped.front(), 'x');
            ASSERT_EQ(escaped.back(), 'y');
        }
    }
}

} // namespace
} // namespace tav
