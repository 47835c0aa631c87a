#include "core/data/FeatureRecord.h"
#include "core/data/ProblemList.h"
#include "core/data/RecordNavigator.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

class TestRecord : public FeatureRecord {
public:
    explicit TestRecord(ObjectId id) : FeatureRecord(4, id) {}
};

struct Navigation : ::testing::Test {
    RecordList<TestRecord> list;
    ObjectIdCounter ids{1000};
    std::function<std::unique_ptr<TestRecord>()> create = [this] {
        return std::make_unique<TestRecord>(ids.Next());
    };
    void Fill(int n) {
        for (int i = 0; i < n; ++i) {
            list.Append(create());
        }
    }
};

TEST_F(Navigation, PreviousAndNextStayAtTheEnds) {
    Fill(3);
    EXPECT_EQ(NavigateRecord(list, 0, NavigateCommand::Previous, 0, create), 0u);
    EXPECT_EQ(NavigateRecord(list, 2, NavigateCommand::Next, 0, create), 2u);
    EXPECT_EQ(NavigateRecord(list, 1, NavigateCommand::Next, 0, create), 2u);
    EXPECT_EQ(NavigateRecord(list, 1, NavigateCommand::First, 0, create), 0u);
    EXPECT_EQ(NavigateRecord(list, 0, NavigateCommand::Last, 0, create), 2u);
}

TEST_F(Navigation, AddAppendsWithFreshIdsAndMakesItCurrent) {
    Fill(1);
    auto current = NavigateRecord(list, 0, NavigateCommand::Add, 0, create);
    EXPECT_EQ(current, 1u);
    EXPECT_EQ(list.IdAt(0), 1200u);
    EXPECT_EQ(list.IdAt(1), 1400u);
}

TEST_F(Navigation, DeleteMovesToTheFollowingOrNewLastRecord) {
    Fill(3);
    std::vector<ObjectId> withdrawn;
    auto hook = [&](TestRecord& r) { withdrawn.push_back(r.Id()); };
    EXPECT_EQ(NavigateRecord<TestRecord>(list, 1, NavigateCommand::Delete, 0, create, hook), 1u);
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(NavigateRecord<TestRecord>(list, 1, NavigateCommand::Delete, 0, create, hook), 0u);
    EXPECT_EQ(withdrawn, (std::vector<ObjectId>{1400, 1600}));
    // With one record left nothing is deleted and no record is current.
    EXPECT_EQ(NavigateRecord<TestRecord>(list, 0, NavigateCommand::Delete, 0, create, hook), std::nullopt);
    EXPECT_EQ(list.Count(), 1u);
}

TEST_F(Navigation, GoToIsOneBasedAndOutOfRangeSelectsNothing) {
    Fill(3);
    EXPECT_EQ(NavigateRecord(list, 0, NavigateCommand::GoTo, 3, create), 2u);
    EXPECT_EQ(NavigateRecord(list, 0, NavigateCommand::GoTo, 0, create), std::nullopt);
    EXPECT_EQ(NavigateRecord(list, 0, NavigateCommand::GoTo, 4, create), std::nullopt);
}

TEST(ProblemListTest, IgnoresListedKeysAndDisabledControls) {
    int changes = 0;
    ProblemList problems([](int control) { return control == 99; });
    problems.SetChangedHandler([&] { ++changes; });
    const auto key = ProblemList::MakeKey(400, 3680);
    EXPECT_EQ(key, 400u + 3680u + 65535u);
    EXPECT_TRUE(problems.Add(3680, "Channel 1", "no personality", key));
    EXPECT_FALSE(problems.Add(3680, "Channel 1", "again", key));
    EXPECT_FALSE(problems.Add(99, "x", "y", ProblemList::MakeKey(400, 99)));
    EXPECT_EQ(problems.Entries().size(), 1u);
    problems.Withdraw(12345);
    EXPECT_TRUE(problems.HasEntries());
    problems.Withdraw(key);
    EXPECT_FALSE(problems.HasEntries());
    EXPECT_EQ(changes, 2);
}

} // namespace
} // namespace tav
