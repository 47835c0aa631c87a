#include "core/comm/CommSerialPort.h"
#include "core/comm/PortTable.h"

namespace tav {

std::string PortTable::DefaultDevicePath(int port) {
    return CommSerialPort::ComDevice(port);
}

} // namespace tav
