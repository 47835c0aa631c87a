#include "SigTestSupport.h"
#include "core/data/PersonalityData.h"
#include "core/data/ProblemList.h"

#include <gtest/gtest.h>
#include <vector>

namespace tav {
namespace {

namespace L = PersonalityLayout;
namespace C = PersonalityControls;

constexpr std::size_t Slot(std::size_t i) {
    return ImageMap::kPersonalities + i * ImageMap::kPersonalitySize;
}

std::unique_ptr<PersonalityData> DefaultPersonality(ObjectId id) {
    auto personality = std::make_unique<PersonalityData>(id);
    personality->SetDefaults();
    return personality;
}

TEST(PersonalityDefaults, StoredBytesOfANewPersonality) {
    RecordList<PersonalityData> list;
    list.Append(DefaultPersonality(200));
    Image image = BlankImage();
    StorePersonalities(list, image);
    std::vector<std::uint8_t> expected{0xCD, 0x0B, 0xCD, 0x0B, 0x40, 0xC0, 0xFF, 0, 1,    0, 0,    0xFC, 1, 0,
                                       60,   10,   0,    0,    0,    1,    10,   0, 0x01, 0, 0xFD, 25,   5};
    expected.resize(ImageMap::kPersonalitySize, 0xFF);
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + Slot(0), image.begin() + Slot(1)), expected);
    EXPECT_EQ(list.At(0).PrimaryId(), 1);
}

TEST(PersonalityDefaults, ShownWithTheShippedLists) {
    const test::ShippedLanguage texts;
    test::FakeDirectory directory;
    directory.Fill(RecordKind::TwoToneSystem, 1, 3000);
    auto personality = DefaultPersonality(200);
    personality->ResolveReferences(directory);
    PersonalityUi ui;
    personality->LoadUi(ui, texts, directory);
    EXPECT_EQ(ui.txTimeout, "60");
    EXPECT_EQ(ui.totPreAlert, "10");
    EXPECT_EQ(ui.rxSquelchMode, "CTCSS/CDCSS");
    EXPECT_EQ(ui.txAdmit, "Channel Free");
    EXPECT_EQ(ui.autoResetMode, "Carrier Override");
    EXPECT_EQ(ui.autoResetTime, "10");
    EXPECT_EQ(ui.primaryId, "0001");
    EXPECT_EQ(ui.pttIdType, "None");
    EXPECT_EQ(ui.pttIdPretime, "250");
    EXPECT_EQ(ui.preambleBitSync, "5");
    EXPECT_EQ(ui.sideTone, 0);
    EXPECT_EQ(ui.shortBeep, 1);
    EXPECT_EQ(ui.rxSignaling, "None");
    EXPECT_EQ(ui.decodeCondition, "And");
    EXPECT_FALSE(ui.rxSystem.enabled);
    EXPECT_EQ(ui.rxSystem.selected, 0);

    // Every field goes back to the same bytes.
    const std::vector<std::uint8_t> before(personality->Bytes().begin(), personality->Bytes().end());
    personality->StoreUi(ui, texts);
    EXPECT_EQ(std::vector<std::uint8_t>(personality->Bytes().begin(), personality->Bytes().end()), before);
}

TEST(PersonalityImage, LoadStopsAtAnErasedTxAdmitAndNeverReadsANinthSlot) {
    Image image = BlankImage();
    std::fill_n(image.begin() + Slot(0), 9 * ImageMap::kPersonalitySize, 0x01);
    RecordList<PersonalityData> list;
    ObjectIdCounter ids;
    LoadPersonalities(image, list, ids);
    EXPECT_EQ(list.Count(), 8u);

    image[Slot(1) + L::kTxAdmit] = 0xFF;
    LoadPersonalities(image, list, ids);
    EXPECT_EQ(list.Count(), 1u);
}

