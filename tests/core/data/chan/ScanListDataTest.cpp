#include "core/data/ScanListData.h"

#include "ChanFixtures.h"
#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace tav {
namespace {

using test::ChanTexts;
using test::FakeDirectory;

constexpr std::size_t kBase = ImageMap::kScanLists;

std::vector<std::uint8_t> Slice(const Image& image, std::size_t from, std::size_t count) {
    return {image.begin() + static_cast<std::ptrdiff_t>(from),
            image.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

Image StoreAll(const RecordList<ScanListData>& lists) {
    Image image = BlankImage();
    StoreScanLists(lists, image);
    return image;
}

/// Channel ids 101, 102, ... for `count` channels.
std::vector<ObjectId> Channels(std::size_t count) {
    std::vector<ObjectId> ids;
    for (std::size_t k = 0; k < count; ++k) {
        ids.push_back(static_cast<ObjectId>(101 + k));
    }
    return ids;
}

TEST(ScanListDefaults, NewListBytes) {
    ObjectIdCounter ids(3 * 65535);
    const auto list = MakeDefaultScanList(ids, 0, DataContext{});
    EXPECT_EQ(list->Id(), 3u * 65535u + 200u);
    RecordList<ScanListData> lists;
    lists.Append(MakeDefaultScanList(ids, 0, DataContext{}));
    const Image image = StoreAll(lists);
    const std::vector<std::uint8_t> head = {0xFF, 0xFF, 0xFF, 0xFF, 16,   0xE6, 25,   0xC0,
                                            8,    0x00, 0x01, 0x00, 0x02, 0xF8, 0x00, 0x01,
                                            3,    0x0F, 0xFE, 0xFE, 0xFF, 4,    50,   20};
    EXPECT_EQ(Slice(image, kBase, 24), head);
    for (std::size_t k = 0; k < 16; ++k) {
        EXPECT_EQ(image[kBase + 24 + 2 * k], 0x00);
        EXPECT_EQ(image[kBase + 25 + 2 * k], k + 1);
    }
    EXPECT_EQ(image[kBase + 56], 0xFF);
}

TEST(ScanListDefaults, NewListShowsItsModesAndSwitches) {
    ObjectIdCounter ids;
    FakeDirectory directory;
    directory.ids[RecordKind::Channel] = Channels(16);
    const auto texts = ChanTexts();
    auto list = MakeDefaultScanList(ids, 0, DataContext{});
    list->ResolveReferences(directory);
    ScanSettingsUi ui;
    list->LoadSettings(ui, texts, directory);
    EXPECT_EQ(ui.toneScanMode, "CTCSS and CDCSS");
    EXPECT_EQ(ui.signalScanMode, "Off");
    EXPECT_EQ(ui.signalHangTime, "25");
    EXPECT_EQ(ui.prioritySweepTime, "8");
    EXPECT_EQ(ui.hangTime, "3");
    EXPECT_EQ(ui.transmitMode, "Current Channel");
    EXPECT_EQ(ui.priorityMode, "Off");
    EXPECT_EQ(ui.designatedChannel, 0u);
    EXPECT_EQ(ui.priorityChannel, 0u);
    EXPECT_EQ(ui.scanStartAlert + ui.scanEndAlert + ui.priorityScanAlert, 3);
    EXPECT_EQ(ui.includeCurrentChannel + ui.priorityScanInAutoReset + ui.nuisanceDelete + ui.nuisanceReset +
                  ui.priorityDeleteAdd,
              0);
    // The new transmit byte 0xF8 has the talkback bit (bit 3) set.
    EXPECT_EQ(ui.talkback, 1);
}

TEST(ScanListImage, OnlyTheFirstRecordIsReadAndItsBytesSurvive) {
    Image image;
    std::mt19937 random(99);
    for (auto& b : image) {
        b = static_cast<std::uint8_t>(random());
    }
    RecordList<ScanListData> lists;
    ObjectIdCounter ids;
    LoadScanLists(image, lists, ids);
    ASSERT_EQ(lists.Count(), 1u);
    const Image stored = StoreAll(lists);
    EXPECT_EQ(Slice(stored, kBase, 56), Slice(image, kBase, 56));
    EXPECT_EQ(
        std::count(stored.begin(), stored.end(), 0xFF),
        static_cast<long>(8192 - 56 + std::count(image.begin() + kBase, image.begin() + kBase + 56, 0xFF)));

    // A second list in memory is not written over the bytes after the scan list region.
    lists.Append(MakeDefaultScanList(ids, 1, DataContext{}));
    EXPECT_EQ(StoreAll(lists), stored);

    FakeDirectory directory;
    lists.At(0).ResolveReferences(directory);
    LoadScanLists(stored, lists, ids);
    EXPECT_EQ(StoreAll(lists), stored);
}

class ScanListTest : public ::testing::Test {
protected:
    test::FakeTextLookup texts = ChanTexts();
    FakeDirectory directory;
    ProblemList problems;
    ObjectIdCounter ids{5000};
    std::unique_ptr<ScanListData> list = MakeDefaultScanList(ids, 0, DataContext{});

    void SetUp() override {
        directory.ids[RecordKind::Channel] = Channels(4);
        directory.ids[RecordKind::ScanList] = {list->Id()};
        list->ResolveReferences(directory);
    }
    void Check() {
        ReferenceCheck check{directory, problems, texts};
        list->CheckReferences(check);
    }
};

TEST_F(ScanListTest, ResolveGivesNoChannelOutsideTheList) {
    EXPECT_EQ(list->MemberId(0), 101u);
    EXPECT_EQ(list->MemberId(3), 104u);
    EXPECT_EQ(list->MemberId(4), kNoObject);
    EXPECT_EQ(list->DesignatedId(), 101u);
    EXPECT_EQ(list->Priority1Id(), 101u);
    EXPECT_EQ(list->Priority2Id(), 102u);
    WriteBe16(list->Bytes(), 24, 0);
    WriteBe16(list->Bytes(), 14, 0x0104);
    list->ResolveReferences(directory);
    EXPECT_EQ(list->MemberId(0), kNoObject);
    EXPECT_EQ(list->DesignatedId(), kNoObject);
}

TEST_F(ScanListTest, MembersBeyondTheChannelsAreReportedWhileInUse) {
    Check();
    ASSERT_EQ(problems.Entries().size(), 12u); // members 5 to 16 of 16 entries
    const ProblemEntry& fifth = problems.Entries()[0];
    EXPECT_EQ(fifth.controlId, 3877);
    EXPECT_EQ(fifth.key, list->Id() + 0xFFFFu + 3877u);
    EXPECT_EQ(fifth.where, "Member 5");
    EXPECT_EQ(fifth.what, "Scan List - 1: Channel List");

    problems.Clear();
    ScanMembersUi members;
    list->LoadMembers(members, texts, directory);
    EXPECT_EQ(members.entries, "16");
    EXPECT_EQ(members.members[3], 3u);
    EXPECT_EQ(members.members[4], ScanMembersUi::kNoSelection);
    members.entries = "3";
    list->StoreMembers(members, texts, directory);
    EXPECT_EQ(list->Entries(), 3);
    EXPECT_EQ(ScanListData::EnabledMembers(members.entries), 3u);
    Check();
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(ScanListTest, DesignatedAndPriorityAreCheckedOnlyWhenTheirModesUseThem) {
    directory.ids[RecordKind::Channel] = {201, 202};
    Check();
    EXPECT_EQ(problems.Entries().size(), 16u); // every member in use, no mode check yet

    problems.Clear();
    list->Bytes()[4] = 0;
    list->Bytes()[13] = 0xF9; // designated channel transmit
    list->Bytes()[7] = 0xC1;  // fixed priority channel
    Check();
    ASSERT_EQ(problems.Entries().size(), 2u);
    EXPECT_EQ(problems.Entries()[0].controlId, 3850);
    EXPECT_EQ(problems.Entries()[0].key, list->Id() + 0x10000u + 3849u);
    EXPECT_EQ(problems.Entries()[0].what, "Scan List - 1: Scan Configuration");
    EXPECT_EQ(problems.Entries()[1].controlId, 3836);
    EXPECT_EQ(problems.Entries()[1].key, list->Id() + 0x10000u + 3835u);
    EXPECT_EQ(problems.Entries()[1].where, "Priority Channel");

    list->WithdrawProblem(problems, 3850);
    EXPECT_EQ(problems.Entries().size(), 1u);
    list->WithdrawProblems(problems);
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(ScanListTest, MemberStoreWritesNumbersAndNoneAs255) {
    ScanMembersUi members;
    list->LoadMembers(members, texts, directory);
    members.members[0] = 3;
    members.members[1] = ScanMembersUi::kNoSelection;
    list->StoreMembers(members, texts, directory);
    EXPECT_EQ(list->MemberNumber(0), 4);
    EXPECT_EQ(list->MemberId(0), 104u);
    EXPECT_EQ(list->MemberNumber(1), 255);
    EXPECT_EQ(list->MemberId(1), kNoObject);
    // Members past the channel list keep no selection and store 255 as well.
    EXPECT_EQ(list->MemberNumber(15), 255);
    RecordList<ScanListData> lists;
    lists.Append(std::move(list));
    const Image image = StoreAll(lists);
    EXPECT_EQ(Slice(image, kBase + 24, 4), (std::vector<std::uint8_t>{0x00, 0x04, 0x00, 0xFF}));
}

TEST_F(ScanListTest, SettingsStoreKeepsUneditedBits) {
    list->Bytes()[5] = 0x01 | 0xA0; // reserved bits 0 and 7-5 set differently from new
    list->Bytes()[13] = 0x50;
    list->Bytes()[17] = 0x48; // reserved bits 3 and 6
    list->Bytes()[18] = 0x02;
    ScanSettingsUi ui;
    list->LoadSettings(ui, texts, directory);
    ui.toneScanMode = "CDCSS";
    ui.signalScanMode = "Signalling";
    ui.transmitMode = "Designated Channel";
    ui.priorityMode = "Selected Channel";
    ui.designatedChannel = 2;
    ui.priorityChannel = ScanSettingsUi::kNoSelection;
    ui.signalHangTime = "40";
    ui.prioritySweepTime = "no such item";
    ui.talkback = 1;
    ui.nuisanceReset = 1;
    ui.scanEndAlert = 1;
    ui.nuisanceDelete = 1;
    list->StoreSettings(ui, texts, directory);
    const auto b = list->Bytes();
    EXPECT_EQ(b[5], 0x01 | 0xA0 | (2 << 1) | (2 << 3));
    EXPECT_EQ(b[6], 40);
    EXPECT_EQ(b[7], 0xC2);
    EXPECT_EQ(b[8], 8);
    EXPECT_EQ(b[13], 0x50 | 0x08 | 0x01);
    EXPECT_EQ(b[17], 0x48 | 0x02 | 0x80);
    EXPECT_EQ(b[18], 0x03);
    EXPECT_EQ(list->DesignatedNumber(), 3);
    EXPECT_EQ(list->DesignatedId(), 103u);
    EXPECT_EQ(list->Priority1Number(), 255);
    EXPECT_EQ(list->Priority1Id(), kNoObject);

    ScanSettingsUi again;
    list->LoadSettings(again, texts, directory);
    EXPECT_EQ(again.designatedChannel, 2u);
    EXPECT_EQ(again.priorityChannel, ScanSettingsUi::kNoSelection);
    EXPECT_EQ(again.talkback, 1);
}

TEST_F(ScanListTest, RenumberFollowsChannelsAndMarksRemovedOnes) {
    // Channel 2 (id 102) is deleted: members after it move up, the deleted one becomes none.
    directory.ids[RecordKind::Channel] = {101, 103, 104};
    list->RenumberChannels(directory);
    EXPECT_EQ(list->MemberNumber(0), 1);
    EXPECT_EQ(list->MemberNumber(1), 255);
    EXPECT_EQ(list->MemberNumber(2), 2);
    EXPECT_EQ(list->MemberNumber(3), 3);
    EXPECT_EQ(list->MemberNumber(4), 5); // named no channel before: kept
    EXPECT_EQ(list->Priority2Number(), 255);
    list->ResolveReferences(directory);
    EXPECT_EQ(list->MemberId(2), 103u);
}

TEST(ScanListRules, EnablingByMode) {
    EXPECT_TRUE(ScanListData::DesignatedChannelEnabled(1));
    EXPECT_FALSE(ScanListData::DesignatedChannelEnabled(0));
    EXPECT_FALSE(ScanListData::DesignatedChannelEnabled(2));
    const auto off = ScanListData::PriorityControls(0);
    EXPECT_FALSE(off.channel || off.deleteAdd || off.sweepTime);
    const auto fixed = ScanListData::PriorityControls(1);
    EXPECT_TRUE(fixed.channel && fixed.deleteAdd && fixed.sweepTime);
    const auto other = ScanListData::PriorityControls(2);
    EXPECT_FALSE(other.channel);
    EXPECT_TRUE(other.deleteAdd && other.sweepTime);
    EXPECT_EQ(ScanListData::EnabledMembers("16"), 16u);
    EXPECT_EQ(ScanListData::EnabledMembers("40"), 16u);
    EXPECT_EQ(ScanListData::EnabledMembers("-2"), 0u);
    EXPECT_EQ(ScanListData::EnabledMembers(""), 0u);
}

} // namespace
} // namespace tav
