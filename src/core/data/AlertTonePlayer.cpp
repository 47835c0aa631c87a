#include "core/data/AlertTonePlayer.h"

#include "core/lang/TextLookup.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace tav {

namespace C = AlertToneControls;

namespace {

constexpr int kChartLeft = 6;      ///< first bar's distance from the left edge
constexpr int kChartRightLoss = 8; ///< pixels of the width no bar may use
constexpr int kChartMargin = 5;    ///< above the highest and below the baseline
constexpr int kBarGap = 1;

} // namespace

int ReadToneEditNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = INT_MAX; // an absurdly long number saturates instead of overflowing
        }
    }
    return static_cast<int>(negative ? -value : value);
}

AlertToneEditTexts AlertToneTexts(const AlertToneUi& ui, const TextLookup& texts) {
    AlertToneEditTexts shown;
    shown.cycle = ui.cycle;
    shown.beepSegments = texts.ListValueToText(C::kBeepSegments, ui.beepSegments);
    for (std::size_t k = 0; k < AlertToneLayout::kSegmentCount; ++k) {
        const int id = static_cast<int>(k);
        shown.frequency[k] = ui.frequency[k] == 0
                                 ? texts.GetMessageText(C::kOffMessage)
                                 : texts.ListValueToText(C::kFirstFrequency + id, ui.frequency[k]);
        shown.duration[k] = texts.ListValueToText(C::kFirstDuration + id, ui.duration[k]);
    }
    return shown;
}

AlertTonePlayerValues ComputePlayerValues(const AlertToneEditTexts& shown, const TextLookup& texts) {
    AlertTonePlayerValues values;
    const int cycle = texts.ListTextToValue(C::kCycle, shown.cycle);
    values.cycles = cycle == 0 ? kContinuousCycles : std::max(cycle, 0);
    values.pauseSeconds = std::max(ReadToneEditNumber(shown.beepSegments), 0);
    const std::string off = texts.GetMessageText(C::kOffMessage);
    for (std::size_t k = 0; k < AlertToneLayout::kSegmentCount; ++k) {
        const bool isOff = !off.empty() && shown.frequency[k] == off;
        values.frequencyHz[k] = isOff ? 0 : std::max(ReadToneEditNumber(shown.frequency[k]), 0);
        values.durationMs[k] = std::max(ReadToneEditNumber(shown.duration[k]), 0);
        values.playable = values.playable || values.durationMs[k] != 0;
    }
    return values;
}

void PlayAlertTone(const AlertTonePlayerValues& values, ToneOutput& output,
                   const std::function<bool()>& stopRequested) {
    const auto stop = [&] { return stopRequested && stopRequested(); };
    if (!values.playable) {
        return;
    }
    for (int cycle = 0; cycle < values.cycles; ++cycle) {
        if (stop()) {
            return;
        }
        for (std::size_t k = 0; k < AlertToneLayout::kSegmentCount; ++k) {
            const int duration = values.durationMs[k];
            if (duration <= 0) {
                continue;
            }
            if (stop()) {
                return;
            }
            if (values.frequencyHz[k] != 0) {
                output.Beep(values.frequencyHz[k], duration);
            } else {
                output.Wait(duration);
            }
        }
        if (cycle + 1 < values.cycles && values.pauseSeconds > 0) {
            if (stop()) {
                return;
            }
            output.Wait(static_cast<int>(std::min<long long>(values.pauseSeconds * 1000LL, INT_MAX)));
        }
    }
}

std::vector<AlertToneChartBar> AlertToneChartBars(const AlertTonePlayerValues& values, int width,
                                                  int height) {
    long long totalDuration = 0;
    int count = 0;
    for (const int duration : values.durationMs) {
        if (duration > 0) {
            totalDuration += duration;
            ++count;
        }
    }
    std::vector<AlertToneChartBar> bars;
    if (count == 0) {
        return bars;
    }
    const long long usableWidth = static_cast<long long>(width) - kChartRightLoss - count - kChartLeft;
    const long long usableHeight = static_cast<long long>(height) - 2 * kChartMargin;
    const int baseline = height - kChartMargin;
    int x = kChartLeft;
    for (std::size_t k = 0; k < AlertToneLayout::kSegmentCount; ++k) {
        const int duration = values.durationMs[k];
        if (duration <= 0) {
            continue;
        }
        AlertToneChartBar bar;
        bar.segment = k;
        bar.blue = k % 2 == 0;
        bar.width = static_cast<int>(std::max(1LL, usableWidth * duration / totalDuration));
        const long long barHeight = usableHeight * values.frequencyHz[k] / kChartFullScaleHz;
        // A frequency above full scale stays inside the chart.
        bar.height = static_cast<int>(std::clamp(barHeight, 1LL, std::max(1LL, usableHeight)));
        bar.left = x;
        bar.top = baseline - bar.height;
        bars.push_back(bar);
        x += bar.width + kBarGap;
    }
    return bars;
}

} // namespace tav
