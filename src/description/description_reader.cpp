#include "description/description_reader.h"

#include <fstream>
#include <sstream>

#include "description/integer_text.h"

namespace quorprog {
namespace {

std::string lowerCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

std::string_view trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view withoutEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::optional<std::string_view> iniSectionName(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    return trimmed(line.substr(1, line.find(']') - 1));
}

DescriptionReader DescriptionReader::fromText(std::string_view text) {
    DescriptionReader reader;
    reader.parse(text);
    return reader;
}

DescriptionReader DescriptionReader::fromFile(const std::filesystem::path& path) {
    DescriptionReader reader;
    reader.path_ = path;
    reader.refreshFromDisk();
    return reader;
}

DescriptionReader DescriptionReader::frozen() const {
    refreshFromDisk();
    DescriptionReader copy;
    copy.sections_ = sections_;
    return copy;
}

void DescriptionReader::parse(std::string_view text) const {
    sections_.clear();
    Section* current = nullptr;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') continue;
        if (const auto name = iniSectionName(line)) {
            current = &sections_[lowerCase(*name)];  // a repeated section adds to the first
            continue;
        }
        const size_t equals = line.find('=');
        if (!current || equals == std::string_view::npos) continue;
        const std::string key = lowerCase(trimmed(line.substr(0, equals)));
        std::string_view value = withoutEnclosingQuotes(trimmed(line.substr(equals + 1)));
        if (value.size() > kMaxValueLength) value = value.substr(0, kMaxValueLength);
        current->emplace(key, std::string(value));  // the first of repeated keys counts
    }
}

void DescriptionReader::refreshFromDisk() const {
    if (path_.empty()) return;
    std::error_code error;
    const auto size = std::filesystem::file_size(path_, error);
    const auto time =
        error ? std::filesystem::file_time_type{} : std::filesystem::last_write_time(path_, error);
    if (error) {
        sections_.clear();
        loadedSize_ = static_cast<std::uintmax_t>(-1);
        return;
    }
    if (size == loadedSize_ && time == loadedTime_) return;
    std::ifstream file(path_, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    parse(content.str());
    loadedSize_ = size;
    loadedTime_ = time;
}

std::string DescriptionReader::readText(std::string_view section, std::string_view key,
                                        std::string_view fallback) const {
    refreshFromDisk();
    const auto foundSection = sections_.find(lowerCase(section));
    if (foundSection != sections_.end()) {
        const auto foundKey = foundSection->second.find(lowerCase(key));
        if (foundKey != foundSection->second.end() && !foundKey->second.empty())
            return foundKey->second;
    }
    return std::string(fallback);
}

int32_t DescriptionReader::readInteger(std::string_view section, std::string_view key,
                                       int32_t fallback) const {
    const std::string text = readText(section, key);
    if (text.empty()) return fallback;
    return parseIntegerText(text).value_or(fallback);
}

}  // namespace quorprog
