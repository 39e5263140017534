#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "description/memory_image.h"

namespace quorprog::emulator {

// Ways in which the emulated box misbehaves, at every reply or at one (InjectedFault).
enum class Fault {
    Silent,         // answers nothing and leaves the command undone: a command lost on the line
    DroppedReply,   // carries the command out, but its answer is lost on the line
    MemoryError,    // the fault row of a bank read, and single-byte reads, report MEM ERROR
    Misaligned,     // the fault row carries the next row's prefix; byte answers lose their ":"
    DroppedLine,    // the fault row of a bank read is left out
    NoAck,          // writes store the byte but send no "."
    WrongReadBack,  // writes are acknowledged but not stored
    EndlessStream,  // writes are answered by bytes without end (no ".", line end or prompt)
    Garbage,        // replies are replaced by as many random-looking bytes
    Truncated,      // replies are cut to half their length, so no prompt ends them
    FlippedByte,    // the first data byte of the fault row, and of a byte read, has a bit flipped
    InBankAddress,  // single-byte reads and writes take their address within the selected bank
};

// A fault given to one reply only. Replies count from 1, one per command the box takes (hello,
// version, battery, types, delay, bank, read, write), silenced ones included.
struct InjectedFault {
    unsigned atReply = 0;
    Fault kind = Fault::Silent;
};

struct BoxSettings {
    std::string hello = "Quorvel programmer box (emulated) - ready";
    std::string version = "QUORVEL PROGRAMMER EMU 1.0";
    int battery = 7;
    std::string types = "24C01,24C02,24C04,24C08,24C16";
    // Bank reads fail until a delay of at least this much has been sent.
    int minDelay = 0;
    std::set<Fault> faults;
    unsigned faultRow = 0;
    std::optional<InjectedFault> injected;
};

// The programmer box's firmware: takes the host's bytes one at a time and gives the answer to
// each complete command. The one-letter commands "*", "V", "S" and "T" act at once; "D", "B",
// "R" and "W" take their arguments up to a line feed. Single-byte addresses of three or more
// digits are absolute; shorter ones lie in the selected bank (with the in-bank fault, every
// address does: its low byte within the selected bank). The answer to a single-byte read names
// the bank and the address it read. Every address wraps at the memory size, as a small serial
// memory does.
class ProgrammerBox {
  public:
    using WriteListener = std::function<void(const Bytes& memory)>;

    ProgrammerBox(BoxSettings settings, Bytes memory, WriteListener onWrite = {});

    std::string receive(uint8_t byte);
    // The port was closed: a half-received command and a stream are forgotten.
    void hangUp();
    // True while the box streams bytes without end.
    bool streaming() const { return streaming_; }
    // True when the byte just received completed the command whose reply has the injected fault.
    bool injectedJustNow() const { return injectedJustNow_; }
    const Bytes& memory() const { return memory_; }

  private:
    // The command that `byte` completes, if any.
    std::optional<std::string> takeCommand(uint8_t byte);
    std::string answerCommand(std::string_view command);
    std::string readBank() const;
    std::string readBytes(std::string_view arguments) const;
    std::string writeByte(std::string_view arguments);
    std::string rowLine(unsigned row) const;
    uint8_t& at(unsigned address) { return memory_[address % memory_.size()]; }
    uint8_t at(unsigned address) const { return memory_[address % memory_.size()]; }
    unsigned absoluteAddress(std::string_view digits, unsigned value) const;
    // The fault acts on every reply, or was injected into the current one.
    bool has(Fault fault) const;

    BoxSettings settings_;
    Bytes memory_;
    WriteListener onWrite_;
    std::string pending_;
    unsigned bank_ = 0;
    int delay_ = 0;
    bool streaming_ = false;
    unsigned replies_ = 0;
    bool injectedJustNow_ = false;
};

// What the stream fault sends: printable, and never ".", ">", CR or LF.
std::string endlessStreamBytes(size_t count);

// What the garbage fault sends: any byte values, the same for the same seed.
std::string garbageBytes(size_t count, unsigned seed);

}  // namespace quorprog::emulator
