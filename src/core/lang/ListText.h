#pragma once

#include "core/controls/NumericRange.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The seven numbers of a range item or of a numeric range edit are one type, NumericRange, shared
// with the numeric range edits that the language file configures.

/// One item of a drop-down or list box: the raw value stored in the radio data and its text.
struct ListItem {
    int value = 0;
    std::string text;
    bool operator==(const ListItem&) const = default;
};

/// The list texts of the language files: items separated by ';', each either a value item
/// ("12.Text": the number, a dot, the text; the first dot splits) or a range item (seven numbers
/// "start:step:end:divisor:first:increment:decimals" standing for the shown numbers start,
/// start + step, ... up to end, with the raw values first, first + increment, ...).
///
/// An item is a value item when its first '.' lies after its first character, otherwise a range
/// item when a ':' lies after its first character; anything else is skipped. A range item whose
/// divisor or step is zero, that has fewer than seven numbers or more than `kMaxDecimals` decimals
/// matches nothing and fills nothing.
///
/// Shown numbers: (start + k * step) / divisor, printed with `decimals` decimals, or in integer
/// division when decimals is 0. The drop-down fill and both conversions follow this one rule, so a
/// value converted to text always names an item of the filled list. Numbers with decimals are
/// printed and read under the C library's current locale, as every number the user sees.
namespace ListText {

/// Items generated for one list at most, so that a hostile language file cannot exhaust memory.
inline constexpr std::size_t kMaxItems = 10000;
/// Decimals a range item may ask for.
inline constexpr int kMaxDecimals = 15;

enum class ItemKind { Value, Range, Other };

/// The items of a list text (empty items included), in order.
std::vector<std::string_view> SplitItems(std::string_view listText);

/// The classification used by the fill and by the conversions.
ItemKind Classify(std::string_view item);

/// Reads the seven numbers as "%d:%d:%d:%d:%d:%d:%d" reads them (blanks allowed before each
/// number, anything after the seventh ignored); nothing when fewer than seven can be read or a
/// number does not fit an int.
std::optional<NumericRange> ParseRange(std::string_view text);

/// A range whose items can be generated and converted: non-zero divisor and step, and decimals
/// within 0..kMaxDecimals (a negative count shows whole numbers, as zero does).
bool IsUsable(const NumericRange& range);

/// How many items the range stands for (0 when unusable or when end lies on the wrong side of
/// start), at most kMaxItems.
std::size_t ItemCount(const NumericRange& range);

/// The text of shown number `number` (before the divisor) of a usable range.
std::string FormatShown(const NumericRange& range, long long number);

/// A value item's number and text.
struct ValueItem {
    int value = 0;
    std::string_view text;
};
std::optional<ValueItem> ParseValueItem(std::string_view item);

/// Drop-down fill: value items and the generated items of range items, in list order.
std::vector<ListItem> Items(std::string_view listText);
/// List-box fill: the value items only.
std::vector<ListItem> ValueItems(std::string_view listText);
/// The texts of `Items`, each cut at its first ','.
std::vector<std::string> Texts(std::string_view listText);

/// The text of the first item whose raw value is `value`; empty when there is none.
std::string ValueToText(std::string_view listText, int value);
/// The raw value of the first item matching `text`; -1 when none does.
int TextToValue(std::string_view listText, std::string_view text);

} // namespace ListText
} // namespace tav
