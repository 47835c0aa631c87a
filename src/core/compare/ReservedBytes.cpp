#include "core/compare/EditorFields.h"
#include "core/data/ScanListRecord.h"

namespace tav {

// Bytes and bits without an editor field: chain links the program writes, the system count of the
// two-tone systems, and bytes the radio keeps for itself. A difference in them is listed by address.

const ReservedBytes& PersonalityReserved() {
    namespace L = PersonalityLayout;
    static const ReservedBytes reserved = {
        {L::kPreviousLink, 4},
        {L::kRxSignaling, 1, 0x40},
        {L::kTxSignaling, 1, 0xC0},
        {6, 2},
        {9, 3},
        {L::kBusyLockout, 1, static_cast<std::uint8_t>(~L::kBusyLockoutBit)},
        {18, 1},
        {L::kPttIdFlags, 1, static_cast<std::uint8_t>(~(L::kSideToneOffBit | L::kShortBeepOffBit))},
        {L::kPreambleBitSync + 1, ImageMap::kPersonalitySize - L::kPreambleBitSync - 1},
    };
    return reserved;
}

const ReservedBytes& ScanListReserved() {
    using R = ScanListRecord;
    static const ReservedBytes reserved = {
        {R::kReserved, 4},
        {R::kModes, 1, static_cast<std::uint8_t>(~(R::kToneScanMask | R::kSignalScanMask))},
        {R::kPriority, 1, static_cast<std::uint8_t>(~(R::kPriorityModeMask | R::kPriorityDeleteAddBit))},
        {R::kPriority2, 2},
        {R::kTransmit, 1, static_cast<std::uint8_t>(~(R::kTransmitModeMask | R::kTalkbackBit))},
        {R::kAlerts, 1,
         static_cast<std::uint8_t>(~(R::kScanStartAlertBit | R::kScanEndAlertBit | R::kPriorityAlertBit |
                                     R::kIncludeCurrentBit | R::kPriorityInAutoResetBit |
                                     R::kNuisanceDeleteBit))},
        {R::kNuisance, 1, static_cast<std::uint8_t>(~R::kNuisanceResetBit)},
        {R::kReserved19, R::kMembers - R::kReserved19},
    };
    return reserved;
}

const ReservedBytes& KeysReserved() {
    static const ReservedBytes reserved = {
        {KeysData::kKeyCount, KeysData::kDefaultNumericKeyOffset - KeysData::kKeyCount}};
    return reserved;
}

const ReservedBytes& MiscReserved() {
    using D = MiscData;
    static const ReservedBytes reserved = {
        {0, D::kVoxOffset},
        {D::kVoxOffset, 1, static_cast<std::uint8_t>(~(D::kVoxGainMask | (1U << D::kVoxInhibitBit)))},
        {D::kVoxDelayOffset + 1, 1},
        {D::kSquelchLevelOffset + 1, D::kBatteryOffset - D::kSquelchLevelOffset - 1},
        {D::kBatteryOffset, 1,
         static_cast<std::uint8_t>(~((1U << D::kBatterySaveBit) | (1U << D::kTailRevertBit)))},
        {D::kLowPowerAlertGapOffset + 1, D::kBatterySaveModeOffset - D::kLowPowerAlertGapOffset - 1},
        {D::kBatterySaveModeOffset, 1, static_cast<std::uint8_t>(~D::kBatterySaveModeMask)},
        {D::kSharedOffset, D::kSharedSize},
    };
    return reserved;
}

const ReservedBytes& AtisReserved() {
    static const ReservedBytes reserved;
    return reserved;
}

const ReservedBytes& DosReserved() {
    static const ReservedBytes reserved = {
        {DosData::kFlagsOffset, 1, static_cast<std::uint8_t>(~(1U << DosData::kEnableBit))}};
    return reserved;
}

const ReservedBytes& PttIdReserved() {
    static const ReservedBytes reserved = {
        {PttIdData::kFlagsOffset, 1,
         static_cast<std::uint8_t>(
             ~((1U << PttIdData::kSideToneOffBit) | (1U << PttIdData::kShortBeepOffBit)))}};
    return reserved;
}

const ReservedBytes& PasswordsReserved() {
    static const ReservedBytes reserved;
    return reserved;
}

const ReservedBytes& RadioInfoReserved() {
    // The model name, range code, signalling type, band edges and model identifier the radio holds
    // are shown from the data file's header; the image's copies are listed by address.
    using D = RadioInfoData;
    constexpr std::size_t kShownDate = 6;
    static const ReservedBytes reserved = {
        {0, D::kProgrammingDateOffset},
        {D::kProgrammingDateOffset + kShownDate, D::kProgrammingDateSize - kShownDate},
        {D::kLowerEdgeOffset, D::kSerialNumberOffset - D::kLowerEdgeOffset},
    };
    return reserved;
}

const ReservedBytes& AlertToneReserved() {
    static const ReservedBytes reserved;
    return reserved;
}

const ReservedBytes& TwoToneSystemReserved() {
    namespace L = TwoToneSystemLayout;
    static const ReservedBytes reserved = [] {
        ReservedBytes bytes = {
            {L::kFlags, 1, static_cast<std::uint8_t>(~(L::kSidetoneBit | L::kShortBeepBit))},
            {L::kOptions, 1, 0x04},
        };
        for (std::size_t k = 0; k < L::kDecodeCount; ++k) {
            bytes.push_back({L::DecodeAlertOffset(k), 1, 0xC0});
        }
        return bytes;
    }();
    return reserved;
}

const ReservedBytes& TwoToneCallReserved() {
    namespace L = TwoToneCallLayout;
    static const ReservedBytes reserved = {
        {L::kPreviousLink, 4},
        {L::kSettings, 1, static_cast<std::uint8_t>(~(L::kSystemMask | L::kCallFormatBit | L::kStripBit))},
        {L::kSecondTone + 2, ImageMap::kTwoToneCallSize - L::kSecondTone - 2},
    };
    return reserved;
}

} // namespace tav
