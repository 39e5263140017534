#include "programmer/reply_checks.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace quorprog {

namespace {

constexpr std::string_view kMemoryError = "MEM ERROR";
constexpr std::string_view kBatteryStart = "BATTERY=";
// What a scan skips before a number; line ends never reach a reply line.
constexpr std::string_view kBlanks = " \t\v\f";

std::optional<uint8_t> hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
    return std::nullopt;
}

bool memoryErrorAt(std::string_view line, size_t position) {
    return position <= line.size() && line.substr(position).starts_with(kMemoryError);
}

// Position 0 holds the bank as one hexadecimal digit, positions 2-3 the address within it.
bool namesAddress(std::string_view line, unsigned address) {
    const auto bank = line.empty() ? std::nullopt : hexDigitValue(line[0]);
    const auto offset = hexByteAt(line, 2);
    return bank && offset && *bank == address / 256 && *offset == address % 256;
}

}  // namespace

std::string hexAtLeastTwoDigits(unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

std::string rowPrefix(unsigned bank, unsigned row) {
    char text[32];
    std::snprintf(text, sizeof text, "%01u:%01X0-", bank, row);
    return text;
}

std::optional<uint8_t> hexByteAt(std::string_view line, size_t position) {
    if (position + 2 > line.size()) return std::nullopt;
    const auto high = hexDigitValue(line[position]);
    const auto low = hexDigitValue(line[position + 1]);
    if (!high || !low) return std::nullopt;
    return static_cast<uint8_t>(*high << 4 | *low);
}

ReplyCheck checkRowLine(std::string_view line, std::string_view expectedPrefix,
                        std::span<uint8_t, kRowBytes> row) {
    // Banks from 10 up have a two-digit number, so the separator and the bytes move along with
    // the prefix's length.
    const size_t separator = expectedPrefix.size();
    if (memoryErrorAt(line, separator)) return ReplyCheck::MemoryError;
    if (!line.starts_with(expectedPrefix)) return ReplyCheck::Misaligned;
    std::array<uint8_t, kRowBytes> parsed{};
    for (size_t j = 0; j < kRowBytes; ++j) {
        const auto byte = hexByteAt(line, separator + 1 + 3 * j);
        if (!byte) return ReplyCheck::BadData;
        parsed[j] = *byte;
    }
    std::copy(parsed.begin(), parsed.end(), row.begin());
    return ReplyCheck::Ok;
}

ReplyCheck checkByteLine(std::string_view line, unsigned address, uint8_t& value) {
    if (memoryErrorAt(line, 5)) return ReplyCheck::MemoryError;
    if (line.size() < 2 || line[1] != ':' || !namesAddress(line, address)) {
        return ReplyCheck::Misaligned;
    }
    const auto byte = hexByteAt(line, 6);
    if (!byte) return ReplyCheck::BadData;
    value = *byte;
    return ReplyCheck::Ok;
}

int batteryLevelIn(std::string_view line) {
    if (!line.starts_with(kBatteryStart)) return -1;
    const size_t digit = line.find_first_not_of(kBlanks, kBatteryStart.size());
    if (digit == std::string_view::npos) return -1;
    const auto level = hexDigitValue(line[digit]);
    return level ? *level : -1;
}

const char* replyCheckLogLine(ReplyCheck check) {
    switch (check) {
        case ReplyCheck::MemoryError:
            return "MEMORY ERROR\n";
        case ReplyCheck::Misaligned:
            return "ERROR READING ROWS ALIGNMENT!\n";
        case ReplyCheck::BadData:
            return "ERROR READING DATA ON ROWS!\n";
        case ReplyCheck::Ok:
            break;
    }
    return "";
}

}  // namespace quorprog
