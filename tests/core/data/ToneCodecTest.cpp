#include "core/data/ToneCodec.h"

#include "core/data/ToneEntryRules.h"
#include "core/data/ToneTables.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(ToneTablesTest, TablesHoldTheStandardTonesAndCodesInOrder) {
    EXPECT_EQ(CtcssToneTable.front(), 670);
    EXPECT_EQ(CtcssToneTable[20], 1318);
    EXPECT_EQ(CtcssToneTable.back(), 2541);
    EXPECT_EQ(CdcssCodeTable.front(), 23);
    EXPECT_EQ(CdcssCodeTable.back(), 754);
    for (std::size_t i = 1; i < CtcssToneTable.size(); ++i) {
        EXPECT_LT(CtcssToneTable[i - 1], CtcssToneTable[i]);
    }
    for (std::size_t i = 1; i < CdcssCodeTable.size(); ++i) {
        EXPECT_LT(CdcssCodeTable[i - 1], CdcssCodeTable[i]);
    }
    // Every code is made of octal digits only.
    for (const std::uint16_t code : CdcssCodeTable) {
        EXPECT_LE(code % 10, 7);
        EXPECT_LE(code / 10 % 10, 7);
        EXPECT_LE(code / 100, 7);
    }
}

TEST(ToneTablesTest, DropDownTextsFollowTheTables) {
    const auto tones = CtcssToneTexts();
    ASSERT_EQ(tones.size(), 50u);
    EXPECT_EQ(tones[0], "67.0");
    EXPECT_EQ(tones[12], "100.0");
    EXPECT_EQ(CtcssToneTexts(',')[1], "69,3");
    const auto codes = CdcssCodeTexts();
    ASSERT_EQ(codes.size(), 104u);
    EXPECT_EQ(codes[0], "023");
    EXPECT_EQ(codes[16], "114");
    EXPECT_EQ(DefaultCtcssText(), "67.0");
}

TEST(ToneCodecTest, CtcssTextClampsAndFlagsNonStandardTones) {
    EXPECT_EQ(ParseCtcss("69.3"), 693);
    EXPECT_TRUE(IsStandardTone(693));
    EXPECT_EQ(ParseCtcss("69.35"), 693);
    EXPECT_EQ(ParseCtcss("69.4"), 694);
    EXPECT_FALSE(IsStandardTone(694));
    EXPECT_EQ(ParseCtcss("20"), kCtcssMinValue);
    EXPECT_EQ(ParseCtcss(""), kCtcssMinValue);
    EXPECT_EQ(ParseCtcss("abc"), kCtcssMinValue);
    EXPECT_EQ(ParseCtcss("-100"), kCtcssMinValue);
    EXPECT_EQ(ParseCtcss("300.1"), kCtcssMaxValue);
    EXPECT_EQ(ParseCtcss("99999999999999999999"), kCtcssMaxValue);
    EXPECT_EQ(ParseCtcss("88,5", ','), 885);
    // Every drop-down text reads back as its own table value.
    for (const std::uint16_t tone : CtcssToneTable) {
        EXPECT_EQ(ParseCtcss(FormatTone(tone)), tone);
    }
}

TEST(ToneCodecTest, CdcssTextReadsItsDigitsAsOctal) {
    EXPECT_EQ(ParseCdcss("023"), (CdcssReading{19, 23, false}));
    EXPECT_EQ(FormatCode(19), "023");
    EXPECT_EQ(ParseCdcss("024"), (CdcssReading{20, 24, true}));
    EXPECT_EQ(ParseCdcss("754"), (CdcssReading{492, 754, false}));
    EXPECT_EQ(ParseCdcss("755"), (CdcssReading{493, 755, true}));
    EXPECT_EQ(ParseCdcss("777"), (CdcssReading{511, 777, true}));
    EXPECT_EQ(FormatCode(511), "777");
    for (const std::uint16_t code : CdcssCodeTable) {
        const CdcssReading reading = ParseCdcss(std::to_string(code));
        EXPECT_FALSE(reading.nonStandard);
        EXPECT_EQ(std::stoi(FormatCode(reading.value)), code);
    }
}

