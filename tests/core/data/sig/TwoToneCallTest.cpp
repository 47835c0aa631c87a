#include "SigTestSupport.h"
#include "core/data/ProblemList.h"
#include "core/data/TwoToneCallData.h"

#include <gtest/gtest.h>
#include <vector>

namespace tav {
namespace {

namespace L = TwoToneCallLayout;
namespace C = TwoToneCallControls;

constexpr std::size_t Slot(std::size_t i) {
    return ImageMap::kTwoToneCalls + i * ImageMap::kTwoToneCallSize;
}

void PutCall(Image& image, std::size_t address, std::uint16_t next, std::uint8_t fill) {
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(address), ImageMap::kTwoToneCallSize, fill);
    image[address + L::kNextLink] = static_cast<std::uint8_t>(next);
    image[address + L::kNextLink + 1] = static_cast<std::uint8_t>(next >> 8);
}

TEST(TwoToneCallDefaults, BytesOfANewCall) {
    ObjectIdCounter ids;
    const auto call = MakeDefaultTwoToneCall(ids, 0, DataContext{});
    const std::vector<std::uint8_t> expected{0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0,
                                             0,    0x88, 0x13, 0x10, 0x27, 0xFF};
    EXPECT_EQ(std::vector<std::uint8_t>(call->Bytes().begin(), call->Bytes().end()), expected);
}

TEST(TwoToneCallDefaults, ShownWithTheShippedListsAndStoredBackUnchanged) {
    const test::ShippedLanguage texts;
    test::FakeDirectory directory;
    directory.Fill(RecordKind::Channel, 16, 100);
    directory.Fill(RecordKind::TwoToneSystem, 1, 1000);
    ObjectIdCounter ids;
    auto call = MakeDefaultTwoToneCall(ids, 0, DataContext{});
    call->ResolveReferences(directory);
    TwoToneCallUi ui;
    call->LoadUi(ui, texts, directory);
    EXPECT_EQ(ui.firstTone, "500.0");
    EXPECT_EQ(ui.secondTone, "1000.0");
    EXPECT_EQ(ui.revertChannel.selected, 0);
    EXPECT_EQ(ui.system.selected, 0);
    const std::vector<std::uint8_t> before(call->Bytes().begin(), call->Bytes().end());
    call->StoreUi(ui, texts);
    EXPECT_EQ(std::vector<std::uint8_t>(call->Bytes().begin(), call->Bytes().end()), before);
}

TEST(TwoToneCallImage, FollowsTheChainWhereverItLeads) {
    Image image = BlankImage();
    PutCall(image, Slot(0), static_cast<std::uint16_t>(Slot(5)), 0x01);
    PutCall(image, Slot(5), static_cast<std::uint16_t>(Slot(2)), 0x02);
    PutCall(image, Slot(2), static_cast<std::uint16_t>(Slot(0)), 0x03);
    RecordList<TwoToneCallData> list;
    ObjectIdCounter ids;
    LoadTwoToneCalls(image, list, ids);
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(1).Bytes()[L::kSettings], 0x02);
    EXPECT_EQ(list.At(2).Bytes()[L::kSettings], 0x03);

    // Stored into consecutive slots, linked in a circle, little-endian.
    Image stored = BlankImage();
    StoreTwoToneCalls(list, stored);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(ReadLe16(stored, Slot(i) + L::kPreviousLink), Slot((i + 2) % 3)) << i;
        EXPECT_EQ(ReadLe16(stored, Slot(i) + L::kNextLink), Slot((i + 1) % 3)) << i;
        EXPECT_EQ(stored[Slot(i) + L::kSettings], i + 1) << i;
    }
    EXPECT_EQ(stored[Slot(3)], 0xFF);
    EXPECT_EQ(ReadLe16(stored, Slot(0) + L::kPreviousLink), 0x0EA5);
}

TEST(TwoToneCallImage, ALinkOutsideTheAreaEndsTheChain) {
    Image image = BlankImage();
    PutCall(image, Slot(0), static_cast<std::uint16_t>(Slot(1)), 0x01);
    PutCall(image, Slot(1), 0x0F4D, 0x02); // one past the last byte of the area
    RecordList<TwoToneCallData> list;
    ObjectIdCounter ids;
    LoadTwoToneCalls(image, list, ids);
    EXPECT_EQ(list.Count(), 2u);

    PutCall(image, Slot(0), 0x0E8C, 0x01); // one before the area
    LoadTwoToneCalls(image, list, ids);
    EXPECT_EQ(list.Count(), 1u);

    // An erased area still yields the head call.
    Image blank = BlankImage();
    LoadTwoToneCalls(blank, list, ids);
    EXPECT_EQ(list.Count(), 1u);
}

