#include "support/TestSupport.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace tav {
namespace {

/// The raw values of the items of one list text of the shipped language file (value items "v.text",
/// range items "start:step:end:divisor:first:increment:decimals").
std::set<int> ListValues(const std::string& listText) {
    std::set<int> values;
    std::stringstream items(listText);
    std::string item;
    while (std::getline(items, item, ';')) {
        int start, step, end, divisor, first, increment, decimals;
        if (item.find(':') != std::string::npos &&
            std::sscanf(item.c_str(), "%d:%d:%d:%d:%d:%d:%d", &start, &step, &end, &divisor, &first,
                        &increment, &decimals) == 7) {
            for (int k = 0; step > 0 && start + k * step <= end; ++k) {
                values.insert(first + k * increment);
            }
        } else if (const auto dot = item.find('.'); dot != std::string::npos && dot > 0) {
            values.insert(std::stoi(item.substr(0, dot)));
        }
    }
    return values;
}

std::map<int, std::string> ControlTexts() {
    std::map<int, std::string> texts;
    std::stringstream file(test::ReadText(test::ResourceDir() / "TAV_E.lng"));
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("S02", 0) == 0 && line.size() > 9 && line[8] == '=') {
            texts[std::stoi(line.substr(3, 5))] = line.substr(9);
        }
    }
    return texts;
}

TEST(ChanLanguage, EveryDefaultValueHasAnItem) {
    const auto texts = ControlTexts();
    const std::map<int, std::set<int>> defaults = {
        {3661, {2}},    {3663, {2}}, {3668, {0, 1, 2, 3}}, {3677, {0, 1, 2, 3}}, {3703, {0}},
        {3708, {0, 1}}, {3830, {3}}, {3832, {0}},          {3834, {0, 1}},       {3844, {8}},
        {3846, {0, 1}}, {3848, {3}}, {3852, {25}},         {3943, {0, 16}},
    };
    for (const auto& [list, wanted] : defaults) {
        ASSERT_TRUE(texts.count(list)) << "list " << list;
        const auto values = ListValues(texts.at(list));
        for (int value : wanted) {
            EXPECT_TRUE(values.count(value)) << "list " << list << " value " << value;
        }
    }
}

TEST(ChanLanguage, ProblemEntryTextsExist) {
    const auto texts = ControlTexts();
    for (int id : {3655, 3657, 3702, 3705, 3706, 3800, 3801, 3803, 3835, 3849}) {
        EXPECT_FALSE(texts.count(id) == 0 || texts.at(id).empty()) << id;
    }
    for (int k = 0; k < 16; ++k) {
        EXPECT_TRUE(texts.count(3905 + k)) << 3905 + k;
    }
}

} // namespace
} // namespace tav
