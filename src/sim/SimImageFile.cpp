#include "SimImageFile.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <span>
#include <system_error>
#include <vector>

namespace tav::sim {
namespace {

// Data file layout (integers little-endian).
constexpr std::string_view kMagic = "TAV";
constexpr std::size_t kHeaderSize = 116;
constexpr std::uint32_t kHeaderTag = 0x10104858;
constexpr std::uint32_t kCommentTag = 0x10104D58;
constexpr std::uint32_t kExtraTag = 0x10104658;
constexpr std::uint32_t kImageTag = 0x10104558;
// Header fields.
constexpr std::size_t kHeaderModelId = 12;
constexpr std::size_t kHeaderModelName = 28;
constexpr std::size_t kHeaderTextSize = 16;
constexpr std::size_t kHeaderLow = 44;
constexpr std::size_t kHeaderHigh = 46;
constexpr std::size_t kHeaderFirmware = 52;
constexpr std::size_t kHeaderRangeFlags = 84;
constexpr std::size_t kHeaderSignalling = 85;

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::string HeaderText(std::span<const std::uint8_t> header, std::size_t at) {
    std::string text;
    for (std::size_t i = at; i < at + kHeaderTextSize && header[i] != 0; ++i) {
        text += static_cast<char>(header[i]);
    }
    return text;
}

Result Bad(const std::filesystem::path& path, const std::string& why) {
    return Result::Fail(811, path.string() + ": " + why);
}

Outcome<SimImage> ParseDataFile(const std::filesystem::path& path, std::span<const std::uint8_t> all);

} // namespace

Outcome<SimImage> LoadSimImage(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return Bad(path, "cannot be opened");
    }
    std::vector<std::uint8_t> bytes;
    // Bounded read: no valid file is anywhere near this size.
    constexpr std::size_t kLimit = 16 * 1024 * 1024;
    std::array<char, 65536> chunk{};
    while (in && bytes.size() <= kLimit) {
        in.read(chunk.data(), chunk.size());
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + in.gcount());
    }
    Outcome<SimImage> parsed = ParseDataFile(path, bytes);
    if (!parsed && bytes.size() == kRadioImageSize) {
        SimImage raw;
        std::copy(bytes.begin(), bytes.end(), raw.memory.begin());
        return raw;
    }
    return parsed;
}

namespace {

Outcome<SimImage> ParseDataFile(const std::filesystem::path& path, std::span<const std::uint8_t> all) {
    SimImage result;
    if (all.size() < kMagic.size() + kHeaderSize || !std::equal(kMagic.begin(), kMagic.end(), all.begin())) {
        return Bad(path, "neither a raw 8192-byte image nor a data file");
    }
    const auto header = all.subspan(kMagic.size(), kHeaderSize);
    if (Le32(header, 0) != kHeaderTag) {
        return Bad(path, "the data file header is damaged");
    }
    std::size_t at = kMagic.size() + kHeaderSize;
    auto section = [&](std::uint32_t tag, bool required) -> std::optional<std::span<const std::uint8_t>> {
        if (at + 8 > all.size() || Le32(all, at) != tag) {
            if (required) {
                return std::nullopt;
            }
            return std::span<const std::uint8_t>{};
        }
        const std::uint32_t length = Le32(all, at + 4);
        if (length > all.size() - at - 8) {
            return std::nullopt;
        }
        const auto body = all.subspan(at + 8, length);
        at += 8 + length;
        return body;
    };
    if (!section(kCommentTag, true) || !section(kExtraTag, false)) {
        return Bad(path, "the data file's sections are damaged");
    }
    const auto image = section(kImageTag, true);
    if (!image || image->size() != kRadioImageSize) {
        return Bad(path, "the data file holds no 8192-byte image");
    }
    std::copy(image->begin(), image->end(), result.memory.begin());
    result.fromDataFile = true;
    result.modelId = HeaderText(header, kHeaderModelId);
    result.modelName = HeaderText(header, kHeaderModelName);
    result.firmware = HeaderText(header, kHeaderFirmware);
    result.lowMHz = Le16(header, kHeaderLow);
    result.highMHz = Le16(header, kHeaderHigh);
    result.rangeFlags = header[kHeaderRangeFlags];
    result.signalling = header[kHeaderSignalling];
    return result;
}

} // namespace

Result WriteRawImage(const std::filesystem::path& path, const RadioImage& memory) {
    const std::filesystem::path temporary = path.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()), static_cast<std::streamsize>(memory.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Result::Fail(803, path.string() + ": cannot be written");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return Result::Fail(803, path.string() + ": cannot be written");
    }
    return Result::Ok();
}

} // namespace tav::sim
