#include "core/factory/ModelData.h"

#include "../data/blocks/BlockTestSupport.h"
#include "support/FakeTextLookup.h"
#include "support/TestSupport.h"
#include "core/data/ImageMap.h"
#include "core/data/MiscData.h"
#include "core/data/RadioInfoData.h"
#include "core/factory/VolumeTable.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::Slice;
using Bytes = std::vector<std::uint8_t>;

DataContext Context(int low, int high, std::uint8_t flags) {
    DataContext context;
    context.rangeLowMHz = static_cast<std::uint16_t>(low);
    context.rangeHighMHz = static_cast<std::uint16_t>(high);
    context.rangeFlags = flags;
    context.signalType = 1;
    context.modelName = "TR-400";
    context.modelId = "TAVX400";
    return context;
}

struct Blocks {
    RadioInfoData info;
    MiscData misc;
    ModelData model;
    explicit Blocks(const DataContext& context) {
        info.SetDefaults(context, FixedWallClock({2024, 1, 2, 3, 4, 5}));
        misc.SetDefaults(context);
        model.SetDefaults(context);
        model.Attach(info, misc);
    }
};

test::FakeTextLookup ModelTexts() {
    test::FakeTextLookup texts;
    texts.lists[ModelData::kBandListId] = {{0, "UHF"}, {1, "VHF"}};
    texts.lists[ModelData::kSignalTypeListId] = {{0, "Standard"}, {1, "Two-Tone"}, {2, "Data"}};
    texts.lists[ModelData::kIfDirectionListId] = {{0, "Subtract"}, {1, "Add"}};
    texts.NumberList(ModelData::kOpenChannelListId, 1, 16);
    texts.lists[ModelData::kBuildTypeListId] = {{0, "Release"}, {1, "Debug"}};
    texts.lists[ModelData::kDisplayListId] = {{0, "No LCD"}, {1, "LCD"}};
    return texts;
}

TEST(ModelData, DefaultOwnBytes) {
    Blocks blocks(Context(400, 470, 0x02));
    Image image = BlankImage();
    blocks.model.StoreToImage(image);
    Bytes own(36, 0xFF);
    // 0x00C0: 12.8 MHz, 0x00C4: 38.85 MHz, most significant byte first; 0x00C9: 16
    const Bytes osc = {0x01, 0x28, 0x00, 0x00, 0x03, 0x88, 0x50, 0x00};
    std::copy(osc.begin(), osc.end(), own.begin() + 0x0B);
    own[0x14] = 0x00;
    own[0x15] = 0x10;
    EXPECT_EQ(Slice(image, 0xB5, 36), own);
    // the shared bytes come from the miscellaneous block
    MiscData alone;
    alone.SetDefaults({});
    EXPECT_EQ(Slice(image, 0xDE, 32), test::ToVector(alone.SharedBytes()));
}

TEST(ModelData, LoadPutsSharedBytesIntoTheMiscellaneousBlock) {
    const Image source = test::RandomImage(21);
    Blocks blocks(Context(400, 470, 0));
    blocks.model.LoadFromImage(source);
    EXPECT_EQ(test::ToVector(blocks.misc.SharedBytes()), Slice(source, 0xDE, 32));
    Image image = BlankImage();
    blocks.model.StoreToImage(image);
    EXPECT_EQ(Slice(image, 0xB5, 36), Slice(source, 0xB5, 36));
    EXPECT_EQ(Slice(image, 0xDE, 32), Slice(source, 0xDE, 32));
    EXPECT_EQ(Slice(image, 0xD9, 5), Bytes(5, 0xFF));
}

