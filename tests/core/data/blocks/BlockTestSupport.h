#pragma once

#include "core/data/BlockFields.h"
#include "core/data/Image.h"

#include <algorithm>
#include <bit>
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

/// Puts raw bits under the field's mask (one byte given) or its whole bytes.
inline void PutFieldBytes(std::span<std::uint8_t> bytes, const BlockFieldInfo& field,
                          const std::vector<std::uint8_t>& value) {
    if (value.size() == 1) {
        std::uint8_t& byte = bytes[field.bytes.offset];
        const int shift = std::countr_zero(static_cast<unsigned>(field.bytes.mask));
        byte =
            static_cast<std::uint8_t>((byte & ~field.bytes.mask) | ((value[0] << shift) & field.bytes.mask));
        return;
    }
    std::copy(value.begin(), value.end(), bytes.begin() + static_cast<std::ptrdiff_t>(field.bytes.offset));
}

/// Whether two copies of a block differ only in the field's bits.
inline bool OnlyFieldDiffers(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after,
                             const BlockFieldInfo& field) {
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool inField = i >= field.bytes.offset && i < field.bytes.offset + field.bytes.size;
        const std::uint8_t mask = inField ? static_cast<std::uint8_t>(~field.bytes.mask) : 0xFF;
        if ((before[i] & mask) != (after[i] & mask)) {
            return false;
        }
    }
    return true;
}

} // namespace tav::test
