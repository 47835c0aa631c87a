#pragma once

#include "core/app/FreqRangeRecord.h"
#include "core/util/RangeText.h"
#include "core/util/Result.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tav {

class CModelList;
class CSettings;

/// The frequency ranges of the current model, loaded from the model list at every New document,
/// every accepted new range and every model change. It always holds at least one record.
class FreqRangeTable {
public:
    /// More ranges than this are not loaded, so that a damaged model list cannot exhaust memory.
    static constexpr int kMaxRanges = 1000;
    /// The record that stands in for a range entry that cannot be read.
    static constexpr FreqRangeRecord kFallbackRange{136, 174, 136, 174, 0x80};
    /// Language text shown when the table cannot be allocated.
    static constexpr int kNoMemoryMessage = 1147;
    /// Language text shown when an accepted new range cannot be written to the model list.
    static constexpr int kRangeNotSavedMessage = 9461;

    /// Results of OfferNewRange.
    static constexpr int kRangeKnown = 0;
    static constexpr int kRangeDeclined = 1;
    static constexpr int kRangeAdded = 2;

    /// Replaces the table by `count` empty records; false for count <= 0, above kMaxRanges, or when
    /// the memory cannot be had (the caller shows language text 1147).
    bool AllocateRanges(int count);

    /// Loads the ranges of the list's model: "Number" records (at least 1, at most kMaxRanges), read
    /// in order; the first one that cannot be read becomes kFallbackRange and reading stops.
    /// Fails with language text 1147 when the table cannot be allocated.
    Result Load(const CModelList& list);
    /// Loads the ranges of the settings' current model from the settings' model list.
    Result LoadFor(const CSettings& settings);

    const std::vector<FreqRangeRecord>& Ranges() const { return ranges_; }
    int Count() const { return static_cast<int>(ranges_.size()); }

    /// The two numbers of a range text read with "%d-%d", 16 bits each (0 for a number not read).
    static std::pair<std::uint16_t, std::uint16_t> CurrentRangeLimits(const std::string& rangeText);
    /// Flags of the first record whose limits equal those of the range text; 0 when none does.
    std::uint8_t CurrentRangeFlags(const std::string& rangeText) const;
    /// Bit 7 of those flags: the U/V band flag.
    bool CurrentRangeUvBand(const std::string& rangeText) const;
    /// Bits 0-6 of those flags: the frequency range identifier.
    std::uint8_t CurrentRangeId(const std::string& rangeText) const;

    /// A range reported by a radio: kRangeKnown when the table has it; otherwise asks `askYesNo`
    /// whether to add it and keeps the answer as the settings' new-range answer. No:
    /// kRangeDeclined. Yes: the range is added to the current model in the user's `Model.dat`
    /// (copied from the shipped one first) and the table is reloaded: kRangeAdded. When the model
    /// list cannot be written the range counts as declined and `OfferWriteFailed` tells so.
    int OfferNewRange(CSettings& settings, const FreqRangeRecord& radioRange,
                      const std::function<bool(const std::string& question)>& askYesNo);
    bool OfferWriteFailed() const { return offerWriteFailed_; }

    /// The question asked for a new range, in English for language index 0, else in Chinese.
    static std::string NewRangeQuestion(int languageIndex, std::uint32_t low, std::uint32_t high);

private:
    /// Writes the range as the model's next entry in the user's model list; false when it cannot.
    static bool AppendRange(const CSettings& settings, const CModelList& list, const FreqRangeRecord& range);

    std::vector<FreqRangeRecord> ranges_{kFallbackRange};
    bool offerWriteFailed_ = false;
};

} // namespace tav
