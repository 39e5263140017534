#include "programmer/programmer_link.h"

#include <cstdio>
#include <string_view>

#include "description/memory_image.h"
#include "programmer/reply_checks.h"

namespace quorprog {

namespace {

constexpr std::string_view kVersionStart = "QUORVEL";
constexpr std::string_view kTypesStart = "TYPES=";
constexpr std::string_view kSupportedMemory = "24C";

std::string hexAtLeastOneDigit(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%01X", value);
    return text;
}

}  // namespace

ProgrammerLink::ProgrammerLink(SerialLine& line, Log& log, Prompter& prompter,
                               ProgressView& progress)
    : transport_(line, log), log_(log), prompter_(prompter), progress_(progress) {}

int ProgrammerLink::SelectedProgrammer() const {
    return selected_ >= 0 && static_cast<size_t>(selected_) < ports_.size() ? selected_ : -1;
}

void ProgrammerLink::UseProgrammer(const std::string& port, const std::string& entry) {
    entries_ = {entry};
    ports_ = {port};
    selected_ = 0;
}

bool ProgrammerLink::Hello() {
    if (!transport_.IsOpen()) return false;
    transport_.WriteText("*");
    std::string greeting;
    if (!transport_.WaitPrompt(&greeting)) return false;
    log_.printf("HELLO MESSAGE RECEIVED:\n%s\n", greeting.c_str());
    return true;
}

bool ProgrammerLink::Version() {
    if (!transport_.IsOpen()) return false;
    transport_.ClearReplyLine();
    transport_.WriteText("V");
    transport_.ReadLine();
    transport_.WaitPrompt();
    const std::string& line = transport_.ReplyLine();
    const bool ours = line.starts_with(kVersionStart);
    log_.printf(ours ? "VERSION: %s\n" : "WRONG VERSION: %s\n", line.c_str());
    return ours;
}

int ProgrammerLink::BatteryQuery() {
    if (!transport_.IsOpen()) return -1;
    transport_.WriteText("S");
    transport_.ReadLine();
    return batteryLevelIn(transport_.ReplyLine());
}

std::string ProgrammerLink::MemoryTypes() {
    if (!transport_.IsOpen()) return {};
    transport_.WriteText("T");
    transport_.ReadLine();
    const std::string line = transport_.ReplyLine();
    transport_.WaitPrompt();
    return line.starts_with(kTypesStart) ? line.substr(kTypesStart.size()) : std::string();
}

int ProgrammerLink::ScanProgrammers() {
    if (transport_.IsOpen()) return 0;
    log_.write("Scanning COM ports for available programmers...\n");
    entries_.clear();
    ports_.clear();
    selected_ = -1;
    progress_.setRange(0, kPortCount);
    progress_.setPosition(0);
    progress_.show();
    for (int n = 1; n <= kPortCount; ++n) {
        const std::string name = "COM" + std::to_string(n);
        if (transport_.OpenPort(name, false)) {
            if (Hello() && Version()) {
                entries_.push_back(transport_.ReplyLine() + " on " + name);
                ports_.push_back(name);
            }
            transport_.ClosePort();
        }
        progress_.advance(1);
    }
    log_.write("Scan ended!\n");
    progress_.hide();
    return static_cast<int>(ports_.size());
}

bool ProgrammerLink::OpenProgrammer() {
    const int index = SelectedProgrammer();
    if (index < 0) {
        prompter_.inform("Please select a programmer!", "ERROR");
        return false;
    }
    if (!transport_.OpenPort(ports_[static_cast<size_t>(index)], true)) return false;
    Hello();
    return true;
}

int ProgrammerLink::BatteryLevel() {
    const bool wasOpen = transport_.IsOpen();
    if (!wasOpen) {
        if (!OpenProgrammer()) return 0;
        Hello();
        transport_.WaitPrompt();
    }
    const int level = BatteryQuery();
    transport_.WaitPrompt();
    if (!wasOpen) transport_.ClosePort();
    return level;
}

bool ProgrammerLink::sendAndConfirm(const std::string& command, const std::string& expected) {
    transport_.WriteText(command);
    transport_.ReadLine();
    // Only the whole line confirms: an empty or cut one is also what a command lost on the line
    // gives, and a box left on another bank would take the bytes that follow there.
    return transport_.ReplyLine() == expected;
}

bool ProgrammerLink::sendDelay() {
    const std::string value = hexAtLeastTwoDigits(static_cast<unsigned>(delay_));
    if (!sendAndConfirm("D " + value + "\n", "DELAY=" + value)) {
        log_.write("ERROR SETTING DELAY!\n");
        return false;
    }
    transport_.WaitPrompt();
    return true;
}

bool ProgrammerLink::confirmBank(unsigned bank) {
    const std::string number = hexAtLeastOneDigit(bank);
    if (sendAndConfirm("B " + number + "\n", "BANK=" + number)) return true;
    log_.write("ERROR SETTING BANK!\n");
    return false;
}

bool ProgrammerLink::readRows(unsigned bank) {
    for (unsigned row = 0; row < kRowsPerBank; ++row) {
        transport_.ReadLine();
        const auto rowBytes = destination_.subspan(row * kRowBytes).first<kRowBytes>();
        const ReplyCheck check =
            checkRowLine(transport_.ReplyLine(), rowPrefix(bank, row), rowBytes);
        if (check != ReplyCheck::Ok) {
            log_.write(replyCheckLogLine(check));
            return false;
        }
        progress_.advance(1);
    }
    return true;
}

bool ProgrammerLink::exchangeBank(unsigned bank) {
    if (MemoryTypes().find(kSupportedMemory) == std::string::npos) {
        prompter_.inform("The memory type isn't supported by this programmer!", "ERROR");
        return false;
    }
    if (delay_ > 0 && !sendDelay()) return false;
    log_.printf("Reading BANK %02X from memory\n", bank);
    if (!confirmBank(bank)) return false;
    transport_.WaitPrompt();
    transport_.WriteText("R\n");
    if (!readRows(bank)) return false;
    transport_.WaitPrompt();
    return true;
}

bool ProgrammerLink::ReadBank(unsigned bank) {
    if (destination_.size() < MemoryImage::kBankSize) return false;
    const bool wasOpen = transport_.IsOpen();
    if (!wasOpen) {
        if (!OpenProgrammer()) return false;
        progress_.setRange(0, static_cast<int>(kRowsPerBank));
        progress_.setPosition(0);
    }
    progress_.show();

    const bool read = exchangeBank(bank);

    if (!wasOpen) {
        transport_.ClosePort();
        progress_.hide();
    }
    return read;
}

bool ProgrammerLink::SelectBank(unsigned bank) {
    if (!transport_.IsOpen()) return false;
    if (confirmBank(bank)) {
        // Left in the input, this prompt would be read as the next bank's confirmation.
        transport_.WaitPrompt();
        return true;
    }
    transport_.ClosePort();
    return false;
}

int ProgrammerLink::ReadByte(unsigned address) {
    if (!transport_.IsOpen()) return -1;
    transport_.WriteText("R " + hexAtLeastTwoDigits(address) + " 01\n");
    transport_.ReadLine();
    uint8_t value = 0;
    const ReplyCheck check = checkByteLine(transport_.ReplyLine(), address, value);
    if (check != ReplyCheck::Ok) {
        log_.write(replyCheckLogLine(check));
        return -1;
    }
    progress_.advance(1);
    transport_.WaitPrompt();
    return value;
}

bool ProgrammerLink::WriteByte(unsigned address, uint8_t value) {
    if (!transport_.IsOpen()) return false;
    const std::string command =
        "W " + hexAtLeastTwoDigits(address) + " " + hexAtLeastTwoDigits(value) + "\n";
    const bool sent = transport_.WriteText(command) == command.size();
    transport_.WaitDot();
    transport_.WaitPrompt();
    progress_.advance(1);
    return sent;
}

}  // namespace quorprog
