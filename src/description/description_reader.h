#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quorprog {

// The section that a line of INI text opens, as written; nothing when the line opens none. A
// header is a line whose first non-blank character is "[", and names what lies before the first
// "]", without surrounding blanks; whatever follows the "]", such as a comment, is ignored. The
// reader below and the settings writer both go by this.
std::optional<std::string_view> iniSectionName(std::string_view line);

// Reads the INI-format device description. Section and key names match without regard to case;
// spaces around key and value are dropped; one pair of enclosing quotes is removed; values are
// cut at 2047 characters; a missing section, a missing key and an empty value all give the
// caller's default. The reader itself never fails.
//
// A reader opened on a file follows the file on disk: when its size or modification time changes,
// it is read again, so a description edited while the program runs is what the next lookup sees.
class DescriptionReader {
  public:
    static constexpr size_t kMaxValueLength = 2047;

    DescriptionReader() = default;
    static DescriptionReader fromText(std::string_view text);
    static DescriptionReader fromFile(const std::filesystem::path& path);
    // What the reader holds now, never read from disk again: a lookup then changes nothing, so
    // sessions on several threads can share one description.
    DescriptionReader frozen() const;

    std::string readText(std::string_view section, std::string_view key,
                         std::string_view fallback = {}) const;
    int32_t readInteger(std::string_view section, std::string_view key, int32_t fallback) const;

    const std::filesystem::path& path() const { return path_; }

  private:
    using Section = std::map<std::string, std::string>;

    void parse(std::string_view text) const;
    void refreshFromDisk() const;

    std::filesystem::path path_;
    mutable std::map<std::string, Section> sections_;
    mutable std::filesystem::file_time_type loadedTime_{};
    mutable std::uintmax_t loadedSize_ = static_cast<std::uintmax_t>(-1);
};

}  // namespace quorprog
