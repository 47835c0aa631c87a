#include "core/lang/CachedTextLookup.h"

#include "support/FakeTextLookup.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace tav {
namespace {

/// A language that counts how often each kind of lookup reaches it.
class CountingLookup : public test::FakeTextLookup {
public:
    mutable std::map<std::string, int> asked;

    std::string GetMessageText(int n) const override {
        ++asked["message"];
        return FakeTextLookup::GetMessageText(n);
    }
    std::string GetControlText(int n) const override {
        ++asked["control"];
        return FakeTextLookup::GetControlText(n);
    }
    std::string ListValueToText(int listId, int value) const override {
        ++asked["value"];
        return FakeTextLookup::ListValueToText(listId, value);
    }
    int ListTextToValue(int listId, const std::string& text) const override {
        ++asked["text"];
        return FakeTextLookup::ListTextToValue(listId, text);
    }
    int IsControlDisabled(int controlId) const override {
        ++asked["disabled"];
        return FakeTextLookup::IsControlDisabled(controlId);
    }
};

class CachedTextLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        language.messages = {{3800, "%s '%s' is not a frequency"}};
        language.controls = {{3665, "RX Frequency (MHz)"}, {3667, "0.None;1.CTCSS"}};
        language.lists[3667] = {{0, "None"}, {1, "CTCSS"}};
        language.lists[3668] = {{0, "Off"}, {1, "None"}};
        language.disabled = {1076};
    }

    CountingLookup language;
};

TEST_F(CachedTextLookupTest, EachTextIsAskedOnceAndAnsweredAsTheLanguageAnswers) {
    const CachedTextLookup cached(language);
    // Each lookup, with a found and a missing key: a missing text is remembered as well, else a
    // file asking for it on every row would reach the language file on every row.
    const struct {
        const char* kind;
        std::function<std::string(const TextLookup&)> look;
    } cases[] = {
        {"message", [](const TextLookup& t) { return t.GetMessageText(3800); }},
        {"message", [](const TextLookup& t) { return t.GetMessageText(9999); }},
        {"control", [](const TextLookup& t) { return t.GetControlText(3665); }},
        {"control", [](const TextLookup& t) { return t.GetControlText(1); }},
        {"value", [](const TextLookup& t) { return t.ListValueToText(3667, 1); }},
        {"value", [](const TextLookup& t) { return t.ListValueToText(3667, 7); }},
        {"text", [](const TextLookup& t) { return std::to_string(t.ListTextToValue(3667, "CTCSS")); }},
        {"text", [](const TextLookup& t) { return std::to_string(t.ListTextToValue(3667, "Tone")); }},
        {"disabled", [](const TextLookup& t) { return std::to_string(t.IsControlDisabled(1076)); }},
        {"disabled", [](const TextLookup& t) { return std::to_string(t.IsControlDisabled(1077)); }},
    };
    for (const auto& c : cases) {
        const int before = language.asked[c.kind];
        const std::string direct = c.look(language);
        for (int round = 0; round < 3; ++round) {
            EXPECT_EQ(c.look(cached), direct) << c.kind << " " << direct;
        }
        EXPECT_EQ(language.asked[c.kind], before + 2) << c.kind << " " << direct;
    }
}

TEST_F(CachedTextLookupTest, KeysOfOneKindNeverAnswerForAnother) {
    const CachedTextLookup cached(language);
    // The same number as a message and a control text, the same text in two lists, the same value
    // in two lists: each answer is its own.
    language.controls[3800] = "Scan Configuration";
    EXPECT_EQ(cached.GetMessageText(3800), "%s '%s' is not a frequency");
    EXPECT_EQ(cached.GetControlText(3800), "Scan Configuration");
    EXPECT_EQ(cached.ListTextToValue(3667, "None"), 0);
    EXPECT_EQ(cached.ListTextToValue(3668, "None"), 1);
    EXPECT_EQ(cached.ListValueToText(3667, 1), "CTCSS");
    EXPECT_EQ(cached.ListValueToText(3668, 1), "None");
    EXPECT_EQ(cached.ListTextToValue(3667, "none"), -1);
}

TEST_F(CachedTextLookupTest, TextsFromOutsideAreKeptOnlyUpToTheLimit) {
    const CachedTextLookup cached(language);
    for (std::size_t k = 0; k < CachedTextLookup::kMaxTextValues + 10; ++k) {
        EXPECT_EQ(cached.ListTextToValue(3667, "cell " + std::to_string(k)), -1);
    }
    EXPECT_EQ(cached.ListTextToValue(3667, "CTCSS"), 1);
    const int asked = language.asked["text"];
    // Texts seen before the limit are answered from the cache, the later ones by the language.
    EXPECT_EQ(cached.ListTextToValue(3667, "cell 0"), -1);
    EXPECT_EQ(language.asked["text"], asked);
    EXPECT_EQ(cached.ListTextToValue(3667, "CTCSS"), 1);
    EXPECT_EQ(language.asked["text"], asked + 1);
}

} // namespace
} // namespace tav
