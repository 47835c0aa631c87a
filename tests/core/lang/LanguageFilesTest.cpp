// The shipped language files: the Chinese file holds exactly the English file's keys in the same
// order, converts every list's values as English does, keeps the placeholders and accelerators,
// translates what it holds, and is chosen by its index in the language list.
#include "core/app/CSettings.h"
#include "core/lang/ListText.h"
#include "core/platform/PrivateProfile.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace tav {
namespace {

namespace fs = std::filesystem;

const fs::path kEnglish = fs::path(TAV_RESOURCE_DIR) / "TAV_E.lng";
const fs::path kChinese = fs::path(TAV_RESOURCE_DIR) / "TAV_S.lng";

/// "section/key" of every entry, in file order.
std::vector<std::string> KeysInOrder(const fs::path& file) {
    std::vector<std::string> keys;
    for (const std::string& section : PrivateProfile::SectionNames(file)) {
        for (const auto& [key, value] : PrivateProfile::ReadSection(file, section)) {
            keys.push_back(section + "/" + key);
        }
    }
    return keys;
}

std::map<std::string, std::string> Entries(const fs::path& file, const std::string& section = "Setting") {
    std::map<std::string, std::string> entries;
    for (const auto& [key, value] : PrivateProfile::ReadSection(file, section)) {
        entries.emplace(key, value);
    }
    return entries;
}

std::string Joined(const std::vector<std::string>& keys) {
    std::string text;
    for (const std::string& key : keys) {
        text += " " + key;
    }
    return text;
}

/// A list text: every item is a value item ("12.Text") or a range item of seven numbers.
bool IsList(const std::string& text) {
    static const std::regex value(R"(-?\d+\..+)");
    static const std::regex range(R"(\d+(:\d+){6})");
    const auto items = ListText::SplitItems(text);
    return !items.empty() && std::all_of(items.begin(), items.end(), [](std::string_view item) {
        const std::string one(item);
        return std::regex_match(one, value) || std::regex_match(one, range);
    });
}

/// The printf and numbered placeholders of a text, in order.
std::vector<std::string> Placeholders(const std::string& text) {
    static const std::regex placeholder(R"(%(\d|[-+ #0]*\d*(\.\d+)?[dsuxXfc]))");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator();
         ++it) {
        found.push_back(it->str());
    }
    return found;
}

/// The accelerator letter of a menu or button text ('&' before it, "&&" is a plain '&'), 0 when none.
char Accelerator(const std::string& text) {
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        if (text[at] == '&') {
            if (text[at + 1] != '&') {
                return static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])));
            }
            ++at;
        }
    }
    return 0;
}

TEST(LanguageFiles, ChineseHoldsEveryEnglishKeyInTheSameOrder) {
    const std::vector<std::string> english = KeysInOrder(kEnglish);
    const std::vector<std::string> chinese = KeysInOrder(kChinese);
    const std::set<std::string> englishSet(english.begin(), english.end());
    const std::set<std::string> chineseSet(chinese.begin(), chinese.end());
    std::vector<std::string> missing;
    std::vector<std::string> extra;
    std::set_difference(englishSet.begin(), englishSet.end(), chineseSet.begin(), chineseSet.end(),
                        std::back_inserter(missing));
    std::set_difference(chineseSet.begin(), chineseSet.end(), englishSet.begin(), englishSet.end(),
                        std::back_inserter(extra));
    EXPECT_TRUE(missing.empty()) << "keys of TAV_E.lng missing in TAV_S.lng:" << Joined(missing);
    EXPECT_TRUE(extra.empty()) << "keys of TAV_S.lng that TAV_E.lng does not have:" << Joined(extra);
    EXPECT_EQ(english.size(), englishSet.size()) << "TAV_E.lng holds a key twice";
    EXPECT_EQ(chinese.size(), chineseSet.size()) << "TAV_S.lng holds a key twice";
    if (missing.empty() && extra.empty()) {
        const auto differ = std::mismatch(english.begin(), english.end(), chinese.begin());
        EXPECT_TRUE(differ.first == english.end()) << "TAV_S.lng leaves the English order at "
                                                   << *differ.second << " (English: " << *differ.first << ")";
    }
}

