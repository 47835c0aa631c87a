#include "core/data/ChannelListHistory.h"

#include "core/data/RecordKind.h"

#include <algorithm>

namespace tav {

ChannelListSnapshot TakeSnapshot(const RecordList<ChannelData>& channels) {
    ChannelListSnapshot snapshot;
    for (const auto& channel : channels) {
        ChannelListSnapshot::Entry entry;
        entry.id = channel->Id();
        const auto bytes = channel->Bytes();
        std::copy_n(bytes.begin(), std::min(bytes.size(), entry.bytes.size()), entry.bytes.begin());
        snapshot.entries.push_back(entry);
    }
    return snapshot;
}

void RestoreSnapshot(RecordList<ChannelData>& channels, const ChannelListSnapshot& snapshot,
                     const RecordDirectory& directory) {
    for (std::size_t target = 0; target < snapshot.entries.size(); ++target) {
        const ChannelListSnapshot::Entry& entry = snapshot.entries[target];
        if (const auto found = channels.PositionOf(entry.id)) {
            channels.Move(*found, target);
        } else {
            channels.Insert(target, std::make_unique<ChannelData>(entry.id));
        }
        ChannelData& channel = channels.At(target);
        const auto bytes = channel.Bytes();
        std::copy_n(entry.bytes.begin(), std::min(bytes.size(), entry.bytes.size()), bytes.begin());
    }
    while (channels.Count() > snapshot.entries.size()) {
        channels.Remove(channels.Count() - 1);
    }
    for (auto& channel : channels) {
        channel->ResolveReferences(directory);
    }
}

void ChannelListHistory::BeforeChange(const RecordList<ChannelData>& channels) {
    undo_.push_back(TakeSnapshot(channels));
    if (undo_.size() > kDepth) {
        undo_.pop_front();
    }
    redo_.clear();
}

void ChannelListHistory::DropLast() {
    if (!undo_.empty()) {
        undo_.pop_back();
    }
}

bool ChannelListHistory::Undo(RecordList<ChannelData>& channels, const RecordDirectory& directory) {
    if (undo_.empty()) {
        return false;
    }
    redo_.push_back(TakeSnapshot(channels));
    RestoreSnapshot(channels, undo_.back(), directory);
    undo_.pop_back();
    return true;
}

bool ChannelListHistory::Redo(RecordList<ChannelData>& channels, const RecordDirectory& directory) {
    if (redo_.empty()) {
        return false;
    }
    undo_.push_back(TakeSnapshot(channels));
    RestoreSnapshot(channels, redo_.back(), directory);
    redo_.pop_back();
    return true;
}

void ChannelListHistory::Clear() {
    undo_.clear();
    redo_.clear();
}

} // namespace tav
