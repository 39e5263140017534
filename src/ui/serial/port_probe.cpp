#include "ui/serial/port_probe.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "programmer/programmer_link.h"
#include "ui/serial/settings_port_map.h"

namespace quorprog {

PortAccess probePort(const std::string& device) {
    if (device.empty()) return PortAccess::Missing;
    const int descriptor = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return portAccessFromError(static_cast<std::errc>(errno));
    ::close(descriptor);
    return PortAccess::Opens;
}

std::vector<ComPortCheck> checkComPorts(const std::filesystem::path& settingsFile) {
    std::vector<ComPortCheck> checks;
    for (int n = 1; n <= ProgrammerLink::kPortCount; ++n) {
        const std::string name = "COM" + std::to_string(n);
        const ResolvedPort port = resolveComPort(name, settingsFile);
        checks.push_back({name, port, probePort(port.device)});
    }
    return checks;
}

}  // namespace quorprog
