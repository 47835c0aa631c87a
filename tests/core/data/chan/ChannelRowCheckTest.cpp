#include "core/data/ChannelRowCheck.h"

#include "ChanFixtures.h"

#include <functional>
#include <gtest/gtest.h>

namespace tav {
namespace {

using F = ChannelFieldId;

class ChannelRowCheckTest : public ::testing::Test {
protected:
    test::FakeTextLookup texts = test::ChanTexts();
    test::FakeDirectory directory;
    DataContext range;

    void SetUp() override {
        texts.lists[3708] = {{0, "Off"}, {1, "On"}};
        texts.controls[3706] = "None";
        range.rangeLowMHz = 136;
        range.rangeHighMHz = 174;
        directory.ids[RecordKind::Personality] = {7, 9};
        directory.ids[RecordKind::ScanList] = {8};
    }

    /// A channel on 150 MHz both ways, RX CTCSS 67.0, TX CDCSS 023, first personality, no scan list.
    static ChannelUi Current() {
        ChannelUi ui;
        ui.rxFreq = 0x15000000;
        ui.txFreq = 0x15000000;
        ui.rxType = "CTCSS";
        ui.rxCtcss = "67.0";
        ui.rxCdcss = "023";
        ui.txType = "CDCSS";
        ui.txCtcss = "67.0";
        ui.txCdcss = "023";
        ui.spacing = "25 kHz";
        ui.power = "High";
        ui.personalityPosition = 0;
        ui.scanListPosition = 0;
        return ui;
    }

