#pragma once

#include <optional>
#include <string_view>

namespace tav {

/// Enabled states of a record bar's six navigation buttons.
struct RecordButtons {
    bool first = false;
    bool previous = false;
    bool next = false;
    bool last = false;
    bool add = false;
    bool remove = false;

    bool operator==(const RecordButtons&) const = default;
};

/// Which of Print and Help a record bar hides along with its navigation buttons.
enum class RecordBarHides { NavigationOnly = 0, Print = 1, PrintAndHelp = 2 };

/// What the record bar of an editor window shows: either hidden navigation (with the extra
/// buttons hidden as `hides` says) or a state code of the navigation buttons.
struct RecordBarState {
    bool navigationShown = false;
    RecordBarHides hides = RecordBarHides::NavigationOnly;
    int code = 0;
    /// For a shown bar that moved to a record: the record (1-based) and the record count.
    int current = 0;
    int count = 0;
    /// Whether the editor is to go to record `current` (a record sub-item was opened).
    bool goToRecord = false;

    bool operator==(const RecordBarState&) const = default;
};

/// The rules of the record navigation bar of the editor windows.
class RecordBarRules {
public:
    /// Highest state code.
    static constexpr int kLastCode = 8;
    /// State code that only enables Add and leaves the others as they are.
    static constexpr int kAddOnlyCode = 8;

    /// The buttons of a state code (0-7); code 8 turns Add on and keeps the others of `before`.
    /// Codes outside 0-8 keep `before` unchanged.
    static RecordButtons ButtonsFor(int code, const RecordButtons& before = {});

    /// The state code of an editor on record `current` (1-based) of `count` records with room
    /// for `capacity`: at full capacity 2 on the first, 4 on the last, 6 otherwise; below it 1 for a
    /// single record, 0 on the first, 3 on the last, 5 otherwise. Capacity 1 gives 7 (all off).
    /// A count of 0 gives 1 (only Add).
    static int CodeFor(int current, int count, int capacity);

    /// The number a window title ends with ("Channel 12" gives 12); nothing when the title does not
    /// end in a decimal number.
    static std::optional<int> TrailingNumber(std::string_view title);

    /// The bar of an editor just opened with the window title `title`. A title without a trailing
    /// number (a single-block editor, or a record editor opened from its own item) hides the
    /// navigation (and Print for the password editor, Print and Help for the change log).
    /// Otherwise the number is the record to go to among `subItemCount` record items of an editor
    /// with room for `capacity` records.
    static RecordBarState AfterOpening(std::string_view title, int viewId, int subItemCount, int capacity);

    /// The bar of a record editor after it navigated: on record `current` (0 when none is current)
    /// of `count`.
    static RecordBarState AfterNavigating(int current, int count, int capacity);
};

} // namespace tav
