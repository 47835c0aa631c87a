#include "core/app/DocumentSnapshot.h"

#include "core/app/CDataContainer.h"

#include <algorithm>
#include <array>
#include <memory>

namespace tav {
namespace {

template <class Record> std::vector<Record> CopyList(const RecordList<Record>& list) {
    std::vector<Record> copies;
    copies.reserve(list.Count());
    for (const auto& record : list) {
        copies.push_back(*record);
    }
    return copies;
}

template <class Record> void RestoreList(RecordList<Record>& list, const std::vector<Record>& copies) {
    for (std::size_t target = 0; target < copies.size(); ++target) {
        const Record& copy = copies[target];
        if (const auto found = list.PositionOf(copy.Id())) {
            list.Move(*found, target);
            list.At(target) = copy;
        } else {
            list.Insert(target, std::make_unique<Record>(copy));
        }
    }
    while (list.Count() > copies.size()) {
        list.Remove(list.Count() - 1);
    }
}

/// The single blocks, each once, in a fixed order.
std::array<FeatureData*, 11> Blocks(CDataContainer& container) {
    return {&container.RadioInfo(), &container.Keys(),      &container.Misc(),     &container.Passwords(),
            &container.Atis(),      &container.PttId(),     &container.Dos(),      &container.TestFreqs(),
            &container.Embedded(),  &container.Model(),     &container.Tune()};
}

} // namespace

DocumentSnapshot TakeDocumentSnapshot(CDataContainer& container, const Image& stored) {
    DocumentSnapshot snapshot;
    snapshot.stored = stored;
    snapshot.channels = CopyList(container.Channels());
    snapshot.personalities = CopyList(container.Personalities());
    snapshot.scanLists = CopyList(container.ScanLists());
    snapshot.alertTones = CopyList(container.AlertTones());
    snapshot.systems = CopyList(container.TwoToneSystems());
    snapshot.calls = CopyList(container.TwoToneCalls());
    for (const FeatureData* block : Blocks(container)) {
        snapshot.blocks.emplace_back(block->Bytes().begin(), block->Bytes().end());
    }
    return snapshot;
}

void RestoreDocumentSnapshot(CDataContainer& container, const DocumentSnapshot& snapshot) {
    RestoreList(container.Channels(), snapshot.channels);
    RestoreList(container.Personalities(), snapshot.personalities);
    RestoreList(container.ScanLists(), snapshot.scanLists);
    RestoreList(container.AlertTones(), snapshot.alertTones);
    RestoreList(container.TwoToneSystems(), snapshot.systems);
    RestoreList(container.TwoToneCalls(), snapshot.calls);
    const auto blocks = Blocks(container);
    for (std::size_t k = 0; k < blocks.size() && k < snapshot.blocks.size(); ++k) {
        const auto bytes = blocks[k]->Bytes();
        const auto& kept = snapshot.blocks[k];
        std::copy_n(kept.begin(), std::min(kept.size(), bytes.size()), bytes.begin());
    }
}

} // namespace tav
