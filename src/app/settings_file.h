#pragma once

#include <QString>

namespace quorprog {

// quorprog.ini: the one setting kept between runs, the language index (section GENERAL, key
// LANGUAGE). Other sections, such as the port names of [PORTS], are left as they are.
class SettingsFile {
  public:
    static constexpr int kNoLanguage = -1;

    explicit SettingsFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The saved index as written, or kNoLanguage when there is none.
    int readLanguage() const;

    // Saves the index at once; false when the file cannot be written.
    bool writeLanguage(int language) const;

  private:
    QString path_;
};

}  // namespace quorprog
