#pragma once

#include "core/util/Result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace tav {

/// Message texts of the sound file export.
namespace WavMessages {
inline constexpr int kWriteFailed = 5091; ///< the file could not be written
inline constexpr int kTooLong = 5092;     ///< more sound than a WAV file can hold
} // namespace WavMessages

/// A WAV file of 16-bit mono PCM samples: the 44-byte RIFF header, then the samples little-endian.
/// Nothing when the samples do not fit the format's 32-bit sizes.
std::optional<std::string> EncodeWav(std::span<const std::int16_t> samples, int sampleRate);

/// Writes the samples as a WAV file; the file is replaced whole or not at all.
[[nodiscard]] Result SaveWav(const std::filesystem::path& file, std::span<const std::int16_t> samples,
                             int sampleRate);

} // namespace tav
