#include "BlockTestSupport.h"
#include "support/FakeTextLookup.h"
#include "core/data/ImageMap.h"
#include "core/data/KeysData.h"
#include "core/data/MiscData.h"
#include "core/data/PasswordsData.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::Slice;
using test::ToVector;
using Bytes = std::vector<std::uint8_t>;

// ---- Keys ----

test::FakeTextLookup KeyTexts() {
    test::FakeTextLookup texts;
    texts.lists[KeysData::kFunctionListId] = {{0, "None"}, {3, "Scan"}, {17, "VOX"}, {24, "Alarm"}};
    texts.lists[KeysData::kDefaultNumericKeyListId] = {{1, "Channel"}};
    return texts;
}

TEST(KeysData, Defaults) {
    KeysData keys;
    keys.SetDefaults({});
    Bytes expected(25, 0);
    expected[2] = 24;
    expected[5] = 17;
    std::fill(expected.begin() + 18, expected.begin() + 24, 0xFF);
    expected[24] = 1;
    EXPECT_EQ(ToVector(keys.Bytes()), expected);

    KeysUi ui;
    keys.LoadUi(ui, KeyTexts());
    EXPECT_EQ(ui.keys[KeysData::KeyIndex(0, 3)], "Alarm");
    EXPECT_EQ(ui.keys[KeysData::KeyIndex(1, 3)], "VOX");
    EXPECT_EQ(ui.keys[KeysData::KeyIndex(5, 3)], "None");
    EXPECT_EQ(ui.defaultNumericKey, "Channel");
}

TEST(KeysData, StoreWritesOnlyTheFourEditedKeys) {
    const auto texts = KeyTexts();
    Image image = test::RandomImage(7);
    KeysData keys;
    keys.LoadFromImage(image);
    const Bytes before = ToVector(keys.Bytes());
    KeysUi ui;
    keys.LoadUi(ui, texts);
    for (auto& text : ui.keys) {
        text = "Scan";
    }
    ui.defaultNumericKey = "Channel";
    keys.StoreUi(ui, texts);
    Bytes expected = before;
    for (std::size_t key : {1, 2, 4, 5}) {
        expected[key] = 3;
    }
    EXPECT_EQ(ToVector(keys.Bytes()), expected);
}

TEST(KeysData, KeyControlIds) {
    EXPECT_EQ(KeysData::KeyListId(0), 6612);
    EXPECT_EQ(KeysData::KeyListId(1), 6614);
    EXPECT_EQ(KeysData::KeyListId(4), 6620);
    EXPECT_EQ(KeysData::KeyIndex(2, 1), 6u);
}

// ---- Miscellaneous ----

TEST(MiscData, DefaultsInImage) {
    MiscData misc;
    misc.SetDefaults({});
    Image image = BlankImage();
    misc.StoreToImage(image);
    // block bytes 0-35 at 0x0091
    Bytes first(36, 0xFF);
    first[0] = 5;
    first[1] = 0xFE;
    first[2] = 0x01;
    first[5] = 0xEB; // gain 3, inhibit on, bit 4 clear
    first[6] = 5;
    first[7] = 0;
    first[8] = 5;
    first[9] = 0xF8;
    first[10] = 0;
    first[11] = 0xF0;
    first[20] = 0;
    first[23] = 0x00; // 16, big-endian
    first[24] = 0x10;
    first[25] = 0x02;
    EXPECT_EQ(Slice(image, 0x91, 36), first);
    // block bytes 36-72 at 0x00D9
    Bytes second(37, 0xFF);
    second[36 - 36] = 0xFF; // battery save on, tail revert 1
    second[37 - 36] = 10;
    second[39 - 36] = 100;
    second[40 - 36] = 0xF9;
    second[41 - 36] = 0xD1;
    second[42 - 36] = 0xFD;
    second[43 - 36] = 0xFC;
    second[44 - 36] = 0x84;
    second[45 - 36] = 0xFB;
    second[46 - 36] = 0xFE;
    second[47 - 36] = 0x00; // 1, big-endian at 0x00E4
    second[48 - 36] = 0x01;
    second[49 - 36] = 0x00;
    EXPECT_EQ(Slice(image, 0xD9, 37), second);
    // nothing in between (the model data's bytes) or around
    for (std::size_t a = 0; a < image.size(); ++a) {
        if ((a < 0x91 || a > 0xB4) && (a < 0xD9 || a > 0xFD)) {
            ASSERT_EQ(image[a], 0xFF) << a;
        }
    }
}

