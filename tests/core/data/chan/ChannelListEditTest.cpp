#include "core/data/ChannelListEdit.h"

#include "ChanFixtures.h"
#include "core/data/ProblemList.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::ChanTexts;
using test::FakeDirectory;

class ChannelGridTest : public ::testing::Test {
protected:
    test::FakeTextLookup texts = ChanTexts();
    FakeDirectory directory;
    ProblemList problems;
    DataContext range;
    ObjectIdCounter ids{65535};
    RecordList<ChannelData> channels;

    void SetUp() override {
        range.rangeLowMHz = 400;
        range.rangeHighMHz = 470;
        directory.ids[RecordKind::Personality] = {7};
        directory.ids[RecordKind::ScanList] = {8};
        for (std::size_t k = 0; k < 3; ++k) {
            channels.Append(MakeDefaultChannel(ids, k, range));
        }
    }
    std::vector<ObjectId> Ids() const {
        std::vector<ObjectId> result;
        for (const auto& c : channels) {
            result.push_back(c->Id());
        }
        return result;
    }
};

TEST_F(ChannelGridTest, EditedRowIsNormalisedAndLeavesMiscFieldsAlone) {
    ChannelData& second = channels.At(1);
    second.Bytes()[18] = 0;
    second.Bytes()[19] = 1;
    second.Bytes()[20] = 0x80 | 0x05; // ATIS and reserved flags
    ChannelRow row = LoadChannelRow(second, texts);
    EXPECT_EQ(row.autoStartScan, 0);
    row.ui.rxFreq = 0x40012500;
    row.ui.rxCtcss = "69.4";
    row.autoStartScan = 1;
    StoreChannelRow(second, row, texts, range);

    EXPECT_EQ(second.RxFreq(), 0x40012500u);
    EXPECT_EQ(second.RxStep(), 6);
    EXPECT_EQ(second.RxTone() & 0x2FFF, 0x2000 | 694);
    EXPECT_EQ(second.Bytes()[18], 0);
    EXPECT_EQ(second.Bytes()[19], 1);
    EXPECT_EQ(second.Bytes()[20], 0x80 | 0x40 | 0x05);

    const ChannelRow shown = LoadChannelRow(second, texts);
    EXPECT_EQ(shown.ui.rxCtcss, "69.4");
    EXPECT_EQ(shown.autoStartScan, 1);
}

TEST_F(ChannelGridTest, StepCodesComeFromTheRowFrequencies) {
    ChannelData& first = channels.At(0);
    ChannelRow row = LoadChannelRow(first, texts);
    row.ui.rxFreq = 0x40000250; // the grid cell's 2.5 kHz raster: kept as typed
    row.ui.txFreq = 0x40000500;
    StoreChannelRow(first, row, texts, range);
    EXPECT_EQ(first.RxFreq(), 0x40000250u);
    EXPECT_EQ(first.RxStep(), 6);
    EXPECT_EQ(first.TxStep(), 2);

    row.ui.rxFreq = kNoFreq;
    StoreChannelRow(first, row, texts, range);
    EXPECT_EQ(first.Bytes()[16], 0xFF);
    EXPECT_EQ(first.TxFreq(), kNoFreq);
}

TEST_F(ChannelGridTest, DeleteWithdrawsAndKeepsTheLastChannel) {
    const auto ids3 = Ids();
    EXPECT_EQ(DeleteChannelRow(channels, std::nullopt, problems), std::nullopt);
    EXPECT_EQ(channels.Count(), 3u);

    EXPECT_EQ(DeleteChannelRow(channels, 2, problems), std::optional<std::size_t>(1));
    EXPECT_EQ(channels.Count(), 2u);
    EXPECT_EQ(DeleteChannelRow(channels, 0, problems), std::optional<std::size_t>(0));
    ASSERT_EQ(channels.Count(), 1u);
    EXPECT_EQ(channels.At(0).Id(), ids3[1]);

    problems.Add(3703, "Personality", "Channel - 1: Miscellaneous", ProblemList::MakeKey(ids3[1], 3703));
    EXPECT_EQ(DeleteChannelRow(channels, 0, problems), std::nullopt);
    EXPECT_EQ(channels.Count(), 1u);
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(ChannelGridTest, InsertAndMoveWithinCapacity) {
    const auto before = Ids();
    const auto at = InsertChannelRow(channels, 1, ids, range, directory);
    ASSERT_EQ(at, std::optional<std::size_t>(1));
    EXPECT_EQ(channels.Count(), 4u);
    const ChannelData& inserted = channels.At(1);
    EXPECT_EQ(inserted.RxFreq(), ChannelData::DefaultFreq(400, 3));
    EXPECT_EQ(inserted.PersonalityId(), 7u);
    EXPECT_EQ(inserted.ScanListId(), 8u);
    EXPECT_EQ(channels.At(2).Id(), before[1]);

    EXPECT_TRUE(MoveChannelRow(channels, 0, 3));
    EXPECT_EQ(channels.At(3).Id(), before[0]);
    EXPECT_FALSE(MoveChannelRow(channels, 0, 4));

    while (channels.Count() < 16) {
        ASSERT_TRUE(InsertChannelRow(channels, 99, ids, range, directory));
    }
    EXPECT_EQ(InsertChannelRow(channels, 0, ids, range, directory), std::nullopt);
    EXPECT_EQ(channels.Count(), 16u);
    EXPECT_TRUE(channels.At(15).AutoStartScan()); // added as the sixteenth
}

// Numbers compare as numbers whichever separator they show, text as text, empty values last either
// way, and ties keep their order.
TEST(ChannelSortOrderTest, ShownValuesSortAsTheUserReadsThem) {
    const struct {
        const char* name;
        std::vector<std::string> values;
        bool descending;
        std::vector<std::size_t> order;
    } cases[] = {
        {"frequencies", {"146.52000", "136.00000", "1000.5"}, false, {1, 0, 2}},
        {"comma separator", {"146,5", "99,9", "146,25"}, false, {1, 2, 0}},
        {"tones as numbers", {"100.0", "67.0", "88.5"}, true, {0, 2, 1}},
        {"text", {"Wide", "Narrow", "Wide"}, false, {1, 0, 2}},
        {"ties keep order descending", {"1", "2", "1", "2"}, true, {1, 3, 0, 2}},
        {"empty last ascending", {"", "5", "3"}, false, {2, 1, 0}},
        {"empty last descending", {"", "5", "3"}, true, {1, 2, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SortOrder(c.values, c.descending), c.order);
    }
}

TEST_F(ChannelGridTest, ReorderKeepsTheChannelObjects) {
    const auto before = Ids();
    ChannelData* first = &channels.At(0);
    ReorderChannels(channels, {2, 0, 1});
    EXPECT_EQ(Ids(), (std::vector<ObjectId>{before[2], before[0], before[1]}));
    EXPECT_EQ(&channels.At(1), first);
}

} // namespace
} // namespace tav
