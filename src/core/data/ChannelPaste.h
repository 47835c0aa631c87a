#pragma once

#include "core/data/ChannelListEdit.h"
#include "core/util/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace tav {

class TextLookup;
struct DataContext;
class RecordDirectory;

/// Rows of fields as spreadsheets put them on the clipboard: fields separated by tabs, rows by line
/// ends; a field in double quotes may hold tabs, line ends and doubled quotes.
using TabRows = std::vector<std::vector<std::string>>;

TabRows ParseTabText(std::string_view text);
std::string ToTabText(const TabRows& rows);

/// Message texts of the channel list's copy and paste; the reasons a row's values are refused are
/// the channel row check's (RowCheckText).
namespace PasteText {
inline constexpr int kRowPrefix = 3780;     ///< "Row %d: %s"
inline constexpr int kTooFewColumns = 3788; ///< fewer columns than the grid shows
inline constexpr int kNoRoom = 3789;        ///< the radio holds 16 channels
inline constexpr int kSummary = 3791;       ///< "%d rows pasted, %d refused."
inline constexpr int kOnChannel = 3792;     ///< "Channel %s: %s": a refused value of a column edit
} // namespace PasteText

/// What one grid row holds besides its basic fields: the personality and scan list positions as
/// the misc page keeps them (kNoSelection when the column was left empty).
struct PastedChannelRow {
    ChannelRow row;
    std::uint32_t personalityPosition = ChannelUi::kNoSelection;
    std::uint32_t scanListPosition = ChannelUi::kNoSelection;
};

/// The fields the grid shows of a channel after its number, in column order (ChannelGridFields).
std::vector<std::string> ChannelRowFields(const ChannelData& channel, const TextLookup& texts,
                                          const RecordDirectory& directory, char separator);

/// Reads one pasted row (the grid's columns, or with the channel number first) by the channel row
/// check. A row is refused when it has too few columns or a field is not what its column takes, or
/// holds a value the editors would move: nothing of it is stored, and the failure's detail is the
/// whole reason.
Outcome<PastedChannelRow> ReadChannelRowFields(const std::vector<std::string>& fields,
                                               const TextLookup& texts, const DataContext& context,
                                               const RecordDirectory& directory, char separator);

/// Stores a pasted row into a channel: the basic fields as a grid edit does, then the personality
/// and scan list when the row named them.
void StorePastedRow(ChannelData& channel, const PastedChannelRow& pasted, const TextLookup& texts,
                    const DataContext& context, const RecordDirectory& directory);

} // namespace tav