TEST(ToneCodecTest, BadCdcssTextGivesACodeInRange) {
    EXPECT_EQ(ParseCdcss(""), (CdcssReading{0, 0, true}));
    EXPECT_EQ(ParseCdcss("xyz"), (CdcssReading{0, 0, true}));
    EXPECT_EQ(ParseCdcss("999"), (CdcssReading{511, 777, true}));
    EXPECT_EQ(ParseCdcss("-1"), (CdcssReading{511, 777, true}));
    // Numbers that wrap round 16 bits are still too large, not small.
    EXPECT_EQ(ParseCdcss("65541"), (CdcssReading{511, 777, true}));
    EXPECT_EQ(ParseCdcss("799").value, 511);
    EXPECT_EQ(ParseCdcss("099").value, 81);
}

TEST(ToneCodecTest, ToneWordFieldsAndEdits) {
    const ToneWord word = MakeToneWord(ToneType::Ctcss, 1318, false, true);
    EXPECT_EQ(word, 0x5526);
    EXPECT_EQ(MakeToneWord(ToneType::Ctcss, 670, false, true), 0x529E);
    EXPECT_EQ(ToneTypeOf(0xC000), ToneType::CdcssAlt);
    EXPECT_TRUE(IsCdcssType(ToneTypeOf(0xFFFF)));
    EXPECT_EQ(ToneValueOf(0xFFFF), 0x0FFF);
    EXPECT_TRUE(IsNonStandardTone(0x2000));
    // Changing the type keeps everything else; changing the value keeps type and reserved bit.
    EXPECT_EQ(WithToneType(0x7ABC, ToneType::None), 0x3ABC);
    EXPECT_EQ(WithToneValue(0x5526, 694, true), 0x72B6);
    EXPECT_EQ(WithToneValue(0x4000, 670, false), 0x429E);
}

TEST(ToneCodecTest, ApplyingTextsSetsValueAndFlagAndKeepsTheReservedBit) {
    EXPECT_EQ(ApplyToneTexts(0x5526, ToneType::Ctcss, "69.4", "023"), 0x72B6);
    EXPECT_EQ(ApplyToneTexts(0x0000, ToneType::Ctcss, "67.0", "023"), 0x429E);
    EXPECT_EQ(ApplyToneTexts(0x5526, ToneType::Cdcss, "67.0", "754"), 0x91EC);
    EXPECT_EQ(ApplyToneTexts(0x5526, ToneType::CdcssAlt, "67.0", "755"), 0xF1ED);
    // No tone: only the type bits change.
    EXPECT_EQ(ApplyToneTexts(0x7FFF, ToneType::None, "", ""), 0x3FFF);
}

TEST(ToneCodecTest, WordTextsShowTheWordsOwnKindAndDefaultsForTheOther) {
    EXPECT_EQ(ToneWordTexts(0x5526), (ToneTexts{"131.8", "023"}));
    EXPECT_EQ(ToneWordTexts(0x8013), (ToneTexts{"67.0", "023"}));
    EXPECT_EQ(ToneWordTexts(0xC1EC), (ToneTexts{"67.0", "754"}));
    EXPECT_EQ(ToneWordTexts(0x1234), (ToneTexts{"67.0", "023"}));
    EXPECT_EQ(ToneWordTexts(0x5526, ','), (ToneTexts{"131,8", "023"}));
}

TEST(ToneEntryRulesTest, CtcssEditNormalisesItsText) {
    EXPECT_EQ(CommitCtcssEdit("67"), "67.0");
    EXPECT_EQ(CommitCtcssEdit("100"), "100.0");
    EXPECT_EQ(CommitCtcssEdit("5"), "40.0");
    EXPECT_EQ(CommitCtcssEdit(""), "40.0");
    EXPECT_EQ(CommitCtcssEdit("88,55", ','), "88,5");
    EXPECT_EQ(CtcssEditAllowedChars(','), "0123456789,");
}

} // namespace
} // namespace tav
