#pragma once

#include "core/data/ObjectId.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace tav {

/// An ordered list of records that owns its elements.
template <class Record> class RecordList {
public:
    std::size_t Count() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }

    Record& At(std::size_t position) { return *items_.at(position); }
    const Record& At(std::size_t position) const { return *items_.at(position); }
    Record* Find(std::size_t position) { return position < items_.size() ? items_[position].get() : nullptr; }
    const Record* Find(std::size_t position) const {
        return position < items_.size() ? items_[position].get() : nullptr;
    }

    Record& Append(std::unique_ptr<Record> record) {
        items_.push_back(std::move(record));
        return *items_.back();
    }
    void Insert(std::size_t position, std::unique_ptr<Record> record) {
        position = std::min(position, items_.size());
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(position), std::move(record));
    }
    void Remove(std::size_t position) {
        if (position < items_.size()) {
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
        }
    }
    void Move(std::size_t from, std::size_t to) {
        if (from >= items_.size() || to >= items_.size() || from == to) {
            return;
        }
        auto record = std::move(items_[from]);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(from));
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(to), std::move(record));
    }
    void Clear() { items_.clear(); }

    ObjectId IdAt(std::size_t position) const {
        return position < items_.size() ? items_[position]->Id() : kNoObject;
    }
    std::optional<std::size_t> PositionOf(ObjectId id) const {
        if (id == kNoObject) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i]->Id() == id) {
                return i;
            }
        }
        return std::nullopt;
    }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<std::unique_ptr<Record>> items_;
};

} // namespace tav
