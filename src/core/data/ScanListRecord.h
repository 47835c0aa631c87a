#pragma once

#include <cstddef>
#include <cstdint>

namespace tav {

/// Layout of the 56-byte scan list record at ImageMap::kScanLists. The record is kept in memory
/// exactly as it lies in the image (16-bit fields most significant byte first); every field is read
/// through the offsets and masks below.
struct ScanListRecord {
    static constexpr std::size_t kSize = 56;
    static constexpr std::size_t kMemberCount = 16;

    static constexpr std::size_t kReserved = 0;    ///< 4 bytes, kept as found
    static constexpr std::size_t kEntries = 4;     ///< number of members in use
    static constexpr std::size_t kModes = 5;       ///< tone and signal scan modes
    static constexpr std::size_t kSignalHang = 6;  ///< signal hang time
    static constexpr std::size_t kPriority = 7;    ///< priority channel 1 mode and delete/add
    static constexpr std::size_t kSweepTime = 8;   ///< priority sweep time
    static constexpr std::size_t kPriority1 = 9;   ///< 16-bit channel number, 255 = none
    static constexpr std::size_t kPriority2 = 11;  ///< 16-bit channel number (not edited)
    static constexpr std::size_t kTransmit = 13;   ///< scan transmit mode and talkback
    static constexpr std::size_t kDesignated = 14; ///< 16-bit channel number, 255 = none
    static constexpr std::size_t kHangTime = 16;   ///< hang time
    static constexpr std::size_t kAlerts = 17;     ///< alert and behaviour switches
    static constexpr std::size_t kNuisance = 18;   ///< nuisance reset and reserved flags
    static constexpr std::size_t kReserved19 = 19;
    static constexpr std::size_t kReserved20 = 20;
    static constexpr std::size_t kReserved21 = 21;
    static constexpr std::size_t kReserved22 = 22;
    static constexpr std::size_t kReserved23 = 23;
    static constexpr std::size_t kMembers = 24; ///< 16 × 16-bit channel numbers, 255 = none

    /// Byte kModes.
    static constexpr std::uint8_t kToneScanMask = 0x06;
    static constexpr int kToneScanShift = 1;
    static constexpr std::uint8_t kSignalScanMask = 0x18;
    static constexpr int kSignalScanShift = 3;
    /// Byte kPriority.
    static constexpr std::uint8_t kPriorityModeMask = 0x03;
    static constexpr std::uint8_t kPriorityDeleteAddBit = 0x04;
    /// Byte kTransmit.
    static constexpr std::uint8_t kTransmitModeMask = 0x07;
    static constexpr std::uint8_t kTalkbackBit = 0x08;
    /// Byte kAlerts.
    static constexpr std::uint8_t kScanStartAlertBit = 0x01;
    static constexpr std::uint8_t kScanEndAlertBit = 0x02;
    static constexpr std::uint8_t kPriorityAlertBit = 0x04;
    static constexpr std::uint8_t kIncludeCurrentBit = 0x10;
    static constexpr std::uint8_t kPriorityInAutoResetBit = 0x20;
    static constexpr std::uint8_t kNuisanceDeleteBit = 0x80;
    /// Byte kNuisance.
    static constexpr std::uint8_t kNuisanceResetBit = 0x01;

    /// Channel number meaning "no channel".
    static constexpr std::uint16_t kNoChannel = 255;
    /// Scan transmit mode that transmits on the designated channel.
    static constexpr int kTransmitDesignated = 1;
    /// Priority channel 1 modes with a rule of their own.
    static constexpr int kPriorityOff = 0;
    static constexpr int kPriorityFixed = 1;

    /// Values of a new scan list.
    static constexpr std::uint8_t kNewEntries = 16;
    static constexpr std::uint8_t kNewModes = 0xE6; ///< tone scan mode 3, signal scan mode 0
    static constexpr std::uint8_t kNewSignalHang = 25;
    static constexpr std::uint8_t kNewPriority = 0xC0;
    static constexpr std::uint8_t kNewSweepTime = 8;
    static constexpr std::uint16_t kNewPriority1 = 1;
    static constexpr std::uint16_t kNewPriority2 = 2;
    static constexpr std::uint8_t kNewTransmit = 0xF8;
    static constexpr std::uint16_t kNewDesignated = 1;
    static constexpr std::uint8_t kNewHangTime = 3;
    static constexpr std::uint8_t kNewAlerts = 0x0F;
    static constexpr std::uint8_t kNewNuisance = 0xFE;
    static constexpr std::uint8_t kNewReserved19 = 0xFE;
    static constexpr std::uint8_t kNewReserved20 = 0xFF;
    static constexpr std::uint8_t kNewReserved21 = 4;
    static constexpr std::uint8_t kNewReserved22 = 50;
    static constexpr std::uint8_t kNewReserved23 = 20;
};

} // namespace tav
