#pragma once

namespace tav {

// Numbers of the language texts (group S01) that the radio link reports. The transfer event
// numbers 1134-1139 are also the worker's report codes.
inline constexpr int kMsgReadProgress = 1134;
inline constexpr int kMsgWriteProgress = 1135;
inline constexpr int kMsgReadDone = 1136;
inline constexpr int kMsgWriteDone = 1137;
inline constexpr int kMsgReadFailed = 1138;  ///< formatted with the block address
inline constexpr int kMsgWriteFailed = 1139; ///< formatted with the block address
inline constexpr int kMsgFirmwareTooNew = 1140;
inline constexpr int kMsgRangeOutsideRadio = 1142; ///< formatted with the radio's range text
inline constexpr int kMsgBandNotValid = 9463;      ///< formatted with the band bytes in hex
inline constexpr int kMsgNoRadio = 1143;
inline constexpr int kMsgIdentifyFailed = 1146;
inline constexpr int kMsgTuneDataWritten = 1153;
inline constexpr int kMsgTuneWriteRefused = 1155;
inline constexpr int kMsgTuneReadRefused = 1156;
inline constexpr int kMsgModelRefused = 1172;
inline constexpr int kMsgPasswordRefused = 1176;
inline constexpr int kMsgNoteEvenMinor = 1180;
inline constexpr int kMsgNoteOddMinorLate = 1181;
inline constexpr int kMsgNoteOddMinorEarly = 1182;
/// Every port that was there is held by another program (also: this port is).
inline constexpr int kMsgPortBusy = 9150;
/// The user stopped the transfer (Ctrl+C, a termination request).
inline constexpr int kMsgInterrupted = 9151;
// Why a port could not be opened; the result's detail names the device and the reason.
inline constexpr int kMsgPortMissing = 9152;
inline constexpr int kMsgPortDenied = 9153;
inline constexpr int kMsgPortNotSerial = 9154;
inline constexpr int kMsgPortFailed = 9155;
/// Reading the radio before a write failed (formatted with the block address): nothing was written.
inline constexpr int kMsgBackupFailed = 9701;
/// The radio that answered again after its backup is not the one that was read.
inline constexpr int kMsgRadioChanged = 9712;
// How far a write got that stopped part way (see PartialWriteText).
inline constexpr int kMsgMayBePartial = 9702;
inline constexpr int kMsgNewDataAt = 9703;   ///< formatted with the ranges
inline constexpr int kMsgUnsureBlock = 9704; ///< formatted with the block's range
inline constexpr int kMsgRestHoldsOld = 9705;
inline constexpr int kMsgNothingWritten = 9713;

} // namespace tav
