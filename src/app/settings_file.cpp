#include "app/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/ini_text.h"
#include "description/description_reader.h"
#include "files/file_bytes.h"

namespace quorprog {
namespace {

constexpr const char* kSection = "GENERAL";
constexpr const char* kLanguageKey = "LANGUAGE";

}  // namespace

int SettingsFile::readLanguage() const {
    if (!QFileInfo::exists(path_)) return kNoLanguage;
    return DescriptionReader::fromFile(path_.toStdString())
        .readInteger(kSection, kLanguageKey, kNoLanguage);
}

bool SettingsFile::writeLanguage(int language) const {
    return writeValue(kSection, kLanguageKey, std::to_string(language));
}

std::string SettingsFile::readValue(std::string_view section, std::string_view key) const {
    if (!QFileInfo::exists(path_)) return {};
    return DescriptionReader::fromFile(path_.toStdString()).readText(section, key);
}

bool SettingsFile::writeValue(std::string_view section, std::string_view key,
                              std::string_view value) const {
    QByteArray text;
    QFile current(path_);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly)) return false;
        text = current.readAll();
    }
    const std::string updated = withIniValue(text.toStdString(), section, key, value);
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
    return writeFileBytes(QFile::encodeName(path_).toStdString(),
                          std::span(reinterpret_cast<const uint8_t*>(updated.data()), updated.size()));
}

}  // namespace quorprog
