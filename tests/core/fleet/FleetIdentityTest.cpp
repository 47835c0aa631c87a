#include "core/fleet/FleetIdentity.h"

#include "core/fleet/UnitNumbering.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace tav {
namespace {

TEST(FleetIdentity, EachFieldCountsByItsOwnRules) {
    struct Case {
        FleetIdentity from;
        std::optional<FleetIdentity> next; ///< nothing: out of range
    };
    const std::vector<Case> cases = {
        {{"000000000009", std::nullopt}, FleetIdentity{"000000000010", std::nullopt}},
        {{"099999999999", std::nullopt}, FleetIdentity{"100000000000", std::nullopt}},
        {{"999999999999", std::nullopt}, std::nullopt},
        // The PTT-ID skips every value with a digit F, and a first digit above D.
        {{std::nullopt, 0x000E}, FleetIdentity{std::nullopt, 0x0010}},
        {{std::nullopt, 0x00EE}, FleetIdentity{std::nullopt, 0x0100}},
        {{std::nullopt, 0x0DEE}, FleetIdentity{std::nullopt, 0x0E00}},
        {{std::nullopt, 0xCEEE}, FleetIdentity{std::nullopt, 0xD000}},
        {{std::nullopt, 0xDEEE}, std::nullopt},
        {{"000000000001", 0x0001}, FleetIdentity{"000000000002", 0x0002}},
        {{"999999999999", 0x0001}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from.Text());
        const Outcome<FleetIdentity> next = c.from.Next();
        ASSERT_EQ(next.ok(), c.next.has_value());
        if (next) {
            EXPECT_EQ(*next, *c.next);
        } else {
            EXPECT_EQ(next.messageId(), FleetIdentity::kOutOfRangeMessage);
        }
    }
    EXPECT_EQ(FleetIdentity({"000000000001", 0x0001}).Advanced(20)->Text(), "ATIS 000000000021 PTT-ID 0016");
}

TEST(FleetIdentity, FirstValuesAreTheDigitsEachFieldTakes) {
    EXPECT_EQ(*ParseAtisStart("100"), "000000000100");
    EXPECT_EQ(*ParseAtisStart("123456789012"), "123456789012");
    for (const char* bad : {"", "12a", "1234567890123", "-1", " 1"}) {
        EXPECT_EQ(ParseAtisStart(bad).messageId(), FleetIdentity::kBadAtisMessage) << bad;
    }
    EXPECT_EQ(*ParsePttIdStart("e"), 0x000E);
    EXPECT_EQ(*ParsePttIdStart("DEEE"), 0xDEEE);
    for (const char* bad : {"", "0", "000F", "E000", "12345", "x1"}) {
        EXPECT_EQ(ParsePttIdStart(bad).messageId(), FleetIdentity::kBadPttIdMessage) << bad;
    }
}

TEST(UnitNumbering, HandsOutValuesInOrderAndChecksTheRunFitsFirst) {
    UnitNumbering numbering({"999999999997", std::nullopt}, std::nullopt);
    EXPECT_TRUE(numbering.Check(3).ok());
    EXPECT_EQ(numbering.Check(4).messageId(), FleetIdentity::kOutOfRangeMessage);
    EXPECT_EQ(numbering.Take()->atis, "999999999997");
    EXPECT_EQ(numbering.Take()->atis, "999999999998");
    EXPECT_EQ(numbering.Take()->atis, "999999999999");
    EXPECT_EQ(numbering.Take().messageId(), FleetIdentity::kOutOfRangeMessage);
    EXPECT_FALSE(UnitNumbering({}, std::nullopt).Active());
}

TEST(UnitNumbering, TheFileGoesOnWhereTheLastRunStoppedAndRefusesWhatIsNotOurs) {
    test::TempDir dir;
    const auto file = dir / "numbers.txt";
    {
        UnitNumbering today({"000000000100", 0x0010}, file);
        EXPECT_EQ(today.Take()->Text(), "ATIS 000000000100 PTT-ID 0010");
        EXPECT_EQ(today.Take()->Text(), "ATIS 000000000101 PTT-ID 0011");
    }
    EXPECT_NE(test::ReadText(file).find("last-atis=000000000101\nlast-ptt-id=0011\n"), std::string::npos);
    // The file's values win over the first values given again.
    UnitNumbering tomorrow({"000000000100", 0x0010}, file);
    EXPECT_EQ(tomorrow.Take()->Text(), "ATIS 000000000102 PTT-ID 0012");

    for (const char* foreign : {"", "last-atis=5\n", "; something else\nx=1\n"}) {
        test::WriteText(file, foreign);
        UnitNumbering numbering({"1", std::nullopt}, file);
        EXPECT_EQ(numbering.Check(1).messageId(), UnitNumbering::kNotNumberingFileMessage) << foreign;
        EXPECT_EQ(numbering.Take().messageId(), UnitNumbering::kNotNumberingFileMessage) << foreign;
        EXPECT_EQ(test::ReadText(file), foreign);
    }
}

TEST(UnitNumbering, ThreadsSharingOneFileNeverGetOneValueTwice) {
    test::TempDir dir;
    const auto file = dir / "numbers.txt";
    constexpr int kThreads = 4;
    constexpr int kEach = 25;
    std::vector<std::vector<std::string>> taken(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            // Each thread its own numbering, as separate programs would have.
            UnitNumbering numbering({"000000000001", std::nullopt}, file);
            for (int i = 0; i < kEach; ++i) {
                taken[t].push_back(numbering.Take()->atis.value_or(""));
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    std::set<std::string> all;
    for (const auto& values : taken) {
        all.insert(values.begin(), values.end());
    }
    EXPECT_EQ(all.size(), static_cast<std::size_t>(kThreads * kEach));
    EXPECT_EQ(*all.rbegin(), "000000000100");
}

} // namespace
} // namespace tav
