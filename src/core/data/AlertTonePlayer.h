#pragma once

#include "core/data/AlertToneData.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace tav {

class TextLookup;

/// What the alert tone editor plays and draws, worked out from what its edits show.
struct AlertTonePlayerValues {
    int cycles = 0;       ///< repetitions; a cycle value of 0 (continuous) plays 10000
    int pauseSeconds = 0; ///< pause between two cycles
    std::array<int, AlertToneLayout::kSegmentCount> frequencyHz{}; ///< 0 = silent
    std::array<int, AlertToneLayout::kSegmentCount> durationMs{};  ///< 0 = segment skipped
    bool playable = false;                                         ///< at least one segment has a duration
};

/// The texts the alert tone editor shows in its controls.
struct AlertToneEditTexts {
    std::string cycle;
    std::string beepSegments;
    std::array<std::string, AlertToneLayout::kSegmentCount> frequency;
    std::array<std::string, AlertToneLayout::kSegmentCount> duration;
};

/// The text of an edit read as a decimal integer, as the alert tone editor reads it: leading
/// blanks skipped, the digits up to the first other character taken; anything else reads as 0.
int ReadToneEditNumber(const std::string& text);

/// Repetitions played for the cycle value 0 ("continuous"), until Stop.
inline constexpr int kContinuousCycles = 10000;
/// The frequency that fills the chart's height.
inline constexpr int kChartFullScaleHz = 2550;

/// The texts of the edits for a transfer structure (frequency raw 0 shows the Off text).
AlertToneEditTexts AlertToneTexts(const AlertToneUi& ui, const TextLookup& texts);

/// Recomputes the player values from what the edits show: the cycle text through its list, the
/// other texts read as decimal integers (the Off text reads as 0).
AlertTonePlayerValues ComputePlayerValues(const AlertToneEditTexts& shown, const TextLookup& texts);

/// Where the sound goes: the PC speaker in the program, a recorder in the tests.
class ToneOutput {
public:
    virtual ~ToneOutput() = default;
    /// Sounds `hz` for `ms` milliseconds and returns when done (or when asked to stop).
    virtual void Beep(int hz, int ms) = 0;
    /// Stays silent for `ms` milliseconds.
    virtual void Wait(int ms) = 0;
};

/// Plays the melody: every cycle sounds the segments in order (a silent wait where the frequency
/// is 0, nothing where the duration is 0), with the pause after every cycle but the last. The
/// stop test is asked before every cycle, every segment and every pause, so a stop takes effect
/// at once. Does nothing unless the values are playable.
void PlayAlertTone(const AlertTonePlayerValues& values, ToneOutput& output,
                   const std::function<bool()>& stopRequested);

/// One bar of the alert tone chart, in client pixels.
struct AlertToneChartBar {
    std::size_t segment = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool blue = false; ///< even segments are blue, odd ones red
};

/// The bars of the chart for a client area of `width` x `height`: the segments with a duration,
/// left to right from 6 pixels in, each followed by a 1-pixel gap, widths shared by duration and
/// heights by frequency (2550 Hz fills the height), standing 5 pixels above the bottom.
std::vector<AlertToneChartBar> AlertToneChartBars(const AlertTonePlayerValues& values, int width, int height);

} // namespace tav
