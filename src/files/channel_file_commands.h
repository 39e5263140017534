#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "channels/channel_table.h"
#include "files/channel_file.h"
#include "seams/prompter.h"
#include "text/local_texts.h"

namespace quorprog {

enum class OpenOutcome {
    Refused,       // the file was unreadable or corrupt; the user was told, the table is unchanged
    Loaded,        // it came from the loaded model and every group went in directly
    ImportNeeded,  // another model: the user picks destinations (importRows, applyImport)
};

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::Refused;
    ChannelFile file;  // the file as read, for the import
};

// Opens a channel file over the loaded model. A file from that same model goes straight into the
// table, with one "subtone unavailable" box per channel whose code the group lacks and then the
// "File successfully read!" box; any other valid file is handed back for the import. Only
// frequencies and subtone positions change: encoding them into the memory image is the caller's
// next step.
OpenResult openChannelFile(std::span<const uint8_t> bytes, ChannelTable& table, Prompter& prompter,
                           const LocalTexts& texts);
OpenResult openChannelFile(const std::filesystem::path& path, ChannelTable& table,
                           Prompter& prompter, const LocalTexts& texts);

// Writes the table as it stands to path, replacing any file there without a question. A file
// that cannot be written is reported; the result says whether the file was written.
bool saveChannelFile(const std::filesystem::path& path, const ChannelTable& table, int32_t savedAt,
                     Prompter& prompter, const LocalTexts& texts);

}  // namespace quorprog
