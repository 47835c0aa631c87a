#include "core/lang/ListText.h"

#include <gtest/gtest.h>
#include <random>

namespace tav {
namespace {

std::vector<int> Values(const std::vector<ListItem>& items) {
    std::vector<int> values;
    for (const auto& item : items) {
        values.push_back(item.value);
    }
    return values;
}

std::vector<std::string> TextsOf(const std::vector<ListItem>& items) {
    std::vector<std::string> texts;
    for (const auto& item : items) {
        texts.push_back(item.text);
    }
    return texts;
}

TEST(ListText, WholeNumberRangeFillsAndConvertsBothWays) {
    const std::string list = "0:5:20:1:0:1:0";
    const auto items = ListText::Items(list);
    EXPECT_EQ(TextsOf(items), (std::vector<std::string>{"0", "5", "10", "15", "20"}));
    EXPECT_EQ(Values(items), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(ListText::ValueToText(list, 3), "15");
    EXPECT_EQ(ListText::TextToValue(list, "15"), 3);
    EXPECT_EQ(ListText::ValueToText(list, 5), "");
    EXPECT_EQ(ListText::ValueToText(list, -1), "");
    // Text to value converts any number, also one outside the range.
    EXPECT_EQ(ListText::TextToValue(list, "25"), 5);
    EXPECT_EQ(ListText::TextToValue(list, "abc"), -1);
}

TEST(ListText, DecimalRangeAbsorbsBinaryFractionError) {
    const std::string list = "5:5:50:10:1:1:1";
    const auto items = ListText::Items(list);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items.front(), (ListItem{1, "0.5"}));
    EXPECT_EQ(items[1], (ListItem{2, "1.0"}));
    EXPECT_EQ(items.back(), (ListItem{10, "5.0"}));
    EXPECT_EQ(ListText::TextToValue(list, "1.0"), 2);
    for (const auto& item : items) {
        EXPECT_EQ(ListText::ValueToText(list, item.value), item.text);
        EXPECT_EQ(ListText::TextToValue(list, item.text), item.value);
    }
    // Negative numbers convert as their positive counterparts do.
    const std::string offsets = "-50:1:50:10:0:1:1";
    EXPECT_EQ(ListText::ValueToText(offsets, 5), "-4.5");
    EXPECT_EQ(ListText::TextToValue(offsets, "-4.5"), 5);
    EXPECT_EQ(ListText::TextToValue(offsets, "-0.1"), 49);
}

TEST(ListText, ValueItemsSplitAtTheFirstDot) {
    const std::string list = "12.Ver. 1.2;-1.None;3.Time: 5 s;.x;noitem;;7.";
    const auto items = ListText::Items(list);
    EXPECT_EQ(items, (std::vector<ListItem>{{12, "Ver. 1.2"}, {-1, "None"}, {3, "Time: 5 s"}, {7, ""}}));
    EXPECT_EQ(ListText::ValueToText(list, 12), "Ver. 1.2");
    EXPECT_EQ(ListText::TextToValue(list, "Time: 5 s"), 3);
    EXPECT_EQ(ListText::TextToValue(list, "none"), -1); // byte comparison
    EXPECT_EQ(ListText::TextToValue(list, ""), 7);
    EXPECT_EQ(ListText::TextToValue("0.Off", ""), -1);
}

TEST(ListText, MixedListKeepsOrderAndFirstMatchWins) {
    const std::string list = "0.Off;1:1:3:1:1:1:0;2.Duplicate;9.Nine";
    EXPECT_EQ(
        ListText::Items(list),
        (std::vector<ListItem>{{0, "Off"}, {1, "1"}, {2, "2"}, {3, "3"}, {2, "Duplicate"}, {9, "Nine"}}));
    EXPECT_EQ(ListText::ValueToText(list, 2), "2");
    EXPECT_EQ(ListText::ValueToText(list, 9), "Nine");
    EXPECT_EQ(ListText::TextToValue(list, "Off"), 0);
    EXPECT_EQ(ListText::TextToValue(list, "Nine"), 9);
    // A number is taken by the range item, even one past its end.
    EXPECT_EQ(ListText::TextToValue(list, "9"), 9);
    EXPECT_EQ(ListText::ValueItems(list), (std::vector<ListItem>{{0, "Off"}, {2, "Duplicate"}, {9, "Nine"}}));
    EXPECT_EQ(ListText::Texts("0.North, 10 km;1.South"), (std::vector<std::string>{"North", "South"}));
}

TEST(ListText, BrokenRangeItemsMatchNothingAndFillNothing) {
    for (const std::string broken : {"0:0:20:1:0:1:0", "0:5:20:0:0:1:0", "0:5:20:1:0:1", "0:5:x:1:0:1:0",
                                     "0:5:20:1:0:1:16", "0:5:99999999999:1:0:1:0", "0 :5:20:1:0:1:0"}) {
        SCOPED_TRACE(broken);
        const std::string list = broken + ";4.Four";
        EXPECT_EQ(ListText::Items(list), (std::vector<ListItem>{{4, "Four"}}));
        EXPECT_EQ(ListText::ValueToText(list, 0), "");
        EXPECT_EQ(ListText::ValueToText(list, 4), "Four");
        EXPECT_EQ(ListText::TextToValue(list, "5"), -1);
        EXPECT_EQ(ListText::TextToValue(list, "Four"), 4);
    }
    EXPECT_FALSE(ListText::ParseRange("1:2:3:4:5:6").has_value());
    EXPECT_EQ(ListText::ParseRange(" 1:-2:3:4:5:6:7 trailing"), (NumericRange{1, -2, 3, 4, 5, 6, 7}));
}

TEST(ListText, AbsurdRangesAreCapped) {
    const std::string huge = "0:1:2000000000:1:0:1:0";
    const auto items = ListText::Items(huge + ";1.x;" + huge);
    EXPECT_EQ(items.size(), ListText::kMaxItems);
    EXPECT_EQ(items.back().text, "9999");
    // Conversions still work over the whole range without generating it.
    EXPECT_EQ(ListText::ValueToText(huge, 1999999999), "1999999999");
    EXPECT_EQ(ListText::TextToValue(huge, "1999999999"), 1999999999);
    // Extreme numbers neither overflow nor crash.
    const std::string extreme = "-2147483648:2147483647:2147483647:-1:2147483647:-2147483648:0";
    EXPECT_NO_FATAL_FAILURE(ListText::Items(extreme));
    EXPECT_NO_FATAL_FAILURE(ListText::ValueToText(extreme, 2147483647));
    EXPECT_EQ(ListText::TextToValue(extreme, "-2147483648"), -1);
    EXPECT_EQ(ListText::TextToValue("0:1:10:1:0:1:1", "1e300"), -1);
    EXPECT_EQ(ListText::TextToValue("0:1:10:1:0:1:1", "nan"), -1);
}

TEST(ListText, DescendingAndFlatRanges) {
    EXPECT_EQ(TextsOf(ListText::Items("20:-5:10:1:0:1:0")), (std::vector<std::string>{"20", "15", "10"}));
    EXPECT_TRUE(ListText::Items("10:-5:20:1:0:1:0").empty());
    EXPECT_TRUE(ListText::Items("20:5:10:1:0:1:0").empty());
    // Increment 0: every item carries the same raw value; the first answers.
    const std::string flat = "1:1:3:1:7:0:0";
    EXPECT_EQ(Values(ListText::Items(flat)), (std::vector<int>{7, 7, 7}));
    EXPECT_EQ(ListText::ValueToText(flat, 7), "1");
    EXPECT_EQ(ListText::ValueToText(flat, 8), "");
    EXPECT_EQ(ListText::TextToValue(flat, "3"), 7);
}

TEST(ListText, WholeNumbersWithADivisorConvertAsTheyAreShown) {
    // Milliseconds shown as seconds.
    const std::string list = "0:1000:5000:1000:0:1:0";
    const auto items = ListText::Items(list);
    EXPECT_EQ(TextsOf(items), (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    for (const auto& item : items) {
        EXPECT_EQ(ListText::ValueToText(list, item.value), item.text);
        EXPECT_EQ(ListText::TextToValue(list, item.text), item.value);
    }
}

} // namespace
} // namespace tav

namespace tav {
namespace {

TEST(ListText, SurvivesRandomListTexts) {
    // Pieces that make up list texts, including the awkward ones; joined at random.
    const std::vector<std::string> pieces = {"0", "1", "-",   ":",          ".",           ";",
                                             ",", "5", "10",  "2147483647", "-2147483648", "99999999999",
                                             " ", "x", "0:0", "1e9",        "nan"};
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::string list;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i) {
            list += pieces[random() % pieces.size()];
        }
        SCOPED_TRACE(list);
        const auto items = ListText::Items(list);
        ASSERT_LE(items.size(), ListText::kMaxItems);
        for (std::size_t i = 0; i < items.size() && i < 50; ++i) {
            // Every filled item converts to some text and back to some value without faults.
            ListText::ValueToText(list, items[i].value);
            ListText::TextToValue(list, items[i].text);
        }
        ListText::TextToValue(list, pieces[random() % pieces.size()]);
        ListText::ValueToText(list, static_cast<int>(random()));
    }
}

} // namespace
} // namespace tav
