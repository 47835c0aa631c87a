#include "core/app/DocumentSnapshot.h"

#include "core/app/CDataContainer.h"
#include "core/app/ChannelReferences.h"
#include "core/app/ViewTable.h"
#include "core/compare/ChangeDescription.h"
#include "core/lang/CLanguage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <functional>
#include <string>

namespace tav {
namespace {

void SetFreq(ChannelData& channel, std::size_t offset, std::uint32_t bcd) {
    for (int k = 0; k < 4; ++k) {
        channel.Bytes()[offset + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(bcd >> (24 - 8 * k));
    }
}

class DocumentSnapshotTest : public ::testing::Test {
protected:
    CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    CDataContainer container;

    void SetUp() override {
        container.Context().texts = &english;
        container.CreateDefaults();
        container.StoreAll();
        container.LoadAll();
        // A scan list naming channel 2, so that deleting that channel changes another record.
        ScanMembersUi members;
        container.ScanLists().At(0).LoadMembers(members, english, container);
        members.members.fill(ScanMembersUi::kNoSelection);
        members.members[0] = 1;
        members.entries = "1";
        container.ScanLists().At(0).StoreMembers(members, english, container);
    }

    Image Stored() {
        container.StoreAll();
        return container.image();
    }
    DocumentSnapshot Take() { return TakeDocumentSnapshot(container, Stored()); }
};

// Undo and redo put every record kind back exactly, and the records still there keep their
// objects (an editor showing one keeps showing it).
TEST_F(DocumentSnapshotTest, RestoringPutsEveryKindBackAndKeepsTheLiveRecords) {
    const DocumentSnapshot start = Take();
    ChannelData* first = &container.Channels().At(0);
    ChannelReferences::RemoveAt(container, 1, english);
    SetFreq(*first, ChannelRecord::kTxFreq, 0x14612500);
    container.Misc().Bytes()[MiscData::kVoxOffset] ^= 0x01;
    container.Personalities().Append(container.MakePersonality(container.Personalities().Count()));
    container.TwoToneSystems().Remove(0);
    ASSERT_NE(Stored(), start.stored);
    const DocumentSnapshot end = Take();

    RestoreDocumentSnapshot(container, start);
    EXPECT_EQ(Stored(), start.stored);
    EXPECT_EQ(&container.Channels().At(0), first);
    EXPECT_EQ(container.ScanLists().At(0).MemberId(0), container.Channels().IdAt(1))
        << "the scan list names the channel that came back";

    RestoreDocumentSnapshot(container, end);
    EXPECT_EQ(Stored(), end.stored);
    EXPECT_EQ(&container.Channels().At(0), first);
}

struct StepCase {
    const char* name;
    std::function<void(CDataContainer&)> edit;
    const char* text; ///< what the step's name starts with
    int viewId;
    std::size_t record;
    bool more; ///< several fields changed: " (+N)"
};

// A step is named after the first field it changed, and knows the editor and record of it.
TEST_F(DocumentSnapshotTest, AStepIsNamedByItsFieldAndEditor) {
    const StepCase cases[] = {
        {"channel field", [](CDataContainer& c) { SetFreq(c.Channels().At(2), ChannelRecord::kTxFreq, 0x14612500); },
         "Channel 3 \u00B7 TX Freq", ViewIds::kChannel, 3, false},
        {"single block", [](CDataContainer& c) { c.Misc().Bytes()[MiscData::kVoxOffset] ^= 0x01; },
         "Miscellaneous \u00B7 ", ViewIds::kMisc, 0, false},
        {"two fields", [](CDataContainer& c) {
             SetFreq(c.Channels().At(0), ChannelRecord::kTxFreq, 0x14612500);
             SetFreq(c.Channels().At(0), ChannelRecord::kRxFreq, 0x14612500);
         },
         "Channel 1 \u00B7 ", ViewIds::kChannel, 1, true},
        {"record added",
         [](CDataContainer& c) { c.Personalities().Append(c.MakePersonality(c.Personalities().Count())); },
         "Personality", ViewIds::kPersonality, 0, false},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Image before = Stored();
        c.edit(container);
        const ChangeDescription step = DescribeChange(container, before, Stored(), english);
        EXPECT_EQ(step.text.rfind(c.text, 0), 0u) << step.text;
        EXPECT_EQ(step.viewId, c.viewId);
        if (c.record != 0) {
            EXPECT_EQ(step.record, c.record);
        }
        EXPECT_EQ(step.text.find(" (+") != std::string::npos, c.more) << step.text;
        container.image() = before;
        container.LoadAll();
    }
    EXPECT_EQ(DescribeChange(container, Stored(), Stored(), english).changes, 0u);
}

} // namespace
} // namespace tav
