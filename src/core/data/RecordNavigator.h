#pragma once

#include "core/data/RecordList.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tav {

/// What a record editor's navigation buttons ask for.
enum class NavigateCommand : std::int32_t {
    First = 0,
    Previous = 1, ///< stays on the first
    Next = 2,     ///< stays on the last
    Last = 3,
    Add = 4,    ///< a new record with defaults at the end, made current
    Delete = 5, ///< the current record; nothing with fewer than two records
    GoTo = 6,   ///< to the 1-based record number given with the command
};

/// Told to every open editor after a record list changed through navigation.
struct RecordListNotice {
    const void* sender = nullptr; ///< the editor that changed the list
    std::int32_t reserved = 0;    ///< always 0
    NavigateCommand command = NavigateCommand::First;
    std::string texts[4];
};

/// Carries out one navigation command on a record list and answers which record is current.
///
/// `current` is the current 0-based position (nothing when no record is current). For Add, the
/// `create` function makes the new record with its defaults; for Delete, `beforeDelete` runs on the
/// record just before it is destroyed (to withdraw its problem entries).
template <class Record>
std::optional<std::size_t> NavigateRecord(RecordList<Record>& list, std::optional<std::size_t> current,
                                          NavigateCommand command, std::int32_t recordNumber,
                                          const std::function<std::unique_ptr<Record>()>& create,
                                          const std::function<void(Record&)>& beforeDelete = {}) {
    const std::size_t count = list.Count();
    switch (command) {
    case NavigateCommand::First:
        return count ? std::optional<std::size_t>(0) : std::nullopt;
    case NavigateCommand::Previous:
        if (!count) {
            return std::nullopt;
        }
        if (!current || *current >= count) {
            return 0;
        }
        return *current == 0 ? 0 : *current - 1;
    case NavigateCommand::Next:
        if (!count) {
            return std::nullopt;
        }
        if (!current || *current >= count) {
            return count - 1;
        }
        return *current + 1 < count ? *current + 1 : count - 1;
    case NavigateCommand::Last:
        return count ? std::optional<std::size_t>(count - 1) : std::nullopt;
    case NavigateCommand::Add:
        if (!create) {
            return current;
        }
        list.Append(create());
        return list.Count() - 1;
    case NavigateCommand::Delete: {
        if (count < 2 || !current || *current >= count) {
            return std::nullopt;
        }
        const std::size_t position = *current;
        if (beforeDelete) {
            beforeDelete(list.At(position));
        }
        list.Remove(position);
        return position < list.Count() ? position : list.Count() - 1;
    }
    case NavigateCommand::GoTo:
        if (recordNumber >= 1 && static_cast<std::size_t>(recordNumber) <= count) {
            return static_cast<std::size_t>(recordNumber - 1);
        }
        return std::nullopt;
    }
    return current;
}

} // namespace tav
