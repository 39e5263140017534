#include <cstdio>

#include "commands.h"
#include "printable_text.h"
#include "json_writer.h"
#include "seams/iso_time.h"
#include "report.h"

namespace quorprog::cli {

namespace {

std::string backupsJson(const std::vector<BackupEntry>& entries) {
    JsonWriter json;
    json.beginObject().beginArray("backups");
    for (const BackupEntry& entry : entries) {
        json.beginObject()
            .value("file", entry.file.string())
            .value("model", entry.model)
            .value("kind", backupKindName(entry.kind))
            .value("time", isoTimeText(entry.time))
            .endObject();
    }
    json.endArray().endObject();
    return json.text() + "\n";
}

// One line per backup: time, kind, model, then the file.
std::string backupsText(const std::vector<BackupEntry>& entries) {
    std::string text;
    for (const BackupEntry& entry : entries) {
        std::string time = isoTimeText(entry.time);
        time[10] = ' ';
        text += time + "  " + std::string(backupKindName(entry.kind)) + "  " + entry.model +
                "\n    " + entry.file.string() + "\n";
    }
    return text;
}

}  // namespace

int runBackups(CliEnvironment& environment, CommandArguments& arguments) {
    arguments.finish();
    const auto entries = environment.backupStore().list();
    printOut(environment.options().json ? backupsJson(entries) : backupsText(entries));
    if (!environment.options().json && entries.empty()) {
        note("no backups in " + environment.backupStore().folder().string());
    }
    return kSuccess;
}

}  // namespace quorprog::cli
