#pragma once

#include "core/controls/NumericRange.h"

#include <string>
#include <string_view>

namespace tav {

/// The text an alert tone edit shows after one click of its up or down arrow. The shown number is
/// snapped down to the step and moved by one step; past either end it wraps to the other end. A
/// frequency edit (one with an `offText`) passes through Off between its ends: down from the lowest
/// value and up from the highest give Off, and from Off up gives the lowest and down the highest.
/// A range the language file left unusable changes nothing.
std::string SpinToneEditText(std::string_view text, const NumericRange& range, bool up,
                             std::string_view offText = {});

} // namespace tav
