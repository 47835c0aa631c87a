#include "core/audio/ToneSampler.h"
#include "core/audio/ToneSchedule.h"
#include "core/audio/WavFile.h"
#include "support/TestSupport.h"

#include <cstring>
#include <gtest/gtest.h>

namespace tav {
namespace {

/// Rising zero crossings of the samples in [first, first + count).
int RisingCrossings(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t count) {
    int crossings = 0;
    for (std::size_t i = first + 1; i < first + count && i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0) {
            ++crossings;
        }
    }
    return crossings;
}

std::uint32_t Le32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

TEST(ToneSchedule, OneCycleKeepsTheSegmentsAndDropsThePause) {
    AlertTonePlayerValues values;
    values.cycles = kContinuousCycles;
    values.pauseSeconds = 2;
    values.frequencyHz = {1000, 0, 1500, 0, 0, 0, 0, 0};
    values.durationMs = {100, 30, 0, 0, 0, 0, 0, 0};
    values.playable = true;
    const std::vector<ToneStep> cycle{{1000, 100}, {0, 30}};
    EXPECT_EQ(AlertToneCycle(values), cycle);
    const std::vector<ToneStep> all = AlertToneSchedule(values);
    EXPECT_EQ(all.size(), 3u * kContinuousCycles - 1);
    EXPECT_EQ(all[2], (ToneStep{0, 2000}));
    values.playable = false;
    EXPECT_TRUE(AlertToneCycle(values).empty());
}

TEST(ToneSampler, EachStepLastsItsDurationAtItsFrequency) {
    const struct {
        int hz;
        int ms;
    } cases[] = {{400, 250}, {1000, 100}, {2550, 40}, {2100, 1000}, {0, 70}, {700, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.hz) + " Hz " + std::to_string(c.ms) + " ms");
        const std::vector<std::int16_t> samples = RenderTone({{c.hz, c.ms}});
        ASSERT_EQ(samples.size(), static_cast<std::size_t>(ToneSampler::SamplesFor(c.ms, 44100)));
        const double expected = c.hz * c.ms / 1000.0;
        EXPECT_NEAR(RisingCrossings(samples, 0, samples.size()), expected, 1.0);
        const auto peak = std::max_element(samples.begin(), samples.end(),
                                           [](int a, int b) { return std::abs(a) < std::abs(b); });
        EXPECT_LE(std::abs(*peak), ToneSampler::kAmplitude);
        if (c.hz == 0) {
            EXPECT_EQ(*peak, 0);
        }
    }
}

TEST(ToneSampler, ChunkedRenderingMatchesOneGoAndEndsWithZero) {
    const std::vector<ToneStep> steps{{1000, 20}, {0, 0}, {0, 5}, {1500, 13}};
    const std::vector<std::int16_t> whole = RenderTone(steps);
    ToneSampler sampler(steps);
    std::vector<std::int16_t> chunked;
    std::int16_t buffer[97];
    while (const std::size_t n = sampler.Render(buffer)) {
        chunked.insert(chunked.end(), buffer, buffer + n);
    }
    EXPECT_EQ(chunked, whole);
    EXPECT_TRUE(sampler.AtEnd());
    EXPECT_EQ(sampler.Render(buffer), 0u);
    // Segments join without a jump: every tone starts and ends near zero.
    EXPECT_EQ(whole.front(), 0);
    EXPECT_LT(std::abs(whole[881]), 1000);
}

TEST(WavFile, HeaderDescribes16BitMonoAndSamplesFollowLittleEndian) {
    const std::vector<std::int16_t> samples{0, 1, -1, 32767, -32768};
    const std::string wav = *EncodeWav(samples, 44100);
    ASSERT_EQ(wav.size(), 44u + 10u);
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
    EXPECT_EQ(Le32(wav, 4), wav.size() - 8);
    EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(Le32(wav, 16), 16u);
    EXPECT_EQ(Le32(wav, 20), 1u | (1u << 16)); // PCM, one channel
    EXPECT_EQ(Le32(wav, 24), 44100u);
    EXPECT_EQ(Le32(wav, 28), 88200u);
    EXPECT_EQ(Le32(wav, 32), 2u | (16u << 16)); // block align 2, 16 bits
    EXPECT_EQ(wav.substr(36, 4), "data");
    EXPECT_EQ(Le32(wav, 40), 10u);
    EXPECT_EQ(std::memcmp(wav.data() + 44, "\x00\x00\x01\x00\xff\xff\xff\x7f\x00\x80", 10), 0);
}

TEST(WavFile, SaveWritesTheWholeFileOrReportsWhy) {
    test::TempDir dir;
    const std::vector<std::int16_t> samples(100, 7);
    ASSERT_TRUE(SaveWav(dir / "tone.wav", samples, 44100).ok());
    EXPECT_EQ(test::ReadBytes(dir / "tone.wav").size(), 244u);
    const Result failed = SaveWav(dir / "missing" / "tone.wav", samples, 44100);
    EXPECT_EQ(failed.messageId(), WavMessages::kWriteFailed);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_EQ(SaveWav(dir / "bad.wav", samples, 0).messageId(), WavMessages::kTooLong);
}

} // namespace
} // namespace tav