TEST(PersonalityImage, StoreLinksInACircleSwapsTheIdAndMendsTxAdmit) {
    Image image = BlankImage();
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t b = 0; b < ImageMap::kPersonalitySize; ++b) {
            image[Slot(i) + b] = static_cast<std::uint8_t>(b + i);
        }
    }
    image[Slot(0) + L::kTxAdmit] = 3;
    image[Slot(1) + L::kTxAdmit] = 4;
    image[Slot(2) + L::kTxAdmit] = 0xFE;
    image[Slot(0) + L::kPrimaryId] = 0x12;
    image[Slot(0) + L::kPrimaryId + 1] = 0x34;
    RecordList<PersonalityData> list;
    ObjectIdCounter ids;
    LoadPersonalities(image, list, ids);
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(0).PrimaryId(), 0x1234);

    Image stored = BlankImage();
    StorePersonalities(list, stored);
    EXPECT_EQ(ReadLe16(stored, Slot(0) + L::kPreviousLink), Slot(2));
    EXPECT_EQ(ReadLe16(stored, Slot(0) + L::kNextLink), Slot(1));
    EXPECT_EQ(ReadLe16(stored, Slot(2) + L::kNextLink), 3021);
    EXPECT_EQ(stored[Slot(0) + L::kTxAdmit], 1);
    EXPECT_EQ(stored[Slot(1) + L::kTxAdmit], 4);
    EXPECT_EQ(stored[Slot(2) + L::kTxAdmit], 1);
    EXPECT_EQ(list.At(0).Bytes()[L::kTxAdmit], 3); // memory is left alone
    // Everything else comes back as it was.
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(std::equal(stored.begin() + Slot(i) + 13, stored.begin() + Slot(i + 1),
                               image.begin() + Slot(i) + 13));
    }
    EXPECT_EQ(stored[Slot(3) + L::kTxAdmit], 0xFF);
}

TEST(PersonalityImage, FirstPersonalityOverwritesThePttIdBlock) {
    RecordList<PersonalityData> list;
    list.Append(DefaultPersonality(200));
    list.Append(DefaultPersonality(400));
    list.At(0).SetPrimaryId(0xABCD);
    list.At(0).Bytes()[L::kPttIdType] = 2;
    list.At(0).Bytes()[L::kPreambleBitSync] = 9;
    Image image = BlankImage();
    std::fill_n(image.begin() + ImageMap::kPttId, ImageMap::kPttIdSize,
                0x55); // the PTT-ID block, stored before
    StorePersonalities(list, image);
    const std::vector<std::uint8_t> expected{0xAB, 0xCD, 2, 0xFD, 25, 9};
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin() + ImageMap::kPttId,
                                        image.begin() + ImageMap::kPttId + ImageMap::kPttIdSize),
              expected);
    EXPECT_EQ(image[ImageMap::kDos], 0xFF);

    // Without personalities the block stays as it was stored.
    RecordList<PersonalityData> none;
    Image untouched = BlankImage();
    untouched[ImageMap::kPttId] = 0x55;
    StorePersonalities(none, untouched);
    EXPECT_EQ(untouched[ImageMap::kPttId], 0x55);
}

TEST(PersonalityValidate, SquelchModeAboveOneNeedsRxSignaling) {
    test::FakeDirectory directory;
    directory.Fill(RecordKind::Personality, 3, 200);
    test::FakeTextLookup texts;
    texts.controls[C::kSquelchProblemText] = "Needs signaling";
    texts.controls[C::kView] = "Personality";
    ProblemList problems;
    ReferenceCheck check{directory, problems, texts};

    auto personality = DefaultPersonality(600);
    personality->Bytes()[L::kRxSquelchMode] = 1;
    personality->CheckReferences(check);
    EXPECT_FALSE(problems.HasEntries());

    personality->Bytes()[L::kRxSquelchMode] = 2;
    personality->CheckReferences(check);
    ASSERT_EQ(problems.Entries().size(), 1u);
    EXPECT_EQ(problems.Entries()[0].controlId, 2402);
    EXPECT_EQ(problems.Entries()[0].where, "Needs signaling");
    EXPECT_EQ(problems.Entries()[0].what, "Personality - 3");
    EXPECT_EQ(problems.Entries()[0].key, 600u + 67937u);
    personality->WithdrawProblems(problems);
    EXPECT_FALSE(problems.HasEntries());

    // A personality that is not in the list is number 0; with RX signaling it is fine.
    auto stray = DefaultPersonality(9000);
    stray->Bytes()[L::kRxSquelchMode] = 4;
    stray->CheckReferences(check);
    EXPECT_EQ(problems.Entries().at(0).what, "Personality - 0");
    problems.Clear();
    stray->Bytes()[L::kRxSignaling] = 0x42;
    stray->CheckReferences(check);
    EXPECT_FALSE(problems.HasEntries());
}

