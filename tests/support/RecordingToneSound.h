#pragma once

// A sound device that records what it was asked to play instead of sounding it. The test decides
// how much of the tone has been heard, so playback order, Stop and the end of a play are checked
// without a sound card and without waiting.

#include "gui/audio/ToneSound.h"

#include <algorithm>

namespace tav::gui::test {

class RecordingToneSound : public ToneSound {
public:
    /// Answers every Play with "no sound device".
    bool noDevice = false;
    /// The steps of every Play, in order.
    std::vector<std::vector<ToneStep>> plays;
    /// The steps heard so far of the current play.
    std::vector<ToneStep> heard;
    int stops = 0;

    Start Play(std::vector<ToneStep> steps, std::function<void()> finished) override {
        if (noDevice) {
            return Start::NoDevice;
        }
        plays.push_back(std::move(steps));
        heard.clear();
        finished_ = std::move(finished);
        playing_ = true;
        return Start::Playing;
    }
    void Stop() override {
        ++stops;
        playing_ = false;
        finished_ = nullptr;
    }
    bool IsPlaying() const override { return playing_; }

    /// Lets `count` more steps sound; after the last one the play reports that it finished.
    void Hear(std::size_t count) {
        if (!playing_ || plays.empty()) {
            return;
        }
        const std::vector<ToneStep>& steps = plays.back();
        const std::size_t end = std::min(steps.size(), heard.size() + count);
        heard.insert(heard.end(), steps.begin() + static_cast<std::ptrdiff_t>(heard.size()),
                     steps.begin() + static_cast<std::ptrdiff_t>(end));
        if (heard.size() == steps.size()) {
            playing_ = false;
            if (auto finished = std::exchange(finished_, nullptr)) {
                finished();
            }
        }
    }
    void HearAll() { Hear(plays.empty() ? 0 : plays.back().size()); }

private:
    bool playing_ = false;
    std::function<void()> finished_;
};

} // namespace tav::gui::test
