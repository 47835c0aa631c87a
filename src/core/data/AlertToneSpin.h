#pragma once

#include <string>

namespace tav {

/// The range of a numeric edit as its spin arrows see it: smallest and largest value, the step
/// and the divisor between the shown number and the value (all as the language file configures
/// the edit).
struct ToneSpinRange {
    int min = 0;
    int step = 1;
    int max = 0;
    int divisor = 1;
};

/// One spin-arrow step on a plain integer edit of the alert tone editor (beep segment number and
/// durations). The shown value is snapped down to the step; stepping past either end wraps to the
/// other end. Returns the new text ("%d").
std::string SpinAlertToneValue(const std::string& text, const ToneSpinRange& range, bool increase);

/// One spin-arrow step on a frequency edit with Off: from Off the arrows go to the lower or the
/// upper end; from either end they go to Off; elsewhere as SpinAlertToneValue.
std::string SpinAlertToneFrequency(const std::string& text, const ToneSpinRange& range, bool increase,
                                   const std::string& offText);

/// The text of an edit read as a decimal integer, as the alert tone editor reads it: leading
/// blanks skipped, the digits up to the first other character taken; anything else reads as 0.
int ReadToneEditNumber(const std::string& text);

} // namespace tav
