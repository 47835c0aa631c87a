#include "support/TestSupport.h"
#include "core/data/AtisData.h"
#include "core/data/DosData.h"
#include "core/data/KeysData.h"
#include "core/data/MiscData.h"
#include "core/data/PttIdData.h"
#include "core/data/RadioInfoData.h"
#include "core/factory/ModelData.h"
#include "core/factory/TuningPoints.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace tav {
namespace {

/// The S02 texts of the shipped English language file.
std::map<int, std::string> ShippedTexts() {
    std::map<int, std::string> texts;
    std::istringstream in(test::ReadText(test::ResourceDir() / "TAV_E.lng"));
    std::string line;
    while (std::getline(in, line)) {
        int id = 0;
        if (line.rfind("S02", 0) == 0 && std::sscanf(line.c_str(), "S02%5d=", &id) == 1) {
            texts[id] = line.substr(line.find('=') + 1);
        }
    }
    return texts;
}

/// Whether a list text has an item for a raw value (value items "v.text", range items
/// "start:step:end:divisor:first:increment:decimals").
bool HasItem(const std::string& list, int raw) {
    std::istringstream items(list);
    std::string item;
    while (std::getline(items, item, ';')) {
        const auto dot = item.find('.');
        if (dot != std::string::npos && dot > 0 && item.find(':') == std::string::npos) {
            if (std::stoi(item.substr(0, dot)) == raw) {
                return true;
            }
            continue;
        }
        int start, step, end, divisor, first, increment, decimals;
        if (std::sscanf(item.c_str(), "%d:%d:%d:%d:%d:%d:%d", &start, &step, &end, &divisor, &first,
                        &increment, &decimals) == 7 &&
            step != 0 && raw >= first && raw <= first + (end - start) * increment / step &&
            (raw - first) % increment == 0) {
            return true;
        }
    }
    return false;
}

TEST(ShippedLanguage, EveryDefaultRawValueHasAnItem) {
    const auto texts = ShippedTexts();
    const std::pair<int, int> defaults[] = {
        {AtisData::kPretimeListId, AtisData::kDefaultPretime},
        {DosData::kPreMuteListId, DosData::kDefaultPreMute},
        {DosData::kPostMuteListId, DosData::kDefaultPostMute},
        {PttIdData::kTypeListId, PttIdData::kDefaultType},
        {PttIdData::kPretimeListId, PttIdData::kDefaultPretime},
        {PttIdData::kPreambleListId, PttIdData::kDefaultPreamble},
        {KeysData::kFunctionListId, 0},
        {KeysData::kFunctionListId, KeysData::kDefaultA3},
        {KeysData::kFunctionListId, KeysData::kDefaultB3},
        {KeysData::kDefaultNumericKeyListId, KeysData::kDefaultNumericKey},
        {MiscData::kVoxGainListId, MiscData::kDefaultVoxGain},
        {MiscData::kVoxDelayListId, MiscData::kDefaultVoxDelay},
        {MiscData::kSquelchLevelListId, MiscData::kDefaultSquelchLevel},
        {MiscData::kTailRevertListId, MiscData::kDefaultTailRevert},
        {MiscData::kLowPowerAlertGapListId, MiscData::kDefaultLowPowerAlertGap},
        {MiscData::kBatterySaveModeListId, MiscData::kDefaultBatterySaveMode},
        {RadioInfoData::kSignalingTypeListId, 0},
        {ModelData::kSignalTypeListId, 0},
        {ModelData::kBandListId, 0},
        {ModelData::kBandListId, 1},
        {ModelData::kIfDirectionListId, 1},
        {ModelData::kOpenChannelListId, ModelData::kDefaultOpenChannel},
        {ModelData::kBuildTypeListId, 0},
        {ModelData::kDisplayListId, 1},
    };
    for (const auto& [list, raw] : defaults) {
        ASSERT_TRUE(texts.count(list)) << list;
        EXPECT_TRUE(HasItem(texts.at(list), raw)) << "list " << list << " value " << raw;
    }
    for (std::size_t key = 0; key < KeysData::kKeyCount; ++key) {
        ASSERT_TRUE(texts.count(KeysData::KeyListId(key)));
        // each key's own list offers only texts that the function list knows
        EXPECT_EQ(texts.at(KeysData::KeyListId(key)), texts.at(KeysData::kFunctionListId));
    }
}

TEST(ShippedLanguage, EveryTuningPointOfTheItemListIsInTheTable) {
    const auto texts = ShippedTexts();
    ASSERT_TRUE(texts.count(7054));
    const auto items = ParseTuningItems(texts.at(7054));
    ASSERT_FALSE(items.empty());
    for (const TuningItem& item : items) {
        const TuningItemPoints points = PointsOf(item);
        for (auto spacing : {TuningSpacing::Wide, TuningSpacing::Middle, TuningSpacing::Narrow}) {
            for (std::uint16_t code : points.Of(spacing)) {
                EXPECT_TRUE(TuningPointOffset(code)) << std::hex << code;
            }
        }
        EXPECT_TRUE(HasItem(texts.at(7053), static_cast<int>(item.code))) << item.code;
    }
}

} // namespace
} // namespace tav
