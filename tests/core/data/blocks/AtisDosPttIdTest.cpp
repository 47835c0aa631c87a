#include "BlockTestSupport.h"
#include "support/FakeTextLookup.h"
#include "core/data/AtisData.h"
#include "core/data/DosData.h"
#include "core/data/ImageMap.h"
#include "core/data/PttIdData.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::Slice;
using test::ToVector;
using Bytes = std::vector<std::uint8_t>;

// ---- ATIS ----

TEST(AtisData, DefaultsAreAllNinesAndPretime3) {
    AtisData atis;
    atis.SetDefaults({});
    EXPECT_EQ(ToVector(atis.Bytes()), (Bytes{0x99, 0x99, 0x99, 0x99, 0x99, 0x99, 3}));
    EXPECT_EQ(AtisCodeText(atis.Code()), "999999999999");
}

TEST(AtisData, CodeTextPadsAndPacksDigits) {
    EXPECT_EQ(AtisCodeFromText("123"), (AtisCode{0, 0, 0, 0, 0x01, 0x23}));
    EXPECT_EQ(AtisCodeFromText("1234"), (AtisCode{0, 0, 0, 0, 0x12, 0x34}));
    EXPECT_EQ(AtisCodeFromText(""), (AtisCode{}));
    EXPECT_EQ(AtisCodeFromText("12345678901234"), (AtisCode{0x12, 0x34, 0x56, 0x78, 0x90, 0x12}));
    // A stored code that is not decimal shows its nibbles and reads back unchanged.
    const AtisCode odd{0xAB, 0x0F, 0, 0, 0, 0x10};
    EXPECT_EQ(AtisCodeText(odd), "AB0F00000010");
    EXPECT_EQ(AtisCodeFromText(AtisCodeText(odd)), odd);
}

TEST(AtisData, UiRoundTrip) {
    test::FakeTextLookup texts;
    texts.lists[AtisData::kPretimeListId] = {{3, "300"}, {4, "400"}};
    AtisData atis;
    atis.SetDefaults({});
    AtisUi ui;
    atis.LoadUi(ui, texts);
    EXPECT_EQ(ui.pretime, "300");
    ui.code = AtisCodeFromText("123");
    ui.pretime = "400";
    atis.StoreUi(ui, texts);
    EXPECT_EQ(ToVector(atis.Bytes()), (Bytes{0, 0, 0, 0, 0x01, 0x23, 4}));
}

// ---- DOS ----

TEST(DosData, Defaults) {
    DosData dos;
    dos.SetDefaults({});
    // enable off, bits 1-3 left erased, post-mute 2 in bits 4-7; pre-mute 15
    EXPECT_EQ(ToVector(dos.Bytes()), (Bytes{0x2E, 15}));
    EXPECT_FALSE(dos.Enabled());
}

TEST(DosData, EnableTouchesOnlyBit0AndPreMuteFollowsTheCheckBox) {
    test::FakeTextLookup texts;
    texts.lists[DosData::kPreMuteListId] = {{15, "150"}, {20, "200"}};
    Image image = BlankImage();
    image[ImageMap::kDos] = 0xA4;
    image[ImageMap::kDos + 1] = 15;
    DosData dos;
    dos.LoadFromImage(image);
    DosUi ui;
    dos.LoadUi(ui, texts);
    EXPECT_EQ(ui.enable, 0);
    EXPECT_FALSE(IsPreMuteEnabled(ui));
    EXPECT_EQ(ui.preMute, "150");

    ui.enable = 1;
    EXPECT_TRUE(IsPreMuteEnabled(ui));
    ui.preMute = "200";
    dos.StoreUi(ui, texts);
    EXPECT_EQ(ToVector(dos.Bytes()), (Bytes{0xA5, 20}));
    ui.enable = 0;
    dos.StoreUi(ui, texts);
    EXPECT_EQ(dos.Bytes()[0], 0xA4);
}

TEST(DosData, UnknownListValueIsKeptThroughTheEditor) {
    test::FakeTextLookup texts;
    texts.lists[DosData::kPreMuteListId] = {{15, "150"}};
    DosData dos;
    dos.SetDefaults({});
    dos.Bytes()[DosData::kPreMuteOffset] = 77; // no item in the language file
    DosUi ui;
    dos.LoadUi(ui, texts);
    EXPECT_EQ(ui.preMute, "");
    dos.StoreUi(ui, texts);
    EXPECT_EQ(dos.PreMute(), 77);
}

