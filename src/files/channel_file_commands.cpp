#include "files/channel_file_commands.h"

#include "files/channel_file_table.h"
#include "files/file_bytes.h"

namespace quorprog {
namespace {

void reportError(Prompter& prompter, const LocalTexts& texts, const std::string& message) {
    prompter.inform(message, texts.LocalText(text::kError));
}

}  // namespace

OpenResult openChannelFile(std::span<const uint8_t> bytes, ChannelTable& table, Prompter& prompter,
                           const LocalTexts& texts) {
    ChannelFileParse parse = parseChannelFile(bytes);
    if (!parse.ok()) {
        // A wrong kind of file and one cut short are the same to the user: corrupt.
        reportError(prompter, texts, texts.LocalText(text::kFileCorrupt));
        return {};
    }
    if (!fileMatchesTable(parse.file, table)) {
        return {OpenOutcome::ImportNeeded, std::move(parse.file)};
    }
    const uint32_t unavailable = loadMatchingFile(parse.file, table);
    for (uint32_t i = 0; i < unavailable; ++i) {
        reportError(prompter, texts, texts.LocalText(text::kImportSubtoneUnavailable));
    }
    prompter.inform(texts.LocalText(text::kFileRead), texts.LocalText(text::kInformation));
    return {OpenOutcome::Loaded, std::move(parse.file)};
}

OpenResult openChannelFile(const std::filesystem::path& path, ChannelTable& table,
                           Prompter& prompter, const LocalTexts& texts) {
    // A file larger than any channel plan (a video picked by mistake) is the wrong kind of file.
    std::error_code sizeError;
    if (std::filesystem::file_size(path, sizeError) > kMaxChannelFileSize && !sizeError) {
        reportError(prompter, texts, texts.LocalText(text::kFileCorrupt));
        return {};
    }
    std::optional<std::vector<uint8_t>> bytes = readFileBytes(path);
    if (!bytes) {
        reportError(prompter, texts, "Cannot read the file \"" + path.string() + "\".");
        return {};
    }
    return openChannelFile(*bytes, table, prompter, texts);
}

bool saveChannelFile(const std::filesystem::path& path, const ChannelTable& table, int32_t savedAt,
                     Prompter& prompter, const LocalTexts& texts) {
    if (writeFileBytes(path, serializeChannelFile(channelFileFromTable(table, savedAt)))) {
        return true;
    }
    reportError(prompter, texts, "Cannot write the file \"" + path.string() + "\".");
    return false;
}

}  // namespace quorprog
