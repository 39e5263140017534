#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorprog {

// A serial port the system lists.
struct AvailablePort {
    std::string name;            // ttyUSB0, ttyS0, COM3
    std::string systemLocation;  // the device to open, /dev/ttyUSB0
    bool usb = false;            // an adapter with a USB vendor identifier
};

// How a port name found its device.
enum class PortSource {
    Settings,    // the key COMn of section [PORTS]
    SystemList,  // the n-th port the system lists
    Name,        // the name itself (Windows, or a name that is not COMn)
    None,        // no device: the system lists fewer ports
};

struct ResolvedPort {
    std::string device;  // empty with PortSource::None
    PortSource source = PortSource::None;
};

// The number n of a name "COMn" (any case), or nothing for any other name.
std::optional<int> comPortNumber(std::string_view name);

// The device behind a port name, and how it was found. A device named for it in the settings
// (`mappedDevice`, the key COMn of section [PORTS]) comes first; otherwise on Windows the name is
// the device itself; elsewhere COMn is the n-th of the available ports, USB adapters first, each
// group in natural name order (ttyS2 before ttyS10). A name that is not COMn is taken as a device
// path. Empty when there is no such port.
ResolvedPort resolvePort(std::string_view name, std::string_view mappedDevice,
                         std::vector<AvailablePort> available, bool windows);

// The available ports in the order COMn counts them: USB adapters first, each group in natural
// name order.
void sortAvailablePorts(std::vector<AvailablePort>& available);

}  // namespace quorprog
