#include "cli_environment.h"

#include <system_error>

#include "description/default_description.h"
#include "seams/file_log.h"
#include "text/language_list.h"
#include "ui/files/system_date_separator.h"
#include "ui/serial/settings_port_map.h"

namespace quorprog::cli {

CliEnvironment::CliEnvironment(const GlobalOptions& options, DescriptionReader description,
                               std::unique_ptr<Log> log, std::filesystem::path settingsFile)
    : options_(options),
      description_(std::move(description)),
      log_(std::move(log)),
      settingsFile_(std::move(settingsFile)),
      prompter_(options.yes),
      clock_(systemDateSeparator()),
      backupStore_(defaultBackupFolder()),
      backups_(backupStore_, clock_, prompter_, texts_, DeviceBackups::OnFailure::Refuse) {
    // The language the program was last left in, read by the same INI rules.
    const int saved =
        DescriptionReader::fromFile(settingsFile_).readInteger("GENERAL", "LANGUAGE", 0);
    texts_.setCurrentLanguage(
        clampLanguageIndex(saved, static_cast<int>(texts_.table().languages().size())));
}

std::unique_ptr<CliEnvironment> CliEnvironment::create(const GlobalOptions& options,
                                                       std::string& error) {
    DescriptionReader description = DescriptionReader::fromText(defaultDescriptionText());
    if (!options.descriptionFile.empty()) {
        std::error_code code;
        if (!std::filesystem::is_regular_file(options.descriptionFile, code)) {
            error = "cannot read the description " + options.descriptionFile;
            return nullptr;
        }
        description = DescriptionReader::fromFile(options.descriptionFile);
    }

    std::unique_ptr<Log> log = std::make_unique<NullLog>();
    if (!options.logFile.empty()) {
        auto file = std::make_unique<FileLog>(options.logFile, FileLog::Mode::Append);
        if (!file->isOpen()) {
            error = "cannot open the log " + options.logFile;
            return nullptr;
        }
        log = std::move(file);
    }
    return std::unique_ptr<CliEnvironment>(
        new CliEnvironment(options, std::move(description), std::move(log), defaultSettingsFile()));
}

}  // namespace quorprog::cli
