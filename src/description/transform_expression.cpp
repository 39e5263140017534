#include "description/transform_expression.h"

#include <limits>
#include <string>

#include "description/integer_text.h"

namespace quorprog::transform {
namespace {

constexpr auto npos = std::string_view::npos;

std::string_view withoutSurroundingSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

int32_t& targetOf(std::string_view targetText, Registers& registers) {
    return targetText.find("in") != npos ? registers.in : registers.out;
}

enum class Operation { Add, Subtract, Multiply, Divide };

std::optional<int32_t> apply(Operation operation, int32_t a, int32_t b) {
    switch (operation) {
        case Operation::Add: return wrappingAdd(a, b);
        case Operation::Subtract: return wrappingSubtract(a, b);
        case Operation::Multiply: return wrappingMultiply(a, b);
        case Operation::Divide: return truncatingDivide(a, b);
    }
    return std::nullopt;
}

struct Operator {
    std::string_view text;
    Operation operation;
};

constexpr Operator kCompoundAssignments[] = {{"+=", Operation::Add},
                                             {"-=", Operation::Subtract},
                                             {"*=", Operation::Multiply},
                                             {"/=", Operation::Divide}};

constexpr Operator kArithmeticSigns[] = {{"+", Operation::Add},
                                         {"-", Operation::Subtract},
                                         {"*", Operation::Multiply},
                                         {"/", Operation::Divide}};

enum class Comparison { Equal, GreaterOrEqual, LessOrEqual, Greater, Less, NotEqual };

struct ComparisonOperator {
    std::string_view text;
    Comparison comparison;
};

constexpr ComparisonOperator kComparisons[] = {
    {"==", Comparison::Equal},      {">=", Comparison::GreaterOrEqual},
    {"<=", Comparison::LessOrEqual}, {">", Comparison::Greater},
    {"<", Comparison::Less},        {"!=", Comparison::NotEqual}};

}  // namespace

GroupKind classifyGroup(std::string_view groupText) {
    if (groupText.empty()) return GroupKind::Empty;
    if (groupText == "BCD") return GroupKind::Bcd;
    if (groupText == "ASCII") return GroupKind::Ascii;
    if (groupText == "DISCARD") return GroupKind::Discard;
    return GroupKind::Statements;
}

int32_t wrappingAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t wrappingSubtract(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

int32_t wrappingMultiply(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

std::optional<int32_t> truncatingDivide(int32_t a, int32_t b) {
    if (b == 0) return std::nullopt;
    if (a == std::numeric_limits<int32_t>::min() && b == -1) return a;  // wraps like the others
    return a / b;
}

int32_t evaluateOperand(std::string_view operand, const Registers& registers,
                        const KeyReader& readKey) {
    const std::string_view bare = withoutSurroundingSpaces(operand);
    if (bare == "in") return registers.in;
    if (bare == "out") return registers.out;
    if (const auto number = parseIntegerText(operand)) return *number;
    return readKey ? readKey(bare) : -1;
}

bool evaluateCondition(std::string_view condition, const Registers& registers,
                       const KeyReader& readKey) {
    for (const auto& op : kComparisons) {
        const size_t at = condition.find(op.text);
        if (at == npos) continue;
        const int32_t left = evaluateOperand(condition.substr(0, at), registers, readKey);
        const int32_t right = evaluateOperand(condition.substr(at + op.text.size()), registers, readKey);
        switch (op.comparison) {
            case Comparison::Equal: return left == right;
            case Comparison::GreaterOrEqual: return left >= right;
            case Comparison::LessOrEqual: return left <= right;
            case Comparison::Greater: return left > right;
            case Comparison::Less: return left < right;
            case Comparison::NotEqual: return left != right;
        }
    }
    return false;
}

bool runAction(std::string_view action, Registers& registers, const KeyReader& readKey) {
    // Forms 1 to 4: t op= e.
    for (const auto& op : kCompoundAssignments) {
        const size_t at = action.find(op.text);
        if (at == npos) continue;
        int32_t& target = targetOf(action.substr(0, at), registers);
        const int32_t e = evaluateOperand(action.substr(at + op.text.size()), registers, readKey);
        const auto result = apply(op.operation, target, e);
        if (!result) return false;
        target = *result;
        return true;
    }
    const size_t equals = action.find('=');
    if (equals == npos) return true;  // form 10: nothing
    int32_t& target = targetOf(action.substr(0, equals), registers);
    const std::string_view expression = action.substr(equals + 1);
    // Forms 5 to 8: t = a op b, the sign searched after the "=".
    for (const auto& op : kArithmeticSigns) {
        const size_t at = expression.find(op.text);
        if (at == npos) continue;
        const int32_t a = evaluateOperand(expression.substr(0, at), registers, readKey);
        const int32_t b = evaluateOperand(expression.substr(at + 1), registers, readKey);
        const auto result = apply(op.operation, a, b);
        if (!result) return false;
        target = *result;
        return true;
    }
    // Form 9: t = e.
    target = evaluateOperand(expression, registers, readKey);
    return true;
}

bool runStatements(std::string_view groupText, Registers& registers, const KeyReader& readKey) {
    while (!groupText.empty()) {
        const size_t semicolon = groupText.find(';');
        const std::string_view statement = groupText.substr(0, semicolon);
        groupText.remove_prefix(semicolon == npos ? groupText.size() : semicolon + 1);

        const size_t ifAt = statement.find("if ");
        const size_t thenAt = statement.find(" then ");
        if (ifAt != npos && thenAt != npos) {
            // A " then " that overlaps or precedes the "if " leaves an empty condition: false.
            const size_t conditionStart = ifAt + 3;
            const std::string_view condition =
                thenAt >= conditionStart ? statement.substr(conditionStart, thenAt - conditionStart)
                                         : std::string_view{};
            if (!evaluateCondition(condition, registers, readKey)) continue;
            if (!runAction(statement.substr(thenAt + 6), registers, readKey)) return false;
        } else if (!runAction(statement, registers, readKey)) {
            return false;
        }
    }
    return true;
}

std::optional<int32_t> applyStatementGroup(std::string_view groupText, int32_t in,
                                           const KeyReader& readKey) {
    Registers registers{in, in};
    if (!runStatements(groupText, registers, readKey)) return std::nullopt;
    return registers.out;
}

std::optional<int32_t> decodeBcd(const std::vector<uint8_t>& rawBytes) {
    if (rawBytes.empty() || rawBytes.size() > kMaxBcdBytes) return std::nullopt;
    std::string digits;
    digits.reserve(rawBytes.size() * 2);
    for (auto byte = rawBytes.rbegin(); byte != rawBytes.rend(); ++byte) {
        digits.push_back(static_cast<char>('0' + (*byte >> 4)));
        digits.push_back(static_cast<char>('0' + (*byte & 0x0F)));
    }
    return parseIntegerText(digits);
}

std::vector<uint8_t> packBcd(int32_t value) {
    const std::string text = std::to_string(value);
    std::vector<uint8_t> bytes;
    // Walk from the last character: even positions give the low nibble, odd ones the high nibble.
    size_t r = 0;
    for (auto c = text.rbegin(); c != text.rend(); ++c, ++r) {
        const auto nibble = static_cast<uint8_t>((static_cast<unsigned char>(*c) - 48u) & 0x0Fu);
        if (r % 2 == 0)
            bytes.push_back(nibble);
        else
            bytes.back() = static_cast<uint8_t>(bytes.back() | (nibble << 4));
    }
    return bytes;
}

std::optional<int32_t> decodeAscii(const std::vector<uint8_t>& rawBytes) {
    std::string text;
    for (const uint8_t byte : rawBytes) {
        if (byte == 0) break;
        text.push_back(static_cast<char>(byte));
    }
    return parseIntegerText(text);
}

}  // namespace quorprog::transform
