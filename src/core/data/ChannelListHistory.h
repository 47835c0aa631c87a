#pragma once

#include "core/data/ChannelData.h"
#include "core/data/ChannelRecord.h"
#include "core/data/ObjectId.h"
#include "core/data/RecordList.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace tav {

class RecordDirectory;

/// The whole channel list at one moment: each channel's identity and record, in order.
struct ChannelListSnapshot {
    struct Entry {
        ObjectId id = kNoObject;
        std::array<std::uint8_t, ChannelRecord::kSize> bytes{};
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> entries;
    bool operator==(const ChannelListSnapshot&) const = default;
};

ChannelListSnapshot TakeSnapshot(const RecordList<ChannelData>& channels);

/// Puts the channel list back as the snapshot holds it. Channels that still exist keep their
/// objects (an editor showing one keeps showing it); channels that were deleted since come back
/// with their identity; channels added since go. References are resolved again from the records.
void RestoreSnapshot(RecordList<ChannelData>& channels, const ChannelListSnapshot& snapshot,
                     const RecordDirectory& directory);

/// Undo and redo of changes to the channel list: each change is one step, however many channels
/// it touched (a pasted block, a move). The oldest steps go beyond the depth.
class ChannelListHistory {
public:
    static constexpr std::size_t kDepth = 100;

    /// Call before a change: the list as it is now becomes the step that Undo returns to.
    void BeforeChange(const RecordList<ChannelData>& channels);
    /// Drops the step recorded last (the change it announced did not happen).
    void DropLast();
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    std::size_t UndoCount() const { return undo_.size(); }
    /// Returns to the state before the last change; false when there is none.
    bool Undo(RecordList<ChannelData>& channels, const RecordDirectory& directory);
    /// Carries out the last undone change again; false when there is none.
    bool Redo(RecordList<ChannelData>& channels, const RecordDirectory& directory);
    void Clear();

private:
    std::deque<ChannelListSnapshot> undo_;
    std::deque<ChannelListSnapshot> redo_;
};

} // namespace tav
