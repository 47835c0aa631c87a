#include "core/app/RecordBarState.h"

#include "core/app/ViewTable.h"

#include <array>

namespace tav {
namespace {

// first+previous, next+last, add, delete for codes 0-7.
struct CodeRow {
    bool back;
    bool forward;
    bool add;
    bool remove;
};
constexpr std::array<CodeRow, 8> kCodes{{
    {false, true, true, true},   // 0: on the first, room left
    {false, false, true, false}, // 1: a single record, room left
    {false, true, false, true},  // 2: on the first, full
    {true, false, true, true},   // 3: on the last, room left
    {true, false, false, true},  // 4: on the last, full
    {true, true, true, true},    // 5: in between, room left
    {true, true, false, true},   // 6: in between, full
    {false, false, false, false} // 7: nothing
}};

} // namespace

RecordButtons RecordBarRules::ButtonsFor(int code, const RecordButtons& before) {
    if (code == kAddOnlyCode) {
        RecordButtons buttons = before;
        buttons.add = true;
        return buttons;
    }
    if (code < 0 || code >= static_cast<int>(kCodes.size())) {
        return before;
    }
    const CodeRow& row = kCodes[static_cast<std::size_t>(code)];
    return {row.back, row.back, row.forward, row.forward, row.add, row.remove};
}

int RecordBarRules::CodeFor(int current, int count, int capacity) {
    if (capacity == 1) {
        return 7;
    }
    if (count <= 0) {
        return 1;
    }
    if (count >= capacity) {
        if (current == 1) {
            return 2;
        }
        return current == capacity ? 4 : 6;
    }
    if (count == 1) {
        return 1;
    }
    if (current == 1) {
        return 0;
    }
    return current == count ? 3 : 5;
}

std::optional<int> RecordBarRules::TrailingNumber(std::string_view title) {
    std::size_t start = title.size();
    while (start > 0 && title[start - 1] >= '0' && title[start - 1] <= '9') {
        --start;
    }
    if (start == title.size() || title.size() - start > 9) {
        return std::nullopt;
    }
    int number = 0;
    for (std::size_t i = start; i < title.size(); ++i) {
        number = number * 10 + (title[i] - '0');
    }
    return number;
}

RecordBarState RecordBarRules::AfterOpening(std::string_view title, int viewId, int subItemCount,
                                            int capacity) {
    RecordBarState state;
    const std::optional<int> number = TrailingNumber(title);
    if (!number) {
        if (viewId == ViewIds::kPassword) {
            state.hides = RecordBarHides::Print;
        } else if (viewId == ViewIds::kChangeLog) {
            state.hides = RecordBarHides::PrintAndHelp;
        }
        return state;
    }
    if (capacity == 0) {
        return state;
    }
    state.navigationShown = true;
    if (capacity == 1) {
        state.code = 7;
        return state;
    }
    state.current = *number;
    state.count = subItemCount;
    state.code = CodeFor(*number, subItemCount, capacity);
    state.goToRecord = true;
    return state;
}

RecordBarState RecordBarRules::AfterNavigating(int current, int count, int capacity) {
    RecordBarState state;
    state.navigationShown = true;
    state.current = current;
    state.count = count;
    if (capacity == 1) {
        state.code = 7;
    } else if (current <= 0) {
        // No record is current: only a new record can be made, while there is room.
        state.code = count < capacity ? 1 : 7;
    } else {
        state.code = CodeFor(current, count, capacity);
    }
    return state;
}

} // namespace tav
