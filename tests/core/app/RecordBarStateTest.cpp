#include "core/app/RecordBarState.h"

#include "core/app/TreeTemplate.h"
#include "core/app/ViewTable.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(RecordBarStateTest, CodesFollowPositionCountAndCapacity) {
    // Full list of 8: first, middle, last.
    EXPECT_EQ(RecordBarRules::CodeFor(1, 8, 8), 2);
    EXPECT_EQ(RecordBarRules::CodeFor(4, 8, 8), 6);
    EXPECT_EQ(RecordBarRules::CodeFor(8, 8, 8), 4);
    // Room left: single record, first, middle, last.
    EXPECT_EQ(RecordBarRules::CodeFor(1, 1, 16), 1);
    EXPECT_EQ(RecordBarRules::CodeFor(1, 5, 16), 0);
    EXPECT_EQ(RecordBarRules::CodeFor(3, 5, 16), 5);
    EXPECT_EQ(RecordBarRules::CodeFor(5, 5, 16), 3);
    EXPECT_EQ(RecordBarRules::CodeFor(1, 1, 1), 7);
}

TEST(RecordBarStateTest, ButtonsOfEachCode) {
    EXPECT_EQ(RecordBarRules::ButtonsFor(0), (RecordButtons{false, false, true, true, true, true}));
    EXPECT_EQ(RecordBarRules::ButtonsFor(1), (RecordButtons{false, false, false, false, true, false}));
    EXPECT_EQ(RecordBarRules::ButtonsFor(4), (RecordButtons{true, true, false, false, false, true}));
    EXPECT_EQ(RecordBarRules::ButtonsFor(6), (RecordButtons{true, true, true, true, false, true}));
    EXPECT_EQ(RecordBarRules::ButtonsFor(7), RecordButtons{});
    const RecordButtons before{true, false, true, false, false, true};
    RecordButtons addOn = before;
    addOn.add = true;
    EXPECT_EQ(RecordBarRules::ButtonsFor(8, before), addOn);
    EXPECT_EQ(RecordBarRules::ButtonsFor(42, before), before);
}

TEST(RecordBarStateTest, OpeningReadsTheRecordFromTheTitle) {
    EXPECT_EQ(RecordBarRules::TrailingNumber("Channel 12"), 12);
    EXPECT_EQ(RecordBarRules::TrailingNumber("Channel"), std::nullopt);
    EXPECT_EQ(RecordBarRules::TrailingNumber(""), std::nullopt);
    EXPECT_EQ(RecordBarRules::TrailingNumber("x99999999999"), std::nullopt); // too long to be a record

    // A single-block editor, or a record editor opened from its own item: navigation hidden.
    RecordBarState radio = RecordBarRules::AfterOpening("Radio Information", ViewIds::kRadio, 0, 0);
    EXPECT_FALSE(radio.navigationShown);
    EXPECT_EQ(radio.hides, RecordBarHides::NavigationOnly);
    EXPECT_EQ(RecordBarRules::AfterOpening("Password", ViewIds::kPassword, 0, 0).hides,
              RecordBarHides::Print);
    EXPECT_EQ(RecordBarRules::AfterOpening("Change Log", ViewIds::kChangeLog, 0, 0).hides,
              RecordBarHides::PrintAndHelp);
    EXPECT_FALSE(RecordBarRules::AfterOpening("Channel", ViewIds::kChannel, 16, 16).navigationShown);

    const RecordBarState third = RecordBarRules::AfterOpening("Channel 3", ViewIds::kChannel, 16, 16);
    EXPECT_TRUE(third.navigationShown);
    EXPECT_EQ(third.code, 6);
    EXPECT_TRUE(third.goToRecord);
    EXPECT_EQ(third.current, 3);
    EXPECT_EQ(third.count, 16);
    EXPECT_EQ(RecordBarRules::AfterOpening("Personality 1", ViewIds::kPersonality, 1, 8).code, 1);
    const RecordBarState scan = RecordBarRules::AfterOpening("Scan List 1", ViewIds::kScan, 1, 1);
    EXPECT_EQ(scan.code, 7);
    EXPECT_FALSE(scan.goToRecord);
    EXPECT_FALSE(RecordBarRules::AfterOpening("Test 2", ViewIds::kTestFreq, 0, 0).navigationShown);
}

TEST(RecordBarStateTest, NavigatingWithoutACurrentRecordOnlyOffersAdd) {
    EXPECT_EQ(RecordBarRules::AfterNavigating(0, 3, 8).code, 1);
    EXPECT_EQ(RecordBarRules::AfterNavigating(0, 8, 8).code, 7);
    EXPECT_EQ(RecordBarRules::AfterNavigating(2, 3, 8).code, 5);
}

TEST(ViewTableTest, EditMenuCommandsMapToTheirEditors) {
    EXPECT_EQ(ViewTable::MapEditorCommand(32806), ViewIds::kAlertTone);
    EXPECT_EQ(ViewTable::MapEditorCommand(32821), ViewIds::kChannel);
    EXPECT_EQ(ViewTable::MapEditorCommand(32823), ViewIds::kPersonality);
    EXPECT_EQ(ViewTable::MapEditorCommand(32848), ViewIds::kTwoToneSystem);
    EXPECT_EQ(ViewTable::MapEditorCommand(32850), ViewIds::kTwoToneCall);
    EXPECT_EQ(ViewTable::MapEditorCommand(32883), ViewIds::kScan);
    EXPECT_EQ(ViewTable::MapEditorCommand(32890), 32891);
    EXPECT_EQ(ViewTable::MapEditorCommand(32858), 32858);
    EXPECT_EQ(ViewTable::MapEditorCommand(32864), 32864);
    EXPECT_EQ(ViewTable::MapEditorCommand(32800), ViewIds::kRadio);
    EXPECT_EQ(ViewTable::MapEditorCommand(32895), ViewIds::kChannelList);

    EXPECT_EQ(ViewTable::Views().size(), 17u);
    ASSERT_NE(ViewTable::Find(ViewIds::kChannel), nullptr);
    EXPECT_EQ(ViewTable::Find(ViewIds::kChannel)->capacity, 16);
    EXPECT_EQ(ViewTable::Find(32801), nullptr); // a folder opens nothing

    // Every Edit-menu item of the template opens an editor of the table.
    for (const TreeTemplateEntry& entry : TreeTemplate::Entries()) {
        if (entry.menuKind == EditMenuKind::Item) {
            EXPECT_NE(ViewTable::Find(ViewTable::MapEditorCommand(entry.menuId)), nullptr) << entry.menuId;
        }
    }
}

} // namespace
} // namespace tav
