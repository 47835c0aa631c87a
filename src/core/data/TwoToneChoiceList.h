#pragma once

#include "core/data/ObjectId.h"
#include "core/data/RecordKind.h"

#include <cstddef>
#include <string>
#include <vector>

namespace tav {

/// A drop-down that picks another record (a two-tone system, an alert tone, a revert channel):
/// item texts, the record each item stands for (kNoObject for the "none" item), the selected item
/// (-1 for no selection) and whether the list is enabled. Filled by the data objects, shown as it
/// stands by the editors, and read back by position.
struct TwoToneChoiceList {
    std::vector<std::string> texts;
    std::vector<ObjectId> values;
    int selected = -1;
    bool enabled = true;

    /// Position of the first item standing for `id`; -1 when none does.
    int IndexOf(ObjectId id) const {
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i] == id) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    /// The record of the selected item; kNoObject without a selection.
    ObjectId SelectedValue() const {
        return selected >= 0 && static_cast<std::size_t>(selected) < values.size() ? values[selected]
                                                                                   : kNoObject;
    }
    bool HasSelection() const { return selected >= 0 && static_cast<std::size_t>(selected) < values.size(); }

    /// Appends one item.
    void Add(std::string text, ObjectId value) {
        texts.push_back(std::move(text));
        values.push_back(value);
    }
    /// Appends one item per record of `kind`, each shown as `prefix` followed by the record's
    /// 1-based number.
    void AddNumbered(const std::string& prefix, RecordKind kind, const RecordDirectory& directory) {
        const std::size_t count = directory.Count(kind);
        for (std::size_t i = 0; i < count; ++i) {
            Add(prefix + std::to_string(i + 1), directory.IdAt(kind, i));
        }
    }
};

} // namespace tav
