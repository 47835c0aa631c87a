#include "BlockTestSupport.h"
#include "core/data/AtisData.h"
#include "core/data/DosData.h"
#include "core/data/ImageMap.h"
#include "core/data/KeysData.h"
#include "core/data/MiscData.h"
#include "core/data/PasswordsData.h"
#include "core/data/PttIdData.h"
#include "core/data/RadioInfoData.h"
#include "core/factory/EmbeddedData.h"
#include "core/factory/ModelData.h"
#include "core/factory/TestFreqData.h"
#include "core/factory/TuneData.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

/// Every single block, wired as the data container wires them.
struct AllBlocks {
    RadioInfoData info;
    KeysData keys;
    MiscData misc;
    PasswordsData passwords;
    AtisData atis;
    PttIdData pttId;
    DosData dos;
    TestFreqData testFreqs;
    EmbeddedData embedded;
    ModelData model;
    TuneData tune;

    AllBlocks() { model.Attach(info, misc); }

    std::vector<FeatureData*> All() {
        return {&testFreqs, &info, &keys, &misc, &atis, &pttId, &dos, &passwords, &embedded, &model, &tune};
    }
    void Load(const Image& image) {
        for (FeatureData* block : All()) {
            block->LoadFromImage(image);
        }
    }
    Image Store() {
        Image image = BlankImage();
        for (FeatureData* block : All()) {
            block->StoreToImage(image);
        }
        return image;
    }
};

struct Region {
    std::size_t address;
    std::size_t size;
};

const Region kRegions[] = {
    {ImageMap::kRadioInfo, ImageMap::kRadioInfoSize},
    {ImageMap::kKeys, ImageMap::kKeysSize},
    {ImageMap::kMiscFirst, ImageMap::kMiscFirstSize},
    {ImageMap::kModelData, ImageMap::kModelDataSize},
    {ImageMap::kMiscSecond, ImageMap::kMiscSecondSize},
    {ImageMap::kPttId, ImageMap::kPttIdSize},
    {ImageMap::kDos, ImageMap::kDosSize},
    {ImageMap::kAtis, ImageMap::kAtisSize},
    {ImageMap::kPasswords, ImageMap::kPasswordsSize},
    {ImageMap::kTestFreqs, ImageMap::kTestFreqsSize},
    {ImageMap::kEmbedded, ImageMap::kEmbeddedSize},
    {ImageMap::kTuneData, ImageMap::kTuneDataSize},
};

bool Mapped(std::size_t address) {
    for (const Region& r : kRegions) {
        if (address >= r.address && address < r.address + r.size) {
            return true;
        }
    }
    return false;
}

TEST(SingleBlocks, AnyImageLoadsAndStoresItsRegionsUnchanged) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const Image source = test::RandomImage(seed);
        AllBlocks blocks;
        blocks.Load(source);
        const Image stored = blocks.Store();
        for (std::size_t a = 0; a < kImageSize; ++a) {
            ASSERT_EQ(stored[a], Mapped(a) ? source[a] : 0xFF) << "seed " << seed << " address " << a;
        }
        AllBlocks again;
        again.Load(stored);
        ASSERT_EQ(again.Store(), stored);
    }
}

TEST(SingleBlocks, DefaultsFillOnlyTheirRegions) {
    DataContext context;
    context.modelName = "TR-100";
    AllBlocks blocks;
    for (FeatureData* block : blocks.All()) {
        block->SetDefaults(context);
    }
    const Image stored = blocks.Store();
    for (std::size_t a = 0; a < kImageSize; ++a) {
        if (!Mapped(a)) {
            ASSERT_EQ(stored[a], 0xFF) << a;
        }
    }
    // defaults survive a load and store unchanged
    AllBlocks again;
    again.Load(stored);
    EXPECT_EQ(again.Store(), stored);
}

} // namespace
} // namespace tav
