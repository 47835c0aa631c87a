#include "core/util/RangeText.h"

#include "core/util/NumberText.h"

#include <climits>

namespace tav {
namespace {

/// One "%d" of the range: a number in the int range, taken off the front of `text`.
std::optional<int> TakeNumber(std::string_view& text) {
    std::size_t consumed = 0;
    const auto number = ReadDecimalInteger(text, &consumed);
    if (!number || *number < INT_MIN || *number > INT_MAX) {
        return std::nullopt;
    }
    text.remove_prefix(consumed);
    return static_cast<int>(*number);
}

} // namespace

std::string FormatRange(long low, long high) {
    return std::to_string(low) + "-" + std::to_string(high);
}

std::optional<std::pair<int, int>> ParseRange(std::string_view text) {
    const auto low = TakeNumber(text);
    if (!low || !text.starts_with('-')) {
        return std::nullopt;
    }
    text.remove_prefix(1);
    const auto high = TakeNumber(text);
    if (!high) {
        return std::nullopt;
    }
    return std::make_pair(*low, *high);
}

} // namespace tav
