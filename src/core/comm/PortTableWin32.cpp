#include "core/comm/PortTable.h"

#include "core/comm/CommSerialPort.h"

namespace tav {

std::string PortTable::DefaultDevicePath(int port) {
    return CommSerialPort::ComDevice(port);
}

} // namespace tav
