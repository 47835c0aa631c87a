#include "core/app/FreqRangeTable.h"

#include "core/app/CModelList.h"
#include "core/app/CSettings.h"
#include "core/platform/PrivateProfile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::ReadText;
using test::TempDir;
using test::WriteText;

constexpr FreqRangeRecord kVhf{136, 174, 136, 174, 0x80};
constexpr FreqRangeRecord kUhf{400, 470, 400, 470, 0x01};

/// A program directory holding the shipped model list.
class ModelListTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy_file(test::ResourceDir() / "Model.dat", dir_ / "Model.dat");
    }

    std::filesystem::path ModelFile() const { return dir_ / "Model.dat"; }

    TempDir dir_;
};

TEST_F(ModelListTest, ReadsIdentifiersNamesAndRanges) {
    CModelList list(ModelFile(), "TAV-V300");
    EXPECT_EQ(list.ModelIds(), (std::vector<std::string>{"TAV-V300", "TAV-U600"}));
    EXPECT_EQ(list.ModelNames("TAV-U600"), (std::vector<std::string>{"TAV 610", "TAV 620"}));
    EXPECT_EQ(list.FindModelId("TAV 620"), "TAV-U600");
    EXPECT_EQ(list.FindModelId("TAV 999"), "");
    EXPECT_EQ(list.GetRangeCount(), 1);
    FreqRangeRecord record;
    ASSERT_TRUE(list.GetRange(0, record));
    EXPECT_EQ(record, kVhf);
    EXPECT_FALSE(list.GetRange(1, record));
    list.SetModelId("TAV-U600");
    ASSERT_TRUE(list.GetRange(0, record));
    EXPECT_EQ(record, kUhf);
    list.SetModelId("TAV-NONE");
    EXPECT_EQ(list.GetRangeCount(), 0);
}

TEST_F(ModelListTest, NameUnderTwoIdentifiersResolvesToTheFirstListed) {
    WriteText(ModelFile(), "[Setting]\nModelID=B, A\nA=Shared,Only A\nB=Other, Shared\n");
    const CModelList list(ModelFile(), "A");
    EXPECT_EQ(list.FindModelId("Shared"), "B");
    EXPECT_EQ(list.FindModelId("Only A"), "A");
}

TEST(RangeEntry, ParsesFiveNumbersAndRefusesDamagedEntries) {
    EXPECT_EQ(ParseRangeEntry("136, 174, 136, 174, 128"), kVhf);
    EXPECT_EQ(ParseRangeEntry("400,470,400,470,257,extra"), (FreqRangeRecord{400, 470, 400, 470, 0x01}));
    EXPECT_FALSE(ParseRangeEntry("136, 174, 136, 174"));
    EXPECT_FALSE(ParseRangeEntry("136, 174, x, 174, 128"));
    EXPECT_FALSE(ParseRangeEntry("-136, 174, 136, 174, 128"));
    EXPECT_FALSE(ParseRangeEntry(""));
    EXPECT_EQ(FormatRangeEntry(kVhf), "136, 174, 136, 174, 128");
    EXPECT_EQ(FormatRange(136, 174), "136-174");
}

TEST_F(ModelListTest, TableFallsBackAndStopsAtTheFirstUnreadableEntry) {
    FreqRangeTable table;
    EXPECT_FALSE(table.AllocateRanges(0));
    EXPECT_FALSE(table.AllocateRanges(-1));
    EXPECT_FALSE(table.AllocateRanges(FreqRangeTable::kMaxRanges + 1));
    EXPECT_TRUE(table.AllocateRanges(3));
    EXPECT_EQ(table.Count(), 3);

    // A model without a section: one record, the fall-back range.
    ASSERT_TRUE(table.Load(CModelList(ModelFile(), "TAV-NONE")).ok());
    EXPECT_EQ(table.Ranges(), (std::vector<FreqRangeRecord>{FreqRangeTable::kFallbackRange}));
    ASSERT_TRUE(table.Load(CModelList(ModelFile(), "")).ok());
    EXPECT_EQ(table.Count(), 1);

    WriteText(ModelFile(),
              "[M]\nNumber=4\nFreq0=400, 470, 400, 470, 1\nFreq1=broken\nFreq2=350, 390, 350, 390, 2\n");
    ASSERT_TRUE(table.Load(CModelList(ModelFile(), "M")).ok());
    EXPECT_EQ(table.Ranges(), (std::vector<FreqRangeRecord>{kUhf, FreqRangeTable::kFallbackRange, {}, {}}));

    // An absurd count is capped instead of exhausting memory.
    WriteText(ModelFile(), "[M]\nNumber=2000000000\nFreq0=400, 470, 400, 470, 1\n");
    ASSERT_TRUE(table.Load(CModelList(ModelFile(), "M")).ok());
    EXPECT_EQ(table.Count(), FreqRangeTable::kMaxRanges);
}

