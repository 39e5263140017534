#include "app/ini_text.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "description/description_reader.h"

namespace quorprog {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The lines of `text`, each without its line end.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

bool isSectionHeader(std::string_view line) {
    return iniSectionName(line).has_value();
}

bool isSection(std::string_view line, std::string_view section) {
    const auto name = iniSectionName(line);
    return name && sameName(*name, section);
}

bool isKey(std::string_view line, std::string_view key) {
    const size_t equals = line.find('=');
    return equals != std::string_view::npos && sameName(trimmed(line.substr(0, equals)), key);
}

}  // namespace

std::string withIniValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view value) {
    const std::string lineEnd = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    const std::string entry = std::string(key) + "=" + std::string(value);
    const std::vector<std::string_view> original = linesOf(text);
    std::vector<std::string> lines(original.begin(), original.end());

    const auto header = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return isSection(line, section);
    });
    if (header == lines.end()) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else {
        const auto sectionEnd =
            std::find_if(std::next(header), lines.end(),
                         [](const std::string& l) { return isSectionHeader(l); });
        const auto existing =
            std::find_if(std::next(header), sectionEnd,
                         [&](const std::string& line) { return isKey(line, key); });
        if (existing != sectionEnd) {
            *existing = entry;
        } else {
            // After the section's last non-empty line, so a blank line before the next section
            // stays where it was.
            auto last = sectionEnd;
            while (last != std::next(header) && trimmed(*std::prev(last)).empty()) --last;
            lines.insert(last, entry);
        }
    }

    std::string result;
    for (const std::string& line : lines) result += line + lineEnd;
    return result;
}

}  // namespace quorprog