TEST(MiscData, LoadsBothPiecesAndStoresThemBack) {
    const Image source = test::RandomImage(3);
    MiscData misc;
    misc.LoadFromImage(source);
    EXPECT_EQ(misc.Bytes()[0], source[0x91]);
    EXPECT_EQ(misc.Bytes()[35], source[0xB4]);
    EXPECT_EQ(misc.Bytes()[36], source[0xD9]);
    EXPECT_EQ(misc.Bytes()[41], source[0xDE]);
    EXPECT_EQ(misc.Bytes()[72], source[0xFD]);
    EXPECT_EQ(misc.SharedBytes()[0], source[0xDE]);
    Image image = BlankImage();
    misc.StoreToImage(image);
    EXPECT_EQ(Slice(image, 0x91, 36), Slice(source, 0x91, 36));
    EXPECT_EQ(Slice(image, 0xD9, 37), Slice(source, 0xD9, 37));
    EXPECT_EQ(Slice(image, 0xB5, 36), Bytes(36, 0xFF));
}

test::FakeTextLookup MiscTexts() {
    test::FakeTextLookup texts;
    texts.NumberList(MiscData::kVoxGainListId, 0, 7);
    texts.NumberList(MiscData::kVoxDelayListId, 0, 30);
    texts.NumberList(MiscData::kSquelchLevelListId, 0, 9);
    texts.NumberList(MiscData::kLowPowerAlertGapListId, 0, 60);
    texts.lists[MiscData::kTailRevertListId] = {{0, "Standard"}, {1, "Phase"}};
    texts.lists[MiscData::kBatterySaveModeListId] = {{1, "1:1"}, {2, "1:2"}};
    return texts;
}

TEST(MiscData, UiFieldsAndBatterySaveRule) {
    const auto texts = MiscTexts();
    MiscData misc;
    misc.SetDefaults({});
    MiscUi ui;
    misc.LoadUi(ui, texts);
    EXPECT_EQ(ui.voxGain, "3");
    EXPECT_EQ(ui.voxDelay, "5");
    EXPECT_EQ(ui.squelchLevel, "5");
    EXPECT_EQ(ui.tailRevert, "Phase");
    EXPECT_EQ(ui.lowPowerAlertGap, "10");
    EXPECT_EQ(ui.batterySaveMode, "1:1");
    EXPECT_EQ(ui.batterySave, 1);
    EXPECT_EQ(ui.voxInhibit, 1);
    EXPECT_TRUE(IsBatterySaveModeEnabled(ui));

    // Unchecking battery save clears byte 36 bit 0 and nothing else.
    const Bytes before = ToVector(misc.Bytes());
    ui.batterySave = 0;
    EXPECT_FALSE(IsBatterySaveModeEnabled(ui));
    misc.StoreUi(ui, texts);
    Bytes expected = before;
    expected[36] &= 0xFE;
    EXPECT_EQ(ToVector(misc.Bytes()), expected);
}

TEST(MiscData, StoreKeepsEveryUnnamedBit) {
    const auto texts = MiscTexts();
    const Image image = BlankImage();
    MiscData misc;
    misc.LoadFromImage(image);
    MiscUi ui;
    ui.voxGain = "0";
    ui.voxDelay = "0";
    ui.squelchLevel = "0";
    ui.tailRevert = "Standard";
    ui.lowPowerAlertGap = "0";
    ui.batterySaveMode = "1:2";
    ui.batterySave = 0;
    ui.voxInhibit = 0;
    misc.StoreUi(ui, texts);
    Bytes expected(73, 0xFF);
    expected[5] = 0xF0; // gain bits 0-2 and inhibit bit 3 clear, bits 4-7 kept
    expected[6] = 0;
    expected[8] = 0;
    expected[36] = 0xFC; // battery save and tail revert clear
    expected[37] = 0;
    expected[40] = 0xFA; // mode 2 in bits 0-2
    EXPECT_EQ(ToVector(misc.Bytes()), expected);
}

// ---- Passwords ----

TEST(PasswordsData, DefaultsEmptyAndFourDigitRead) {
    PasswordsData passwords;
    passwords.SetDefaults({});
    EXPECT_EQ(ToVector(passwords.Bytes()), Bytes(24, 0));
    PasswordsUi ui;
    passwords.LoadUi(ui);
    EXPECT_EQ(ui.powerOn, "");
    ui.read = "1234";
    passwords.StoreUi(ui);
    EXPECT_EQ(ToVector(passwords.Bytes().subspan(16)), (Bytes{'1', '2', '3', '4', 0, 0, 0, 0}));
    EXPECT_EQ(passwords.Read(), "1234");
}

TEST(PasswordsData, LongTextsKeepEightAndFullFieldsReadWhole) {
    PasswordsData passwords;
    passwords.SetDefaults({});
    PasswordsUi ui{"123456789", "87654321", ""};
    passwords.StoreUi(ui);
    EXPECT_EQ(passwords.PowerOn(), "12345678");
    EXPECT_EQ(passwords.WriteDealer(), "87654321");
    EXPECT_EQ(passwords.Read(), "");
    EXPECT_EQ(NormalizePasswordText("12a34567890"), "12345678");
}

} // namespace
} // namespace tav