TEST_F(ModelListTest, CurrentRangeLimitsAndFlags) {
    WriteText(ModelFile(), "[M]\nNumber=2\nFreq0=136, 174, 136, 174, 133\nFreq1=400, 470, 400, 470, 1\n");
    FreqRangeTable table;
    ASSERT_TRUE(table.Load(CModelList(ModelFile(), "M")).ok());
    EXPECT_EQ(FreqRangeTable::CurrentRangeLimits("136-174"),
              (std::pair<std::uint16_t, std::uint16_t>{136, 174}));
    EXPECT_EQ(FreqRangeTable::CurrentRangeLimits(""), (std::pair<std::uint16_t, std::uint16_t>{0, 0}));
    EXPECT_EQ(FreqRangeTable::CurrentRangeLimits("400"), (std::pair<std::uint16_t, std::uint16_t>{400, 0}));
    EXPECT_EQ(FreqRangeTable::CurrentRangeLimits("65537-3"), (std::pair<std::uint16_t, std::uint16_t>{1, 3}));
    EXPECT_EQ(table.CurrentRangeFlags("136-174"), 133);
    EXPECT_TRUE(table.CurrentRangeUvBand("136-174"));
    EXPECT_EQ(table.CurrentRangeId("136-174"), 5);
    EXPECT_EQ(table.CurrentRangeFlags("400-470"), 1);
    EXPECT_FALSE(table.CurrentRangeUvBand("400-470"));
    EXPECT_EQ(table.CurrentRangeFlags("350-390"), 0);
    // A range matches by both edges: one shared edge is another range.
    for (const char* other : {"136-160", "140-174", "400-480", "380-470"}) {
        EXPECT_EQ(table.CurrentRangeFlags(other), 0) << other;
    }
}

/// Settings over the program directory of the fixture, identity TAV-U600 400-470.
class OfferNewRangeTest : public ModelListTest {
protected:
    void SetUp() override {
        ModelListTest::SetUp();
        settings_.CancelExitWrite();
        settings_.SetModelId("TAV-U600");
        settings_.SetPrevFreqRange("400-470");
        settings_.SetFreqRange("350-390");
        ASSERT_TRUE(table_.LoadFor(settings_).ok());
    }

    /// Answers the question and records it.
    std::function<bool(const std::string&)> Answer(bool yes) {
        return [this, yes](const std::string& question) {
            questions_.push_back(question);
            return yes;
        };
    }

    CSettings settings_{ProgramHome(dir_.path())};
    FreqRangeTable table_;
    std::vector<std::string> questions_;
};

TEST_F(OfferNewRangeTest, KnownRangeIsNeverOffered) {
    const auto before = ReadText(ModelFile());
    EXPECT_EQ(table_.OfferNewRange(settings_, {400, 470, 0, 0, 7}, Answer(true)),
              FreqRangeTable::kRangeKnown);
    EXPECT_TRUE(questions_.empty());
    EXPECT_EQ(ReadText(ModelFile()), before);
}

