#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorprog::cli {

// Builds one JSON text, compact, in the order the values are added, the same under every locale.
// Strings are escaped as JSON requires (quote, backslash, control characters); well-formed UTF-8
// passes through, and any other byte above 127 becomes \u00XX, the Latin-1 character of its value,
// so the text always parses. The caller pairs begin/end calls; keys are given only inside objects.
class JsonWriter {
  public:
    JsonWriter& beginObject(std::string_view key = {});
    JsonWriter& endObject();
    JsonWriter& beginArray(std::string_view key = {});
    JsonWriter& endArray();

    JsonWriter& value(std::string_view key, std::string_view text);
    JsonWriter& value(std::string_view key, const char* text) {
        return value(key, std::string_view(text));
    }
    template <std::integral T>
    requires(!std::same_as<T, bool>) JsonWriter& value(std::string_view key, T number) {
        return integer(key, static_cast<int64_t>(number));
    }
    JsonWriter& value(std::string_view key, double number);
    JsonWriter& value(std::string_view key, bool flag);
    JsonWriter& null(std::string_view key);

    // Array elements.
    JsonWriter& element(std::string_view text) { return value({}, text); }
    template <std::integral T>
    requires(!std::same_as<T, bool>) JsonWriter& element(T number) {
        return integer({}, static_cast<int64_t>(number));
    }
    JsonWriter& element(double number) { return value({}, number); }

    const std::string& text() const { return text_; }

    static std::string quoted(std::string_view text);

  private:
    JsonWriter& integer(std::string_view key, int64_t number);
    void startValue(std::string_view key);

    std::string text_;
    // One entry per open object or array: whether it holds a value yet.
    std::vector<bool> hasValue_;
};

}  // namespace quorprog::cli
