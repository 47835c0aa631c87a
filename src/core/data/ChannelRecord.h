#pragma once

#include <cstddef>
#include <cstdint>

namespace tav {

/// Layout of one 24-byte channel record. Channel k lies at ImageMap::kChannels + 24 × k. The record
/// is kept in memory exactly as it lies in the image (multi-byte fields most significant byte first),
/// so loading and storing copy bytes and every field is read through the offsets below.
struct ChannelRecord {
    static constexpr std::size_t kSize = 24;

    static constexpr std::size_t kReserved = 0;      ///< 4 bytes, kept as found
    static constexpr std::size_t kRxFreq = 4;        ///< BcdFreq, 0xFFFFFFFF = none
    static constexpr std::size_t kTxFreq = 8;        ///< BcdFreq, 0xFFFFFFFF = none
    static constexpr std::size_t kRxTone = 12;       ///< ToneWord
    static constexpr std::size_t kTxTone = 14;       ///< ToneWord
    static constexpr std::size_t kSteps = 16;        ///< low nibble receive StepCode, high nibble transmit
    static constexpr std::size_t kSpacingPower = 17; ///< low nibble spacing code, high nibble power code
    static constexpr std::size_t kPersonality = 18;  ///< 0-based personality position
    static constexpr std::size_t kScanList = 19;     ///< 0 none, k = k-th scan list; 0xFF ends the table
    static constexpr std::size_t kFlags = 20;        ///< auto start scan, ATIS, reserved flags
    static constexpr std::size_t kFlags2 = 21;       ///< reserved flags
    static constexpr std::size_t kReserved22 = 22;
    static constexpr std::size_t kReserved23 = 23;

    /// Byte kFlags.
    static constexpr std::uint8_t kAutoStartScanBit = 0x40;
    static constexpr std::uint8_t kAtisBit = 0x80;

    /// A scan list byte of this value in the slot after the last channel ends the channel table.
    static constexpr std::uint8_t kEndOfTable = 0xFF;
    /// Scan list byte: no scan list.
    static constexpr std::uint8_t kNoScanList = 0;

    /// Values a new channel gets (the frequencies and tones depend on its position).
    static constexpr std::uint8_t kNewSteps = 0x66;        ///< 12.5 kHz raster both ways
    static constexpr std::uint8_t kNewSpacingPower = 0x22; ///< spacing 2, power 2
    static constexpr std::uint8_t kNewPersonality = 0;
    static constexpr std::uint8_t kNewScanList = 1;
    static constexpr std::uint8_t kNewFlags = 0x00;
    static constexpr std::uint8_t kNewFlagsLastChannel = 0x40; ///< the sixteenth channel starts scanning
    static constexpr std::size_t kAutoStartScanPosition = 15;
    static constexpr std::uint8_t kNewFlags2 = 0xFC;
    static constexpr std::uint8_t kNewReserved = 0x00;
};

} // namespace tav
