#include "link/SelectedPort.h"

namespace vk220::link {

void SelectedPort::SetPortNumber(int number) {
    if (IsOpen())
        return;
    network = false;
    serial.SetPortNumber(number);
}

void SelectedPort::SetPortName(const QString &name) {
    if (IsOpen())
        return;
    network = NetworkAddress::Parse(name).has_value();
    if (network)
        net.SetPortName(name);
    else
        serial.SetPortName(name);
}

} // namespace vk220::link
