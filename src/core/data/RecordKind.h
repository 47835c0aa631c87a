#pragma once

#include <cstddef>
#include <optional>

#include "core/data/ObjectId.h"

namespace tav {

/// The record lists of the data container.
enum class RecordKind { Channel, Personality, ScanList, AlertTone, TwoToneSystem, TwoToneCall };

/// What a record sees of the other record lists when it resolves its stored positions into
/// references and back (the data container answers).
class RecordDirectory {
public:
    virtual ~RecordDirectory() = default;
    /// Number of records in a list.
    virtual std::size_t Count(RecordKind kind) const = 0;
    /// ObjectId of the record at a 0-based position; kNoObject when the position is past the end.
    virtual ObjectId IdAt(RecordKind kind, std::size_t position) const = 0;
    /// 0-based position of the record with that id; nothing when no record has it.
    virtual std::optional<std::size_t> PositionOf(RecordKind kind, ObjectId id) const = 0;
};

} // namespace tav
