#include "core/app/ChannelReferences.h"

#include "core/app/CDataContainer.h"
#include "core/lang/CLanguage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <vector>

namespace tav {
namespace {

using R = ScanListRecord;
constexpr std::uint32_t kNone = ScanMembersUi::kNoSelection;

/// What names channels before a removal (0-based positions) and the stored numbers expected after.
struct Case {
    const char* name;
    std::set<std::size_t> leaving;
    std::vector<std::uint32_t> members;
    std::uint32_t designated;
    std::uint32_t priority;
    int revert; ///< 1-based channel number of the call's revert channel, 0 = none
    std::vector<int> membersAfter;
    int entriesAfter;
    int designatedAfter;
    int priorityAfter;
    int revertAfter;
};

class ChannelReferencesTest : public ::testing::Test {
protected:
    CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    CDataContainer container;

    void SetUp() override {
        container.Context().texts = &english;
        container.CreateDefaults();
        container.StoreAll();
        container.LoadAll();
    }

    ScanListData& Scan() { return container.ScanLists().At(0); }

    void Name(const Case& c) {
        ScanSettingsUi settings;
        ScanMembersUi members;
        Scan().LoadSettings(settings, english, container);
        Scan().LoadMembers(members, english, container);
        settings.designatedChannel = c.designated;
        settings.priorityChannel = c.priority;
        members.members.fill(kNone);
        std::copy(c.members.begin(), c.members.end(), members.members.begin());
        members.entries = std::to_string(c.members.size());
        Scan().StoreSettings(settings, english, container);
        Scan().StoreMembers(members, english, container);
        auto call = container.MakeTwoToneCall(0);
        WriteLe16(call->Bytes(), TwoToneCallLayout::kRevertChannel, static_cast<std::uint16_t>(c.revert));
        call->ResolveReferences(container);
        container.TwoToneCalls().Append(std::move(call));
    }

    std::vector<int> Members(std::size_t count) {
        std::vector<int> numbers;
        for (std::size_t k = 0; k < count; ++k) {
            numbers.push_back(Scan().MemberNumber(k));
        }
        return numbers;
    }
};

TEST_F(ChannelReferencesTest, RemovedChannelsLeaveNoDanglingReference) {
    ASSERT_EQ(container.Channels().Count(), 16u);
    const std::vector<Case> cases = {
        {"one member goes, the rest move up",
         {1},
         {0, 1, 2, 3},
         kNone,
         kNone,
         0,
         {1, 2, 3, 255},
         3,
         255,
         255,
         0},
        {"members past it are renumbered", {0}, {2, 5}, kNone, kNone, 0, {2, 5, 255}, 2, 255, 255, 0},
        {"designated and priority become none", {5}, {0, 6}, 5, 5, 6, {1, 6}, 2, 255, 255, 0},
        {"designated, priority and revert follow", {0}, {1}, 9, 4, 8, {1}, 1, 9, 4, 7},
        {"the tail of the list goes (CSV import)",
         {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
         {0, 4, 2, 6},
         7,
         1,
         2,
         {1, 3, 255, 255},
         2,
         255,
         2,
         2},
        {"the last channel goes with the revert channel",
         {15},
         {0, 1},
         kNone,
         kNone,
         16,
         {1, 2, 255},
         2,
         255,
         255,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        container.ClearLists();
        SetUp();
        container.TwoToneCalls().Clear();
        Name(c);
        const std::size_t before = container.Channels().Count();
        ChannelReferences::Remove(
            container, [&c](std::size_t at) { return c.leaving.count(at) != 0; }, english);
        EXPECT_EQ(container.Channels().Count(), before - c.leaving.size());
        EXPECT_EQ(Members(c.membersAfter.size()), c.membersAfter);
        EXPECT_EQ(Scan().Entries(), c.entriesAfter);
        EXPECT_EQ(Scan().DesignatedNumber(), c.designatedAfter);
        EXPECT_EQ(Scan().Priority1Number(), c.priorityAfter);
        EXPECT_EQ(container.TwoToneCalls().At(0).RevertChannelNumber(), c.revertAfter);
        // What remains refers only to channels that exist.
        for (std::size_t k = 0; k < static_cast<std::size_t>(c.entriesAfter); ++k) {
            EXPECT_NE(Scan().MemberId(k), kNoObject);
            EXPECT_TRUE(container.Channels().PositionOf(Scan().MemberId(k)).has_value());
        }
    }
}

TEST_F(ChannelReferencesTest, StoredNumbersFollowMovedAndInsertedChannels) {
    container.TwoToneCalls().Clear();
    Name({"", {}, {0, 1, 2}, 3, 1, 1, {}, 0, 0, 0, 0});
    container.Channels().Move(0, 3);
    container.Channels().Insert(0, container.MakeChannel(16));
    ChannelReferences::Follow(container);
    EXPECT_EQ(Members(3), (std::vector<int>{5, 2, 3}));
    EXPECT_EQ(Scan().DesignatedNumber(), 4);
    EXPECT_EQ(Scan().Priority1Number(), 2);
    EXPECT_EQ(container.TwoToneCalls().At(0).RevertChannelNumber(), 5);
}

} // namespace
} // namespace tav
