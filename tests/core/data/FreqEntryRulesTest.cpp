#include "core/data/FreqEntryRules.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

const FreqEditRange kUhf = MakeFreqEditRange(400, 470);

TEST(FreqEntryRulesTest, TypedFrequencySnapsToARaster) {
    FreqEditCommit c = CommitFreqEdit("400.0125", true, kUhf);
    EXPECT_EQ(c.state, (FreqEditState{0x40001250, StepCode::Raster12_5k, "400.01250"}));
    EXPECT_FALSE(c.OutOfRange());

    c = CommitFreqEdit("400.003", true, kUhf);
    EXPECT_EQ(c.state, (FreqEditState{0x40000000, StepCode::Raster12_5k, "400.00000"}));

    c = CommitFreqEdit("400.005", true, kUhf);
    EXPECT_EQ(c.state, (FreqEditState{0x40000500, StepCode::Raster5k, "400.00500"}));

    c = CommitFreqEdit("435,5", true, kUhf, ',');
    EXPECT_EQ(c.state, (FreqEditState{0x43550000, StepCode::Raster12_5k, "435,50000"}));
}

TEST(FreqEntryRulesTest, OutOfRangeFrequencyIsClampedAndReported) {
    FreqEditCommit c = CommitFreqEdit("1000", true, kUhf);
    EXPECT_EQ(c.rangeResult, FreqRangeResult::ClampedToHigh);
    EXPECT_TRUE(c.OutOfRange());
    EXPECT_EQ(c.state.text, "470.00000");
    EXPECT_EQ(c.state.bcd, 0x47000000u);

    c = CommitFreqEdit("12", true, kUhf);
    EXPECT_EQ(c.rangeResult, FreqRangeResult::ClampedToLow);
    EXPECT_EQ(c.state.text, "400.00000");

    // Empty text where empty is not allowed reads as 0 and is clamped like any other number.
    c = CommitFreqEdit("", false, kUhf);
    EXPECT_EQ(c.rangeResult, FreqRangeResult::ClampedToLow);
    EXPECT_EQ(c.state.text, "400.00000");
}

TEST(FreqEntryRulesTest, ClearedEditHoldsNoFrequency) {
    const FreqEditCommit c = CommitFreqEdit("", true, kUhf);
    EXPECT_EQ(c.state, (FreqEditState{kNoFreq, StepCode::None, ""}));
    EXPECT_FALSE(c.OutOfRange());
}

TEST(FreqEntryRulesTest, OuterRangeLetsNearbyValuesPassButReportsThem) {
    const FreqEditRange range{40000000, 47000000, 39000000, 48000000};
    EXPECT_EQ(CheckFreqRange(39500000, range), (FreqRangeCheck{39500000, FreqRangeResult::BelowButAccepted}));
    EXPECT_EQ(CheckFreqRange(38000000, range), (FreqRangeCheck{40000000, FreqRangeResult::ClampedToLow}));
    EXPECT_EQ(CheckFreqRange(48000000, range), (FreqRangeCheck{48000000, FreqRangeResult::AboveButAccepted}));
    EXPECT_EQ(CheckFreqRange(48000001, range), (FreqRangeCheck{47000000, FreqRangeResult::ClampedToHigh}));
    EXPECT_EQ(CheckFreqRange(47000000, range), (FreqRangeCheck{47000000, FreqRangeResult::Inside}));
}

TEST(FreqEntryRulesTest, RangeFromMegahertzIsOrderedAndBounded) {
    EXPECT_EQ(kUhf, (FreqEditRange{40000000, 47000000, 40000000, 47000000}));
    EXPECT_EQ(MakeFreqEditRange(470, 400), kUhf);
    EXPECT_EQ(MakeFreqEditRange(-5, 5000).high, kMaxFreqCount);
}