// ---- PTT-ID ----

TEST(PttIdData, DefaultsAndBigEndianId) {
    PttIdData ptt;
    ptt.SetDefaults({});
    EXPECT_EQ(ToVector(ptt.Bytes()), (Bytes{0x00, 0x01, 0, 0xFD, 25, 5}));
    Image image = BlankImage();
    ptt.SetPrimaryId(0xABCD);
    ptt.StoreToImage(image);
    EXPECT_EQ(Slice(image, ImageMap::kPttId, 2), (Bytes{0xAB, 0xCD}));
    EXPECT_TRUE(test::OnlyRegionWritten(image, ImageMap::kPttId, ImageMap::kPttIdSize));
}

TEST(PttIdData, PrimaryIdEditRules) {
    EXPECT_EQ(NormalizePrimaryIdText("FFFF"), "DEEE");
    EXPECT_EQ(NormalizePrimaryIdText("0"), "0001");
    EXPECT_EQ(NormalizePrimaryIdText(""), "0001");
    EXPECT_EQ(NormalizePrimaryIdText("ABCD"), "ABCD");
    EXPECT_EQ(NormalizePrimaryIdText("abcd"), "ABCD");
    EXPECT_EQ(NormalizePrimaryIdText("E000"), "D000");
    EXPECT_EQ(NormalizePrimaryIdText("1F2F"), "1E2E");
    EXPECT_EQ(NormalizePrimaryIdText("12"), "0012");
    EXPECT_EQ(NormalizePrimaryIdText("123456"), "DEEE"); // too many digits saturate, never wrap
}

TEST(PttIdData, PrimaryIdDisplayOfStoredValues) {
    EXPECT_EQ(PrimaryIdDisplayText(0x0000), "0001");
    EXPECT_EQ(PrimaryIdDisplayText(0xFFFF), "DEEE");
    EXPECT_EQ(PrimaryIdDisplayText(0xDEEF), "DEEE");
    EXPECT_EQ(PrimaryIdDisplayText(0x1F3F), "1E3E");
    EXPECT_EQ(PrimaryIdDisplayText(0x0042), "0042");
}

TEST(PttIdData, GroupIdEditRules) {
    EXPECT_EQ(NormalizeGroupIdText("FFF"), "EEE");
    EXPECT_EQ(NormalizeGroupIdText(""), "001");
    EXPECT_EQ(NormalizeGroupIdText("1234"), "234");
    EXPECT_EQ(NormalizeGroupIdText("a"), "00A");
}

TEST(PttIdData, UiChecksAreInverseOfOffBitsAndOtherBitsKept) {
    test::FakeTextLookup texts;
    texts.lists[PttIdData::kTypeListId] = {{0, "Off"}, {1, "BOT"}};
    texts.lists[PttIdData::kPretimeListId] = {{25, "500"}, {30, "600"}};
    texts.lists[PttIdData::kPreambleListId] = {{5, "40"}, {6, "48"}};
    PttIdData ptt;
    ptt.SetDefaults({});
    ptt.Bytes()[PttIdData::kFlagsOffset] = 0x55; // side tone off, short beep on, others mixed
    PttIdUi ui;
    ptt.LoadUi(ui, texts);
    EXPECT_EQ(ui.primaryId, "0001");
    EXPECT_EQ(ui.type, "Off");
    EXPECT_EQ(ui.sideTone, 0);
    EXPECT_EQ(ui.shortBeep, 1);
    EXPECT_EQ(ui.pretime, "500");
    EXPECT_EQ(ui.preamble, "40");

    ui.primaryId = "ABCD";
    ui.type = "BOT";
    ui.sideTone = 1;
    ui.shortBeep = 0;
    ui.pretime = "600";
    ui.preamble = "48";
    ptt.StoreUi(ui, texts);
    EXPECT_EQ(ToVector(ptt.Bytes()), (Bytes{0xAB, 0xCD, 1, 0x56, 30, 6}));
}

} // namespace
} // namespace tav
