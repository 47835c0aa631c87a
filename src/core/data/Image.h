#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tav {

/// Size of the radio's configuration memory and of the data image that mirrors it.
inline constexpr std::size_t kImageSize = 8192;

/// The radio data image: image offset n is radio address n for everything the full read and write
/// move (the embedded data block alone lies 16 bytes lower in the image than in the radio).
using Image = std::array<std::uint8_t, kImageSize>;

/// A new, empty image: every byte 0xFF, as erased radio memory reads.
inline Image BlankImage() {
    Image image;
    image.fill(0xFF);
    return image;
}

/// Copies `target.size()` bytes of the image from `address` into `target`; bytes past the end of
/// the image are left as they are.
void CopyFromImage(const Image& image, std::size_t address, std::span<std::uint8_t> target);
/// Copies `source` into the image at `address`; bytes that would fall past the end are dropped.
void CopyToImage(Image& image, std::size_t address, std::span<const std::uint8_t> source);

/// Big-endian and little-endian 16/32-bit fields inside byte blocks.
std::uint16_t ReadBe16(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint32_t ReadBe32(std::span<const std::uint8_t> bytes, std::size_t offset);
std::uint16_t ReadLe16(std::span<const std::uint8_t> bytes, std::size_t offset);
void WriteBe16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value);
void WriteBe32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value);
void WriteLe16(std::span<std::uint8_t> bytes, std::size_t offset, std::uint16_t value);

} // namespace tav
