#include "core/audio/WavFile.h"

#include "core/platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <limits>

namespace tav {
namespace {

constexpr std::uint32_t kHeaderSize = 44;
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kChannels = 1;
constexpr std::uint16_t kBitsPerSample = 16;
constexpr std::uint16_t kBytesPerSample = kBitsPerSample / 8;

void PutLe16(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

void PutLe32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
}

} // namespace

std::optional<std::string> EncodeWav(std::span<const std::int16_t> samples, int sampleRate) {
    const std::uint64_t dataSize = static_cast<std::uint64_t>(samples.size()) * kBytesPerSample;
    if (sampleRate <= 0 || dataSize > std::numeric_limits<std::uint32_t>::max() - kHeaderSize) {
        return std::nullopt;
    }
    const auto rate = static_cast<std::uint32_t>(sampleRate);
    std::string out;
    out.reserve(kHeaderSize + dataSize);
    out.append("RIFF");
    PutLe32(out, static_cast<std::uint32_t>(kHeaderSize - 8 + dataSize));
    out.append("WAVEfmt ");
    PutLe32(out, 16);
    PutLe16(out, kPcmFormat);
    PutLe16(out, kChannels);
    PutLe32(out, rate);
    PutLe32(out, rate * kChannels * kBytesPerSample);
    PutLe16(out, kChannels * kBytesPerSample);
    PutLe16(out, kBitsPerSample);
    out.append("data");
    PutLe32(out, static_cast<std::uint32_t>(dataSize));
    for (const std::int16_t sample : samples) {
        PutLe16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

Result SaveWav(const std::filesystem::path& file, std::span<const std::int16_t> samples, int sampleRate) {
    const std::optional<std::string> bytes = EncodeWav(samples, sampleRate);
    if (!bytes) {
        return Result::Fail(WavMessages::kTooLong, file.string());
    }
    if (!WriteFileAtomically(file, *bytes)) {
        return Result::Fail(WavMessages::kWriteFailed, file.string() + ": " + std::strerror(errno));
    }
    return Result::Ok();
}

} // namespace tav
