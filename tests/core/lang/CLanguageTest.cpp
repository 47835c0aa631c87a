#include "core/lang/CLanguage.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>

namespace tav {
namespace {

using test::TempDir;
using test::WriteText;

class CLanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteText(file_, "[TAV-A]\n"
                         "S0001076=1\n"
                         "S0002000=0\n"
                         "[Setting]\n"
                         "S0100811=Not a data file.\n"
                         "S0100812=\n"
                         "S0200128=Title\n"
                         "S0201076=0.None;1.Two-tone;2.ATIS\n"
                         "S0201080=0:5:20:1:0:1:0\n"
                         "S0201081=5:5:50:0:1:1:1\n"
                         "S0300450=TAV-A\n" +
                             std::string("S0100900=") + std::string(300, 'x') + "\n");
    }

    TempDir dir_;
    std::filesystem::path file_ = dir_ / "TAV_T.lng";
    std::string modelId_ = "TAV-A";
    CLanguage language_{file_, [this] { return modelId_; }};
};

TEST_F(CLanguageTest, LooksUpEachGroup) {
    EXPECT_EQ(language_.GetMessageText(811), "Not a data file.");
    EXPECT_EQ(language_.GetControlText(128), "Title");
    EXPECT_EQ(language_.GetModelText(450), "TAV-A");
    EXPECT_EQ(language_.GetMessageText(128), "");
    // Message texts are cut as their 256-byte buffer cuts them.
    EXPECT_EQ(language_.GetMessageText(900).size(), 255u);

    std::string text = "default";
    EXPECT_FALSE(language_.GetText(999, false, text));
    EXPECT_EQ(text, "default");
    EXPECT_TRUE(language_.GetText(812, false, text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(language_.GetText(128, true, text));
    EXPECT_EQ(text, "Title");
    EXPECT_EQ(CLanguage::Key("S01", 811), "S0100811");
}

TEST_F(CLanguageTest, DisablesControlsPerModel) {
    EXPECT_NE(language_.IsControlDisabled(1076), 0);
    EXPECT_EQ(language_.IsControlDisabled(2000), 0);
    // A control without any S02 text can still be disabled.
    WriteText(file_, "[tav-a]\nS0003000=1\n");
    EXPECT_NE(language_.IsControlDisabled(3000), 0);
    modelId_ = "TAV-B";
    EXPECT_EQ(language_.IsControlDisabled(3000), 0);
    modelId_.clear();
    EXPECT_EQ(language_.IsControlDisabled(3000), 0);
}

TEST_F(CLanguageTest, ListsAndEditRanges) {
    EXPECT_EQ(language_.ListValueToText(1076, 1), "Two-tone");
    EXPECT_EQ(language_.ListTextToValue(1076, "ATIS"), 2);
    EXPECT_EQ(language_.ListTextToValue(1076, "Unknown"), -1);
    EXPECT_EQ(language_.ListItems(1080).size(), 5u);
    EXPECT_TRUE(language_.ListBoxItems(1080).empty());
    EXPECT_EQ(language_.ListTexts(1076), (std::vector<std::string>{"None", "Two-tone", "ATIS"}));
    EXPECT_EQ(language_.EditRange(1080), (NumericRange{0, 5, 20, 1, 0, 1, 0}));
    EXPECT_FALSE(language_.EditRange(1081).has_value()); // zero divisor
    EXPECT_FALSE(language_.EditRange(1076).has_value());
    EXPECT_TRUE(language_.ListItems(1081).empty());
}

TEST_F(CLanguageTest, ChangedOrMissingFileTakesEffectAtTheNextLookup) {
    WriteText(file_, "[Setting]\nS0200128=Renamed\n");
    EXPECT_EQ(language_.GetControlText(128), "Renamed");
    language_.SetLanguageFile(dir_ / "missing.lng");
    EXPECT_EQ(language_.GetControlText(128), "");
    EXPECT_TRUE(language_.ListItems(1076).empty());
}

TEST(ShippedLanguageFile, HoldsTheTextsTheCoreUses) {
    const CLanguage english(test::ResourceDir() / "TAV_E.lng", [] { return std::string("TAV-V300"); });
    EXPECT_EQ(english.GetControlText(128), "TAV Programmer");
    EXPECT_EQ(english.GetModelText(450), "TAV-V300");
    EXPECT_EQ(english.GetModelText(460), "TAV-U600");
    for (const int n : {800, 802, 803, 810, 811, 814, 1140, 1147, 1230, 1211, 1212}) {
        EXPECT_FALSE(english.GetMessageText(n).empty()) << n;
    }
    EXPECT_EQ(english.GetMessageText(1211), "dat");
    EXPECT_EQ(english.IsControlDisabled(1076), 0);
    EXPECT_EQ(english.ListTexts(1039), (std::vector<std::string>{"English", "简体中文"}));
}

TEST(ShippedLanguageFile, NamesEachTextOnce) {
    // Two areas adding texts under one number would leave one of them showing the other's words.
    std::map<std::string, int> seen;
    std::string section;
    std::istringstream lines(test::ReadText(test::ResourceDir() / "TAV_E.lng"));
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("[")) {
            section = line;
        } else if (line.starts_with("S") && line.find('=') != std::string::npos) {
            EXPECT_EQ(++seen[section + line.substr(0, line.find('='))], 1) << line;
        }
    }
    EXPECT_GT(seen.size(), 100u);
}

} // namespace
} // namespace tav
