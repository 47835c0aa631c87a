// How far a write got, told as the ranges of addresses that hold the new data.
#include "core/comm/WrittenRanges.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(WrittenRanges, NameTheAcknowledgedBlocksAndTheOneUnderWay) {
    BlockPlan plan = FullWritePlan(false);
    plan.push_back(DateBlock());
    const std::size_t last = plan.size() - 1;
    const struct {
        std::size_t acknowledged;
        bool nextSent;
        bool started;
        std::string newData;
        std::string unsure;
    } cases[] = {
        {0, false, false, "", ""},
        {0, true, true, "", "0078-0097"},
        {1, false, true, "0078-0097", ""},
        {2, true, true, "0078-00B4", "00D9-00DD"},
        {3, false, true, "0078-00B4, 00D9-00DD", ""},
        {5, true, true, "0078-00B4, 00D9-00DD, 00FE-013D", "013E-015D"},
        {last, false, true, "0078-00B4, 00D9-00DD, 00FE-13FA", ""},
        {last, true, true, "0078-00B4, 00D9-00DD, 00FE-13FA", "0020-0027"},
        {plan.size(), false, true, "0078-00B4, 00D9-00DD, 00FE-13FA, 0020-0027", ""},
        {plan.size() + 3, true, true, "0078-00B4, 00D9-00DD, 00FE-13FA, 0020-0027", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.acknowledged) + (c.nextSent ? " and one sent" : ""));
        const WrittenRanges ranges = WrittenRanges::After(plan, c.acknowledged, c.nextSent);
        EXPECT_EQ(ranges.Started(), c.started);
        EXPECT_EQ(ranges.NewDataText(), c.newData);
        EXPECT_EQ(ranges.Unsure() ? ranges.Unsure()->Text() : "", c.unsure);
    }
}

TEST(WrittenRanges, JoinOnlyBlocksThatMeet) {
    const BlockPlan plan = {{0x100, 0x100, 32}, {0x120, 0x120, 32}, {0x200, 0x200, 8}, {0x208, 0x208, 0}};
    const WrittenRanges ranges = WrittenRanges::After(plan, 4, false);
    EXPECT_EQ(ranges.NewData(), (std::vector<AddressRange>{{0x100, 0x13F}, {0x200, 0x207}}));
}

} // namespace
} // namespace tav