TEST(LanguageFiles, EveryChineseListConvertsTheEnglishValues) {
    const auto english = Entries(kEnglish);
    const auto chinese = Entries(kChinese);
    int lists = 0;
    for (const auto& [key, englishText] : english) {
        const auto found = chinese.find(key);
        if (!IsList(englishText) || found == chinese.end()) {
            continue;
        }
        ++lists;
        const std::string& text = found->second;
        ASSERT_TRUE(IsList(text)) << key << " is no list in Chinese: " << text;
        const auto englishItems = ListText::Items(englishText);
        const auto items = ListText::Items(text);
        ASSERT_EQ(items.size(), englishItems.size()) << key;
        // Range items stand for numbers, which no language changes.
        std::vector<std::string_view> englishRanges;
        std::vector<std::string_view> ranges;
        for (const auto item : ListText::SplitItems(englishText)) {
            if (ListText::Classify(item) == ListText::ItemKind::Range) {
                englishRanges.push_back(item);
            }
        }
        for (const auto item : ListText::SplitItems(text)) {
            if (ListText::Classify(item) == ListText::ItemKind::Range) {
                ranges.push_back(item);
            }
        }
        EXPECT_EQ(ranges, englishRanges) << key;
        for (std::size_t k = 0; k < items.size(); ++k) {
            EXPECT_EQ(items[k].value, englishItems[k].value) << key << " item " << k;
            const std::string shown = ListText::ValueToText(text, items[k].value);
            EXPECT_FALSE(shown.empty()) << key << " value " << items[k].value;
            EXPECT_EQ(ListText::TextToValue(text, shown),
                      ListText::TextToValue(englishText, englishItems[k].text))
                << key << " item " << k << " '" << shown << "'";
        }
    }
    EXPECT_GT(lists, 50);
}

TEST(LanguageFiles, ChineseTextsKeepPlaceholdersAndAcceleratorsAndAreTranslated) {
    // Texts that read the same in both languages: file extensions, codes, numbers, model names.
    const std::regex englishWord(R"([a-z]{3,})");
    const std::set<std::string> sameInBoth = {"S0101211"};
    const auto english = Entries(kEnglish);
    const auto chinese = Entries(kChinese);
    for (const auto& [key, englishText] : english) {
        const auto found = chinese.find(key);
        if (found == chinese.end() || !key.starts_with("S0")) {
            continue;
        }
        const std::string& text = found->second;
        EXPECT_EQ(Placeholders(text), Placeholders(englishText)) << key << ": " << text;
        EXPECT_EQ(Accelerator(text), Accelerator(englishText)) << key << ": " << text;
        if (Accelerator(englishText) != 0) {
            EXPECT_NE(text.find(std::string("(&") + Accelerator(englishText) + ")"), std::string::npos)
                << key << " shows its accelerator as \"(&X)\": " << text;
        }
        if (!IsList(englishText) && !sameInBoth.contains(key) &&
            std::regex_search(englishText, englishWord)) {
            EXPECT_NE(text, englishText) << key << " is not translated";
        }
    }
}

TEST(LanguageFiles, TheLanguageListChoosesTheChineseFileAndItsHelp) {
    test::TempDir home;
    fs::copy_file(kEnglish, home / "TAV_E.lng");
    fs::copy_file(kChinese, home / "TAV_S.lng");
    CSettings settings{ProgramHome(home.path())};
    settings.CancelExitWrite();
    EXPECT_EQ(settings.Language().ListTexts(1039), (std::vector<std::string>{"English", "简体中文"}));

    EXPECT_EQ(settings.SelectLanguage(1), 1);
    EXPECT_EQ(settings.LanguageFile(), home / "TAV_S.lng");
    EXPECT_EQ(settings.LanguageName(), "简体中文");
    EXPECT_EQ(settings.HelpFolder(), "help_S");
    EXPECT_EQ(settings.Language().GetControlText(128), "TAV 写频软件");
    EXPECT_EQ(settings.Language().ListTexts(1039), (std::vector<std::string>{"English", "简体中文"}));

    EXPECT_EQ(settings.SelectLanguage(0), 0);
    EXPECT_EQ(settings.LanguageFile(), home / "TAV_E.lng");
    EXPECT_EQ(settings.HelpFolder(), "help");
    EXPECT_EQ(settings.Language().GetControlText(128), "TAV Programmer");
}

} // namespace
} // namespace tav
