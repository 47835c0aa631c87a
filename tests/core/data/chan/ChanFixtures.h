#pragma once

#include "support/FakeTextLookup.h"
#include "core/data/RecordKind.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace tav::test {

/// The other record lists as plain id vectors.
class FakeDirectory : public RecordDirectory {
public:
    std::map<RecordKind, std::vector<ObjectId>> ids;

    std::size_t Count(RecordKind kind) const override { return List(kind).size(); }
    ObjectId IdAt(RecordKind kind, std::size_t position) const override {
        const auto& list = List(kind);
        return position < list.size() ? list[position] : kNoObject;
    }
    std::optional<std::size_t> PositionOf(RecordKind kind, ObjectId id) const override {
        const auto& list = List(kind);
        const auto it = std::find(list.begin(), list.end(), id);
        if (id == kNoObject || it == list.end()) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(it - list.begin());
    }

private:
    const std::vector<ObjectId>& List(RecordKind kind) const {
        static const std::vector<ObjectId> empty;
        const auto it = ids.find(kind);
        return it == ids.end() ? empty : it->second;
    }
};

/// The channel and scan lists and texts the tests use, with the items of the shipped English file.
inline FakeTextLookup ChanTexts() {
    FakeTextLookup t;
    t.lists[3661] = {{0, "12.5 kHz"}, {1, "20 kHz"}, {2, "25 kHz"}};
    t.lists[3663] = {{0, "Low"}, {1, "Middle"}, {2, "High"}};
    t.lists[3668] = {{0, "None"}, {1, "CTCSS"}, {2, "CDCSS"}, {3, "CDCSS Inverted"}};
    t.lists[3677] = t.lists[3668];
    t.lists[3830] = {{0, "Off"}, {1, "CTCSS"}, {2, "CDCSS"}, {3, "CTCSS and CDCSS"}};
    t.lists[3832] = {{0, "Off"}, {1, "Carrier"}, {2, "Signalling"}, {3, "Carrier and Signalling"}};
    t.lists[3834] = {{0, "Off"}, {1, "Fixed Channel"}, {2, "Selected Channel"}};
    t.lists[3846] = {{0, "Current Channel"}, {1, "Designated Channel"}, {2, "Last Active Channel"}};
    t.NumberList(3852, 0, 50);
    t.NumberList(3844, 1, 16);
    t.NumberList(3848, 0, 30);
    t.NumberList(3943, 0, 16);
    t.controls[3655] = "Channel";
    t.controls[3657] = "Miscellaneous";
    t.controls[3702] = "Personality";
    t.controls[3705] = "Scan List";
    t.controls[3800] = "Scan Configuration";
    t.controls[3801] = "Scan List";
    t.controls[3803] = "Channel List";
    t.controls[3835] = "Priority Channel";
    t.controls[3849] = "Designated Channel";
    for (int k = 0; k < 16; ++k) {
        t.controls[3905 + k] = "Member " + std::to_string(k + 1);
    }
    return t;
}

} // namespace tav::test
