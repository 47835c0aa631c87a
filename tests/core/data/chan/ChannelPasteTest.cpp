#include "core/data/ChannelPaste.h"

#include "ChanFixtures.h"
#include "core/data/ChannelRowCheck.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::ChanTexts;
using test::FakeDirectory;

TEST(TabTextTest, SpreadsheetRowsAreSplitAndJoinedBack) {
    const struct {
        const char* text;
        TabRows rows;
    } cases[] = {
        {"a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a\tb\nc", {{"a", "b"}, {"c"}}},
        {"\"x\ty\"\t\"say \"\"hi\"\"\"\n", {{"x\ty", "say \"hi\""}}},
        {"\"two\nlines\"\t\n", {{"two\nlines", ""}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseTabText(c.text), c.rows) << c.text;
        EXPECT_EQ(ParseTabText(ToTabText(c.rows)), c.rows) << c.text;
    }
}

class ChannelPasteTest : public ::testing::Test {
protected:
    test::FakeTextLookup texts = ChanTexts();
    FakeDirectory directory;
    DataContext range;
    ObjectIdCounter ids{65535};

    void SetUp() override {
        texts.lists[3708] = {{0, "Off"}, {1, "On"}};
        texts.controls[3706] = "None";
        range.rangeLowMHz = 400;
        range.rangeHighMHz = 470;
        directory.ids[RecordKind::Personality] = {7, 9};
        directory.ids[RecordKind::ScanList] = {8};
    }
    std::vector<std::string> Good() const {
        return {"400.12500", "CTCSS",  "67.0", "023", "401.00000", "CDCSS", "67.0",
                "754",       "25 kHz", "Low",  "2",   "None",      "On"};
    }
};

TEST_F(ChannelPasteTest, AGoodRowIsStoredWithItsReferences) {
    auto channel = MakeDefaultChannel(ids, 0, range);
    channel->ResolveReferences(directory);
    std::vector<std::string> fields = Good();
    fields.insert(fields.begin(), "1"); // the channel number column, as copied
    const auto pasted = ReadChannelRowFields(fields, texts, range, directory, '.');
    ASSERT_TRUE(pasted.ok()) << pasted.messageId();
    StorePastedRow(*channel, *pasted, texts, range, directory);
    EXPECT_EQ(channel->RxFreq(), 0x40012500u);
    EXPECT_EQ(channel->TxFreq(), 0x40100000u);
    EXPECT_EQ(channel->TxTone() & 0xC3FF, 0x81EC);
    EXPECT_EQ(channel->Power(), 0);
    EXPECT_EQ(channel->PersonalityPosition(), 1);
    EXPECT_EQ(channel->ScanListNumber(), 0);
    EXPECT_TRUE(channel->AutoStartScan());
    EXPECT_EQ(ChannelRowFields(*channel, texts, directory, '.'), Good());
}

TEST_F(ChannelPasteTest, ARowThatCannotBeTakenIsRefusedWithItsReason) {
    const struct {
        std::size_t field;
        const char* value;
        int message;
    } cases[] = {
        {0, "abc", RowCheckText::kNotFrequency},
        {4, "4O1", RowCheckText::kNotFrequency},
        {0, "1000", RowCheckText::kOutsideRange},
        {5, "Tone", RowCheckText::kNotChoice},
        {2, "", RowCheckText::kNotTone},
        {7, "758", RowCheckText::kNotCode},
        {9, "Max", RowCheckText::kNotChoice},
        {12, "Yes", RowCheckText::kNotChoice},
        {10, "3", RowCheckText::kNoPersonality},
        {11, "2", RowCheckText::kNoScanList},
        // What the editors would move is refused, never moved silently.
        {0, "400.00100", RowCheckText::kOffRaster},
        {2, "300.04", RowCheckText::kNotTone},
        {2, "39.95", RowCheckText::kNotTone},
        {4, "401.000001", RowCheckText::kFinerThan10Hz},
    };
    for (const auto& c : cases) {
        std::vector<std::string> fields = Good();
        fields[c.field] = c.value;
        EXPECT_EQ(ReadChannelRowFields(fields, texts, range, directory, '.').messageId(), c.message)
            << c.field << " " << c.value;
    }
    std::vector<std::string> shortRow = Good();
    shortRow.resize(9);
    EXPECT_EQ(ReadChannelRowFields(shortRow, texts, range, directory, '.').messageId(),
              PasteText::kTooFewColumns);
}

} // namespace
} // namespace tav
