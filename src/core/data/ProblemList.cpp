#include "core/data/ProblemList.h"

#include <algorithm>

namespace tav {

ProblemList::ProblemList(std::function<bool(int)> isControlDisabled)
    : isControlDisabled_(std::move(isControlDisabled)) {}

bool ProblemList::Add(int controlId, std::string where, std::string what, std::uint32_t key) {
    if (Contains(key)) {
        return false;
    }
    if (isControlDisabled_ && isControlDisabled_(controlId)) {
        return false;
    }
    entries_.push_back({controlId, std::move(where), std::move(what), key});
    NotifyChanged();
    return true;
}

void ProblemList::Withdraw(std::uint32_t key) {
    const auto it =
        std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.key == key; });
    if (it != entries_.end()) {
        entries_.erase(it);
        NotifyChanged();
    }
}

void ProblemList::Clear() {
    if (!entries_.empty()) {
        entries_.clear();
        NotifyChanged();
    }
}

bool ProblemList::Contains(std::uint32_t key) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const auto& e) { return e.key == key; });
}

void ProblemList::NotifyChanged() {
    if (changed_) {
        changed_();
    }
}

std::optional<ProblemRecord> ProblemList::RecordOf(const ProblemEntry& entry,
                                                   const RecordDirectory& directory) {
    const ObjectId id = entry.key - static_cast<std::uint32_t>(entry.controlId) - 65535u;
    for (const RecordKind kind :
         {RecordKind::Channel, RecordKind::Personality, RecordKind::ScanList, RecordKind::AlertTone,
          RecordKind::TwoToneSystem, RecordKind::TwoToneCall}) {
        if (const auto position = directory.PositionOf(kind, id)) {
            return ProblemRecord{kind, *position};
        }
    }
    return std::nullopt;
}

} // namespace tav
