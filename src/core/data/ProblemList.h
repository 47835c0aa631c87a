#pragma once

#include "core/data/ObjectId.h"
#include "core/data/RecordKind.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tav {

/// One invalid reference found by the reference check.
struct ProblemEntry {
    int controlId = 0; ///< the control that shows the reference
    std::string where; ///< first column: which record
    std::string what;  ///< second column: what is wrong
    std::uint32_t key = 0;
};

/// The record a problem entry belongs to: its list and 0-based position.
struct ProblemRecord {
    RecordKind kind = RecordKind::Channel;
    std::size_t position = 0;
    bool operator==(const ProblemRecord&) const = default;
};

/// The list of invalid references that stops a save or a write until the user mends them.
/// The main window shows it; records add and withdraw their own entries by key.
class ProblemList {
public:
    /// `isControlDisabled` tells whether the language file disables a control for the current model;
    /// entries for such controls are not listed.
    explicit ProblemList(std::function<bool(int controlId)> isControlDisabled = {});

    /// The key of a record's entry for one control.
    static std::uint32_t MakeKey(ObjectId id, int controlId) {
        return id + static_cast<std::uint32_t>(controlId) + 65535u;
    }

    /// The record whose entry this is (the key names the record's ObjectId with the control), found
    /// among the record lists as they are now; nothing when the record is gone.
    static std::optional<ProblemRecord> RecordOf(const ProblemEntry& entry, const RecordDirectory& directory);

    /// Appends an entry unless one with the same key is listed or the control is disabled.
    /// Returns whether it was appended.
    bool Add(int controlId, std::string where, std::string what, std::uint32_t key);
    /// Removes the entry with that key, if there is one.
    void Withdraw(std::uint32_t key);
    void Clear();
    bool HasEntries() const { return !entries_.empty(); }
    const std::vector<ProblemEntry>& Entries() const { return entries_; }
    bool Contains(std::uint32_t key) const;

    /// Called after every change (the window refreshes its list control).
    void SetChangedHandler(std::function<void()> handler) { changed_ = std::move(handler); }
    void SetControlDisabledTest(std::function<bool(int controlId)> test) {
        isControlDisabled_ = std::move(test);
    }

private:
    void NotifyChanged();

    std::vector<ProblemEntry> entries_;
    std::function<bool(int)> isControlDisabled_;
    std::function<void()> changed_;
};

} // namespace tav
