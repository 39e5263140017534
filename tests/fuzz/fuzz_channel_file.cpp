// libFuzzer target: arbitrary bytes as a channel file, parsed and then opened over the built-in
// dual-group model, with the import applied to destinations the input itself picks.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "files/channel_file.h"
#include "files/channel_file_commands.h"
#include "files/import_mapping.h"
#include "files_test_support.h"

namespace {

using namespace quorprog;

void require(bool condition) {
    if (!condition) std::abort();
}

// Writing a parsed file and reading it back must give the same bytes again: nothing the reader
// accepts is lost or invented by the writer.
void checkRoundTrip(const ChannelFile& file) {
    const std::vector<uint8_t> written = serializeChannelFile(file);
    const ChannelFileParse again = parseChannelFile(written);
    require(again.ok());
    require(serializeChannelFile(again.file) == written);
}

// Open and import change channel values, never the shape of the table.
void checkShape(const ChannelTable& table) {
    for (uint32_t p = 0; p < table.PartitionCount; ++p) {
        require(table.Frequency[p].size() == table.FrequencyCount[p]);
        require(table.SubtoneIndex[p].size() == table.FrequencyCount[p]);
        for (uint8_t position : table.SubtoneIndex[p]) {
            require(position < table.SubtoneTables.SubtoneCount(static_cast<int32_t>(p)));
        }
    }
}

// One choice per file group taken from the input: none, a device group, or one past the last.
std::vector<int32_t> choicesFrom(std::span<const uint8_t> bytes, size_t groups,
                                 uint32_t partitions) {
    std::vector<int32_t> chosen;
    for (size_t i = 0; i < groups && !bytes.empty(); ++i) {
        chosen.push_back(
            static_cast<int32_t>(bytes[bytes.size() - 1 - i % bytes.size()] % (partitions + 2)) -
            1);
    }
    return chosen;
}

// Building the table from the description costs more than a run; open and import change only
// channel values, so each run starts from the same table with those values put back.
ChannelTable& freshDualGroupTable() {
    static ChannelTable table = test::defaultDualGroupTable();
    static const ChannelTable original = test::defaultDualGroupTable();
    table.Frequency = original.Frequency;
    table.SubtoneIndex = original.SubtoneIndex;
    return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const LocalTexts texts;
    const std::span<const uint8_t> bytes(data, size);

    const ChannelFileParse parse = parseChannelFile(bytes);
    if (parse.ok()) checkRoundTrip(parse.file);

    ChannelTable& table = freshDualGroupTable();
    test::RecordingPrompter prompter;
    OpenResult opened = openChannelFile(bytes, table, prompter, texts);
    require((opened.outcome == OpenOutcome::Refused) == !parse.ok());
    if (opened.outcome == OpenOutcome::ImportNeeded) {
        const std::vector<ImportRow> rows = importRows(opened.file, table, texts);
        require(rows.size() == opened.file.groups.size());
        applyImport(opened.file,
                    choicesFrom(bytes, opened.file.groups.size(), table.PartitionCount), table,
                    prompter, texts);
    }
    checkShape(table);
    return 0;
}
