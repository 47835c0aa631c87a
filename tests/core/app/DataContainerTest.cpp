#include "core/app/CDataContainer.h"
#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "support/FakeTextLookup.h"

#include <gtest/gtest.h>
#include <random>

namespace tav {
namespace {

/// The image ranges that some data object maps; every other byte must be 0xFF after a store.
bool IsMapped(std::size_t a) {
    using namespace ImageMap;
    const std::pair<std::size_t, std::size_t> regions[] = {
        {kRadioInfo, kRadioInfoSize},
        {kKeys, kKeysSize},
        {kMiscFirst, 0x010D - kMiscFirst}, // misc, model data, misc, PTT-ID, DOS, ATIS
        {kAlertTones, kAlertToneSize * kAlertToneCapacity},
        {kPasswords, kPasswordsSize},
        {kChannels, kChannelSize * kChannelCapacity},
        {kPersonalities, kPersonalitySize * kPersonalityCapacity},
        {kTwoToneSystems, kTwoToneSystemSize * kTwoToneSystemCapacity},
        {kTwoToneCalls, kTwoToneCallsEnd + 1 - kTwoToneCalls},
        {kScanLists, kScanListSize},
        {kTestFreqs, kTestFreqsSize},
        {kEmbedded, kEmbeddedSize},
        {kTuneData, kTuneDataSize},
    };
    for (const auto& [start, size] : regions) {
        if (a >= start && a < start + size) {
            return true;
        }
    }
    return false;
}

TEST(DataContainer, HandsOutObjectIdBasesInStepsOf65535) {
    CDataContainer container;
    const ObjectId next = container.NextObjectIdBase();
    EXPECT_EQ(next % 65535u, 0u);
    EXPECT_EQ(container.NextObjectIdBase(), next + 65535u);
}

TEST(DataContainer, ANewContainerHoldsABlankImage) {
    CDataContainer container;
    EXPECT_EQ(container.image(), BlankImage());
}

TEST(DataContainer, DefaultsStoreOnlyIntoMappedBytesAndSurviveAReload) {
    CDataContainer container;
    container.CreateDefaults();
    container.StoreAll();
    const Image first = container.image();
    for (std::size_t a = 0; a < kImageSize; ++a) {
        if (!IsMapped(a)) {
            ASSERT_EQ(first[a], 0xFF) << "address " << a;
        }
    }
    EXPECT_EQ(container.Channels().Count(), 16u);
    container.LoadAll();
    EXPECT_EQ(container.Channels().Count(), 16u);
    EXPECT_EQ(container.Personalities().Count(), 1u);
    EXPECT_EQ(container.AlertTones().Count(), 5u);
    EXPECT_EQ(container.TwoToneSystems().Count(), 1u);
    ProblemList problems;
    test::FakeTextLookup texts;
    EXPECT_FALSE(container.CheckAllReferences(problems, texts));
}

TEST(DataContainer, TheFirstPersonalityOverwritesThePttIdBlock) {
    CDataContainer container;
    container.CreateDefaults();
    auto pttId = container.PttId().Bytes();
    std::fill(pttId.begin(), pttId.end(), 0x12);
    container.StoreAll();
    for (std::size_t i = 0; i < ImageMap::kPttIdSize; ++i) {
        EXPECT_EQ(container.image()[ImageMap::kPttId + i],
                  container.image()[ImageMap::kPersonalities + 21 + i]);
    }
}

TEST(DataContainer, AnyImageLoadsAndStoresToAStableImage) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 300; ++round) {
        Image garbage;
        const int style = round % 3;
        for (auto& byte : garbage) {
            const auto r = static_cast<std::uint8_t>(random());
            // Plain noise, mostly erased memory, and noise with many end markers.
            byte = style == 0 ? r : style == 1 ? (r < 32 ? r : 0xFF) : (r < 96 ? 0xFF : r);
        }
        CDataContainer container;
        container.image() = garbage;
        container.LoadAll();
        container.StoreAll();
        const Image once = container.image();
        for (std::size_t a = 0; a < kImageSize; ++a) {
            if (!IsMapped(a)) {
                ASSERT_EQ(once[a], 0xFF) << "round " << round << " address " << a;
            }
        }
        ProblemList problems;
        test::FakeTextLookup texts;
        container.CheckAllReferences(problems, texts);
        container.LoadAll();
        container.StoreAll();
        ASSERT_EQ(container.image(), once) << "round " << round;
    }
}

} // namespace
} // namespace tav
