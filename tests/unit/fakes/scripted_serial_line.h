#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "programmer/serial_line.h"

namespace quorprog::testing {

// A serial line whose programmer follows a script: for each port that opens, the answer to each
// command text. Answers registered for one command are given in turn, the last one again and
// again. A read with nothing pending returns at once as a time-out. Everything written is kept
// in `sent`, each open in `opens` ("COM3" or "COM3+handshake").
class ScriptedSerialLine : public SerialLine {
  public:
    // A port that opens, with the programmer's answers to its commands.
    ScriptedSerialLine& port(const std::string& name,
                             std::vector<std::pair<std::string, std::string>> answers = {}) {
        auto& script = ports_[name];
        for (auto& [command, answer] : answers) script[command].push_back(std::move(answer));
        return *this;
    }
    // Bytes that arrive without being asked for.
    void arrive(std::string_view bytes) {
        pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    }
    // The port no longer opens (the programmer was unplugged).
    void unplug(const std::string& name) { ports_.erase(name); }
    // Makes the next writes accept nothing.
    void refuseWrites() { refuseWrites_ = true; }

    bool open(const std::string& name, bool handshake) override {
        opens.push_back(handshake ? name + "+handshake" : name);
        if (!ports_.count(name) || current_) return false;
        current_ = name;
        return true;
    }
    void close() override {
        current_.reset();
        pending_.clear();
    }
    size_t write(std::string_view bytes) override {
        if (!current_ || refuseWrites_) return 0;
        sent.append(bytes);
        auto& script = ports_[*current_];
        const auto found = script.find(std::string(bytes));
        if (found != script.end() && !found->second.empty()) {
            arrive(found->second.front());
            if (found->second.size() > 1) found->second.pop_front();
        }
        return bytes.size();
    }
    std::optional<uint8_t> readByte() override {
        if (pending_.empty()) {
            ++timeouts;
            return std::nullopt;
        }
        const auto byte = static_cast<uint8_t>(pending_.front());
        pending_.pop_front();
        return byte;
    }
    void purge() override { pending_.clear(); }

    std::string sent;
    std::vector<std::string> opens;
    int timeouts = 0;

  private:
    std::map<std::string, std::map<std::string, std::deque<std::string>>> ports_;
    std::optional<std::string> current_;
    std::deque<char> pending_;
    bool refuseWrites_ = false;
};

}  // namespace quorprog::testing
