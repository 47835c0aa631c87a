#include "core/comm/SerialPort.h"

#include "core/comm/LinkMessages.h"

namespace tav {

PortError PortErrorOf(const Result& opened) {
    switch (opened.messageId()) {
    case 0:
        return PortError::None;
    case kMsgPortMissing:
        return PortError::NotPresent;
    case kMsgPortBusy:
        return PortError::Busy;
    case kMsgPortDenied:
        return PortError::PermissionDenied;
    case kMsgPortNotSerial:
        return PortError::NotSerial;
    default:
        return PortError::Other;
    }
}

} // namespace tav
