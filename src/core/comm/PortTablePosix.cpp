#include "core/comm/PortTable.h"

namespace tav {

std::string PortTable::DefaultDevicePath(int port) {
    const int index = port - kFirstPort;
    if (index < 4) {
        return "/dev/ttyUSB" + std::to_string(index);
    }
    if (index < 8) {
        return "/dev/ttyACM" + std::to_string(index - 4);
    }
    return "/dev/ttyS" + std::to_string(index - 8);
}

} // namespace tav
