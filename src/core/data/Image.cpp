#include "core/data/Image.h"

#include <algorithm>

namespace tav {

void CopyFromImage(const Image& image, std::size_t address, std::span<std::uint8_t> target) {
    if (address >= image.size()) {
        return;
    }
    const std::size_t count = std::min(target.size(), image.size() - address);
    std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(address), count, target.begin());
}

void CopyToImage(Image& image, std::size_t address, std::span<const std::uint8_t> source) {
    if (address >= image.size()) {
        return;
    }
    const std::size_t count = std::min(source.size(), image.size() - address);
    std::copy_n(source.begin(), count, image.begin() + static_cast<std::ptrdiff_t>(address));
}

std::uint16_t ReadBe16(std::span<const std::uint8_t> b, std::size_t o) {
    return static_cast<std::uint16_t>((b[o] << 8) | b[o + 1]);
}

std::uint32_t ReadBe32(std::span<const std::uint8_t> b, std::size_t o) {
    return (std::uint32_t{b[o]} << 24) | (std::uint32_t{b[o + 1]} << 16) | (std::uint32_t{b[o + 2]} << 8) |
           std::uint32_t{b[o + 3]};
}

std::uint16_t ReadLe16(std::span<const std::uint8_t> b, std::size_t o) {
    return static_cast<std::uint16_t>(b[o] | (b[o + 1] << 8));
}

void WriteBe16(std::span<std::uint8_t> b, std::size_t o, std::uint16_t v) {
    b[o] = static_cast<std::uint8_t>(v >> 8);
    b[o + 1] = static_cast<std::uint8_t>(v);
}

void WriteBe32(std::span<std::uint8_t> b, std::size_t o, std::uint32_t v) {
    b[o] = static_cast<std::uint8_t>(v >> 24);
    b[o + 1] = static_cast<std::uint8_t>(v >> 16);
    b[o + 2] = static_cast<std::uint8_t>(v >> 8);
    b[o + 3] = static_cast<std::uint8_t>(v);
}

void WriteLe16(std::span<std::uint8_t> b, std::size_t o, std::uint16_t v) {
    b[o] = static_cast<std::uint8_t>(v);
    b[o + 1] = static_cast<std::uint8_t>(v >> 8);
}

} // namespace tav
