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
namespace {

/// The lower limit of a range text that has no upper one ("136-" or "136").
int ParseLeadingLow(std::string_view text) {
    int low = 0;
    AsciiText::ScanInt(text, low);
    return low;
}

} // namespace

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
    // A lower limit alone still counts, as "%d-%d" would have filled it.
    const auto range = ParseRange(rangeText);
    const int low = range ? range->first : ParseLeadingLow(rangeText);
    const int high = range ? range->second : 0;
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
    // The table holds at most kMaxRanges entries; the model list itself may hold more.
    const CModelList list(settings.ModelFile(), settings.ModelId());
    if (list.HasRange(radioRange.low, radioRange.high)) {
        return kRangeKnown;
    }
    // A range without both limits in order is no range: never asked for, never added.
    if (radioRange.low == 0 || radioRange.high <= radioRange.low) {
        return kRangeDeclined;
    }
    const bool yes =
        askYesNo && askYesNo(NewRangeQuestion(settings.LanguageIndex(), radioRange.low, radioRange.high));
    settings.SetNewRangeAnswer(yes ? CSettings::kAnswerYes : CSettings::kAnswerNo);
    if (!yes) {
        return kRangeDeclined;
    }
    if (!AppendRange(settings, list, radioRange)) {
        offerWriteFailed_ = true;
        settings.SetNewRangeAnswer(CSettings::kAnswerNo);
        return kRangeDeclined;
    }
    static_cast<void>(LoadFor(settings)); // the range was added: a reload that fails keeps the fallback
    return kRangeAdded;
}

bool FreqRangeTable::AppendRange(const CSettings& settings, const CModelList& list,
                                 const FreqRangeRecord& range) {
    FreqRangeRecord added = range;
    added.low2 = added.low;
    added.high2 = added.high;
    // The new entry goes right after the entries that can be read, counted whatever "Number" says,
    // so that loading reaches it and no readable entry is overwritten when "Number" is missing.
    const int readable = list.ReadableRangeCount();
    const int number = std::max(list.GetRangeCount(), readable + 1);
    const auto file = PrepareUserFile(settings.Home(), CSettings::kModelFileName);
    return file && PrivateProfile::WriteStrings(*file, settings.ModelId(),
                                                {{CModelList::kNumberKey, std::to_string(number)},
                                                 {CModelList::RangeKey(readable), FormatRangeEntry(added)}});
}

} // namespace tav
