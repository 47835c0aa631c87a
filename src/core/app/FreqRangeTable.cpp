#include "core/app/FreqRangeTable.h"

#include "core/app/CModelList.h"
#include "core/app/CSettings.h"
#include "core/app/UserFiles.h"
#include "core/platform/AsciiText.h"
#include "core/platform/PrivateProfile.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string_view>

namespace tav {

bool FreqRangeTable::AllocateRanges(int count) {
    if (count <= 0 || count > kMaxRanges) {
        return false;
    }
    try {
        ranges_.assign(static_cast<std::size_t>(count), FreqRangeRecord{});
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

Result FreqRangeTable::Load(const CModelList& list) {
    const int count = std::clamp(list.GetRangeCount(), 1, kMaxRanges);
    if (!AllocateRanges(count)) {
        return Result::Fail(kNoMemoryMessage);
    }
    for (int i = 0; i < count; ++i) {
        if (!list.GetRange(i, ranges_[static_cast<std::size_t>(i)])) {
            ranges_[static_cast<std::size_t>(i)] = kFallbackRange;
            break;
        }
    }
    return Result::Ok();
}

Result FreqRangeTable::LoadFor(const CSettings& settings) {
    const CModelList list(settings.ModelFile(), settings.ModelId(), settings.ModelName(),
                          settings.FreqRange(), settings.SignalType());
    return Load(list);
}

std::pair<std::uint16_t, std::uint16_t> FreqRangeTable::CurrentRangeLimits(const std::string& rangeText) {
    std::string_view text = rangeText;
    int low = 0;
    int high = 0;
    if (AsciiText::ScanInt(text, low) && text.starts_with('-')) {
        text.remove_prefix(1);
        AsciiText::ScanInt(text, high);
    }
    return {static_cast<std::uint16_t>(low), static_cast<std::uint16_t>(high)};
}

std::uint8_t FreqRangeTable::CurrentRangeFlags(const std::string& rangeText) const {
    const auto [low, high] = CurrentRangeLimits(rangeText);
    for (const auto& range : ranges_) {
        if (range.low == low && range.high == high) {
            return range.flags;
        }
    }
    return 0;
}

bool FreqRangeTable::CurrentRangeUvBand(const std::string& rangeText) const {
    return (CurrentRangeFlags(rangeText) & FreqRangeRecord::kUvBandBit) != 0;
}

std::uint8_t FreqRangeTable::CurrentRangeId(const std::string& rangeText) const {
    return CurrentRangeFlags(rangeText) & FreqRangeRecord::kRangeIdMask;
}

std::string FreqRangeTable::NewRangeQuestion(int languageIndex, std::uint32_t low, std::uint32_t high) {
    char text[256];
    if (languageIndex == 0) {
        std::snprintf(text, sizeof text, "Find a new Frequency Range: %u-%u MHz,do you want to add?", low,
                      high);
    } else {
        std::snprintf(text, sizeof text, "发现一个新频段：%u-%u MHz, 是否添加？", low, high);
    }
    return text;
}

int FreqRangeTable::OfferNewRange(CSettings& settings, const FreqRangeRecord& radioRange,
                                  const std::function<bool(const std::string& question)>& askYesNo) {
    offerWriteFailed_ = false;
    for (const auto& range : ranges_) {
        if (range.low == radioRange.low && range.high == radioRange.high) {
            return kRangeKnown;
        }
    }
    const bool yes =
        askYesNo && askYesNo(NewRangeQuestion(settings.LanguageIndex(), radioRange.low, radioRange.high));
    settings.SetNewRangeAnswer(yes ? CSettings::kAnswerYes : CSettings::kAnswerNo);
    if (!yes) {
        return kRangeDeclined;
    }

    FreqRangeRecord added = radioRange;
    added.low2 = added.low;
    added.high2 = added.high;

    // The new entry goes right after the last entry that can be read, so that loading reaches it
    // even when "Number" is missing or an entry is damaged.
    const CModelList list(settings.ModelFile(), settings.ModelId());
    int readable = 0;
    for (FreqRangeRecord record; readable < list.GetRangeCount() && list.GetRange(readable, record);) {
        ++readable;
    }
    const int number = std::max(list.GetRangeCount(), readable + 1);
    const auto file = PrepareUserFile(settings.Home(), CSettings::kModelFileName);
    const bool written =
        file && PrivateProfile::WriteStrings(*file, settings.ModelId(),
                                             {{CModelList::kNumberKey, std::to_string(number)},
                                              {CModelList::RangeKey(readable), FormatRangeEntry(added)}});
    if (!written) {
        offerWriteFailed_ = true;
        settings.SetNewRangeAnswer(CSettings::kAnswerNo);
        return kRangeDeclined;
    }
    static_cast<void>(LoadFor(settings)); // the range was added: a reload that fails keeps the fallback
    return kRangeAdded;
}

std::string FormatRange(long low, long high) {
    return std::to_string(low) + "-" + std::to_string(high);
}

} // namespace tav
