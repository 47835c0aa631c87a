#include "core/controls/CharFilter.h"

#include "core/controls/CellEditKeys.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(CharFilterTest, TypingPassesOnlyAllowedCharactersAndEditingKeys) {
    CharFilter filter("0123456789");
    EXPECT_EQ(filter.OnChar(U'5', false), KeyAction::Pass);
    EXPECT_EQ(filter.OnChar(U'a', false), KeyAction::DropAndBeep);
    EXPECT_EQ(filter.OnChar(U'.', false), KeyAction::DropAndBeep);
    EXPECT_EQ(filter.OnChar(U'\b', false), KeyAction::Pass);
    EXPECT_EQ(filter.OnChar(U'\n', false), KeyAction::Pass);
    EXPECT_EQ(filter.OnChar(U'\r', false), KeyAction::Pass);
    EXPECT_EQ(filter.OnChar(U'\u0135', false), KeyAction::DropAndBeep);
    filter.AddAllowed(',');
    EXPECT_EQ(filter.OnChar(U',', false), KeyAction::Pass);
    filter.SetAllowed("01234567");
    EXPECT_EQ(filter.OnChar(U'8', false), KeyAction::DropAndBeep);
    EXPECT_EQ(filter.Allowed(), "01234567");
}

TEST(CharFilterTest, ControlShortcutsBecomeClipboardCommands) {
    const CharFilter filter("0123456789");
    EXPECT_EQ(filter.OnChar(U'c', true), KeyAction::Copy);
    EXPECT_EQ(filter.OnChar(U'V', true), KeyAction::Paste);
    EXPECT_EQ(filter.OnChar(0x18, true), KeyAction::Cut);
    EXPECT_EQ(filter.OnChar(U'z', true), KeyAction::Undo);
    // Without Ctrl the letters are ordinary characters, and other Ctrl keys are filtered as typed.
    EXPECT_EQ(filter.OnChar(U'c', false), KeyAction::DropAndBeep);
    EXPECT_EQ(filter.OnChar(0x01, true), KeyAction::DropAndBeep);
    EXPECT_EQ(filter.OnChar(U'7', true), KeyAction::Pass);
}

TEST(CharFilterTest, PasteIsDroppedWholeWhenAnyCharacterIsNotAllowed) {
    const CharFilter filter("0123456789");
    EXPECT_TRUE(filter.AcceptsPaste(U"1234"));
    EXPECT_FALSE(filter.AcceptsPaste(U"12a"));
    EXPECT_TRUE(filter.AcceptsPaste(U""));
    const CharFilter latin("\xE9");
    EXPECT_TRUE(latin.AcceptsPaste(U"\u00E9"));
}

TEST(CellEditKeysTest, StartKeyDecidesSelectionAndTyping) {
    EXPECT_EQ(DecideCellEditStart(cellkey::kReturn), (CellEditStart{false, false}));
    EXPECT_EQ(DecideCellEditStart(cellkey::kMouseClick), (CellEditStart{false, false}));
    EXPECT_EQ(DecideCellEditStart(cellkey::kTab), (CellEditStart{true, false}));
    EXPECT_EQ(DecideCellEditStart(cellkey::kSpace), (CellEditStart{true, false}));
    EXPECT_EQ(DecideCellEditStart(cellkey::kDown), (CellEditStart{true, false}));
    EXPECT_EQ(DecideCellEditStart(cellkey::kBackspace), (CellEditStart{false, true}));
    EXPECT_EQ(DecideCellEditStart('4'), (CellEditStart{true, true}));
    EXPECT_TRUE(IsCellNavigationKey(cellkey::kPageUp));
    EXPECT_FALSE(IsCellNavigationKey(cellkey::kHome));
    EXPECT_TRUE(NavigationEndsCellEdit('4', false));
    EXPECT_FALSE(NavigationEndsCellEdit(cellkey::kMouseClick, false));
    EXPECT_TRUE(NavigationEndsCellEdit(cellkey::kMouseClick, true));
}

} // namespace
} // namespace tav
