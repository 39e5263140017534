#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "programmer/serial_transport.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "seams/prompter.h"

namespace quorprog {

// The programmer box on its serial port: the scan for programmers on COM1 .. COM4, the battery
// query and the memory transfers (bank reads, bank selection, single bytes). It owns the link's
// state for the whole run: the port, the reply line, the delay value, the bank destination and
// the programmers found by the last scan with the one the user chose.
//
// Operations that need an open port return their failure value at once without one; ReadBank and
// BatteryLevel open the chosen programmer themselves when it is closed and close it again.
class ProgrammerLink {
  public:
    static constexpr int kPortCount = 4;

    ProgrammerLink(SerialLine& line, Log& log, Prompter& prompter, ProgressView& progress);

    // Programmers found on COM1 .. COM4: each entry reads as the programmer's version line,
    // " on " and the port name. Returns how many; 0 without any change when a port is open.
    int ScanProgrammers();
    // Entries of the last scan, in scan order, parallel to their port names.
    const std::vector<std::string>& ProgrammerEntries() const { return entries_; }
    const std::vector<std::string>& ProgrammerPorts() const { return ports_; }
    // The user's choice among the entries; -1 (or any index outside them) chooses none.
    void SelectProgrammer(int index) { selected_ = index; }
    // Chooses the programmer on `port` (its scan entry given) without a scan of its own: when one
    // scan found several programmers, each is driven by a link of its own.
    void UseProgrammer(const std::string& port, const std::string& entry);
    int SelectedProgrammer() const;

    // Opens the chosen programmer's port with handshake and greets it; without a choice the user
    // is told so.
    bool OpenProgrammer();
    void CloseProgrammer() { transport_.ClosePort(); }
    bool IsOpen() const { return transport_.IsOpen(); }

    // 0..15; -1 when the answer does not parse; 0 when the port cannot be opened.
    int BatteryLevel();

    // Where ReadBank stores its 256 bytes; must stay valid until the read ends. ReadBank fails
    // without any traffic when no destination of a whole bank has been given.
    void SetBankDestination(std::span<uint8_t> destination) { destination_ = destination; }
    void ClearBankDestination() { destination_ = {}; }
    bool ReadBank(unsigned bank);
    // True when the programmer confirmed the bank with its whole line ("BANK=1"); its prompt is
    // taken too, so that banks can be selected one after another. A bank not confirmed closes
    // the port.
    bool SelectBank(unsigned bank);
    // Full memory address (bank × 256 + offset); the byte, or -1 (also when the answer is about
    // another bank or address).
    int ReadByte(unsigned address);
    // True when the command went out; the byte is checked only by reading it back.
    bool WriteByte(unsigned address, uint8_t value);

    // Sent before a bank read when above 0; the programmer keeps the last one sent.
    void SetDelay(int delay) { delay_ = delay; }
    int GetDelay() const { return delay_; }

    // The steps the operations above are made of.
    bool Hello();
    bool Version();
    int BatteryQuery();
    std::string MemoryTypes();

    // The last line read (after Version: the programmer's version text).
    const std::string& ReplyLine() const { return transport_.ReplyLine(); }
    SerialTransport& Transport() { return transport_; }

  private:
    bool sendDelay();
    bool confirmBank(unsigned bank);
    bool readRows(unsigned bank);
    // A bank read on the open port: types check, delay, bank selection and the 16 rows.
    bool exchangeBank(unsigned bank);
    bool sendAndConfirm(const std::string& command, const std::string& expected);

    SerialTransport transport_;
    Log& log_;
    Prompter& prompter_;
    ProgressView& progress_;
    std::vector<std::string> entries_;
    std::vector<std::string> ports_;
    int selected_ = -1;
    int delay_ = 0;
    std::span<uint8_t> destination_;
};

}  // namespace quorprog
