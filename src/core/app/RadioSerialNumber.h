#pragma once

#include "core/comm/TransferSession.h"

#include <cstdint>
#include <span>
#include <string>

namespace tav {

/// Which radio is on the line: finds the radio `request` names, identifies it, enters the read
/// mode (the password asked as a read asks it) and reads the 16 bytes of its serial number from
/// the radio information (0x48-0x57); then ends the session and closes the port. Nothing else is
/// read and nothing is written, so it serves to tell one radio of a fleet from the next.
///
/// The serial number's text ends at the first NUL or erased (0xFF) byte; other bytes that are not
/// printable ASCII show as '?'. The report says how it ended, as a read's does (Completed with `serial` set,
/// NoRadio, IdentifyFailed, PasswordCancelled ...); the identity is not checked against any rules. The serial
/// number as text: up to the first NUL or erased (0xFF) byte, anything else that is not printable ASCII shown
/// as '?'.
std::string SerialNumberText(std::span<const std::uint8_t> bytes);
/// The serial number a whole radio image holds (radio information, 0x48-0x57).
std::string ImageSerialNumber(std::span<const std::uint8_t> image);

TransferReport ReadSerialNumber(RadioLink& link, const TransferRequest& request,
                                const TransferQuestions& questions, std::string& serial);

} // namespace tav
