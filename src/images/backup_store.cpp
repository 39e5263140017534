#include "images/backup_store.h"

#include "seams/file_replacement.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>
#include <tuple>

namespace quorprog {
namespace {

constexpr std::string_view kExtension = ".bin";
// More backups than this within one second means something is wrong; none is overwritten.
constexpr int kMaxSequence = 99;
// Keeps a long model name from making the file name too long for the file system.
constexpr size_t kMaxModelLength = 100;

bool unsafeInFileName(unsigned char c) {
    return c < 0x20 || c == 0x7F ||
           std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string safeModelName(std::string_view model) {
    std::string safe(model.substr(0, kMaxModelLength));
    std::replace_if(
        safe.begin(), safe.end(), [](char c) { return unsafeInFileName(c); }, '_');
    return safe.empty() ? "_" : safe;
}

bool digitsAt(std::string_view text, size_t start, size_t count) {
    if (text.size() < start + count) return false;
    return std::all_of(text.begin() + start, text.begin() + start + count,
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

int numberAt(std::string_view text, size_t start, size_t count) {
    int value = 0;
    for (size_t i = start; i < start + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
}

// "20261208-143005" and, within one second, "-02"; the entry's time and sequence.
bool parseTime(std::string_view& name, BackupEntry& entry) {
    if (!digitsAt(name, 0, 8) || name.size() < 15 || name[8] != '-' || !digitsAt(name, 9, 6)) {
        return false;
    }
    entry.time = {{numberAt(name, 0, 4), numberAt(name, 4, 2), numberAt(name, 6, 2)},
                  {numberAt(name, 9, 2), numberAt(name, 11, 2), numberAt(name, 13, 2)}};
    name.remove_prefix(15);
    if (name.size() >= 3 && name[0] == '-' && digitsAt(name, 1, 2)) {
        entry.sequence = numberAt(name, 1, 2);
        name.remove_prefix(3);
    }
    return true;
}

bool sameSecond(const LocalTime& a, const LocalTime& b) {
    return a.date.year == b.date.year && a.date.month == b.date.month && a.date.day == b.date.day &&
           a.time.hour == b.time.hour && a.time.minute == b.time.minute &&
           a.time.second == b.time.second;
}

// Newest first: by time, then by the order within the second.
bool newer(const BackupEntry& a, const BackupEntry& b) {
    const auto key = [](const BackupEntry& e) {
        return std::make_tuple(e.time.date.year, e.time.date.month, e.time.date.day,
                               e.time.time.hour, e.time.time.minute, e.time.time.second,
                               e.sequence);
    };
    return key(a) > key(b);
}

}  // namespace

std::string_view backupKindName(BackupKind kind) {
    return kind == BackupKind::Read ? "read" : "before write";
}

std::string backupFileName(const LocalTime& time, int sequence, std::string_view model,
                           BackupKind kind) {
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", time.date.year, time.date.month,
                  time.date.day, time.time.hour, time.time.minute, time.time.second);
    std::string name = stamp;
    if (sequence > 1) {
        std::snprintf(stamp, sizeof stamp, "-%02d", sequence);
        name += stamp;
    }
    return name + " " + safeModelName(model) + " " + std::string(backupKindName(kind)) +
           std::string(kExtension);
}

std::optional<BackupEntry> parseBackupFileName(std::string_view name) {
    BackupEntry entry;
    entry.file = std::string(name);
    std::string_view rest = name;
    if (!parseTime(rest, entry) || rest.empty() || rest[0] != ' ') return std::nullopt;
    rest.remove_prefix(1);
    for (const BackupKind kind : {BackupKind::Read, BackupKind::BeforeWrite}) {
        const std::string ending =
            " " + std::string(backupKindName(kind)) + std::string(kExtension);
        if (rest.size() > ending.size() && rest.ends_with(ending)) {
            entry.model = rest.substr(0, rest.size() - ending.size());
            entry.kind = kind;
            return entry;
        }
    }
    return std::nullopt;
}

BackupStore::Saved BackupStore::save(std::span<const uint8_t> image, std::string_view model,
                                     BackupKind kind, const LocalTime& time) const {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    if (error) return {{}, "cannot create the folder " + folder_.string() + ": " + error.message()};

    int first = 1;
    for (const BackupEntry& entry : list()) {
        if (sameSecond(entry.time, time)) first = std::max(first, entry.sequence + 1);
    }
    for (int sequence = first; sequence <= kMaxSequence; ++sequence) {
        const std::filesystem::path target = folder_ / backupFileName(time, sequence, model, kind);
        switch (createNewFile(target, image)) {
            case NewFileOutcome::Created:
                return {target, {}};
            case NewFileOutcome::NameTaken:
                continue;
            case NewFileOutcome::Failed:
                return {{}, "cannot write in the folder " + folder_.string()};
        }
    }
    return {{}, "cannot name the backup in " + folder_.string() +
                    ": too many backups within one second"};
}

std::vector<BackupEntry> BackupStore::list() const {
    std::vector<BackupEntry> entries;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(folder_, error)) {
        if (!item.is_regular_file(error)) continue;
        auto entry = parseBackupFileName(item.path().filename().string());
        if (!entry) continue;
        entry->file = item.path();
        entries.push_back(std::move(*entry));
    }
    std::sort(entries.begin(), entries.end(), newer);
    return entries;
}

}  // namespace quorprog
