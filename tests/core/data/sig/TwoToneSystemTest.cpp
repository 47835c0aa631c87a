#include "SigTestSupport.h"
#include "core/data/ProblemList.h"
#include "core/data/TwoToneSystemData.h"

#include <gtest/gtest.h>
#include <vector>

namespace tav {
namespace {

namespace L = TwoToneSystemLayout;
namespace C = TwoToneSystemControls;

constexpr std::size_t SlotAddress(std::size_t i) {
    return ImageMap::kTwoToneSystems + i * ImageMap::kTwoToneSystemSize;
}

std::unique_ptr<TwoToneSystemData> DefaultSystem(ObjectId id) {
    auto system = std::make_unique<TwoToneSystemData>(id);
    system->SetDefaults();
    return system;
}

TEST(TwoToneSystemDefaults, BytesAsTheRadioExpectsThem) {
    RecordList<TwoToneSystemData> list;
    list.Append(DefaultSystem(200));
    Image image = BlankImage();
    StoreTwoToneSystems(list, image);
    const std::vector<std::uint8_t> expected{5,    10,   30,   50,   10,   0x3E, 0x3D, 0xC1,
                                             0x3E, 0xC1, 0x35, 0xC1, 0x39, 0xC1, 0x7F, 5,
                                             0x0C, 0x91, 0x24, 0x41, 0x17, 0xCA, 0x4F, 0xD6};
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + SlotAddress(0), image.begin() + SlotAddress(1)),
              expected);
    EXPECT_EQ(list.At(0).Tone(0), 3217);
    EXPECT_EQ(list.At(0).AlertToneNumber(3), 1);
}

TEST(TwoToneSystemImage, CountBitsGoIntoEverySystemInImageAndMemory) {
    RecordList<TwoToneSystemData> list;
    for (ObjectId id = 200; id <= 800; id += 200) {
        list.Append(DefaultSystem(id));
    }
    Image image = BlankImage();
    StoreTwoToneSystems(list, image);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(image[SlotAddress(i) + L::kFlags] >> 6, 3) << i;
        EXPECT_EQ(list.At(i).Bytes()[L::kFlags] >> 6, 3) << i;
    }
    list.Remove(3);
    list.Remove(2);
    list.Remove(1);
    image = BlankImage();
    StoreTwoToneSystems(list, image);
    EXPECT_EQ(image[SlotAddress(0) + L::kFlags] >> 6, 0);
    EXPECT_EQ(image[SlotAddress(0) + L::kFlags] & 0x3F, 0x3E); // the other bits stay
    EXPECT_EQ(image[SlotAddress(1)], 0xFF);

    // A const list gets the bits in the image only.
    list.Append(DefaultSystem(1000));
    const RecordList<TwoToneSystemData>& constant = list;
    image = BlankImage();
    StoreTwoToneSystems(constant, image);
    EXPECT_EQ(image[SlotAddress(1) + L::kFlags] >> 6, 1);
    EXPECT_EQ(list.At(1).Bytes()[L::kFlags] >> 6, 3);
}

TEST(TwoToneSystemImage, LoadStopsAtMarkerSwapsTonesAndRoundTrips) {
    Image image = BlankImage();
    for (std::size_t i = 0; i < 2; ++i) {
        for (std::size_t b = 0; b < ImageMap::kTwoToneSystemSize; ++b) {
            image[SlotAddress(i) + b] = static_cast<std::uint8_t>(0x10 * (i + 1) + b);
        }
        image[SlotAddress(i) + L::kFlags] = 0x7F; // count bits 1: two systems
    }
    image[SlotAddress(2) + L::kLoadMarker] = 0xFF;
    image[SlotAddress(2) + 1] = 0x00; // the rest of the slot does not matter

    RecordList<TwoToneSystemData> list;
    ObjectIdCounter ids;
    LoadTwoToneSystems(image, list, ids);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).Tone(0), 0x2021); // bytes 16-17 were 0x20 0x21
    EXPECT_EQ(list.At(1).Tone(3), 0x3637); // bytes 22-23 were 0x36 0x37

    Image stored = BlankImage();
    StoreTwoToneSystems(list, stored);
    EXPECT_TRUE(std::equal(stored.begin() + SlotAddress(0), stored.begin() + SlotAddress(2),
                           image.begin() + SlotAddress(0)));
    EXPECT_EQ(stored[SlotAddress(2) + 1], 0xFF);

    Image full = BlankImage();
    std::fill_n(full.begin() + SlotAddress(0), 6 * ImageMap::kTwoToneSystemSize, 0x00);
    LoadTwoToneSystems(full, list, ids);
    EXPECT_EQ(list.Count(), 4u);
}

