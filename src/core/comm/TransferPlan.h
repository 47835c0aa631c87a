#pragma once

#include "core/comm/Clock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tav {

inline constexpr std::size_t kRadioImageSize = 8192;
/// The radio data image as the link moves it: image offset n is radio address n.
using RadioImage = std::array<std::uint8_t, kRadioImageSize>;

/// One block of a transfer: where it lies in the radio and in the image, and how long it is.
struct TransferBlock {
    std::uint32_t address = 0;     ///< radio address
    std::uint32_t imageOffset = 0; ///< offset in the image (differs only for the embedded data)
    std::uint16_t length = 0;

    bool operator==(const TransferBlock&) const = default;
};

using BlockPlan = std::vector<TransferBlock>;

/// The regions the full transfers move, and the programming date.
namespace plan {

inline constexpr std::uint16_t kBlockSize = 32;
inline constexpr std::uint32_t kDateAddress = 0x0020;
inline constexpr std::uint16_t kDateLength = 8;

inline constexpr std::uint32_t kKeysStart = 0x0078; ///< written as 32 + 29 bytes up to 0x00B4
inline constexpr std::uint32_t kKeysEnd = 0x00B5;
inline constexpr std::uint32_t kMiscStart = 0x00D9; ///< one block of 5 bytes
inline constexpr std::uint16_t kMiscLength = 5;
inline constexpr std::uint32_t kMainStart = 0x00FE;
inline constexpr std::uint32_t kMainEnd = 0x13FB;        ///< exclusive, ordinary user levels
inline constexpr std::uint32_t kMainEndFactory = 0x1428; ///< exclusive, factory user levels

inline constexpr std::uint32_t kTuneStart = 0x1623; ///< tune data, 532 bytes
inline constexpr std::uint32_t kTuneEnd = 0x1837;
inline constexpr std::uint32_t kEmbeddedAddress = 0x1438; ///< embedded data in the radio, 144 bytes
inline constexpr std::uint32_t kEmbeddedImageOffset = 0x1428;
inline constexpr std::uint16_t kEmbeddedLength = 144;

inline constexpr std::uint32_t kSerialNumberAddress = 0x0048; ///< in the radio information, 16 bytes
inline constexpr std::uint16_t kSerialNumberLength = 16;

} // namespace plan

/// The full read: 256 blocks of 32 bytes from address 0.
BlockPlan FullReadPlan();
/// The full write without the date block: 155 blocks, or 157 at a factory user level.
BlockPlan FullWritePlan(bool factoryLevel);
/// The date block, written after every other block.
TransferBlock DateBlock();
/// The radio's serial number, one block.
BlockPlan SerialNumberPlan();

/// Blocks of at most 32 bytes over [start, end), the image offset equal to the address.
BlockPlan SplitRange(std::uint32_t start, std::uint32_t end);

/// The factory model data as read: 16 at 0x10, 8 at 0x28, 16 at 0x48, 32 at 0xB5, 32 at 0xDE.
BlockPlan ModelDataReadPlan();
/// The factory model data as written: 16 at 0x10, 24 at 0x28, 16 at 0x48, 32 at 0xB5, 4 at 0xD5,
/// 32 at 0xDE.
BlockPlan ModelDataWritePlan();
/// The tune data: 16 blocks of 32 bytes and one of 20 from 0x1623.
BlockPlan TuneDataPlan();
/// The embedded data: 32, 32, 32, 32 and 16 bytes from radio address 0x1438 (image 0x1428).
BlockPlan EmbeddedDataPlan();

/// Progress after read block k (0-based): k * 3200 / 8160, 0 after the first and 100 after the last.
int ReadProgress(std::size_t blockIndex);
/// Progress after write block k (1-based) of `count`: 100 * k / (count - 1), at most 100.
int WriteProgress(std::size_t blockNumber, std::size_t count);

} // namespace tav
