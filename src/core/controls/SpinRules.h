#pragma once

#include "core/controls/NumericRange.h"

#include <string>
#include <string_view>

namespace tav {

/// Which arrow of an up-down control beside a numeric range edit was pressed.
enum class SpinDirection {
    Up,
    Down,
};

/// The spin rule of the two-tone pages: the edit's text read as a number × divisor (rounded to
/// the nearest whole unit), one step up or down inside [start, end], wrapping to the other end
/// when outside it or at its edge; the result / divisor is shown with one decimal. An unusable
/// range leaves the text as it is.
std::string SpinDecimalText(const NumericRange& range, std::string_view text, SpinDirection direction,
                            char separator = kDefaultDecimalSeparator);

/// The integer spin rule of the alert-tone editor: v = divisor × step × (text / step); one step
/// up or down inside [start, end], wrapping as above; shown as result / divisor in whole numbers.
std::string SpinIntegerText(const NumericRange& range, std::string_view text, SpinDirection direction);

/// As SpinIntegerText with an "off" position beyond both ends: off goes up to start and down to
/// end; going down from start or up from end gives off.
std::string SpinIntegerTextWithOff(const NumericRange& range, std::string_view text, std::string_view offText,
                                   SpinDirection direction);

} // namespace tav
