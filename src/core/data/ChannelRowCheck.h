#pragma once

#include "core/data/ChannelFields.h"
#include "core/data/DataContext.h"
#include "core/util/Result.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

namespace tav {

class RecordDirectory;
class TextLookup;

/// Message texts of the reasons a channel row is refused; each "%s" takes a value in order.
namespace RowCheckText {
inline constexpr int kNotFrequency = 3800;  ///< heading, text
inline constexpr int kOutsideRange = 3801;  ///< heading, frequency, low MHz, high MHz
inline constexpr int kOffRaster = 3802;     ///< heading, frequency
inline constexpr int kNotChoice = 3803;     ///< heading, text
inline constexpr int kNotTone = 3804;       ///< heading, text
inline constexpr int kNotCode = 3805;       ///< heading, text
inline constexpr int kNoPersonality = 3806; ///< heading, text, number of personalities
inline constexpr int kNoScanList = 3807;    ///< heading, text
inline constexpr int kFinerThan10Hz = 3794; ///< heading, text
inline constexpr int kTxWithoutRx = 3795;   ///< heading, frequency
} // namespace RowCheckText

/// Language text `id` (`english` when the language file lacks it) with its "%s" places filled in
/// order by `values`, in one pass: a value holding "%s" is never filled in again.
std::string FillReason(const TextLookup& texts, int id, const char* english,
                       std::initializer_list<std::string> values);

/// The texts of one channel row by field; a field without text is one the row does not give, and
/// keeps its value.
using ChannelRowTexts = std::array<std::optional<std::string>, kChannelFieldCount>;

/// The one check of a channel row typed elsewhere than in the channel form (a CSV row, a pasted
/// row): each text is read as the editors read it, and a value the editors would move (off the
/// range, off the raster, finer than 10 Hz, a tone outside 40.0-300.0 Hz, a TX frequency without RX
/// frequency, which would be dropped) is refused with its reason instead.
class ChannelRowCheck {
public:
    /// `separator` is the decimal separator taken besides '.'.
    ChannelRowCheck(const TextLookup& texts, const DataContext& context, const RecordDirectory& directory,
                    char separator);

    /// The values `row` gives on top of `current` (a channel's values as LoadChannelValues reads
    /// them), or the first refusal: its message number and the whole reason as detail.
    Outcome<ChannelUi> Check(const ChannelRowTexts& row, const ChannelUi& current) const;

private:
    Result Read(const ChannelField& field, const std::string& text, ChannelUi& values) const;
    Result ReadFrequency(const ChannelField& field, const std::string& text, std::uint32_t& target) const;
    Result ReadListItem(const ChannelField& field, const std::string& text, std::string& target) const;
    Result ReadTone(const ChannelField& field, const std::string& text, std::string& target) const;
    Result ReadPosition(const ChannelField& field, const std::string& text, std::uint32_t& target) const;
    Result ReadSwitch(const ChannelField& field, const std::string& text, int& target) const;
    bool Used(const ChannelField& field, const ChannelUi& values) const;
    Result Refuse(int id, const char* english, std::initializer_list<std::string> values) const;

    const TextLookup& texts_;
    const DataContext& context_;
    const RecordDirectory& directory_;
    char separator_;
};

/// Stores checked values into a channel: the basic fields as a grid row does (the step code of a
/// frequency that changed follows it), then personality, scan list, auto start scan and ATIS.
void StoreChannelValues(ChannelData& channel, const ChannelUi& values, const TextLookup& texts,
                        const DataContext& context, const RecordDirectory& directory);

} // namespace tav
