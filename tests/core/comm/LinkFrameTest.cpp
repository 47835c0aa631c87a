#include "core/comm/LinkFrame.h"

#include "core/comm/LinkMessages.h"
#include "core/comm/RadioIdentity.h"
#include "core/comm/TransferPlan.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(LinkFrame, ChecksumMakesTheCoveredSumZero) {
    const Bytes covered = {0x45, 0x61, 0x25, 0x00, 0x00, 0x02, 0x00, 0x00, 0xFF};
    std::uint8_t sum = frame::Checksum(covered);
    for (const auto b : covered) {
        sum = static_cast<std::uint8_t>(sum + b);
    }
    EXPECT_EQ(sum, 0);
    EXPECT_EQ(frame::Checksum(Bytes{}), 0);
}

TEST(LinkFrame, FixedRequestsHaveTheirBytes) {
    EXPECT_EQ(frame::Handshake(), (Bytes{0x02, 0x50, 0x61, 0x03}));
    EXPECT_EQ(frame::SetMode(2), (Bytes{0x02, 0x4D, 0x61, 0x02, 0x00, 0x03}));
    EXPECT_EQ(frame::ReadInfo(8), (Bytes{0x02, 0x42, 0x62, 0x08, 0x00, 0x03}));
    EXPECT_EQ(frame::ReadMemory(0x0200, 32),
              (Bytes{0x02, 0x45, 0x62, 0x00, 0x02, 0x00, 0x00, 0x20, 0x00, 0x03}));
    EXPECT_EQ(frame::ReadTuneValue(0x8002), (Bytes{0x02, 0x56, 0x62, 0x02, 0x80, 0x03}));
    EXPECT_EQ(frame::CommitTuning(), (Bytes{0x02, 0x56, 0x6A, 0x00, 0x00, 0x03}));
    EXPECT_EQ(frame::DiscardTuning(), (Bytes{0x02, 0x56, 0x6B, 0x03}));
    EXPECT_EQ(frame::TestSwitch('b', 1), (Bytes{0x02, 0x4F, 0x62, 0x01, 0x00, 0x03}));
    const Bytes value = {0x01, 0x2C};
    EXPECT_EQ(frame::WriteTuneValue(0x8002, value), (Bytes{0x02, 0x56, 0x61, 0x02, 0x80, 0x01, 0x2C, 0x03}));
}

TEST(LinkFrame, WriteMemoryCarriesCountAddressDataAndChecksum) {
    const Bytes data = {0x11, 0x22, 0x33, 0x44, 0x55};
    const Bytes f = frame::WriteMemory(0x00D9, data);
    ASSERT_EQ(f.size(), data.size() + 11);
    EXPECT_EQ(f[0], 0x02);
    EXPECT_EQ(f[1], 0x45);
    EXPECT_EQ(f[2], 0x61);
    EXPECT_EQ(f[3], 10); // len + 5
    EXPECT_EQ(f[4], 0);
    EXPECT_EQ(frame::GetLe32(std::span(f).subspan(5, 4)), 0x00D9u);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), f.begin() + 9));
    EXPECT_EQ(f[f.size() - 2], frame::Checksum(std::span(f).subspan(1, f.size() - 3)));
    EXPECT_EQ(f.back(), 0x03);
}

TEST(LinkFrame, PasswordIsZeroPaddedAndCutToEightDigits) {
    const Bytes f = frame::SendPassword("1234", PasswordKind::Read);
    ASSERT_EQ(f.size(), 17u);
    EXPECT_EQ((Bytes(f.begin(), f.begin() + 7)), (Bytes{0x02, 0x57, 0x62, 0x0B, 0x00, 0x02, 0x00}));
    EXPECT_EQ((Bytes(f.begin() + 7, f.begin() + 15)), (Bytes{'1', '2', '3', '4', 0, 0, 0, 0}));
    EXPECT_EQ(f[15], frame::Checksum(std::span(f).subspan(1, 14)));
    EXPECT_EQ(f[16], 0x03);

    const Bytes longer = frame::SendPassword("1234567890", PasswordKind::Write);
    EXPECT_EQ(longer[5], 1);
    EXPECT_EQ((Bytes(longer.begin() + 7, longer.begin() + 15)),
              (Bytes{'1', '2', '3', '4', '5', '6', '7', '8'}));
}

TEST(LinkFrame, DescribeNamesRequestsForTheTrace) {
    EXPECT_EQ(frame::Describe(frame::ReadMemory(0x1FE0, 32)), "ReadMemory 1FE0+32");
    EXPECT_EQ(frame::Describe(frame::SetMode(3)), "SetMode 3");
    const auto ack = frame::Ack('c', 'M', 'a');
    EXPECT_EQ(frame::Describe(ack), "Ack password required");
    EXPECT_EQ(frame::Describe(Bytes{0x02}), "");
    EXPECT_EQ(frame::Describe(Bytes{0x02, 0x45, 0x62}), "ReadMemory"); // too short for its fields
}

