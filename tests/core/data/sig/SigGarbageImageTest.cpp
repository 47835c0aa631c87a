#include "SigTestSupport.h"
#include "core/data/AlertToneData.h"
#include "core/data/PersonalityData.h"
#include "core/data/TwoToneCallData.h"
#include "core/data/TwoToneSystemData.h"

#include <gtest/gtest.h>
#include <random>

namespace tav {
namespace {

/// The sig lists of a document, loaded and stored in the container's order.
struct SigLists {
    RecordList<AlertToneData> tones;
    RecordList<PersonalityData> personalities;
    RecordList<TwoToneSystemData> systems;
    RecordList<TwoToneCallData> calls;
    ObjectIdCounter ids{65535};
    test::FakeDirectory directory;

    void Load(const Image& image) {
        LoadAlertTones(image, tones, ids);
        LoadPersonalities(image, personalities, ids);
        LoadTwoToneSystems(image, systems, ids);
        LoadTwoToneCalls(image, calls, ids);
        directory.lists[RecordKind::AlertTone].clear();
        for (const auto& t : tones) {
            directory.lists[RecordKind::AlertTone].push_back(t->Id());
        }
        directory.lists[RecordKind::TwoToneSystem].clear();
        for (const auto& s : systems) {
            directory.lists[RecordKind::TwoToneSystem].push_back(s->Id());
        }
        directory.Fill(RecordKind::Channel, 16, 1);
        for (auto& c : calls) {
            c->ResolveReferences(directory);
        }
        for (auto& s : systems) {
            s->ResolveReferences(directory);
        }
        for (auto& p : personalities) {
            p->ResolveReferences(directory);
        }
    }
    Image Store() {
        Image image = BlankImage();
        StoreAlertTones(tones, image);
        StorePersonalities(personalities, image);
        StoreTwoToneSystems(systems, image);
        StoreTwoToneCalls(calls, image);
        return image;
    }
};

Image Normalized(const Image& image) {
    SigLists lists;
    lists.Load(image);
    return lists.Store();
}

TEST(SigGarbageImages, LoadThenStoreIsStable) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        Image image;
        for (auto& b : image) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        // Now and then steer the call chain into the area so that it has something to follow.
        if (round % 3 == 0) {
            for (std::size_t slot = 0; slot < ImageMap::kTwoToneCallCapacity; ++slot) {
                const std::size_t at = ImageMap::kTwoToneCalls + slot * ImageMap::kTwoToneCallSize + 2;
                WriteLe16(image, at,
                          static_cast<std::uint16_t>(ImageMap::kTwoToneCalls + byte(random) % 192));
            }
        }
        const Image once = Normalized(image);
        EXPECT_EQ(Normalized(once), once) << "round " << round;
        // Nothing is written outside the sig areas and the PTT-ID block.
        for (std::size_t a = 0; a < kImageSize; ++a) {
            const bool mapped = (a >= ImageMap::kAlertTones && a < ImageMap::kAlertTones + 8 * 18) ||
                                (a >= ImageMap::kPttId && a < ImageMap::kPttId + ImageMap::kPttIdSize) ||
                                (a >= ImageMap::kPersonalities && a <= ImageMap::kTwoToneCallsEnd);
            if (!mapped) {
                ASSERT_EQ(once[a], 0xFF) << "address " << a << " round " << round;
            }
        }
    }
}

TEST(SigGarbageImages, DefaultDocumentRoundTrips) {
    SigLists lists;
    const DataContext context;
    for (std::size_t n = 0; n < 5; ++n) {
        lists.tones.Append(MakeDefaultAlertTone(lists.ids, n, context));
    }
    lists.personalities.Append(MakeDefaultPersonality(lists.ids, 0, context));
    lists.systems.Append(MakeDefaultTwoToneSystem(lists.ids, 0, context));
    const Image image = lists.Store();
    // No call exists in a new document: the call area stays erased.
    EXPECT_EQ(image[ImageMap::kTwoToneCalls], 0xFF);
    EXPECT_EQ(Normalized(Normalized(image)), Normalized(image));
    SigLists reloaded;
    reloaded.Load(image);
    EXPECT_EQ(reloaded.tones.Count(), 5u);
    EXPECT_EQ(reloaded.personalities.Count(), 1u);
    EXPECT_EQ(reloaded.systems.Count(), 1u);
    EXPECT_EQ(reloaded.calls.Count(), 1u);
    EXPECT_EQ(reloaded.systems.At(0).AlertToneRef(0), reloaded.tones.IdAt(0));
}

} // namespace
} // namespace tav
