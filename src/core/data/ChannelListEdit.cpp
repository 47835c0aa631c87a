#include "core/data/ChannelListEdit.h"

#include "core/data/ImageMap.h"
#include "core/data/ProblemList.h"
#include "core/data/RecordKind.h"

#include <algorithm>
#include <charconv>
#include <numeric>

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

namespace {

/// The value of a shown number, whichever decimal separator it was shown with.
std::optional<double> NumberOf(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end ? std::optional<double>(value) : std::nullopt;
}

/// a before b in ascending order.
bool ShownBefore(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return !a.empty() && b.empty();
    }
    const auto x = NumberOf(a);
    const auto y = NumberOf(b);
    if (x && y) {
        return *x < *y;
    }
    return a < b;
}

} // namespace

std::vector<std::size_t> SortOrder(const std::vector<std::string>& values, bool descending) {
    std::vector<std::size_t> order(values.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::string& x = values[a];
        const std::string& y = values[b];
        // Empty values stay last either way.
        if (descending && !x.empty() && !y.empty()) {
            return ShownBefore(y, x);
        }
        return ShownBefore(x, y);
    });
    return order;
}

void ReorderChannels(RecordList<ChannelData>& channels, const std::vector<std::size_t>& order) {
    std::vector<ObjectId> ids;
    for (const std::size_t from : order) {
        ids.push_back(channels.IdAt(from));
    }
    for (std::size_t target = 0; target < ids.size(); ++target) {
        if (const auto found = channels.PositionOf(ids[target])) {
            channels.Move(*found, target);
        }
    }
}

} // namespace tav
