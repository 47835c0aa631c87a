#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

/// The commands of the radio link.
enum class LinkCommand {
    Unknown,
    Handshake,      ///< 'P' 'a'
    SetMode,        ///< 'M' 'a'
    ReadInfo,       ///< 'B' 'b'
    ReadMemory,     ///< 'E' 'b'
    WriteMemory,    ///< 'E' 'a'
    ReadTuneValue,  ///< 'V' 'b'
    WriteTuneValue, ///< 'V' 'a'
    CommitTuning,   ///< 'V' 'j'
    DiscardTuning,  ///< 'V' 'k'
    TestSwitch,     ///< 'O', selector
    SendPassword,   ///< 'W' 'b'
    Acknowledge,    ///< 'A', status (replies)
};

/// Connection modes the program asks the radio for.
enum class LinkMode : std::uint16_t { End = 1, Read = 2, Write = 3, Tune = 6 };

/// What a password is sent for.
enum class PasswordKind : std::uint8_t { Write = 1, Read = 2 };

/// Byte layout of every frame on the radio link: STX, two command bytes, the command's fields,
/// an optional checksum and ETX. Header numbers are little-endian; the checksum is the two's
/// complement of the 8-bit sum of the bytes from the first command byte up to the checksum.
namespace frame {

inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kEtx = 0x03;
inline constexpr std::size_t kCommandOffset = 1; ///< group letter; the sub-command follows

// Command bytes.
inline constexpr std::uint8_t kGroupAck = 'A';
inline constexpr std::uint8_t kGroupInfo = 'B';
inline constexpr std::uint8_t kGroupMemory = 'E';
inline constexpr std::uint8_t kGroupMode = 'M';
inline constexpr std::uint8_t kGroupSwitch = 'O';
inline constexpr std::uint8_t kGroupHandshake = 'P';
inline constexpr std::uint8_t kGroupTune = 'V';
inline constexpr std::uint8_t kGroupPassword = 'W';
inline constexpr std::uint8_t kSubWrite = 'a';
inline constexpr std::uint8_t kSubRead = 'b';
inline constexpr std::uint8_t kSubReply = 'c'; ///< second letter of data replies
inline constexpr std::uint8_t kSubCommit = 'j';
inline constexpr std::uint8_t kSubDiscard = 'k';

// Acknowledgement: STX 'A' status cmd1 cmd2 ETX.
inline constexpr std::size_t kAckLength = 6;
inline constexpr std::size_t kAckStatusOffset = 2;
inline constexpr std::size_t kAckEchoOffset = 3;
inline constexpr std::uint8_t kStatusAccepted = 'a';
inline constexpr std::uint8_t kStatusPasswordRequired = 'c';
inline constexpr std::uint8_t kStatusRefused = 'n'; ///< what the simulated radio sends to refuse

// Requests of fixed length.
inline constexpr std::size_t kHandshakeLength = 4;
inline constexpr std::size_t kSetModeLength = 6; ///< STX 'M' 'a' mode(16) ETX
inline constexpr std::size_t kModeOffset = 3;
inline constexpr std::size_t kReadInfoLength = 6; ///< STX 'B' 'b' item 00 ETX
inline constexpr std::size_t kInfoItemOffset = 3;
inline constexpr std::size_t kReadMemoryLength = 10; ///< STX 'E' 'b' address(32) length(16) ETX
inline constexpr std::size_t kAddressOffset = 3;
inline constexpr std::size_t kReadLengthOffset = 7;
inline constexpr std::size_t kReadTuneLength = 6; ///< STX 'V' 'b' index(16) ETX
inline constexpr std::size_t kTuneIndexOffset = 3;
inline constexpr std::size_t kCommitLength = 6;     ///< STX 'V' 'j' 00 00 ETX
inline constexpr std::size_t kDiscardLength = 4;    ///< STX 'V' 'k' ETX
inline constexpr std::size_t kTestSwitchLength = 6; ///< STX 'O' selector state 00 ETX
inline constexpr std::size_t kSwitchSelectorOffset = 2;
inline constexpr std::size_t kSwitchStateOffset = 3;

// WriteMemory request: STX 'E' 'a' count(16) address(32) data checksum ETX, count = len + 5.
inline constexpr std::size_t kWriteCountOffset = 3;
inline constexpr std::size_t kWriteAddressOffset = 5;
inline constexpr std::size_t kWriteDataOffset = 9;
inline constexpr std::size_t kWriteOverhead = 11;
inline constexpr std::size_t kWriteCountExtra = 5;

// WriteTuneValue request: STX 'V' 'a' index(16) data ETX, no checksum.
inline constexpr std::size_t kWriteTuneDataOffset = 5;
inline constexpr std::size_t kWriteTuneOverhead = 6;

// SendPassword request: STX 'W' 'b' 0B 00 kind 00 digits[8] checksum ETX.
inline constexpr std::size_t kPasswordLength = 17;
inline constexpr std::size_t kPasswordCountOffset = 3;
inline constexpr std::uint16_t kPasswordCount = 11;
inline constexpr std::size_t kPasswordKindOffset = 5;
inline constexpr std::size_t kPasswordDigitsOffset = 7;
inline constexpr std::size_t kPasswordMaxDigits = 8;
inline constexpr std::size_t kPasswordChecksumOffset = 15;

// ReadInfo reply: STX header[6] data checksum ETX.
inline constexpr std::size_t kInfoReplyOverhead = 9;
inline constexpr std::size_t kInfoDataOffset = 7;

// ReadMemory reply: STX header[8] data checksum ETX.
inline constexpr std::size_t kMemoryReplyOverhead = 11;
inline constexpr std::size_t kMemoryDataOffset = 9;

// ReadTuneValue reply: STX 'V' 'c' index(16) data ETX.
inline constexpr std::size_t kTuneReplyOverhead = 6;
inline constexpr std::size_t kTuneReplyDataOffset = 5;

/// Information items and their data lengths.
inline constexpr std::uint8_t kInfoModelName = 3;
inline constexpr std::size_t kInfoModelNameLength = 12;
inline constexpr std::uint8_t kInfoBand = 5;
inline constexpr std::size_t kInfoBandLength = 9;
inline constexpr std::uint8_t kInfoSignalling = 7;
inline constexpr std::size_t kInfoSignallingLength = 1;
inline constexpr std::uint8_t kInfoVersion = 8;
inline constexpr std::size_t kInfoVersionLength = 32;
inline constexpr std::size_t kVersionFirmwareLength = 16; ///< bytes 0-15 firmware, 16-31 model identifier

/// Data length of an information item; 0 for an item the radio does not know.
std::size_t InfoLength(std::uint8_t item);

/// The checksum of the covered bytes.
std::uint8_t Checksum(std::span<const std::uint8_t> covered);

void PutLe16(std::span<std::uint8_t> at, std::uint16_t value);
void PutLe32(std::span<std::uint8_t> at, std::uint32_t value);
std::uint16_t GetLe16(std::span<const std::uint8_t> at);
std::uint32_t GetLe32(std::span<const std::uint8_t> at);

// Requests.
std::vector<std::uint8_t> Handshake();
std::vector<std::uint8_t> SetMode(std::uint16_t mode);
std::vector<std::uint8_t> ReadInfo(std::uint8_t item);
std::vector<std::uint8_t> ReadMemory(std::uint32_t address, std::uint16_t length);
std::vector<std::uint8_t> WriteMemory(std::uint32_t address, std::span<const std::uint8_t> data);
std::vector<std::uint8_t> ReadTuneValue(std::uint16_t index);
std::vector<std::uint8_t> WriteTuneValue(std::uint16_t index, std::span<const std::uint8_t> data);
std::vector<std::uint8_t> CommitTuning();
std::vector<std::uint8_t> DiscardTuning();
std::vector<std::uint8_t> TestSwitch(std::uint8_t selector, std::uint8_t state);
/// The password is cut to 8 characters and padded with zero bytes.
std::vector<std::uint8_t> SendPassword(std::string_view digits, PasswordKind kind);

// Replies.
std::array<std::uint8_t, kAckLength> Ack(std::uint8_t status, std::uint8_t echo1, std::uint8_t echo2);
std::vector<std::uint8_t> InfoReply(std::uint8_t item, std::span<const std::uint8_t> data);
std::vector<std::uint8_t> MemoryReply(std::uint32_t address, std::span<const std::uint8_t> data);
std::vector<std::uint8_t> TuneValueReply(std::uint16_t index, std::span<const std::uint8_t> data);

/// The command a request frame carries (from its command bytes only).
LinkCommand Classify(std::span<const std::uint8_t> bytes);
/// A short reading of a frame for traces ("ReadMemory 0200+32"); empty when nothing is known.
std::string Describe(std::span<const std::uint8_t> bytes);

} // namespace frame
} // namespace tav
