#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorprog {

// quorprog.ini: the language index (section GENERAL, key LANGUAGE) and what other parts of the
// window keep between runs in sections of their own. Sections nobody here writes, such as the
// port names of [PORTS], are left as they are.
class SettingsFile {
  public:
    static constexpr int kNoLanguage = -1;

    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The saved index as written, or kNoLanguage when there is none.
    int readLanguage() const;

    // Saves the index at once; false when the file cannot be written.
    bool writeLanguage(int language) const;

    // A value as the INI rules read it; empty when the file, section or key is missing.
    std::string readValue(std::string_view section, std::string_view key) const;
    // Saves one value at once, every other line kept; false when the file cannot be written.
    bool writeValue(std::string_view section, std::string_view key, std::string_view value) const;

  private:
    QString path_;
};

}  // namespace quorprog
