#pragma once

#include <cstdint>
#include <cstdio>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "programmer/serial_line.h"

namespace quorprog::testing {

// A programmer box with a device memory behind it, answering the programmer protocol in process:
// the hello, version, battery, memory types, delay, bank selection, bank and byte reads and byte
// writes. Like a real 24C memory smaller than a bank, it answers every address modulo its size.
// Knobs make it slow (bank reads garbled below a delay value), forgetful (writes acknowledged but
// not kept) or low on battery; everything the program sent is recorded.
class FakeProgrammerLine : public SerialLine {
  public:
    explicit FakeProgrammerLine(std::vector<uint8_t> memory, std::set<std::string> ports = {"COM1"})
        : memory(std::move(memory)), ports_(std::move(ports)) {}

    // --- the box and the device behind it ---
    std::vector<uint8_t> memory;
    int minDelay = 0;         // bank reads answer MEM ERROR rows below this delay value
    int battery = 7;          // -1: an answer that does not parse
    bool keepsWrites = true;  // false: writes are acknowledged and forgotten

    // --- what the program did ---
    std::vector<std::string> commands;                 // every command, as sent
    std::vector<int> bankReadDelays;                   // the delay value at each "R\n"
    std::vector<std::pair<unsigned, uint8_t>> writes;  // every "W" command
    std::vector<std::string> opens;

    bool open(const std::string& name, bool) override {
        opens.push_back(name);
        if (open_ || !ports_.count(name)) return false;
        open_ = true;
        return true;
    }
    void close() override {
        open_ = false;
        pending_.clear();
        input_.clear();
    }
    size_t write(std::string_view bytes) override {
        if (!open_) return 0;
        for (const char c : bytes) take(c);
        return bytes.size();
    }
    std::optional<uint8_t> readByte() override {
        if (pending_.empty()) return std::nullopt;
        const auto byte = static_cast<uint8_t>(pending_.front());
        pending_.pop_front();
        return byte;
    }
    void purge() override { pending_.clear(); }

    // The commands of one kind ("W", "R\n", "D", ...), in order.
    std::vector<std::string> commandsStartingWith(std::string_view start) const {
        std::vector<std::string> found;
        for (const auto& c : commands) {
            if (c.starts_with(start)) found.push_back(c);
        }
        return found;
    }

  private:
    void take(char c) {
        if (input_.empty() && (c == '*' || c == 'V' || c == 'S' || c == 'T')) {
            execute(std::string(1, c));
            return;
        }
        input_ += c;
        if (c == '\n') {
            execute(input_);
            input_.clear();
        }
    }

    void answer(const std::string& text) {
        pending_.insert(pending_.end(), text.begin(), text.end());
    }

    uint8_t& at(unsigned address) { return memory[address % memory.size()]; }

    static std::string hex(unsigned value, int digits) {
        char text[16];
        std::snprintf(text, sizeof text, "%0*X", digits, value);
        return text;
    }

    void execute(const std::string& command) {
        commands.push_back(command);
        unsigned a = 0, b = 0;
        if (command == "*") {
            answer("FAKE PROGRAMMER READY\r\n>");
        } else if (command == "V") {
            answer("QUORVEL FAKE 1.0\r\n>");
        } else if (command == "S") {
            answer(battery < 0 ? "BATTERY=?\r\n>" : "BATTERY=" + hex(battery, 1) + "\r\n>");
        } else if (command == "T") {
            answer("TYPES=24C01,24C02\r\n>");
        } else if (std::sscanf(command.c_str(), "D %X", &a) == 1) {
            delay_ = static_cast<int>(a);
            answer("DELAY=" + hex(a, 2) + "\r\n>");
        } else if (std::sscanf(command.c_str(), "B %X", &a) == 1) {
            bank_ = a;
            answer("BANK=" + hex(a, 1) + "\r\n>");
        } else if (command == "R\n") {
            bankReadDelays.push_back(delay_);
            answerBank();
        } else if (std::sscanf(command.c_str(), "R %X %X", &a, &b) == 2) {
            // Names the bank and the address it read, as the box does.
            answer(hex(a >> 8, 1) + ":" + hex(a & 0xFF, 2) + "- " + hex(at(a), 2) + "\r\n>");
        } else if (std::sscanf(command.c_str(), "W %X %X", &a, &b) == 2) {
            writes.emplace_back(a, static_cast<uint8_t>(b));
            if (keepsWrites) at(a) = static_cast<uint8_t>(b);
            answer(".\r\n>");
        }
    }

    void answerBank() {
        for (unsigned row = 0; row < 16; ++row) {
            std::string line = std::to_string(bank_) + ":" + hex(row, 1) + "0-";
            if (delay_ < minDelay) {
                answer(line + "MEM ERROR\r\n>");
                return;
            }
            for (unsigned j = 0; j < 16; ++j) line += " " + hex(at(bank_ * 256 + row * 16 + j), 2);
            answer(line + "\r\n");
        }
        answer(">");
    }

    std::set<std::string> ports_;
    bool open_ = false;
    std::string input_;
    std::deque<char> pending_;
    int delay_ = 0;
    unsigned bank_ = 0;
};

}  // namespace quorprog::testing
