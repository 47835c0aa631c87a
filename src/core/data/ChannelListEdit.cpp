#include "core/data/ChannelListEdit.h"

#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "core/data/RecordKind.h"

namespace tav {

ChannelRow LoadChannelRow(const ChannelData& channel, const TextLookup& texts) {
    ChannelRow row;
    channel.LoadUi(row.ui, texts);
    row.autoStartScan = channel.AutoStartScan() ? 1 : 0;
    return row;
}

void StoreChannelRow(ChannelData& channel, const ChannelRow& row, const TextLookup& texts,
                     const DataContext& context) {
    ChannelUi ui = row.ui;
    // The step code of a frequency the row leaves as it is stays as found.
    const BcdFreq tx = ui.rxFreq == kNoFreq ? kNoFreq : ui.txFreq;
    ui.rxStep = ui.rxFreq == channel.RxFreq() ? channel.RxStep() : ChannelData::StepOf(ui.rxFreq);
    ui.txStep = tx == channel.TxFreq() ? channel.TxStep() : ChannelData::StepOf(tx);
    channel.StoreUi(ui, texts, context);
    channel.SetAutoStartScan(row.autoStartScan != 0);
}

std::optional<std::size_t> DeleteChannelRow(RecordList<ChannelData>& channels,
                                            std::optional<std::size_t> current, ProblemList& problems,
                                            const std::function<void(std::size_t)>& remove) {
    if (!current || *current >= channels.Count()) {
        return std::nullopt;
    }
    channels.At(*current).WithdrawProblems(problems);
    if (channels.Count() < 2) {
        return std::nullopt;
    }
    if (remove) {
        remove(*current);
    } else {
        channels.Remove(*current);
    }
    return *current < channels.Count() ? *current : channels.Count() - 1;
}

std::optional<std::size_t> InsertChannelRow(RecordList<ChannelData>& channels, std::size_t position,
                                            ObjectIdCounter& ids, const DataContext& context,
                                            const RecordDirectory& directory) {
    if (channels.Count() >= ImageMap::kChannelCapacity) {
        return std::nullopt;
    }
    auto channel = MakeDefaultChannel(ids, channels.Count(), context);
    channel->ResolveReferences(directory);
    position = std::min(position, channels.Count());
    channels.Insert(position, std::move(channel));
    return position;
}

bool MoveChannelRow(RecordList<ChannelData>& channels, std::size_t from, std::size_t to) {
    if (from >= channels.Count() || to >= channels.Count()) {
        return false;
    }
    channels.Move(from, to);
    return true;
}

} // namespace tav