TEST(PersonalitySystems, ReferencesFollowTheSystemListOnlyForTwoTone) {
    test::FakeDirectory directory;
    directory.Fill(RecordKind::TwoToneSystem, 4, 3000);
    auto personality = DefaultPersonality(200);
    personality->Bytes()[L::kRxSignaling] = 0x62; // two-tone, system 3 (index 2), kept bit
    personality->Bytes()[L::kTxSignaling] = 0xF0; // none, index 3
    personality->ResolveReferences(directory);
    EXPECT_EQ(personality->RxSystemRef(), 3400u);
    EXPECT_EQ(personality->TxSystemRef(), kNoObject);

    directory.Erase(RecordKind::TwoToneSystem, 0);
    personality->ResolveReferences(directory);
    EXPECT_EQ(personality->Bytes()[L::kRxSignaling], 0x52);
    EXPECT_EQ(personality->Bytes()[L::kTxSignaling], 0xF0);

    test::FakeTextLookup texts;
    texts.controls[C::kRxSystem] = "System #";
    texts.controls[C::kTxSystem] = "System #";
    PersonalityUi ui;
    personality->LoadSignalUi(ui, texts, directory);
    EXPECT_EQ(ui.rxSystem.texts, (std::vector<std::string>{"System #1", "System #2", "System #3"}));
    EXPECT_EQ(ui.rxSystem.selected, 1);
    EXPECT_TRUE(ui.rxSystem.enabled);
    EXPECT_EQ(ui.txSystem.texts, (std::vector<std::string>{"System #"}));
    EXPECT_FALSE(ui.txSystem.enabled);

    ui.rxSystem.selected = 2;
    personality->StoreSignalUi(ui, texts);
    EXPECT_EQ(personality->RxSystemRef(), 3600u);
    EXPECT_EQ(personality->Bytes()[L::kRxSignaling], 0x62);
    EXPECT_EQ(personality->Bytes()[L::kTxSignaling], 0xC0); // the "none" item is position 0

    // A type that is neither none nor two-tone offers the single item, enabled.
    const auto other = PersonalityData::SystemChoices(1, kNoObject, C::kRxSystem, texts, directory);
    EXPECT_EQ(other.texts.size(), 1u);
    EXPECT_TRUE(other.enabled);
    EXPECT_EQ(other.selected, 0);
}

TEST(PersonalityEditRules, PrimaryIdIsClampedNeverRefused) {
    EXPECT_EQ(PersonalityData::NormalizePrimaryIdText("FFFF"), "DEEE");
    EXPECT_EQ(PersonalityData::NormalizePrimaryIdText("0"), "0001");
    EXPECT_EQ(PersonalityData::NormalizePrimaryIdText("f1"), "00E1");
    EXPECT_EQ(PersonalityData::NormalizePrimaryIdText(""), "0001");
    EXPECT_EQ(PersonalityData::NormalizePrimaryIdText("E123"), "D123");
    EXPECT_EQ(PersonalityData::NormalizePrimaryIdText("123456"), "DEEE"); // too long saturates
    EXPECT_EQ(PersonalityData::PrimaryIdText(0xFFFF), "DEEE");
    EXPECT_EQ(PersonalityData::PrimaryIdText(0xDF00), "DEEE");
    EXPECT_EQ(PersonalityData::PrimaryIdText(0x0000), "0001");
    EXPECT_EQ(PersonalityData::PrimaryIdText(0x1F2F), "1E2E");

    test::FakeTextLookup texts;
    auto personality = DefaultPersonality(200);
    PersonalityUi ui;
    personality->LoadPttIdUi(ui, texts);
    ui.primaryId = "fff";
    personality->StorePttIdUi(ui, texts);
    EXPECT_EQ(personality->PrimaryId(), 0x0EEE);
}

TEST(PersonalityEditRules, PreAlertItemsFollowTheTimeOut) {
    const std::vector<std::string> full{"Off", "1", "2", "3", "4"};
    EXPECT_EQ(PersonalityData::PreAlertItems(full, 3), (std::vector<std::string>{"Off", "1", "2"}));
    EXPECT_EQ(PersonalityData::PreAlertItems(full, 60), full);
    EXPECT_EQ(PersonalityData::PreAlertItems(full, 0), (std::vector<std::string>{"Off"}));
    EXPECT_EQ(PersonalityData::ReselectPreAlert({"Off", "1"}, "1"), 1);
    EXPECT_EQ(PersonalityData::ReselectPreAlert({"Off", "1"}, "4"), 0);
    EXPECT_FALSE(PersonalityData::TotSettingsEnabled(0));
    EXPECT_TRUE(PersonalityData::AutoResetTimeEnabled(2));
}

} // namespace
} // namespace tav
