#pragma once

#include "core/data/Image.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace tav::test {

/// An image of pseudo-random bytes (repeatable for a seed).
inline Image RandomImage(unsigned seed) {
    std::mt19937 rng(seed);
    Image image;
    for (auto& byte : image) {
        byte = static_cast<std::uint8_t>(rng());
    }
    return image;
}

/// The image bytes from `address`, `count` of them.
inline std::vector<std::uint8_t> Slice(const Image& image, std::size_t address, std::size_t count) {
    return {image.begin() + static_cast<std::ptrdiff_t>(address),
            image.begin() + static_cast<std::ptrdiff_t>(address + count)};
}

inline std::vector<std::uint8_t> ToVector(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

/// Every image byte outside [address, address + count) is 0xFF.
inline bool OnlyRegionWritten(const Image& image, std::size_t address, std::size_t count) {
    for (std::size_t i = 0; i < image.size(); ++i) {
        if ((i < address || i >= address + count) && image[i] != 0xFF) {
            return false;
        }
    }
    return true;
}

} // namespace tav::test
