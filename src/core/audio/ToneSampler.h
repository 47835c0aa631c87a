#pragma once

#include "core/audio/ToneSchedule.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tav {

/// The sound of a list of steps as 16-bit mono samples, made on demand: each tone a sine wave of its
/// frequency starting at a zero crossing and faded in and out over a millisecond (so that segments
/// join without clicks), each silence zeros. A step lasts its duration rounded to whole samples.
class ToneSampler {
public:
    static constexpr int kSampleRate = 44100;
    /// Peak level of a tone: half of full scale, loud enough without clipping.
    static constexpr int kAmplitude = 16384;

    explicit ToneSampler(std::vector<ToneStep> steps, int sampleRate = kSampleRate);

    /// Writes the next samples into `out` and returns how many; 0 once everything was rendered.
    std::size_t Render(std::span<std::int16_t> out);
    bool AtEnd() const { return step_ >= steps_.size(); }
    /// The step being rendered (the number of steps at the end).
    std::size_t CurrentStep() const { return step_; }
    int SampleRate() const { return rate_; }

    /// The number of samples a step of `ms` milliseconds lasts.
    static std::int64_t SamplesFor(int ms, int sampleRate);

private:
    void SkipEmptySteps();
    std::int16_t Sample() const;

    std::vector<ToneStep> steps_;
    int rate_;
    std::size_t step_ = 0;
    std::int64_t position_ = 0; ///< sample within the current step
    std::int64_t length_ = 0;   ///< samples of the current step
};

/// Every sample of the steps at once (for a sound file).
std::vector<std::int16_t> RenderTone(const std::vector<ToneStep>& steps,
                                     int sampleRate = ToneSampler::kSampleRate);

} // namespace tav
