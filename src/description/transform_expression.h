#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace quorprog {

// The transform groups of an entry text: the keywords BCD, ASCII and DISCARD, the empty group, and
// statement lists working on the two signed 32-bit registers in and out:
//
//   statements  := statement { ";" statement }
//   statement   := "if " condition " then " action | action
//   condition   := operand ("==" | ">=" | "<=" | ">" | "<" | "!=") operand   (tried in that order)
//   action      := t "+=" e | t "-=" e | t "*=" e | t "/=" e                     (tried in order)
//                | t "=" a "+" b | t "=" a "-" b | t "=" a "*" b | t "=" a "/" b | t "=" e
//   target t    := in when its text contains "in", out otherwise
//   operand     := in | out | integer text | key of the memory-map section
//
// Arithmetic wraps modulo 2^32 and quotients are truncated toward zero. Nothing here is an error
// except a division by zero, which fails the whole read or write.
namespace transform {

enum class GroupKind { Bcd, Ascii, Discard, Empty, Statements };

// Compared with the keywords as a whole and with case: " BCD" is a statement list.
GroupKind classifyGroup(std::string_view groupText);

struct Registers {
    int32_t in = 0;
    int32_t out = 0;
};

// Gives the value of a key named by an operand: ReadMapValue on the same image (-1 when absent).
using KeyReader = std::function<int32_t(std::string_view key)>;

// Runs the statements of a group in order. False when a division by zero was executed; the
// registers then hold whatever the statements before it left.
bool runStatements(std::string_view groupText, Registers& registers, const KeyReader& readKey);

// Runs one action ("out=in/1000"). False on a division by zero.
bool runAction(std::string_view action, Registers& registers, const KeyReader& readKey);

// A condition without an operator is false; operands are evaluated left first.
bool evaluateCondition(std::string_view condition, const Registers& registers,
                       const KeyReader& readKey);

int32_t evaluateOperand(std::string_view operand, const Registers& registers,
                        const KeyReader& readKey);

// A statement group as a whole: out = in, the statements, in = out. Returns the new in, or nothing
// on a division by zero.
std::optional<int32_t> applyStatementGroup(std::string_view groupText, int32_t in,
                                           const KeyReader& readKey);

// Signed 32-bit arithmetic without undefined behaviour: sums, differences and products wrap; the
// quotient is truncated toward zero, -2147483648 / -1 wraps to -2147483648, and a division by zero
// has no value.
int32_t wrappingAdd(int32_t a, int32_t b);
int32_t wrappingSubtract(int32_t a, int32_t b);
int32_t wrappingMultiply(int32_t a, int32_t b);
std::optional<int32_t> truncatingDivide(int32_t a, int32_t b);

// A BCD field has at most this many bytes; a longer one fails to read and to write.
constexpr size_t kMaxBcdBytes = 31;

// The raw bytes, one per locator element in listed order, read as packed decimal digits: the first
// element holds the two least significant digits, the high nibble of a byte the more significant
// one. Nothing when a nibble is above 9, the value is above 2147483647 or there are more than 31
// bytes.
std::optional<int32_t> decodeBcd(const std::vector<uint8_t>& rawBytes);

// The value's decimal text ("-" packing as nibble 13) packed two digits a byte, least significant
// first: byte i goes to the i-th locator element. Elements beyond the result receive 0; bytes beyond
// the elements are dropped.
std::vector<uint8_t> packBcd(int32_t value);

// The raw bytes up to the first 0 read as an integer text.
std::optional<int32_t> decodeAscii(const std::vector<uint8_t>& rawBytes);

}  // namespace transform
}  // namespace quorprog
