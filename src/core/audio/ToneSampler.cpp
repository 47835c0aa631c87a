#include "core/audio/ToneSampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tav {

ToneSampler::ToneSampler(std::vector<ToneStep> steps, int sampleRate)
    : steps_(std::move(steps)), rate_(std::max(sampleRate, 1)) {
    SkipEmptySteps();
}

std::int64_t ToneSampler::SamplesFor(int ms, int sampleRate) {
    if (ms <= 0 || sampleRate <= 0) {
        return 0;
    }
    return (static_cast<std::int64_t>(ms) * sampleRate + 500) / 1000;
}

void ToneSampler::SkipEmptySteps() {
    while (step_ < steps_.size()) {
        length_ = SamplesFor(steps_[step_].ms, rate_);
        if (length_ > 0) {
            return;
        }
        ++step_;
    }
    length_ = 0;
}

std::int16_t ToneSampler::Sample() const {
    const int hz = steps_[step_].hz;
    // A tone at or above half the sample rate cannot be made; it stays silent.
    if (hz <= 0 || hz * 2 >= rate_) {
        return 0;
    }
    const double fadeLength = std::max<std::int64_t>(rate_ / 1000, 1);
    const double fromEdge = static_cast<double>(std::min(position_, length_ - 1 - position_));
    const double fade = std::min(1.0, (fromEdge + 1) / fadeLength);
    const double phase = 2 * std::numbers::pi * hz * static_cast<double>(position_) / rate_;
    return static_cast<std::int16_t>(std::lround(kAmplitude * fade * std::sin(phase)));
}

std::size_t ToneSampler::Render(std::span<std::int16_t> out) {
    std::size_t written = 0;
    while (written < out.size() && !AtEnd()) {
        out[written++] = Sample();
        if (++position_ >= length_) {
            ++step_;
            position_ = 0;
            SkipEmptySteps();
        }
    }
    return written;
}

std::vector<std::int16_t> RenderTone(const std::vector<ToneStep>& steps, int sampleRate) {
    std::int64_t total = 0;
    for (const ToneStep& step : steps) {
        total += ToneSampler::SamplesFor(step.ms, sampleRate);
    }
    std::vector<std::int16_t> samples(static_cast<std::size_t>(total));
    ToneSampler sampler(steps, sampleRate);
    sampler.Render(samples);
    return samples;
}

} // namespace tav
