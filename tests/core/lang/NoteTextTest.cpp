#include "core/lang/NoteText.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(NoteText, EscapedControlCharactersBecomeThemselves) {
    EXPECT_EQ(UnescapeNoteText(R"(First\nSecond\tTab\rCR\bBS)"), "First\nSecond\tTab\rCR\bBS");
    EXPECT_EQ(UnescapeNoteText(R"(C:\path\x and a trailing \)"), R"(C:\path\x and a trailing \)");
    EXPECT_EQ(UnescapeNoteText(R"(\\n)"), "\\\n");
    EXPECT_EQ(UnescapeNoteText(""), "");
}

} // namespace
} // namespace tav