    Outcome<ChannelUi> Check(std::initializer_list<std::pair<F, std::string>> given,
                             char separator = ',') const {
        ChannelRowTexts row;
        for (const auto& [id, text] : given) {
            row[static_cast<std::size_t>(id)] = text;
        }
        return ChannelRowCheck(texts, range, directory, separator).Check(row, Current());
    }
};

// What the row gives is read as the editors read it; what it leaves out keeps its value.
TEST_F(ChannelRowCheckTest, ReadsEachFieldAsTheEditorsDo) {
    struct Case {
        F field;
        std::string text;
        std::function<std::string(const ChannelUi&)> value;
        std::string expected;
    };
    const auto freq = [](std::uint32_t ChannelUi::*slot) {
        return [slot](const ChannelUi& ui) { return std::to_string(ui.*slot); };
    };
    const auto text = [](std::string ChannelUi::*slot) {
        return [slot](const ChannelUi& ui) { return ui.*slot; };
    };
    const std::vector<Case> cases = {
        {F::RxFreq, "146.52", freq(&ChannelUi::rxFreq), std::to_string(0x14652000)},
        {F::RxFreq, "146,5200000", freq(&ChannelUi::rxFreq), std::to_string(0x14652000)},
        {F::RxFreq, "146.0025", freq(&ChannelUi::rxFreq), std::to_string(0x14600250)},
        {F::TxFreq, "", freq(&ChannelUi::txFreq), std::to_string(kNoFreq)},
        // The tone edit keeps the tenths and drops the rest: never rounds.
        {F::RxCtcss, "69.35", text(&ChannelUi::rxCtcss), "69.3"},
        {F::RxCtcss, "50.09", text(&ChannelUi::rxCtcss), "50.0"},
        {F::RxCtcss, "300", text(&ChannelUi::rxCtcss), "300.0"},
        {F::RxCtcss, "40,0", text(&ChannelUi::rxCtcss), "40.0"},
        {F::TxCdcss, "23", text(&ChannelUi::txCdcss), "023"},
        // A tone the signal type does not use is not read at all.
        {F::TxCtcss, "abc", text(&ChannelUi::txCtcss), "67.0"},
        {F::RxCdcss, "9", text(&ChannelUi::rxCdcss), "023"},
        {F::Spacing, "12.5 kHz", text(&ChannelUi::spacing), "12.5 kHz"},
        {F::Personality, "2", [](const ChannelUi& ui) { return std::to_string(ui.personalityPosition); },
         "1"},
        {F::Personality, "", [](const ChannelUi& ui) { return std::to_string(ui.personalityPosition); }, "0"},
        {F::ScanList, "none", [](const ChannelUi& ui) { return std::to_string(ui.scanListPosition); }, "0"},
        {F::ScanList, "1", [](const ChannelUi& ui) { return std::to_string(ui.scanListPosition); }, "1"},
        {F::AutoStartScan, "On", [](const ChannelUi& ui) { return std::to_string(ui.autoStartScan); }, "1"},
        {F::Atis, "1", [](const ChannelUi& ui) { return std::to_string(ui.atis); }, "1"},
    };
    for (const Case& c : cases) {
        const Outcome<ChannelUi> checked = Check({{c.field, c.text}});
        ASSERT_TRUE(checked) << c.text << ": " << checked.result().detail();
        EXPECT_EQ(c.value(*checked), c.expected) << c.text;
    }
}

// A value the editors would move is refused with its reason, never moved.
TEST_F(ChannelRowCheckTest, RefusesWhatTheEditorsWouldMove) {
    struct Case {
        std::vector<std::pair<F, std::string>> row;
        int message;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {{{F::RxFreq, "136.3250001"}},
         RowCheckText::kFinerThan10Hz,
         "RX Frequency (MHz) '136.3250001' is finer than 10 Hz"},
        {{{F::RxFreq, "150.00100"}},
         RowCheckText::kOffRaster,
         "RX Frequency (MHz) 150.00100 is on no channel raster"},
        {{{F::TxFreq, "135.99999"}},
         RowCheckText::kOutsideRange,
         "TX Frequency (MHz) 135.99999 is outside 136-174 MHz"},
        {{{F::RxFreq, "1.2.3"}},
         RowCheckText::kNotFrequency,
         "RX Frequency (MHz) '1.2.3' is not a frequency"},
        {{{F::RxFreq, ""}}, RowCheckText::kTxWithoutRx, "TX Frequency (MHz) 150.00000 needs an RX frequency"},
        {{{F::RxCtcss, "39.95"}},
         RowCheckText::kNotTone,
         "RX CTCSS (Hz) '39.95' is not a tone of 40.0-300.0 Hz"},
        {{{F::RxCtcss, "300.04"}},
         RowCheckText::kNotTone,
         "RX CTCSS (Hz) '300.04' is not a tone of 40.0-300.0 Hz"},
        {{{F::RxType, "CDCSS"}, {F::RxCdcss, "8"}},
         RowCheckText::kNotCode,
         "RX CDCSS '8' is not a code of three octal digits"},
        {{{F::TxType, "CTCSS"}, {F::TxCtcss, ""}},
         RowCheckText::kNotTone,
         "TX CTCSS (Hz) '' is not a tone of 40.0-300.0 Hz"},
        {{{F::Power, "Max"}}, RowCheckText::kNotChoice, "Power Level 'Max' is not one of its choices"},
        {{{F::Personality, "3"}},
         RowCheckText::kNoPersonality,
         "Personality '3' names none of the 2 personalities"},
        {{{F::Personality, "0"}},
         RowCheckText::kNoPersonality,
         "Personality '0' names none of the 2 personalities"},
        {{{F::ScanList, "2"}}, RowCheckText::kNoScanList, "Scan List '2' names no scan list"},
        {{{F::AutoStartScan, "2"}},
         RowCheckText::kNotChoice,
         "Auto Start Scan '2' is not one of its choices"},
    };
    for (const Case& c : cases) {
        ChannelRowTexts row;
        for (const auto& [id, text] : c.row) {
            row[static_cast<std::size_t>(id)] = text;
        }
        const Outcome<ChannelUi> checked =
            ChannelRowCheck(texts, range, directory, ',').Check(row, Current());
        ASSERT_FALSE(checked) << c.reason;
        EXPECT_EQ(checked.messageId(), c.message) << c.reason;
        EXPECT_EQ(checked.result().detail(), c.reason);
    }
}

// Clearing both frequencies is what the editors make of a channel without RX frequency.
TEST_F(ChannelRowCheckTest, TakesAChannelWithoutFrequencies) {
    const Outcome<ChannelUi> checked = Check({{F::RxFreq, ""}, {F::TxFreq, ""}});
    ASSERT_TRUE(checked) << checked.result().detail();
    EXPECT_EQ(checked->rxFreq, kNoFreq);
    EXPECT_EQ(checked->txFreq, kNoFreq);
}

} // namespace
} // namespace tav
