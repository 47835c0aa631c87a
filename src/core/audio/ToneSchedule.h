#pragma once

#include "core/data/AlertTonePlayer.h"

#include <vector>

namespace tav {

/// One stretch of sound: a tone of `hz` (0 = silence) for `ms` milliseconds.
struct ToneStep {
    int hz = 0;
    int ms = 0;
    bool operator==(const ToneStep&) const = default;
};

/// Everything a play of the alert tone sounds, in order: the segments of every cycle (silence for
/// an Off segment) and the pause between two cycles. Empty when the values are not playable.
std::vector<ToneStep> AlertToneSchedule(const AlertTonePlayerValues& values);

/// The segments of one cycle, without any pause (what an exported sound file holds).
std::vector<ToneStep> AlertToneCycle(const AlertTonePlayerValues& values);

} // namespace tav