TEST(ModelData, DialogLoadShowsCurrentRangeLimits) {
    const auto texts = ModelTexts();
    Blocks blocks(Context(400, 470, 0x85));
    blocks.info.SetEdgesMHz(136, 174);
    blocks.info.SetModelName("  TR-400 ");
    ModelDataUi ui;
    blocks.model.LoadUi(ui, texts, Context(400, 470, 0x85));
    EXPECT_EQ(ui.modelName, "TR-400");
    EXPECT_EQ(ui.band, "VHF");
    EXPECT_EQ(ui.rangeId, "5");
    EXPECT_EQ(ui.signalType, "Two-Tone");
    EXPECT_EQ(ui.lowerLimit, 0x40000000u);
    EXPECT_EQ(ui.upperLimit, 0x47000000u);
    EXPECT_EQ(ui.serialNumber, "----------------");
    EXPECT_EQ(ui.tuneSwitchOpen, 1);
    EXPECT_EQ(ui.oscillator, 0x01280000u);
    EXPECT_EQ(ui.intermediate, 0x03885000u);
    EXPECT_EQ(ui.ifDirection, "Add");
    EXPECT_EQ(ui.openChannel, "16");
    EXPECT_EQ(ui.buildType, "Release");
    EXPECT_EQ(ui.display, "LCD");
    EXPECT_EQ(ui.options, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(ModelData, DialogStoreWritesEveryFieldInRadioOrder) {
    const auto texts = ModelTexts();
    const DataContext context = Context(400, 470, 0x02); // U band
    Blocks blocks(context);
    ModelDataUi ui;
    blocks.model.LoadUi(ui, texts, context);
    ui.modelName = "NEWNAME";
    ui.band = "VHF";
    ui.rangeId = "300"; // clamped to 7 bits
    ui.signalType = "Data";
    ui.serialNumber = "SN0001";
    ui.tuneSwitchOpen = 0;
    ui.oscillator = 0x01300000;
    ui.ifDirection = "Subtract";
    ui.openChannel = "3";
    ui.buildType = "Debug";
    ui.display = "No LCD";
    ui.options = {1, 0, 1, 0};
    const VolumeTable volumes =
        VolumeTable::FromText("[Setting]\nuwide=120\nunarrow=80\nvwide=1\nvnarrow=2\n");
    blocks.model.StoreUi(ui, texts, context, volumes);

    EXPECT_EQ(blocks.model.RadioBytes(0x10, 16),
              (Bytes{'N', 'E', 'W', 'N', 'A', 'M', 'E', 0, 0, 0, 0, 0, 0xFF, 0xFF, 2, 0xFF}));
    // limits 400-470 most significant byte first; then the current model identifier
    EXPECT_EQ(blocks.model.RadioBytes(0x28, 24), (Bytes{0x40, 0,   0,   0, 0x47, 0, 0, 0, 'T', 'A', 'V', 'X',
                                                        '4',  '0', '0', 0, 0,    0, 0, 0, 0,   0,   0,   0}));
    EXPECT_EQ(blocks.model.RadioBytes(0x48, 16),
              (Bytes{'S', 'N', '0', '0', '0', '1', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(blocks.info.RangeCode(), 0xFF);
    const Bytes own = blocks.model.RadioBytes(0xB5, 36);
    EXPECT_EQ(own[0], 0xFE);
    EXPECT_EQ(Bytes(own.begin() + 0x0B, own.begin() + 0x0F), (Bytes{0x01, 0x30, 0x00, 0x00}));
    EXPECT_EQ(own[0x13], 0xFE);
    EXPECT_EQ(Bytes(own.begin() + 0x14, own.begin() + 0x16), (Bytes{0x00, 0x03}));
    const Bytes shared = blocks.model.RadioBytes(0xDE, 32);
    EXPECT_EQ(shared[3], 0xA9); // debug, no LCD, options 1 and 3 (bits 3 and 5), bit 7 kept
    EXPECT_EQ(shared[9], 120);
    EXPECT_EQ(shared[10], 80);
}

TEST(ModelData, UvBandTakesVKeysAndClearsDirection) {
    const auto texts = ModelTexts();
    const DataContext context = Context(136, 174, 0x81);
    Blocks blocks(context);
    ModelDataUi ui;
    blocks.model.LoadUi(ui, texts, context);
    ui.ifDirection = "Add";
    blocks.model.StoreUi(ui, texts, context, VolumeTable::FromText("[Setting]\nvwide=7\n"));
    EXPECT_EQ(blocks.model.Bytes()[ModelData::kIfDirectionOffset] & 1, 0);
    EXPECT_EQ(blocks.misc.SharedBytes()[ModelData::kWideVolumeOffset], 7);
    EXPECT_EQ(blocks.misc.SharedBytes()[ModelData::kNarrowVolumeOffset], 255);
}

TEST(ModelData, RadioBytesRoundTripAndStrayAddresses) {
    Blocks blocks(Context(400, 470, 0));
    const Image radio = test::RandomImage(5);
    for (auto [address, count] :
         {std::pair<std::size_t, std::size_t>{0x10, 16}, {0x28, 24}, {0x48, 16}, {0xB5, 36}, {0xDE, 32}}) {
        const Bytes sent = Slice(radio, address, count);
        blocks.model.TakeRadioBytes(address, sent);
        EXPECT_EQ(blocks.model.RadioBytes(address, count), sent) << address;
    }
    // a limit read from the radio lands in the radio information least significant byte first
    blocks.model.TakeRadioBytes(0x28, Bytes{0x40, 0x00, 0x00, 0x00});
    EXPECT_EQ(blocks.info.LowerEdge(), 0x40000000u);
    EXPECT_EQ(blocks.model.RadioBytes(0xD9, 5), Bytes(5, 0xFF));
    blocks.model.TakeRadioBytes(0x1FFE, Bytes(10, 0)); // past everything: ignored
}

TEST(ModelData, CloseChecksAndRestores) {
    const DataContext context = Context(400, 470, 0);
    Blocks blocks(context);
    EXPECT_FALSE(blocks.model.CompareIdentity(context).modelName);
    EXPECT_FALSE(blocks.model.CompareIdentity(context).range);
    EXPECT_FALSE(blocks.model.CompareIdentity(context).signalType);
    EXPECT_EQ(blocks.model.RangeTextFromLimits(), "400-470");

    blocks.info.SetModelName("OTHER");
    blocks.info.SetEdgesMHz(410, 470);
    blocks.info.SetSignalType(3);
    const IdentityChanges changes = blocks.model.CompareIdentity(context);
    EXPECT_TRUE(changes.modelName && changes.range && changes.signalType);
    blocks.model.RestoreModelName(context);
    blocks.model.RestoreRange(context);
    blocks.model.RestoreSignalType(context);
    EXPECT_EQ(blocks.info.ModelName(), "TR-400");
    EXPECT_EQ(blocks.model.RangeTextFromLimits(), "400-470");
    EXPECT_EQ(blocks.info.SignalType(), 1);

    // a model name longer than the field compares as it would be stored
    DataContext longName = context;
    longName.modelName = "A VERY LONG MODEL NAME";
    blocks.model.RestoreModelName(longName);
    EXPECT_FALSE(blocks.model.CompareIdentity(longName).modelName);
}

TEST(ModelData, TuneSwitchByte) {
    Blocks blocks(Context(400, 470, 0));
    blocks.model.SetTuneSwitchByte(false);
    EXPECT_EQ(blocks.model.Bytes()[0], 0);
    blocks.model.SetTuneSwitchByte(true);
    EXPECT_EQ(blocks.model.Bytes()[0], 1);
}

TEST(VolumeTable, KeysByBandMissingAndOddValues) {
    const VolumeTable empty = VolumeTable::FromText("");
    EXPECT_EQ(empty.Wide(true), 255);
    EXPECT_EQ(empty.Narrow(false), 255);
    const VolumeTable table = VolumeTable::FromText("; volumes\n[Other]\nvwide=1\n[ setting ]\r\n VWide = "
                                                    "200 \r\nvnarrow=999\nuwide=-4\nunarrow=abc\nvwide=3\n");
    EXPECT_EQ(table.Wide(true), 200);
    EXPECT_EQ(table.Narrow(true), 255);
    EXPECT_EQ(table.Wide(false), 0);
    EXPECT_EQ(table.Narrow(false), 0);
}

TEST(VolumeTable, LoadsFromFileOrGivesMissingValues) {
    test::TempDir dir;
    test::WriteText(dir / "volume.ini", "[Setting]\nuwide=10\nunarrow=20\n");
    const VolumeTable table = VolumeTable::Load(dir / "volume.ini");
    EXPECT_EQ(table.Wide(false), 10);
    EXPECT_EQ(table.Narrow(false), 20);
    EXPECT_EQ(VolumeTable::Load(dir / "absent.ini").Wide(false), 255);
}

} // namespace
} // namespace tav
