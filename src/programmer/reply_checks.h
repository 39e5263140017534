#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorprog {

// How the programmer's answers are judged: confirmations of a delay or bank, the row lines of a
// bank read and the answer to a single-byte read.

inline constexpr size_t kRowBytes = 16;
inline constexpr size_t kRowsPerBank = 16;

enum class ReplyCheck { Ok, MemoryError, Misaligned, BadData };

// "%02X": upper-case hexadecimal with at least two digits (three from 256 up).
std::string hexAtLeastTwoDigits(unsigned value);

// The prefix of row `row` of bank `bank`: bank in decimal, ":", row as one hexadecimal digit,
// "0", "-" (row 10 of bank 0 is "0:A0-").
std::string rowPrefix(unsigned bank, unsigned row);

// Two hexadecimal digits at `position` of `line`; nothing when the line is too short or either
// character is not a hexadecimal digit.
std::optional<uint8_t> hexByteAt(std::string_view line, size_t position);

// Checks a row line of a bank read in order (memory error, prefix, data) and, when it passes,
// fills `row` with its 16 bytes. After the prefix comes one separator, then each byte as two
// digits followed by one separator.
ReplyCheck checkRowLine(std::string_view line, std::string_view expectedPrefix,
                        std::span<uint8_t, kRowBytes> row);

// The answer to a single-byte read has a row line's layout with one byte: ":" at position 1 and
// the byte at positions 6-7. Before the ":" it names the bank, after it the address's low byte
// in two hexadecimal digits; an answer about another bank or address than `address` (a box that
// took the address elsewhere) is misaligned, so its byte is never taken for the one asked for.
ReplyCheck checkByteLine(std::string_view line, unsigned address, uint8_t& value);

// The level in a battery answer: "BATTERY=" and one hexadecimal digit, which blanks may precede
// (as a scan for one hexadecimal digit allows); -1 when the answer does not parse.
int batteryLevelIn(std::string_view line);

// The log line that reports a failed check ("" for Ok).
const char* replyCheckLogLine(ReplyCheck check);

}  // namespace quorprog
