#pragma once

#include <cstddef>

namespace tav::ImageMap {

// Where each feature's bytes lie in the data image, in address order. Record lists give the
// address of their first record, the record size and how many records the radio holds.

inline constexpr std::size_t kRadioInfo = 0x0010;       ///< 72 bytes
inline constexpr std::size_t kRadioInfoSize = 72;
inline constexpr std::size_t kProgrammingDate = 0x0020; ///< 8 bytes inside the radio information
inline constexpr std::size_t kProgrammingDateSize = 8;
inline constexpr std::size_t kKeys = 0x0078; ///< 25 bytes
inline constexpr std::size_t kKeysSize = 25;
inline constexpr std::size_t kMiscFirst = 0x0091; ///< miscellaneous bytes 0-35
inline constexpr std::size_t kMiscFirstSize = 36;
inline constexpr std::size_t kModelData = 0x00B5; ///< 36 bytes
inline constexpr std::size_t kModelDataSize = 36;
inline constexpr std::size_t kMiscSecond = 0x00D9; ///< miscellaneous bytes 36-72
inline constexpr std::size_t kMiscSecondSize = 37;
inline constexpr std::size_t kMiscSize = kMiscFirstSize + kMiscSecondSize; ///< 73
inline constexpr std::size_t kModelDataShared = 0x00DE; ///< miscellaneous bytes 41-72, shared with the model data
inline constexpr std::size_t kModelDataSharedSize = 32;
inline constexpr std::size_t kMiscSharedOffset = 41;
inline constexpr std::size_t kPttId = 0x00FE; ///< 6 bytes
inline constexpr std::size_t kPttIdSize = 6;
inline constexpr std::size_t kDos = 0x0104; ///< 2 bytes; the first one is cleared for old firmware
inline constexpr std::size_t kDosSize = 2;
inline constexpr std::size_t kAtis = 0x0106; ///< 7 bytes
inline constexpr std::size_t kAtisSize = 7;
inline constexpr std::size_t kAlertTones = 0x010D;
inline constexpr std::size_t kAlertToneSize = 18;
inline constexpr std::size_t kAlertToneCapacity = 8;
inline constexpr std::size_t kPasswords = 0x026D; ///< 24 bytes
inline constexpr std::size_t kPasswordsSize = 24;
inline constexpr std::size_t kChannels = 0x0285;
inline constexpr std::size_t kChannelSize = 24;
inline constexpr std::size_t kChannelCapacity = 16;
inline constexpr std::size_t kPersonalities = 0x0BCD;
inline constexpr std::size_t kPersonalitySize = 76;
inline constexpr std::size_t kPersonalityCapacity = 8;
inline constexpr std::size_t kTwoToneSystems = 0x0E2D;
inline constexpr std::size_t kTwoToneSystemSize = 24;
inline constexpr std::size_t kTwoToneSystemCapacity = 4;
inline constexpr std::size_t kTwoToneCalls = 0x0E8D; ///< chained records up to 0x0F4C
inline constexpr std::size_t kTwoToneCallsEnd = 0x0F4C; ///< last byte of the call area
inline constexpr std::size_t kTwoToneCallSize = 12;
inline constexpr std::size_t kTwoToneCallCapacity = 16;
inline constexpr std::size_t kScanLists = 0x119B;
inline constexpr std::size_t kScanListSize = 56;
inline constexpr std::size_t kScanListCapacity = 1;
inline constexpr std::size_t kTestFreqs = 0x135B; ///< 205 bytes
inline constexpr std::size_t kTestFreqsSize = 205;
inline constexpr std::size_t kEmbedded = 0x1428; ///< 144 bytes; radio addresses 0x1438-0x14C7
inline constexpr std::size_t kEmbeddedSize = 144;
inline constexpr std::size_t kEmbeddedRadioOffset = 16; ///< radio address = image offset + 16
inline constexpr std::size_t kTuneData = 0x1623; ///< 532 bytes
inline constexpr std::size_t kTuneDataSize = 532;

} // namespace tav::ImageMap
