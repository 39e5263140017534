#include "files/channel_file_commands.h"

#include "files/channel_file_table.h"
#include "files/file_bytes.h"

namespace quorprog {
namespace {

void reportError(Prompter& prompter, const LocalTextLookup& text, const std::string& message) {
    prompter.inform(message, text(file_text::kErrorCaption));
}

}  // namespace

OpenResult openChannelFile(std::span<const uint8_t> bytes, ChannelTable& table, Prompter& prompter,
                           const LocalTextLookup& text) {
    ChannelFileParse parse = parseChannelFile(bytes);
    if (!parse.ok()) {
        // A wrong kind of file and one cut short are the same to the user: corrupt.
        reportError(prompter, text, text(file_text::kCorruptFile));
        return {};
    }
    if (!fileMatchesTable(parse.file, table)) {
        return {OpenOutcome::ImportNeeded, std::move(parse.file)};
    }
    const uint32_t unavailable = loadMatchingFile(parse.file, table);
    for (uint32_t i = 0; i < unavailable; ++i) {
        reportError(prompter, text, text(file_text::kSubtoneUnavailable));
    }
    prompter.inform(text(file_text::kFileRead), text(file_text::kInformationCaption));
    return {OpenOutcome::Loaded, std::move(parse.file)};
}

OpenResult openChannelFile(const std::filesystem::path& path, ChannelTable& table,
                           Prompter& prompter, const LocalTextLookup& text) {
    std::optional<std::vector<uint8_t>> bytes = readFileBytes(path);
    if (!bytes) {
        reportError(prompter, text, "Cannot read the file \"" + path.string() + "\".");
        return {};
    }
    return openChannelFile(*bytes, table, prompter, text);
}

bool saveChannelFile(const std::filesystem::path& path, const ChannelTable& table, int32_t savedAt,
                     Prompter& prompter, const LocalTextLookup& text) {
    if (writeFileBytes(path, serializeChannelFile(channelFileFromTable(table, savedAt)))) {
        return true;
    }
    reportError(prompter, text, "Cannot write the file \"" + path.string() + "\".");
    return false;
}

}  // namespace quorprog