TEST(RadioIdentity, BandLimitsDecode) {
    const std::array<std::uint8_t, 9> bytes = {0x80, 0x40, 0x00, 0x00, 0x00, 0x47, 0x00, 0x00, 0x00};
    const FrequencyBand band = DecodeBand(bytes);
    EXPECT_EQ(band.flag, 0x80);
    EXPECT_EQ(band.lowMHz, 400);
    EXPECT_EQ(band.highMHz, 470);
    EXPECT_EQ(band.lowText, "400.00000");
    EXPECT_EQ(band.RangeText(), "400-470");

    const std::array<std::uint8_t, 9> small = {0, 0x00, 0x40, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    const FrequencyBand open = DecodeBand(small);
    EXPECT_EQ(open.lowMHz, 4);
    EXPECT_EQ(open.lowText, "4.00000");
    EXPECT_EQ(open.highMHz, 0);
    EXPECT_EQ(open.highText, "");

    // Digits that are not decimal are no limit rather than a made-up number.
    const std::array<std::uint8_t, 9> junk = {0, 0x4A, 0x00, 0x00, 0x00, 0x13, 0x65, 0x43, 0x21};
    const FrequencyBand odd = DecodeBand(junk);
    EXPECT_EQ(odd.lowMHz, 0);
    EXPECT_EQ(odd.highMHz, 136);
    EXPECT_EQ(odd.highText, "136.54321");

    // Only both limits in decimal, the lower below the upper, make a band a model list may hold.
    const std::array<std::uint8_t, 9> reversed = {0, 0x47, 0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00};
    EXPECT_TRUE(band.valid);
    EXPECT_FALSE(open.valid);
    EXPECT_FALSE(odd.valid);
    EXPECT_FALSE(DecodeBand(reversed).valid);
    EXPECT_EQ(BandBytesText(small), "00 40 00 00-FF FF FF FF");
}

TEST(RadioIdentity, VersionsCompareOnTheirFirstFourCharacters) {
    EXPECT_EQ(CompareVersion("1.05.00"), 1);
    EXPECT_EQ(CompareVersion("1.04.99"), 0);
    EXPECT_EQ(CompareVersion("1.04"), 0);
    EXPECT_EQ(CompareVersion("1.03.07"), -1);
    EXPECT_EQ(CompareVersion(""), -1);
    EXPECT_EQ(CompareVersion("\xFF"), 1); // unsigned bytes
}

TEST(RadioIdentity, FirmwareNoteFollowsMinorAndPatch) {
    EXPECT_EQ(FirmwareNoteMessage("1.04.01"), kMsgNoteEvenMinor);
    EXPECT_EQ(FirmwareNoteMessage("1.03.05"), kMsgNoteOddMinorLate);
    EXPECT_EQ(FirmwareNoteMessage("1.03.09"), kMsgNoteOddMinorLate);
    EXPECT_EQ(FirmwareNoteMessage("1.03.04"), kMsgNoteOddMinorEarly);
    EXPECT_EQ(FirmwareNoteMessage("1.01"), kMsgNoteOddMinorEarly);
    EXPECT_EQ(FirmwareNoteMessage(""), kMsgNoteEvenMinor);
}

TEST(RadioIdentity, RangeTextRoundTrip) {
    EXPECT_EQ(FormatRange(136, 174), "136-174");
    const auto r = ParseRange("400-470");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, 400);
    EXPECT_EQ(r->second, 470);
    EXPECT_FALSE(ParseRange(""));
    EXPECT_FALSE(ParseRange("400"));
}

TEST(RadioIdentity, CheckRulesPerDirection) {
    RadioIdentity radio;
    radio.modelId = "TAV100";
    radio.band = {0, 0x40, 0, 0, 0, 0x47, 0, 0, 0};
    const IdentityRules rules{"TAV100", {"TAV100"}};
    const Outcome<FrequencyBand> ok = CheckRadioIdentity(TransferDirection::Write, radio, rules);
    ASSERT_TRUE(ok.ok());
    EXPECT_EQ(ok->RangeText(), "400-470");

    // Reading checks against every accepted identifier, writing against the current data's.
    struct Case {
        TransferDirection direction;
        std::string radioModel;
        IdentityRules rules;
        bool accepted;
    };
    const std::vector<Case> cases{
        {TransferDirection::Read, "TAV100", {"OTHER", {"TAV100"}}, true},
        {TransferDirection::Read, "TAV100", {"OTHER", {"TAV200", "TAV100"}}, true},
        {TransferDirection::Read, "TAV200", {"TAV100", {"TAV200", "TAV100"}}, true},
        {TransferDirection::Read, "TAV100", {"TAV100", {"OTHER"}}, false},
        {TransferDirection::Read, "TAV100", {"TAV100", {}}, false},
        {TransferDirection::Read, "", {"", {"", "TAV100"}}, false},
        {TransferDirection::Write, "TAV100", {"OTHER", {"TAV100"}}, false},
        {TransferDirection::Write, "TAV200", {"TAV100", {"TAV200", "TAV100"}}, false},
    };
    for (const Case& c : cases) {
        radio.modelId = c.radioModel;
        const Outcome<FrequencyBand> checked = CheckRadioIdentity(c.direction, radio, c.rules);
        EXPECT_EQ(checked.ok(), c.accepted) << c.radioModel;
        if (!c.accepted) {
            EXPECT_EQ(checked.messageId(), kMsgModelRefused);
            EXPECT_EQ(checked.result().detail(), c.radioModel);
        }
    }

    radio.modelId = "TAV100";
    radio.versionComparison = 1;
    radio.firmware = "1.05.00";
    const Outcome<FrequencyBand> newer = CheckRadioIdentity(TransferDirection::Read, radio, rules);
    EXPECT_EQ(newer.messageId(), kMsgFirmwareTooNew);
    EXPECT_EQ(newer.result().detail(), "1.05.00");
}

