#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quorprog::emulator {

// The master side of a pseudo-terminal, raw and non-blocking. The program under test opens the
// slave device as its serial port; while nobody has it open the master reports a hang-up.
class PseudoTerminal {
  public:
    static std::optional<PseudoTerminal> create(std::string& error);
    PseudoTerminal(PseudoTerminal&& other) noexcept;
    PseudoTerminal& operator=(PseudoTerminal&&) = delete;
    ~PseudoTerminal();

    const std::string& devicePath() const { return devicePath_; }
    int fd() const { return fd_; }

  private:
    PseudoTerminal(int fd, std::string devicePath) : fd_(fd), devicePath_(std::move(devicePath)) {}

    int fd_ = -1;
    std::string devicePath_;
};

}  // namespace quorprog::emulator
