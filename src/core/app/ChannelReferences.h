#pragma once

#include <cstddef>
#include <functional>

namespace tav {

class CDataContainer;
class TextLookup;

/// What names a channel follows the channel list: scan list members, the designated and priority
/// channels, and the two-tone calls' revert channel. Every path that removes, inserts or moves
/// channels (the channel list grid, the channel editor's record bar, undo and redo, the CSV
/// import) goes through these two steps, so that the document stays free of dangling references.
namespace ChannelReferences {

/// Whether the channel at a 0-based position is about to leave the list.
using Leaving = std::function<bool(std::size_t position)>;

/// Before channels leave the list (all of them still in it): scan list members in use that name a
/// leaving channel go and the others move up in their order, the number of entries shrinking to
/// them; a designated or priority channel that leaves becomes none, as does a revert channel.
void Forget(CDataContainer& container, const Leaving& leaving, const TextLookup& texts);

/// After channels were removed, inserted or moved: every stored channel number is written again
/// from the channel it names, so that it keeps naming the same channel.
void Follow(CDataContainer& container);

/// Removes the channels at positions `leaving` answers for, with both steps around the removal.
void Remove(CDataContainer& container, const Leaving& leaving, const TextLookup& texts);

/// Removes the channel at `position` the same way.
void RemoveAt(CDataContainer& container, std::size_t position, const TextLookup& texts);

} // namespace ChannelReferences
} // namespace tav
