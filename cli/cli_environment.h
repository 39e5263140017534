#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "command_line.h"
#include "description/description_reader.h"
#include "images/backup_store.h"
#include "seams/clock.h"
#include "seams/log.h"
#include "session/device_backups.h"
#include "session/device_session.h"
#include "terminal_progress.h"
#include "terminal_prompter.h"
#include "text/local_texts.h"

namespace quorprog::cli {

// What every command works with, set up once from the global options: the device description,
// the texts in the language of quorprog.ini, the log, the terminal's message boxes and progress
// line, and the backup folder that the program shares.
class CliEnvironment {
  public:
    // Nothing when the description or the log cannot be opened; `error` says which.
    static std::unique_ptr<CliEnvironment> create(const GlobalOptions& options, std::string& error);

    const GlobalOptions& options() const { return options_; }
    const DescriptionReader& description() const { return description_; }
    const std::filesystem::path& settingsFile() const { return settingsFile_; }
    Log& log() { return *log_; }
    Prompter& prompter() { return prompter_; }
    ProgressView& progress() { return progress_; }

    // A text by its English id in the current language.
    std::string text(int englishId) const { return texts_.LocalText(englishId); }
    const LocalTexts& texts() const { return texts_; }
    // Another language than quorprog.ini's, for this run only.
    void setLanguage(int language) { texts_.setCurrentLanguage(language); }
    SessionServices sessionServices() { return {prompter_, progress_, *log_, clock_, texts_}; }
    // Today, with the desktop's date separator, as the program stamps and prints it.
    const Clock& clock() const { return clock_; }

    // The per-user backup folder of the program (…/quorprog/backups).
    const BackupStore& backupStore() const { return backupStore_; }
    // What a device session keeps its backups with: a backup that cannot be saved stops a write.
    // None with --no-backup.
    DeviceBackups* backups() { return options_.noBackup ? nullptr : &backups_; }

  private:
    CliEnvironment(const GlobalOptions& options, DescriptionReader description,
                   std::unique_ptr<Log> log, std::filesystem::path settingsFile);

    GlobalOptions options_;
    DescriptionReader description_;
    std::unique_ptr<Log> log_;
    std::filesystem::path settingsFile_;
    LocalTexts texts_;
    TerminalPrompter prompter_;
    TerminalProgress progress_;
    SystemClock clock_;
    BackupStore backupStore_;
    DeviceBackups backups_;
};

}  // namespace quorprog::cli