TEST_F(OfferNewRangeTest, DeclinedRangeLeavesTheModelListAndKeepsThePreviousRange) {
    const auto before = ReadText(ModelFile());
    EXPECT_EQ(table_.OfferNewRange(settings_, {350, 390, 0, 0, 2}, Answer(false)),
              FreqRangeTable::kRangeDeclined);
    ASSERT_EQ(questions_.size(), 1u);
    EXPECT_EQ(questions_[0], "Find a new Frequency Range: 350-390 MHz,do you want to add?");
    EXPECT_EQ(settings_.NewRangeAnswer(), CSettings::kAnswerNo);
    EXPECT_EQ(ReadText(ModelFile()), before);
    EXPECT_EQ(table_.Count(), 1);

    ASSERT_TRUE(settings_.WriteOnExit());
    EXPECT_EQ(PrivateProfile::ReadString(dir_ / "Settings.ini", "Setting", "FreqRange"), "400-470");
    // Without a callback the answer is no.
    EXPECT_EQ(table_.OfferNewRange(settings_, {350, 390, 0, 0, 2}, {}), FreqRangeTable::kRangeDeclined);
}

TEST_F(OfferNewRangeTest, AcceptedRangeIsAddedToTheModelListAndTable) {
    EXPECT_EQ(table_.OfferNewRange(settings_, {350, 390, 1, 1, 2}, Answer(true)),
              FreqRangeTable::kRangeAdded);
    EXPECT_EQ(settings_.NewRangeAnswer(), CSettings::kAnswerYes);
    EXPECT_FALSE(table_.OfferWriteFailed());
    const auto text = ReadText(ModelFile());
    EXPECT_NE(text.find("[TAV-U600]\nNumber=2\nFreq0=400, 470, 400, 470, 1\nFreq1=350, 390, 350, 390, 2\n"),
              std::string::npos);
    EXPECT_NE(text.find("; TAV Programmer model list."), std::string::npos);
    EXPECT_EQ(table_.Ranges(), (std::vector<FreqRangeRecord>{kUhf, {350, 390, 350, 390, 2}}));
    EXPECT_EQ(table_.CurrentRangeFlags(settings_.FreqRange()), 2);

    EXPECT_EQ(table_.OfferNewRange(settings_, {350, 390, 0, 0, 2}, Answer(true)),
              FreqRangeTable::kRangeKnown);
    EXPECT_EQ(questions_.size(), 1u);

    ASSERT_TRUE(settings_.WriteOnExit());
    EXPECT_EQ(PrivateProfile::ReadString(dir_ / "Settings.ini", "Setting", "FreqRange"), "350-390");
}

TEST_F(OfferNewRangeTest, RangeAddedToAModelWithoutRangesCanBeLoaded) {
    settings_.SetModelId("TAV-NEW");
    ASSERT_TRUE(table_.LoadFor(settings_).ok());
    EXPECT_EQ(table_.OfferNewRange(settings_, {350, 390, 0, 0, 2}, Answer(true)),
              FreqRangeTable::kRangeAdded);
    EXPECT_EQ(PrivateProfile::ReadString(ModelFile(), "TAV-NEW", "Number"), "1");
    EXPECT_EQ(PrivateProfile::ReadString(ModelFile(), "TAV-NEW", "Freq0"), "350, 390, 350, 390, 2");
    EXPECT_EQ(table_.Ranges(), (std::vector<FreqRangeRecord>{{350, 390, 350, 390, 2}}));
}

TEST_F(OfferNewRangeTest, UnwritableModelListCountsAsDeclined) {
    settings_.SetModelId("");
    ASSERT_TRUE(table_.LoadFor(settings_).ok());
    const auto before = ReadText(ModelFile());
    EXPECT_EQ(table_.OfferNewRange(settings_, {350, 390, 0, 0, 2}, Answer(true)),
              FreqRangeTable::kRangeDeclined);
    EXPECT_TRUE(table_.OfferWriteFailed());
    EXPECT_EQ(settings_.NewRangeAnswer(), CSettings::kAnswerNo);
    EXPECT_EQ(ReadText(ModelFile()), before);
}

