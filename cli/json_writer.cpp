#include "json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quorprog::cli {

std::string JsonWriter::quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

void JsonWriter::startValue(std::string_view key) {
    if (!hasValue_.empty()) {
        if (hasValue_.back()) text_ += ',';
        hasValue_.back() = true;
    }
    if (!key.empty()) text_ += quoted(key) + ':';
}

JsonWriter& JsonWriter::beginObject(std::string_view key) {
    startValue(key);
    text_ += '{';
    hasValue_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    text_ += '}';
    hasValue_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::beginArray(std::string_view key) {
    startValue(key);
    text_ += '[';
    hasValue_.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    text_ += ']';
    hasValue_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view key, std::string_view text) {
    startValue(key);
    text_ += quoted(text);
    return *this;
}

JsonWriter& JsonWriter::integer(std::string_view key, int64_t number) {
    startValue(key);
    text_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view key, double number) {
    startValue(key);
    // JSON has no NaN or infinity; a channel frequency never is one, but a file may hold any bits.
    if (!std::isfinite(number)) {
        text_ += "null";
        return *this;
    }
    // As "%.15g" but always with a dot: printf follows the locale, which Qt sets from the
    // environment, and JSON has one decimal separator only.
    char digits[32];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, number, std::chars_format::general, 15);
    text_.append(digits, written.ptr);
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view key, bool flag) {
    startValue(key);
    text_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null(std::string_view key) {
    startValue(key);
    text_ += "null";
    return *this;
}

}  // namespace quorprog::cli
