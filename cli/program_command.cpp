#include <set>
#include <sstream>

#include "channels/pll.h"
#include "commands.h"
#include "device_steps.h"
#include "description/integer_text.h"
#include "files/channel_file_commands.h"
#include "plan_files.h"
#include "files/import_mapping.h"
#include "report.h"
#include "session/group_encoding.h"
#include "text/text_ids.h"

namespace quorprog::cli {

namespace {

using GroupMap = std::vector<std::pair<uint32_t, uint32_t>>;  // file group → device group

[[noreturn]] void badGroupMap(const std::string& mapping) {
    throw UsageError("program: --map wants FILE_GROUP:DEVICE_GROUP pairs, not \"" + mapping + "\"");
}

uint32_t groupNumber(const std::string& text, const std::string& mapping) {
    const auto value = parseIntegerText(text);
    if (!value || *value < 0) badGroupMap(mapping);
    return static_cast<uint32_t>(*value);
}

GroupMap parseGroupMap(const std::string& mapping) {
    GroupMap pairs;
    std::set<uint32_t> sources;
    std::stringstream items(mapping);
    for (std::string item; std::getline(items, item, ',');) {
        const size_t colon = item.find(':');
        if (colon == std::string::npos) badGroupMap(mapping);
        const uint32_t from = groupNumber(item.substr(0, colon), mapping);
        const uint32_t to = groupNumber(item.substr(colon + 1), mapping);
        if (!sources.insert(from).second) {
            throw UsageError("program: --map names file group " + std::to_string(from) + " twice");
        }
        pairs.emplace_back(from, to);
    }
    if (pairs.empty()) badGroupMap(mapping);
    return pairs;
}

// The destinations the import dialog would offer for every file group.
std::string eligibleDestinations(const ChannelFile& file, const ChannelTable& table,
                                 const LocalTexts& texts) {
    std::string out;
    const auto rows = importRows(file, table, texts);
    for (size_t i = 0; i < rows.size(); ++i) {
        out += "\n  file group " + std::to_string(i) + " " + rows[i].sourceLabel + ", " +
               rows[i].rangeLabel + " ->";
        if (rows[i].destinations.empty()) out += " none";
        for (const ImportDestination& destination : rows[i].destinations) {
            out += " " + std::to_string(destination.deviceGroup) + " (" + destination.label + ")";
        }
    }
    return out;
}

// Copies the mapped file groups into the table with the import dialog's rules and messages.
bool importGroups(CliEnvironment& environment, const ChannelFile& file, ChannelTable& table,
                  const GroupMap& pairs) {
    const LocalTexts& texts = environment.texts();
    std::vector<int32_t> chosen(file.groups.size(), kNoDestination);
    for (const auto& [from, to] : pairs) {
        if (from >= file.groups.size()) {
            fail("the file has no group " + std::to_string(from) + "; it has " +
                 std::to_string(file.groups.size()));
            return false;
        }
        if (!canImportInto(file.groups[from], table, to)) {
            fail("file group " + std::to_string(from) + " cannot go to device group " +
                 std::to_string(to) +
                 "; possible destinations:" + eligibleDestinations(file, table, texts));
            return false;
        }
        chosen[from] = static_cast<int32_t>(to);
    }
    return applyImport(file, chosen, table, environment.prompter(), texts) ==
           ImportOutcome::Imported;
}

// Every group of the table into the image, as opening a file does for the group on display.
void encodeAllGroups(DeviceSession& session) {
    for (uint32_t p = 0; p < session.table().PartitionCount; ++p) {
        const int32_t result = encodeGroup(session.table(), session.memoryMap(), p);
        if (result == kEncodeFailed) {
            note("group " + std::to_string(p) +
                 ": channels that are empty or outside the group's range are stored as empty");
        } else if (result == kEncodeSnapped) {
            note("group " + std::to_string(p) + ": frequencies moved down to the channel step");
        }
    }
}

}  // namespace

int runProgram(CliEnvironment& environment, CommandArguments& arguments) {
    const int programmer = arguments.positiveOption("-p", 1);
    const bool dryRun = arguments.flag("--dry-run");
    const bool mapGiven = arguments.has("--map");
    const GroupMap pairs = mapGiven ? parseGroupMap(arguments.option("--map")) : GroupMap{};
    const std::string path = arguments.operand("FILE.qvm");
    arguments.finish();

    // A file that cannot be used is refused before the device is touched.
    ChannelFile checked;  // opened again below against the device's table
    Bytes bytes;
    if (const int status = readChannelFile(environment, path, checked, &bytes); status != kSuccess)
        return status;

    ProgrammerConnection connection(environment);
    DeviceSession session(environment.description(), environment.sessionServices());
    if (!readDevice(environment, connection, programmer, session)) return kFailed;

    const OpenResult opened =
        openChannelFile(bytes, session.table(), environment.prompter(), environment.texts());
    switch (opened.outcome) {
        case OpenOutcome::Refused:
            return kFailed;
        case OpenOutcome::Loaded:
            if (mapGiven)
                note("the file comes from this model: --map is not needed and was ignored");
            break;
        case OpenOutcome::ImportNeeded:
            if (!mapGiven) {
                return fail(
                    path + " comes from another model (" + opened.file.modelIdentifier +
                    "); choose destinations with --map FILE_GROUP:DEVICE_GROUP,... from:" +
                    eligibleDestinations(opened.file, session.table(), environment.texts()));
            }
            if (!importGroups(environment, opened.file, session.table(), pairs)) return kFailed;
            break;
    }

    encodeAllGroups(session);
    return writeOrPreview(environment, connection, session, dryRun);
}

}  // namespace quorprog::cli
