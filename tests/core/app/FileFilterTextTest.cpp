#include "core/app/FileFilterText.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(FileFilterText, ReadsDescriptionAndPatternPairs) {
    const auto filters = ParseFileFilter("TAV Data Files (*.dat)|*.dat|All Files (*.*)|*.*||");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0], (FileFilter{"TAV Data Files (*.dat)", {"*.dat"}}));
    EXPECT_EQ(QtNameFilter(filters[0]), "TAV Data Files (*.dat)");
    EXPECT_EQ(QtNameFilter(filters[1]), "All Files (*.*)");
}

TEST(FileFilterText, PatternsSeparatedBySemicolonsBecomeBlankSeparated) {
    const auto filters = ParseFileFilter("Data and backups|*.dat; *.bak|");
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.dat", "*.bak"}));
    EXPECT_EQ(QtNameFilter(filters[0]), "Data and backups (*.dat *.bak)");
    // The patterns given win over a description that names other ones.
    EXPECT_EQ(QtNameFilter({"Old (*.old)", {"*.dat"}}), "Old (*.dat)");
}

TEST(FileFilterText, DamagedTextsGiveWhatCanBeUsed) {
    EXPECT_TRUE(ParseFileFilter("").empty());
    EXPECT_TRUE(ParseFileFilter("||").empty());
    EXPECT_TRUE(ParseFileFilter("Only a description").empty());
    const auto filters = ParseFileFilter("|*.dat|No patterns||Text|*.txt");
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(QtNameFilter(filters[0]), "*.dat (*.dat)");
    EXPECT_EQ(QtNameFilter(filters[1]), "Text (*.txt)");
}

} // namespace
} // namespace tav
