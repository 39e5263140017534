#include "pseudo_terminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorprog::emulator {

std::optional<PseudoTerminal> PseudoTerminal::create(std::string& error) {
    const int fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (fd < 0) {
        error = std::string("posix_openpt: ") + std::strerror(errno);
        return std::nullopt;
    }
    const char* name = nullptr;
    termios settings{};
    if (grantpt(fd) != 0 || unlockpt(fd) != 0 || (name = ptsname(fd)) == nullptr ||
        tcgetattr(fd, &settings) != 0) {
        error = std::string("pseudo-terminal set-up: ") + std::strerror(errno);
        close(fd);
        return std::nullopt;
    }
    // On the master these settings are the slave's: no echo and no line editing before the
    // program has configured its port.
    cfmakeraw(&settings);
    tcsetattr(fd, TCSANOW, &settings);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    return PseudoTerminal(fd, name);
}

PseudoTerminal::PseudoTerminal(PseudoTerminal&& other) noexcept
    : fd_(other.fd_), devicePath_(std::move(other.devicePath_)) {
    other.fd_ = -1;
}

PseudoTerminal::~PseudoTerminal() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace quorprog::emulator
