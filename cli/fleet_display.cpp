#include "fleet_display.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "printable_text.h"

namespace quorprog::cli {

namespace {

std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return terminalText(text);
}

// Columns count characters, not bytes: UTF-8 continuation bytes take no column.
size_t columns(const std::string& text) {
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(const std::string& text, size_t width) {
    const size_t shown = columns(text);
    return text + std::string(width > shown ? width - shown : 0, ' ');
}

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

}  // namespace

FleetDisplay::FleetDisplay(std::vector<std::string> ports)
    : terminal_(isatty(STDOUT_FILENO) != 0), ports_(std::move(ports)), lines_(ports_.size()) {}

std::string FleetDisplay::lineText(size_t device) const {
    const Line& line = lines_[device];
    char percent[16];
    std::snprintf(percent, sizeof percent, "%3d%%", std::max(line.percent, 0));
    return ports_[device] + ": " + padded(line.state.empty() ? "Waiting" : line.state, 9) + " " +
           percent;
}

void FleetDisplay::update(size_t device, const std::string& state, int percent) {
    const std::lock_guard lock(mutex_);
    if (device >= lines_.size()) return;
    Line& line = lines_[device];
    const bool newState = line.state != state;
    if (!newState && line.percent == percent) return;
    line.state = oneLine(state);
    line.percent = percent;
    if (terminal_) {
        redraw();
    } else if (newState || percent == 100) {
        printOut(lineText(device) + "\n");
    }
}

void FleetDisplay::redraw() {
    std::string text;
    for (size_t i = 0; i < lines_.size(); ++i) text += lineText(i) + "\n";
    rewriteOutputLines(drawn_ ? lines_.size() : 0, text);
    drawn_ = true;
}

void FleetDisplay::interrupt() {
    const std::lock_guard lock(mutex_);
    drawn_ = false;
}

std::string fleetTable(const std::vector<DeviceResult>& results) {
    std::vector<std::vector<std::string>> rows = {
        {"port", "programmer", "model", "result", "bytes changed", "seconds"}};
    for (const DeviceResult& result : results) {
        rows.push_back({oneLine(result.port), oneLine(result.programmer), oneLine(result.model),
                        result.ok ? "ok" : "failed: " + oneLine(result.message),
                        std::to_string(result.changes), seconds(result.seconds)});
    }
    std::vector<size_t> widths(rows.front().size(), 0);
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], columns(row[c]));
    }
    std::string table;
    for (const auto& row : rows) {
        std::string line;
        for (size_t c = 0; c < row.size(); ++c) {
            line += c + 1 == row.size() ? row[c] : padded(row[c], widths[c]) + "  ";
        }
        table += line + "\n";
    }
    return table;
}

}  // namespace quorprog::cli
