#include "core/data/ChannelData.h"

#include "ChanFixtures.h"
#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <tuple>
#include <vector>

namespace tav {
namespace {

using test::ChanTexts;
using test::FakeDirectory;

constexpr std::size_t kBase = ImageMap::kChannels;

std::vector<std::uint8_t> Slice(const Image& image, std::size_t from, std::size_t count) {
    return {image.begin() + static_cast<std::ptrdiff_t>(from),
            image.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

std::vector<std::uint8_t> Bytes(const ChannelData& c) {
    return {c.Bytes().begin(), c.Bytes().end()};
}

DataContext Range(std::uint16_t low, std::uint16_t high) {
    DataContext context;
    context.rangeLowMHz = low;
    context.rangeHighMHz = high;
    return context;
}

Image StoreAll(const RecordList<ChannelData>& channels) {
    Image image = BlankImage();
    StoreChannels(channels, image);
    return image;
}

TEST(ChannelDefaults, FirstChannelBytesForA400MHzRange) {
    ObjectIdCounter ids(65535);
    const auto channel = MakeDefaultChannel(ids, 0, Range(400, 470));
    EXPECT_EQ(channel->Id(), 65535u + 200u);
    const std::vector<std::uint8_t> expected = {0xFF, 0xFF, 0xFF, 0xFF, 0x40, 0x03, 0x25, 0x00,
                                                0x40, 0x03, 0x25, 0x00, 0x55, 0x26, 0x55, 0x26,
                                                0x66, 0x22, 0x00, 0x01, 0x00, 0xFC, 0x00, 0x00};
    EXPECT_EQ(Bytes(*channel), expected);
}

TEST(ChannelDefaults, FrequencyAndToneFollowThePosition) {
    ObjectIdCounter ids;
    const auto second = MakeDefaultChannel(ids, 1, Range(400, 470));
    EXPECT_EQ(second->RxFreq(), 0x40082500u);
    EXPECT_EQ(second->RxTone(), 0x5000u | 1365u); // 136.5 Hz
    EXPECT_EQ(second->Bytes()[20], 0x00);

    const auto sixteenth = MakeDefaultChannel(ids, 15, Range(136, 174));
    EXPECT_EQ(sixteenth->RxFreq(), 0x14382500u); // 136.325 + 7.5 MHz
    EXPECT_EQ(sixteenth->TxFreq(), 0x14382500u);
    EXPECT_EQ(sixteenth->TxTone(), 0x5000u | 1862u); // 186.2 Hz
    EXPECT_TRUE(sixteenth->AutoStartScan());
    EXPECT_EQ(sixteenth->Bytes()[20], 0x40);
    EXPECT_EQ(ids.Current(), 400u);

    // Positions past the radio's capacity still give a valid tone and frequency.
    const auto far = MakeDefaultChannel(ids, 1000, Range(400, 470));
    EXPECT_EQ(far->RxTone(), 0x5000u | 2541u);
    EXPECT_EQ(far->RxStep(), 6);
}

TEST(ChannelImage, AllErasedImageLoadsOneChannelOfNothing) {
    RecordList<ChannelData> channels;
    ObjectIdCounter ids;
    LoadChannels(BlankImage(), channels, ids);
    ASSERT_EQ(channels.Count(), 1u);
    const ChannelData& c = channels.At(0);
    EXPECT_EQ(c.RxFreq(), kNoFreq);
    EXPECT_EQ(c.TxFreq(), kNoFreq);
    EXPECT_EQ(c.RxTone() >> 14, 3);

    ChannelUi ui;
    const auto texts = ChanTexts();
    c.LoadUi(ui, texts);
    EXPECT_EQ(ui.rxType, "CDCSS Inverted");
    EXPECT_EQ(ui.rxCdcss, "7777"); // value bits 0xFFF shown in octal
    EXPECT_EQ(ui.rxCtcss, "67.0");
}

TEST(ChannelImage, LoadingStopsAtTheMarkerOfTheNextSlot) {
    Image image = BlankImage();
    RecordList<ChannelData> channels;
    ObjectIdCounter ids;
    for (std::size_t k = 0; k < 16; ++k) {
        image[kBase + 24 * k + 19] = 0x00;
    }
    image[kBase + 24 * 3 + 19] = 0xFF;
    LoadChannels(image, channels, ids);
    EXPECT_EQ(channels.Count(), 3u);

    image[kBase + 24 * 3 + 19] = 0x01;
    image[kBase + 24 * 16 + 19] = 0x00; // the slot after the table is never looked at as a record
    LoadChannels(image, channels, ids);
    EXPECT_EQ(channels.Count(), 16u);

    image[kBase + 24 + 19] = 0xFF;
    LoadChannels(image, channels, ids);
    EXPECT_EQ(channels.Count(), 1u);
}

TEST(ChannelImage, RoundTripKeepsEveryByteOfEachRecord) {
    Image image = BlankImage();
    std::mt19937 random(7);
    for (std::size_t i = 0; i < 3 * 24; ++i) {
        image[kBase + i] = static_cast<std::uint8_t>(random());
    }
    image[kBase + 24 + 19] = 0x02;
    image[kBase + 48 + 19] = 0x00;
    RecordList<ChannelData> channels;
    ObjectIdCounter ids;
    LoadChannels(image, channels, ids);
    ASSERT_EQ(channels.Count(), 3u);

    const Image stored = StoreAll(channels);
    EXPECT_EQ(Slice(stored, kBase, 72), Slice(image, kBase, 72));
    EXPECT_TRUE(std::all_of(stored.begin(), stored.begin() + kBase, [](auto b) { return b == 0xFF; }));
    EXPECT_TRUE(std::all_of(stored.begin() + kBase + 72, stored.end(), [](auto b) { return b == 0xFF; }));
}

TEST(ChannelImage, FieldsAreStoredMostSignificantByteFirst) {
    ObjectIdCounter ids;
    RecordList<ChannelData> channels;
    channels.Append(MakeDefaultChannel(ids, 0, Range(400, 470)));
    channels.Append(MakeDefaultChannel(ids, 1, Range(400, 470)));
    const auto texts = ChanTexts();
    ChannelUi ui;
    channels.At(0).LoadUi(ui, texts);
    ui.rxFreq = 0x40012500;
    ui.rxCtcss = "67.0";
    channels.At(0).StoreUi(ui, texts, Range(400, 470));

    const Image image = StoreAll(channels);
    EXPECT_EQ(Slice(image, kBase + 4, 4), (std::vector<std::uint8_t>{0x40, 0x01, 0x25, 0x00}));
    EXPECT_EQ(Slice(image, kBase + 12, 2), (std::vector<std::uint8_t>{0x52, 0x9E}));
    // Two channels take 48 bytes; the next slot stays erased and ends the table.
    EXPECT_TRUE(std::all_of(image.begin() + kBase + 48, image.begin() + kBase + 16 * 24,
                            [](auto b) { return b == 0xFF; }));
}

TEST(ChannelImage, StoreKeepsTheTableWithinItsCapacityAndItsMarker) {
    ObjectIdCounter ids;
    RecordList<ChannelData> channels;
    for (std::size_t k = 0; k < 17; ++k) {
        channels.Append(MakeDefaultChannel(ids, k, Range(400, 470)));
    }
    // A channel after the first must not end the table when it is stored.
    channels.At(1).Bytes()[19] = 0xFF;
    const Image image = StoreAll(channels);
    EXPECT_EQ(image[kBase + 24 + 19], 0x00);
    EXPECT_TRUE(std::all_of(image.begin() + kBase + 16 * 24, image.end(), [](auto b) { return b == 0xFF; }));

    RecordList<ChannelData> again;
    LoadChannels(image, again, ids);
    EXPECT_EQ(again.Count(), 16u);
}

TEST(ChannelImage, GarbageImagesLoadAndStoreStably) {
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        Image image;
        for (auto& b : image) {
            b = static_cast<std::uint8_t>(random() % 4 == 0 ? 0xFF : random());
        }
        RecordList<ChannelData> channels;
        ObjectIdCounter ids;
        FakeDirectory directory;
        LoadChannels(image, channels, ids);
        ASSERT_GE(channels.Count(), 1u);
        ASSERT_LE(channels.Count(), 16u);
        for (auto& c : channels) {
            c->ResolveReferences(directory);
        }
        const Image first = StoreAll(channels);
        LoadChannels(first, channels, ids);
        EXPECT_EQ(StoreAll(channels), first);
    }
}

class ChannelUiTest : public ::testing::Test {
protected:
    test::FakeTextLookup texts = ChanTexts();
    DataContext range = Range(400, 470);
    ObjectIdCounter ids;
    std::unique_ptr<ChannelData> channel = MakeDefaultChannel(ids, 0, range);

    ChannelUi Load() const {
        ChannelUi ui;
        channel->LoadUi(ui, texts);
        return ui;
    }
};

TEST_F(ChannelUiTest, LoadShowsTextsByType) {
    ChannelUi ui = Load();
    EXPECT_EQ(ui.rxFreq, 0x40032500u);
    EXPECT_EQ(ui.rxType, "CTCSS");
    EXPECT_EQ(ui.rxCtcss, "131.8");
    EXPECT_EQ(ui.rxCdcss, "023");
    EXPECT_EQ(ui.spacing, "25 kHz");
    EXPECT_EQ(ui.power, "High");
    EXPECT_EQ(ui.rxStep, 6);

    WriteBe16(channel->Bytes(), 12, 0x8000 | 0x13); // CDCSS 023
    WriteBe16(channel->Bytes(), 14, 0x0ABC);        // no tone: value bits meaningless
    ui = Load();
    EXPECT_EQ(ui.rxType, "CDCSS");
    EXPECT_EQ(ui.rxCdcss, "023");
    EXPECT_EQ(ui.rxCtcss, "67.0");
    EXPECT_EQ(ui.txType, "None");
    EXPECT_EQ(ui.txCtcss, "67.0");
    EXPECT_EQ(ui.txCdcss, "023");
}

TEST_F(ChannelUiTest, LoadThenStoreChangesNothing) {
    const auto before = Bytes(*channel);
    channel->StoreUi(Load(), texts, range);
    EXPECT_EQ(Bytes(*channel), before);
}

TEST_F(ChannelUiTest, FrequenciesAreClampedOnlyWhenBothArePresent) {
    ChannelUi ui = Load();
    ui.rxFreq = 0x39000000;
    ui.txFreq = 0x48000000;
    channel->StoreUi(ui, texts, range);
    EXPECT_EQ(channel->RxFreq(), 0x40000000u);
    EXPECT_EQ(channel->TxFreq(), 0x47000000u);

    ui.rxFreq = 0x48000000;
    ui.txFreq = kNoFreq;
    channel->StoreUi(ui, texts, range);
    EXPECT_EQ(channel->RxFreq(), 0x48000000u);
    EXPECT_EQ(channel->TxFreq(), kNoFreq);
}

TEST_F(ChannelUiTest, ClearingTheReceiveFrequencyClearsTransmit) {
    ChannelUi ui = Load();
    ui.rxFreq = kNoFreq;
    ui.rxStep = 255; // an empty frequency edit
    channel->StoreUi(ui, texts, range);
    EXPECT_EQ(channel->RxFreq(), kNoFreq);
    EXPECT_EQ(channel->TxFreq(), kNoFreq);
    EXPECT_EQ(channel->Bytes()[16], 0x6F);
    EXPECT_FALSE(ChannelData::TransmitFrequencyEnabled(channel->RxFreq()));
}

TEST_F(ChannelUiTest, TonesAreParsedFlaggedAndKeepTheReservedBit) {
    ChannelUi ui = Load();
    ui.rxCtcss = "69.4";
    ui.txType = "CDCSS";
    ui.txCdcss = "754";
    channel->StoreUi(ui, texts, range);
    EXPECT_EQ(channel->RxTone(), 0x4000 | 0x2000 | 0x1000 | 694);
    EXPECT_EQ(channel->TxTone(), 0x8000 | 0x1000 | 492);
    EXPECT_EQ(Load().rxCtcss, "69.4");

    ui.txCdcss = "755";
    WriteBe16(channel->Bytes(), 14, 0x8000 | 0x13); // reserved bit clear stays clear
    channel->StoreUi(ui, texts, range);
    EXPECT_EQ(channel->TxTone(), 0x8000 | 0x2000 | 493);

    ui.rxType = "None";
    channel->StoreUi(ui, texts, range);
    EXPECT_EQ(channel->RxTone(), 0x2000 | 0x1000 | 694); // only the type bits change
}

TEST_F(ChannelUiTest, TextsWithNoListItemKeepTheirFields) {
    channel->Bytes()[17] = 0x97; // codes the language file does not list
    WriteBe16(channel->Bytes(), 12, 0x4000 | 0x1000 | 885);
    ChannelUi ui = Load();
    EXPECT_EQ(ui.spacing, "");
    ui.rxType = "";
    channel->StoreUi(ui, texts, range);
    EXPECT_EQ(channel->Bytes()[17], 0x97);
    EXPECT_EQ(channel->RxTone(), 0x4000 | 0x1000 | 885);

    ui.power = "Low";
    channel->StoreUi(ui, texts, range);
    EXPECT_EQ(channel->Bytes()[17], 0x07);
}

TEST_F(ChannelUiTest, CopyReceiveToTransmit) {
    ChannelUi ui = Load();
    ui.rxFreq = 0x40000500;
    ui.rxStep = 2;
    ui.rxType = "CDCSS";
    ui.rxCdcss = "023";
    channel->StoreUi(ui, texts, range);
    channel->CopyReceiveToTransmit();
    EXPECT_EQ(channel->TxFreq(), 0x40000500u);
    EXPECT_EQ(channel->TxTone(), channel->RxTone());
    EXPECT_EQ(channel->TxStep(), 2);
}

TEST(ChannelToneFields, TypeEnablesItsDropDown) {
    EXPECT_FALSE(ChannelData::ToneFields(0).ctcss);
    EXPECT_FALSE(ChannelData::ToneFields(0).cdcss);
    EXPECT_TRUE(ChannelData::ToneFields(1).ctcss);
    EXPECT_FALSE(ChannelData::ToneFields(1).cdcss);
    for (int type : {2, 3}) {
        EXPECT_FALSE(ChannelData::ToneFields(type).ctcss);
        EXPECT_TRUE(ChannelData::ToneFields(type).cdcss);
    }
}

class ChannelReferenceTest : public ::testing::Test {
protected:
    test::FakeTextLookup texts = ChanTexts();
    FakeDirectory directory;
    ProblemList problems;
    ObjectIdCounter ids{1000};
    std::unique_ptr<ChannelData> channel = MakeDefaultChannel(ids, 0, Range(400, 470));

    void SetUp() override {
        directory.ids[RecordKind::Channel] = {channel->Id()};
        directory.ids[RecordKind::Personality] = {11, 12, 13};
        directory.ids[RecordKind::ScanList] = {21};
    }
    void Check() {
        ReferenceCheck check{directory, problems, texts};
        channel->CheckReferences(check);
    }
};

TEST_F(ChannelReferenceTest, ResolveFollowsStoredPositions) {
    channel->ResolveReferences(directory);
    EXPECT_EQ(channel->PersonalityId(), 11u);
    EXPECT_EQ(channel->ScanListId(), 21u);

    channel->Bytes()[18] = 2;
    channel->Bytes()[19] = 0;
    channel->ResolveReferences(directory);
    EXPECT_EQ(channel->PersonalityId(), 13u);
    EXPECT_EQ(channel->ScanListId(), kNoObject);

    channel->Bytes()[18] = 3;
    channel->Bytes()[19] = 2;
    channel->ResolveReferences(directory);
    EXPECT_EQ(channel->PersonalityId(), kNoObject);
    EXPECT_EQ(channel->ScanListId(), kNoObject);
}

TEST_F(ChannelReferenceTest, CheckListsDanglingReferencesWithTheirKeys) {
    channel->ResolveReferences(directory);
    Check();
    EXPECT_FALSE(problems.HasEntries());

    directory.ids[RecordKind::Personality] = {12, 13};
    directory.ids[RecordKind::ScanList] = {22};
    Check();
    ASSERT_EQ(problems.Entries().size(), 2u);
    const ProblemEntry& personality = problems.Entries()[0];
    EXPECT_EQ(personality.controlId, 3703);
    EXPECT_EQ(personality.key, channel->Id() + 0x10000u + 3702u);
    EXPECT_EQ(personality.where, "Personality");
    EXPECT_EQ(personality.what, "Channel - 1: Miscellaneous");
    const ProblemEntry& scanList = problems.Entries()[1];
    EXPECT_EQ(scanList.controlId, 3706);
    EXPECT_EQ(scanList.key, channel->Id() + 0x10000u + 3705u);

    channel->WithdrawProblems(problems);
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(ChannelReferenceTest, NoScanListIsNotAProblemButNoPersonalityIs) {
    channel->Bytes()[19] = 0;
    channel->Bytes()[18] = 9;
    channel->ResolveReferences(directory);
    Check();
    ASSERT_EQ(problems.Entries().size(), 1u);
    EXPECT_EQ(problems.Entries()[0].controlId, 3703);

    problems.Clear();
    problems.SetControlDisabledTest([](int control) { return control == 3703; });
    Check();
    EXPECT_FALSE(problems.HasEntries());
}

TEST_F(ChannelReferenceTest, MiscPositionsAndFlags) {
    channel->ResolveReferences(directory);
    channel->Bytes()[20] = 0x15; // reserved flags survive
    ChannelUi ui;
    channel->LoadMisc(ui, directory);
    EXPECT_EQ(ui.personalityPosition, 0u);
    EXPECT_EQ(ui.scanListPosition, 1u);
    EXPECT_EQ(ui.autoStartScan, 0);

    ui.personalityPosition = 2;
    ui.scanListPosition = 0;
    ui.autoStartScan = 1;
    ui.atis = 1;
    channel->StoreMisc(ui, directory);
    EXPECT_EQ(channel->Bytes()[18], 2);
    EXPECT_EQ(channel->Bytes()[19], 0);
    EXPECT_EQ(channel->Bytes()[20], 0xD5);
    EXPECT_EQ(channel->PersonalityId(), 13u);
    EXPECT_EQ(channel->ScanListId(), kNoObject);

    // Nothing selected keeps the stored reference.
    ui.personalityPosition = ChannelUi::kNoSelection;
    ui.scanListPosition = 1;
    channel->StoreMisc(ui, directory);
    EXPECT_EQ(channel->Bytes()[18], 2);
    EXPECT_EQ(channel->ScanListId(), 21u);

    // Each switch cleared clears only its own bit.
    const std::tuple<int, int, int> cases[] = {{0, 1, 0x95}, {1, 0, 0x55}, {0, 0, 0x15}};
    for (const auto& [autoStartScan, atis, flags] : cases) {
        ui.autoStartScan = autoStartScan;
        ui.atis = atis;
        channel->StoreMisc(ui, directory);
        EXPECT_EQ(channel->Bytes()[20], flags) << autoStartScan << atis;
    }

    directory.ids[RecordKind::Personality] = {11};
    channel->LoadMisc(ui, directory);
    EXPECT_EQ(ui.personalityPosition, ChannelUi::kNoSelection);
}

TEST_F(ChannelReferenceTest, RenumberFollowsMovedAndRemovedRecords) {
    channel->Bytes()[18] = 1;
    channel->ResolveReferences(directory);
    directory.ids[RecordKind::Personality] = {12, 13};
    channel->RenumberReferences(directory);
    EXPECT_EQ(channel->Bytes()[18], 0);

    directory.ids[RecordKind::Personality] = {13};
    directory.ids[RecordKind::ScanList] = {22};
    channel->RenumberReferences(directory);
    channel->ResolveReferences(directory);
    EXPECT_EQ(channel->PersonalityId(), kNoObject); // reported by the check from now on
    EXPECT_EQ(channel->Bytes()[19], 0);
}

} // namespace
} // namespace tav