/// A model section with `count` readable ranges 1-2, 2-3, ... and the given "Number" line.
std::string ManyRanges(int count, const std::string& numberLine) {
    std::string text = "[TAV-U600]\n" + numberLine;
    for (int i = 0; i < count; ++i) {
        text += "Freq" + std::to_string(i) + "=" + std::to_string(i + 1) + ", " + std::to_string(i + 2) +
                ", " + std::to_string(i + 1) + ", " + std::to_string(i + 2) + ", 3\n";
    }
    return text;
}

TEST_F(OfferNewRangeTest, DamagedOrLongModelListsLoseNoEntryAndGainNoDuplicate) {
    const struct {
        const char* what;
        std::string section;
        FreqRangeRecord offered;
        int result;
        const char* number;   ///< "Number" afterwards
        const char* newEntry; ///< key that holds the offered range afterwards
    } cases[] = {
        {"Number missing",
         "[TAV-U600]\nFreq0=400, 470, 400, 470, 1\n",
         {350, 390, 0, 0, 2},
         FreqRangeTable::kRangeAdded,
         "2",
         "Freq1"},
        {"Number empty",
         "[TAV-U600]\nNumber=\nFreq0=400, 470, 400, 470, 1\n",
         {350, 390, 0, 0, 2},
         FreqRangeTable::kRangeAdded,
         "2",
         "Freq1"},
        {"known beyond the table",
         ManyRanges(1200, "Number=1200\n"),
         {1101, 1102, 0, 0, 3},
         FreqRangeTable::kRangeKnown,
         "1200",
         "Freq1100"},
        {"new beyond the table",
         ManyRanges(1200, "Number=1200\n"),
         {350, 2000, 0, 0, 2},
         FreqRangeTable::kRangeAdded,
         "1201",
         "Freq1200"},
        {"no upper limit",
         "[TAV-U600]\nNumber=1\nFreq0=400, 470, 400, 470, 1\n",
         {350, 0, 0, 0, 2},
         FreqRangeTable::kRangeDeclined,
         "1",
         nullptr},
        {"reversed",
         "[TAV-U600]\nNumber=1\nFreq0=400, 470, 400, 470, 1\n",
         {390, 350, 0, 0, 2},
         FreqRangeTable::kRangeDeclined,
         "1",
         nullptr},
        {"no lower limit",
         "[TAV-U600]\nNumber=1\nFreq0=400, 470, 400, 470, 1\n",
         {0, 390, 0, 0, 2},
         FreqRangeTable::kRangeDeclined,
         "1",
         nullptr},
    };
    for (const auto& c : cases) {
        WriteText(ModelFile(), c.section);
        ASSERT_TRUE(table_.LoadFor(settings_).ok());
        const auto entriesBefore = PrivateProfile::ReadSection(ModelFile(), "TAV-U600");
        EXPECT_EQ(table_.OfferNewRange(settings_, c.offered, [](const std::string&) { return true; }),
                  c.result)
            << c.what;
        EXPECT_EQ(PrivateProfile::ReadString(ModelFile(), "TAV-U600", "Number"), c.number) << c.what;
        for (const auto& [key, value] : entriesBefore) {
            if (key != "Number") {
                EXPECT_EQ(PrivateProfile::ReadString(ModelFile(), "TAV-U600", key), value)
                    << c.what << " " << key;
            }
        }
        if (c.newEntry) {
            const auto entry =
                ParseRangeEntry(PrivateProfile::ReadString(ModelFile(), "TAV-U600", c.newEntry));
            ASSERT_TRUE(entry) << c.what;
            EXPECT_EQ(entry->low, c.offered.low) << c.what;
            EXPECT_EQ(entry->high, c.offered.high) << c.what;
        } else {
            EXPECT_EQ(PrivateProfile::ReadSection(ModelFile(), "TAV-U600"), entriesBefore) << c.what;
        }
    }
}

TEST(NewRangeQuestion, FollowsTheLanguageIndex) {
    EXPECT_EQ(FreqRangeTable::NewRangeQuestion(0, 136, 174),
              "Find a new Frequency Range: 136-174 MHz,do you want to add?");
    EXPECT_EQ(FreqRangeTable::NewRangeQuestion(1, 136, 174), "发现一个新频段：136-174 MHz, 是否添加？");
}

} // namespace
} // namespace tav
