#include "printable_text.h"

#include <cstdio>
#include <iostream>

namespace quorprog::cli {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void appendEscaped(std::string& out, unsigned char byte) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    out += escaped;
}

}  // namespace

size_t utf8SequenceLength(std::string_view text) {
    if (text.empty()) return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return 1;
    size_t length = 0;
    // The range the second byte must lie in excludes overlong forms, surrogates and values
    // beyond U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high) return 0;
    for (size_t i = 2; i < length; ++i) {
        if (!isContinuation(static_cast<unsigned char>(text[i]))) return 0;
    }
    return length;
}

std::string terminalText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto lead = static_cast<unsigned char>(text[0]);
        const size_t length = utf8SequenceLength(text);
        const size_t taken = length == 0 ? 1 : length;
        // U+0080..U+009F, the C1 controls, are C2 80..C2 9F.
        const bool control =
            (lead < 0x20 && lead != '\n' && lead != '\t') || lead == 0x7F ||
            (lead == 0xC2 && length == 2 && static_cast<unsigned char>(text[1]) < 0xA0);
        if (length == 0 || control) {
            for (size_t i = 0; i < taken; ++i)
                appendEscaped(out, static_cast<unsigned char>(text[i]));
        } else {
            out.append(text.substr(0, taken));
        }
        text.remove_prefix(taken);
    }
    return out;
}

void printOut(std::string_view text) {
    std::cout << terminalText(text);
}

void printError(std::string_view text) {
    std::cerr << terminalText(text) << std::flush;
}

void eraseStatusLine() {
    std::cerr << "\r\033[K" << std::flush;
}

void rewriteOutputLines(size_t count, std::string_view lines) {
    if (count > 0) std::cout << "\033[" << count << "A";
    std::string_view rest = lines;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        std::cout << "\r\033[K" << terminalText(line) << "\n";
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    std::cout << std::flush;
}

}  // namespace quorprog::cli
