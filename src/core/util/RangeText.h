#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tav {

/// A frequency range as text, "low-high" in whole MHz ("136-174"): how the settings, data files,
/// the model list's choices and the messages write it. The one place that writes and reads it.
std::string FormatRange(long low, long high);

/// The two numbers of a range text, read as "%d-%d" reads them (blanks before each number allowed,
/// anything after the second ignored); nullopt unless both are there.
std::optional<std::pair<int, int>> ParseRange(std::string_view text);

} // namespace tav