TEST(FreqEntryRulesTest, StoredFrequencyIsShownOnItsRaster) {
    EXPECT_EQ(ShowFreqEditBcd(0x40012500), (FreqEditState{0x40012500, StepCode::Raster12_5k, "400.12500"}));
    EXPECT_EQ(ShowFreqEditBcd(0x40000250), (FreqEditState{0x40000000, StepCode::Raster12_5k, "400.00000"}));
    EXPECT_EQ(ShowFreqEditBcd(0x40001000), (FreqEditState{0x40001000, StepCode::Raster10k, "400.01000"}));
    EXPECT_EQ(ShowFreqEditBcd(kNoFreq), (FreqEditState{kNoFreq, StepCode::None, ""}));
}

TEST(FreqEntryRulesTest, GridCellClampsSilentlyAndKeepsTwoAndAHalfKilohertz) {
    EXPECT_EQ(CommitFreqCell("400.0037", true, 40000000, 47000000),
              (FreqCellCommit{GridStepCode::OffRaster, 40000250, "400.00250"}));
    EXPECT_EQ(CommitFreqCell("400.0125", true, 40000000, 47000000),
              (FreqCellCommit{GridStepCode::Raster12_5k, 40001250, "400.01250"}));
    EXPECT_EQ(CommitFreqCell("999", true, 40000000, 47000000),
              (FreqCellCommit{GridStepCode::Raster12_5k, 47000000, "470.00000"}));
    EXPECT_EQ(CommitFreqCell("999", true, 47000000, 40000000).count, 47000000u);
    EXPECT_EQ(CommitFreqCell("", true, 40000000, 47000000), FreqCellCommit{});
    EXPECT_EQ(CommitFreqCell("", false, 40000000, 47000000).text, "400.00000");
}

TEST(FreqEntryRulesTest, GridCellTextAndValue) {
    EXPECT_EQ(FreqCellTextFromBcd(0x40012500), "400.12500");
    EXPECT_EQ(FreqCellTextFromBcd(0x40000250), "400.00000");
    EXPECT_EQ(FreqCellTextFromBcd(kNoFreq), "");
    EXPECT_EQ(FreqCellBcdFromText("400.0125"), 0x40001250u);
    EXPECT_EQ(FreqCellBcdFromText(""), kNoFreq);
}

// The editors' text, and the stored value beside it wherever the editors would show another one.
TEST(FreqEntryRulesTest, ShownTextTellsAnOffRasterOrDamagedValue) {
    struct Case {
        BcdFreq bcd;
        char separator;
        const char* text;
    };
    const Case cases[] = {
        {0x40012500, '.', "400.12500"},
        {0x13782500, '.', "137.82500"},
        {0x13782581, '.', "137.82500 (off raster: 137.82581)"},
        {0x13782581, ',', "137,82500 (off raster: 137,82581)"},
        {0x00000000, '.', "0.00000"},
        {0x99999999, '.', "999.98750 (off raster: 999.99999)"},
        {0x1A2B3C4D, '.', "0.00000 (stored: 1A2B3C4D)"},
        {kNoFreq, '.', ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShownFreqText(c.bcd, c.separator), c.text) << std::hex << c.bcd;
        if (IsValidBcd(c.bcd) && c.bcd != kNoFreq) {
            EXPECT_EQ(ShownFreqText(c.bcd, c.separator).rfind(ShowFreqEditBcd(c.bcd, c.separator).text, 0),
                      0u);
        }
    }
}

TEST(FreqEntryRulesTest, AcceptedCharacters) {
    EXPECT_EQ(FreqEditAllowedChars(), "0123456789.");
    EXPECT_EQ(FreqEditAllowedChars(','), "0123456789,");
    EXPECT_TRUE(FreqCellAcceptsChar(U'7'));
    EXPECT_TRUE(FreqCellAcceptsChar(U'.', ','));
    EXPECT_TRUE(FreqCellAcceptsChar(U',', ','));
    EXPECT_TRUE(FreqCellAcceptsChar(U'\b'));
    EXPECT_FALSE(FreqCellAcceptsChar(U','));
    EXPECT_FALSE(FreqCellAcceptsChar(U'a'));
    EXPECT_FALSE(FreqCellAcceptsChar(U'-'));
}

} // namespace
} // namespace tav