TEST(TwoToneCallImage, ACircleThatNeverReturnsToTheHeadStopsAtSixteen) {
    Image image = BlankImage();
    PutCall(image, Slot(0), static_cast<std::uint16_t>(Slot(1)), 0x01);
    PutCall(image, Slot(1), static_cast<std::uint16_t>(Slot(2)), 0x02);
    PutCall(image, Slot(2), static_cast<std::uint16_t>(Slot(1)), 0x03);
    RecordList<TwoToneCallData> list;
    ObjectIdCounter ids;
    LoadTwoToneCalls(image, list, ids);
    EXPECT_EQ(list.Count(), ImageMap::kTwoToneCallCapacity);

    list.Append(std::make_unique<TwoToneCallData>(ids.Next()));
    Image stored = BlankImage();
    StoreTwoToneCalls(list, stored);
    EXPECT_TRUE(std::all_of(stored.begin() + ImageMap::kTwoToneCallsEnd + 1, stored.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(ReadLe16(stored, Slot(15) + L::kNextLink), Slot(0));
}

struct CallReferences : ::testing::Test {
    test::FakeDirectory directory;
    test::FakeTextLookup texts;
    ProblemList problems;
    TwoToneCallData call{800};

    void SetUp() override {
        directory.Fill(RecordKind::Channel, 16, 100);
        directory.Fill(RecordKind::TwoToneSystem, 3, 1000);
        directory.Fill(RecordKind::TwoToneCall, 2, 600);
        texts.controls[C::kView] = "2-Tone Call";
        texts.controls[C::kRevertChannel] = "Channel #";
        texts.controls[C::kSystem] = "System #";
        texts.controls[C::kMissingRevertChannelText] = "Revert channel missing";
        texts.controls[C::kMissingSystemText] = "System missing";
        call.SetDefaults();
        call.Bytes()[L::kSettings] = 0xF2; // system 3
        WriteLe16(call.Bytes(), L::kRevertChannel, 5);
    }
};

TEST_F(CallReferences, ResolveFollowsDeletionsAndTheCheckReportsMissingOnes) {
    call.ResolveReferences(directory);
    EXPECT_EQ(call.SystemRef(), 1400u);
    EXPECT_EQ(call.RevertChannelRef(), 900u);

    directory.Erase(RecordKind::Channel, 0);
    directory.Erase(RecordKind::TwoToneSystem, 2);
    call.ResolveReferences(directory);
    EXPECT_EQ(call.RevertChannelNumber(), 4);
    EXPECT_EQ(call.SystemPosition(), 2); // the missing system keeps its position

    ReferenceCheck check{directory, problems, texts};
    call.CheckReferences(check);
    ASSERT_EQ(problems.Entries().size(), 1u);
    EXPECT_EQ(problems.Entries()[0].controlId, C::kSystem);
    EXPECT_EQ(problems.Entries()[0].what, "2-Tone Call - 2");
    EXPECT_EQ(problems.Entries()[0].key, 800u + 5414u + 65535u);

    directory.Erase(RecordKind::Channel, 3);
    call.CheckReferences(check);
    EXPECT_EQ(problems.Entries().size(), 2u);
    EXPECT_TRUE(problems.Contains(800u + 5412u + 65535u));
    call.WithdrawProblems(problems);
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(CallReferences, PositionsPastTheEndResolveToNothing) {
    call.Bytes()[L::kSettings] = 0xF3;
    WriteLe16(call.Bytes(), L::kRevertChannel, 17);
    call.ResolveReferences(directory);
    EXPECT_EQ(call.SystemRef(), kNoObject);
    EXPECT_EQ(call.RevertChannelRef(), kNoObject);
    ReferenceCheck check{directory, problems, texts};
    call.CheckReferences(check);
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(CallReferences, EditorListsAndStore) {
    texts.lists[C::kFirstTone][5000] = "500.0";
    texts.lists[C::kSecondTone][10000] = "1000.0";
    texts.lists[C::kSecondTone][7000] = "700.0";
    call.ResolveReferences(directory);
    TwoToneCallUi ui;
    call.LoadUi(ui, texts, directory);
    ASSERT_EQ(ui.revertChannel.texts.size(), 17u);
    EXPECT_EQ(ui.revertChannel.texts[0], "Channel #");
    EXPECT_EQ(ui.revertChannel.texts[5], "Channel #5");
    EXPECT_EQ(ui.revertChannel.selected, 5);
    EXPECT_EQ(ui.system.texts, (std::vector<std::string>{"System #1", "System #2", "System #3"}));
    EXPECT_EQ(ui.system.selected, 2);
    EXPECT_EQ(ui.firstTone, "500.0");
    EXPECT_TRUE(TwoToneCallData::SecondToneEnabled(ui.callFormat));

    ui.callFormat = 1;
    ui.revertChannel.selected = 0;
    ui.system.selected = 0;
    ui.secondTone = "700.0";
    ui.firstTone = "";
    ui.strip = 1;
    call.StoreUi(ui, texts);
    EXPECT_FALSE(TwoToneCallData::SecondToneEnabled(1));
    EXPECT_EQ(call.Bytes()[L::kSettings], 0xF0 | 0x04 | 0x08);
    EXPECT_EQ(call.RevertChannelNumber(), 0);
    EXPECT_EQ(call.RevertChannelRef(), kNoObject);
    EXPECT_EQ(call.SystemRef(), 1000u);
    EXPECT_EQ(ReadLe16(call.Bytes(), L::kSecondTone), 7000);
    EXPECT_EQ(ReadLe16(call.Bytes(), L::kFirstTone), 5000);
}

} // namespace
} // namespace tav