struct SystemReferences : ::testing::Test {
    test::FakeDirectory directory;
    test::FakeTextLookup texts;
    ProblemList problems;
    TwoToneSystemData system{1400};

    void SetUp() override {
        directory.Fill(RecordKind::AlertTone, 5, 5000);
        directory.Fill(RecordKind::TwoToneSystem, 2, 1200);
        texts.controls[C::kMissingAlertToneText] = "Alert tone missing";
        texts.controls[C::kView] = "2-Tone System";
        system.SetDefaults();
        auto b = system.Bytes();
        b[L::DecodeAlertOffset(0)] = 0xC3; // alert tone 3
        b[L::DecodeAlertOffset(1)] = 0xC0; // none
        b[L::DecodeAlertOffset(2)] = 0xC7; // past the end of the list
        b[L::DecodeAlertOffset(3)] = 0xC5;
    }
};

TEST_F(SystemReferences, StoredNumbersResolveAndPastTheEndIsNone) {
    system.ResolveReferences(directory);
    EXPECT_EQ(system.AlertToneRef(0), 5400u);
    EXPECT_EQ(system.AlertToneRef(1), kNoObject);
    EXPECT_EQ(system.AlertToneRef(2), kNoObject);
    EXPECT_EQ(system.AlertToneRef(3), 5800u);
    ReferenceCheck check{directory, problems, texts};
    system.CheckReferences(check);
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(SystemReferences, DeletingAnAlertToneMovesLaterOnesAndReportsTheMissingOne) {
    system.ResolveReferences(directory);
    directory.Erase(RecordKind::AlertTone, 2); // alert tone 3 (id 5400) goes; 4 and 5 move up
    system.ResolveReferences(directory);
    EXPECT_EQ(system.AlertToneNumber(3), 4); // still alert tone 5800, now the fourth
    EXPECT_EQ(system.AlertToneRef(0), 5400u);

    ReferenceCheck check{directory, problems, texts};
    system.CheckReferences(check);
    system.CheckReferences(check); // reported once
    ASSERT_EQ(problems.Entries().size(), 1u);
    const ProblemEntry& entry = problems.Entries()[0];
    EXPECT_EQ(entry.controlId, 5477);
    EXPECT_EQ(entry.where, "Alert tone missing");
    EXPECT_EQ(entry.what, "2-Tone System - 2");
    EXPECT_EQ(entry.key, 1400u + 71012u);

    system.WithdrawProblems(problems);
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(SystemReferences, AdvancePageListsAlertTonesAndStoresTheChoice) {
    texts.controls[C::kFirstAlertTone] = "Alert #";
    system.ResolveReferences(directory);
    TwoToneSystemAdvanceUi ui;
    system.LoadAdvanceUi(ui, texts, directory);
    ASSERT_EQ(ui.alertTone[0].texts.size(), 6u);
    EXPECT_EQ(ui.alertTone[0].texts[0], "Alert #");
    EXPECT_EQ(ui.alertTone[0].texts[3], "Alert #3");
    EXPECT_EQ(ui.alertTone[0].selected, 3);
    EXPECT_EQ(ui.alertTone[1].selected, 0);

    ui.alertTone[0].selected = 5;
    ui.alertTone[3].selected = -1; // no selection keeps what was there
    system.StoreAdvanceUi(ui, texts);
    EXPECT_EQ(system.AlertToneNumber(0), 5);
    EXPECT_EQ(system.AlertToneRef(0), 5800u);
    EXPECT_EQ(system.AlertToneNumber(3), 5);
}

TEST(TwoToneSystemUiTransfer, ShippedListsCoverTheDefaultsAndRoundTrip) {
    const test::ShippedLanguage texts;
    test::FakeDirectory directory;
    directory.Fill(RecordKind::AlertTone, 5, 5000);
    auto system = DefaultSystem(200);
    system->ResolveReferences(directory);
    const std::vector<std::uint8_t> before(system->Bytes().begin(), system->Bytes().end());

    TwoToneSystemBasicUi basic;
    system->LoadBasicUi(basic, texts);
    EXPECT_EQ(basic.pretime, "500");
    EXPECT_EQ(basic.firstToneDuration, "1.0");
    EXPECT_EQ(basic.longToneDuration, "5.0");
    EXPECT_EQ(basic.sidetone, 0);
    EXPECT_EQ(basic.shortBeep, 1);
    TwoToneSystemAdvanceUi advance;
    system->LoadAdvanceUi(advance, texts, directory);
    EXPECT_EQ(advance.callFormat[0], "C-D");
    EXPECT_EQ(advance.callType[0], "Group Call");
    EXPECT_EQ(advance.tone[0], "321.7");
    EXPECT_EQ(advance.tone[3], "2043.8");
    EXPECT_EQ(advance.transpondDelay, "0.5");
    EXPECT_EQ(advance.respondMode, "Manual");
    EXPECT_EQ(advance.alertTone[2].selected, 1);

    system->StoreBasicUi(basic, texts);
    system->StoreAdvanceUi(advance, texts);
    EXPECT_EQ(std::vector<std::uint8_t>(system->Bytes().begin(), system->Bytes().end()), before);

    advance.tone[1] = "1000.0";
    advance.callFormat[2] = "None";
    advance.respondMode = "Auto";
    advance.vibrateAutoReset = 0;
    basic.pretime = "nonsense";
    system->StoreBasicUi(basic, texts);
    system->StoreAdvanceUi(advance, texts);
    EXPECT_EQ(system->Tone(1), 10000);
    EXPECT_EQ(system->Bytes()[L::DecodeFormatOffset(2)], 0x30);
    EXPECT_EQ(system->Bytes()[L::kOptions], 0xBF);
    EXPECT_EQ(system->Bytes()[L::kPretime], 5); // an unreadable text keeps the value
}

TEST(TwoToneSystemEditRules, CallFormatsAreExclusiveAndDecodeOneNeverOffersNone) {
    const auto offered = TwoToneSystemData::OfferedCallFormats(6, {1, 2, 0, -1});
    EXPECT_EQ(offered[0], (std::vector<int>{1, 3, 4, 5}));
    EXPECT_EQ(offered[1], (std::vector<int>{0, 2, 3, 4, 5}));
    EXPECT_EQ(offered[2], (std::vector<int>{0, 3, 4, 5}));
    EXPECT_EQ(offered[3], (std::vector<int>{0, 3, 4, 5}));
}

TEST(TwoToneSystemEditRules, ToneEditsFollowTheLettersOfTheFormats) {
    EXPECT_EQ(TwoToneSystemData::ToneEditsEnabled({"A-B", "None", "B-D", ""}),
              (std::array<bool, 4>{true, true, false, true}));
    EXPECT_EQ(TwoToneSystemData::ToneEditsEnabled({"None", "", "", ""}),
              (std::array<bool, 4>{false, false, false, false}));
}

TEST(TwoToneSystemEditRules, CallTypesSwitchTheAlertingControls) {
    TwoToneCallTypeReaction r = TwoToneSystemData::ReactToCallTypes({0, 1, 2, 3}, true, false);
    EXPECT_EQ(r.alertToneList[0], false);
    EXPECT_EQ(r.recordBox[0], true);
    EXPECT_EQ(r.alertToneList[1], true);
    EXPECT_EQ(r.recordBox[1], false);
    EXPECT_FALSE(r.recordBox[2].has_value());
    EXPECT_EQ(r.vibrate, true);
    EXPECT_EQ(r.vibrateAutoReset, true);
    EXPECT_EQ(r.ledAutoReset, false);

    r = TwoToneSystemData::ReactToCallTypes({0, 0, 0, 0}, true, true);
    EXPECT_EQ(r.vibrate, false);
    EXPECT_EQ(r.led, false);
    EXPECT_EQ(r.ledAutoReset, false);

    r = TwoToneSystemData::ReactToCallTypes({3, 3, 3, 3}, true, true);
    EXPECT_FALSE(r.vibrate.has_value());
    EXPECT_EQ(r.alertToneAutoReset, false);
    EXPECT_EQ(r.vibrateAutoReset, false);

    r = TwoToneSystemData::ReactToCallTypes({0, 3, 0, 3}, true, true);
    EXPECT_EQ(r.alertToneAutoReset, false);
    EXPECT_FALSE(r.vibrateAutoReset.has_value());
    EXPECT_FALSE(r.led.has_value());
}

} // namespace
} // namespace tav
