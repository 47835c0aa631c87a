#include "core/data/ChannelFields.h"

#include "ChanFixtures.h"
#include "core/lang/CLanguage.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <set>

namespace tav {
namespace {

// Each field's label is the language file's text of its number, in both languages, and each list
// field names a list that has items: a wrong number shows as a missing or other text here.
TEST(ChannelFieldsTest, LabelsAndListsAreTheLanguageFilesTexts) {
    const CLanguage english{test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); }};
    const CLanguage chinese{test::ResourceDir() / "TAV_S.lng", [] { return std::string("TAV-V300"); }};
    std::set<std::string> keys;
    for (const ChannelField& field : ChannelFieldTable()) {
        EXPECT_TRUE(keys.insert(field.key).second) << field.key << " twice";
        EXPECT_EQ(ChannelFieldLabel(field, english), field.fallback) << field.key;
        EXPECT_FALSE(chinese.GetControlText(field.labelId).empty()) << field.key;
        if (field.listId != 0) {
            EXPECT_FALSE(english.ListItems(field.listId).empty()) << field.key;
            EXPECT_FALSE(chinese.ListItems(field.listId).empty()) << field.key;
        }
        EXPECT_EQ(&ChannelFieldOf(field.id), &field) << field.key;
    }
}

// The grid shows its columns 1 to 13 in order, and the CSV every field of the channel form.
TEST(ChannelFieldsTest, GridColumnsFollowEachOtherAndTheCsvHoldsEveryField) {
    const std::vector<const ChannelField*> grid = ChannelGridFields();
    ASSERT_EQ(grid.size(), 13u);
    for (std::size_t k = 0; k < grid.size(); ++k) {
        EXPECT_EQ(grid[k]->gridColumn, static_cast<int>(k + 1)) << grid[k]->key;
        EXPECT_GT(grid[k]->gridWidth, 0) << grid[k]->key;
    }
    EXPECT_EQ(ChannelCsvFields().size(), kChannelFieldCount);
    EXPECT_EQ(ChannelFieldTable().size(), kChannelFieldCount);
}

// The grid shows a frequency as its cell does, the CSV exactly; the compare names every value in
// words that need no language file.
TEST(ChannelFieldsTest, ValuesAreShownByStyle) {
    test::FakeTextLookup texts = test::ChanTexts();
    texts.lists[3708] = {{0, "Off"}, {1, "On"}};
    texts.controls[3706] = "None";
    ChannelUi ui;
    ui.rxFreq = 0x40000250; // kept on 2.5 kHz by the grid
    ui.txFreq = kNoFreq;
    ui.personalityPosition = ChannelUi::kNoSelection;
    ui.scanListPosition = 0;
    ui.atis = 1;
    struct Case {
        ChannelFieldId id;
        std::string grid;
        std::string exchange;
        std::string compare;
    };
    const std::vector<Case> cases = {
        {ChannelFieldId::RxFreq, "400.00000", "400.00250", "400.00000 (off raster: 400.00250)"},
        {ChannelFieldId::TxFreq, "", "", "none"},
        {ChannelFieldId::Personality, "", "", "none"},
        {ChannelFieldId::ScanList, "None", "None", "none"},
        {ChannelFieldId::Atis, "On", "On", "On"},
        {ChannelFieldId::AutoStartScan, "Off", "Off", "Off"},
    };
    for (const Case& c : cases) {
        const ChannelField& field = ChannelFieldOf(c.id);
        EXPECT_EQ(ChannelFieldText(field, ui, texts, ChannelTextStyle::Grid), c.grid) << field.key;
        EXPECT_EQ(ChannelFieldText(field, ui, texts, ChannelTextStyle::Exchange), c.exchange) << field.key;
        EXPECT_EQ(ChannelCompareText(field, ui), c.compare) << field.key;
    }
    ui.personalityPosition = 1;
    ui.scanListPosition = 3;
    EXPECT_EQ(ChannelCompareText(ChannelFieldOf(ChannelFieldId::Personality), ui), "Personality 2");
    EXPECT_EQ(ChannelCompareText(ChannelFieldOf(ChannelFieldId::ScanList), ui), "Scan List 3");
    EXPECT_EQ(ChannelFieldText(ChannelFieldOf(ChannelFieldId::ScanList), ui, texts, ChannelTextStyle::Grid),
              "3");
}

} // namespace
} // namespace tav
