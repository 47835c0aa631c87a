#pragma once

#include "core/data/ChannelData.h"
#include "core/data/DataContext.h"
#include "core/data/ObjectId.h"
#include "core/data/RecordList.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tav {

class ProblemList;
class RecordDirectory;
class TextLookup;

/// The rules the channel list grid applies to the channel records: a row is filled from and stored
/// into its channel, and rows are added, inserted, moved and deleted within the channel capacity.
/// The grid itself only binds cells to these.

/// One grid row: the channel's basic fields and its auto start scan switch (the column's value).
struct ChannelRow {
    ChannelUi ui;
    int autoStartScan = 0;
};

/// Fills a row from a channel.
ChannelRow LoadChannelRow(const ChannelData& channel, const TextLookup& texts);

/// Stores a row edited in the grid. The grid has no step codes of its own: a frequency that changes
/// gets the step code derived from it (15 for none); one that stays keeps its step code. Only the auto start
/// scan bit of the flags byte changes; the personality, the scan list and ATIS are left as they are.
void StoreChannelRow(ChannelData& channel, const ChannelRow& row, const TextLookup& texts,
                     const DataContext& context);

/// Delete in the grid: with no current channel nothing happens. Otherwise the current channel's
/// problem entries are withdrawn, and with at least two channels it is removed; the channel after
/// it (or the new last one) becomes current. A single channel stays, and then no channel is current.
/// `remove` takes the channel out of the list (the document's removal, with what names it
/// following); without it the channel is only taken out of the list.
std::optional<std::size_t> DeleteChannelRow(RecordList<ChannelData>& channels,
                                            std::optional<std::size_t> current, ProblemList& problems,
                                            const std::function<void(std::size_t)>& remove = {});

/// Inserts a new channel with defaults before `position` (at the end when past it); its defaults are
/// those of a channel added as number count + 1, and its references are resolved. Returns the new
/// channel's position, or nothing when the list already holds the radio's 16 channels.
std::optional<std::size_t> InsertChannelRow(RecordList<ChannelData>& channels, std::size_t position,
                                            ObjectIdCounter& ids, const DataContext& context,
                                            const RecordDirectory& directory);

/// Moves a channel from one position to another; false when either position is past the end.
bool MoveChannelRow(RecordList<ChannelData>& channels, std::size_t from, std::size_t to);

/// The order a sort by a column's shown values gives: element k is the present position of the
/// channel that goes to position k. Values that both read as numbers (frequencies, tones, numbers)
/// compare as numbers, others as text, and an empty value after every other; equal values keep their
/// order, so sorting by one column and then another keeps the first column's order within ties.
std::vector<std::size_t> SortOrder(const std::vector<std::string>& values, bool descending);

/// Puts the channels in `order` (as SortOrder gives it). The channels keep their objects.
void ReorderChannels(RecordList<ChannelData>& channels, const std::vector<std::size_t>& order);

} // namespace tav