TEST(RadioIdentity, AReadTakesOverTheRadiosIdentity) {
    DataIdentity current{"OLD", "Old name", 1, "1.02.00", "136-174", ""};
    RadioIdentity radio;
    radio.modelId = "TAV100";
    radio.modelName = "TAV-100";
    radio.signalling = 3;
    radio.firmware = "1.04.01";
    radio.band = {0, 0x40, 0, 0, 0, 0x47, 0, 0, 0};
    TakeOverRadioIdentity(current, radio, DecodeBand(radio.band), true);
    EXPECT_EQ(current.modelId, "TAV100");
    EXPECT_EQ(current.modelName, "TAV-100");
    EXPECT_EQ(current.signalling, 3);
    EXPECT_EQ(current.firmware, "1.04.01");
    EXPECT_EQ(current.rangeText, "400-470");
    EXPECT_EQ(current.previousRangeText, "136-174");
    TakeOverRadioIdentity(current, radio, FrequencyBand{}, false);
    EXPECT_EQ(current.rangeText, "0-0");
    EXPECT_EQ(current.previousRangeText, "136-174");
}

TEST(TransferPlan, FullReadIs256BlocksOf32) {
    const BlockPlan plan = FullReadPlan();
    ASSERT_EQ(plan.size(), 256u);
    EXPECT_EQ(plan[16].address, 0x0200u);
    EXPECT_EQ(plan.back().address, 0x1FE0u);
    for (const auto& b : plan) {
        EXPECT_EQ(b.length, 32);
    }
    EXPECT_EQ(ReadProgress(0), 0);
    EXPECT_EQ(ReadProgress(127), 49);
    EXPECT_EQ(ReadProgress(255), 100);
}

void ExpectWritePlan(bool factory, std::size_t count, std::uint32_t end, std::uint16_t lastLength) {
    const BlockPlan plan = FullWritePlan(factory);
    ASSERT_EQ(plan.size(), count);
    EXPECT_EQ(plan[0], (TransferBlock{0x0078, 0x0078, 32}));
    EXPECT_EQ(plan[1], (TransferBlock{0x0098, 0x0098, 29}));
    EXPECT_EQ(plan[2], (TransferBlock{0x00D9, 0x00D9, 5}));
    EXPECT_EQ(plan[3].address, 0x00FEu);
    EXPECT_EQ(plan.back().length, lastLength);
    EXPECT_EQ(plan.back().address + plan.back().length, end);
    // The main region is contiguous.
    for (std::size_t i = 4; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].address, plan[i - 1].address + plan[i - 1].length);
    }
}

TEST(TransferPlan, WritePlanPerUserLevel) {
    ExpectWritePlan(false, 155, 0x13FB, 29);
    ExpectWritePlan(true, 157, 0x1428, 10);
    EXPECT_EQ(DateBlock(), (TransferBlock{0x0020, 0x0020, 8}));
    // Progress reaches 100 on the next-to-last block and never goes beyond.
    EXPECT_EQ(WriteProgress(1, 155), 0);
    EXPECT_EQ(WriteProgress(154, 155), 100);
    EXPECT_EQ(WriteProgress(155, 155), 100);
    EXPECT_EQ(WriteProgress(78, 157), 50);
}

TEST(TransferPlan, FactoryPlans) {
    EXPECT_EQ(TuneDataPlan().size(), 17u);
    EXPECT_EQ(TuneDataPlan().back(), (TransferBlock{0x1823, 0x1823, 20}));
    const BlockPlan embedded = EmbeddedDataPlan();
    ASSERT_EQ(embedded.size(), 5u);
    EXPECT_EQ(embedded[0], (TransferBlock{0x1438, 0x1428, 32}));
    EXPECT_EQ(embedded[4], (TransferBlock{0x14B8, 0x14A8, 16}));
    EXPECT_EQ(ModelDataWritePlan()[4], (TransferBlock{0xD5, 0xD5, 4}));
    EXPECT_EQ(ModelDataReadPlan().size(), 5u);
}

TEST(TransferPlan, ProgrammingDateBytes) {
    const auto date = EncodeProgrammingDate({2024, 3, 9, 14, 5, 59});
    EXPECT_EQ(date, (std::array<std::uint8_t, 8>{59, 5, 14, 9, 3, 24, 20, 0}));
}

} // namespace
} // namespace tav
