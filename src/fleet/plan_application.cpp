#include "fleet/plan_application.h"

#include "channels/pll.h"
#include "files/channel_file_commands.h"
#include "files/import_mapping.h"
#include "session/group_encoding.h"

namespace quorprog {

namespace {

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
bool importGroups(const ChannelFile& file, ChannelTable& table, const GroupMap& pairs,
                  Prompter& prompter, const LocalTexts& texts, std::string& problem) {
    std::vector<int32_t> chosen(file.groups.size(), kNoDestination);
    for (const auto& [from, to] : pairs) {
        if (from >= file.groups.size()) {
            problem = "the file has no group " + std::to_string(from) + "; it has " +
                      std::to_string(file.groups.size());
            return false;
        }
        if (!canImportInto(file.groups[from], table, to)) {
            problem = "file group " + std::to_string(from) + " cannot go to device group " +
                      std::to_string(to) +
                      "; possible destinations:" + eligibleDestinations(file, table, texts);
            return false;
        }
        chosen[from] = static_cast<int32_t>(to);
    }
    return applyImport(file, chosen, table, prompter, texts) == ImportOutcome::Imported;
}

// Every group of the table into the image, as opening a file does for the group on display.
void encodeAllGroups(DeviceSession& session, std::vector<std::string>& notes) {
    for (uint32_t p = 0; p < session.table().PartitionCount; ++p) {
        const int32_t result = encodeGroup(session.table(), session.memoryMap(), p);
        if (result == kEncodeFailed) {
            notes.push_back("group " + std::to_string(p) +
                            ": channels that are empty or outside the group's range are stored "
                            "as empty");
        } else if (result == kEncodeSnapped) {
            notes.push_back("group " + std::to_string(p) +
                            ": frequencies moved down to the channel step");
        }
    }
}

}  // namespace

PlanApplication applyChannelPlan(DeviceSession& session, std::span<const uint8_t> file,
                                 const GroupMap* map, Prompter& prompter,
                                 const LocalTexts& texts) {
    PlanApplication result;
    const OpenResult opened = openChannelFile(file, session.table(), prompter, texts);
    switch (opened.outcome) {
        case OpenOutcome::Refused:
            return result;
        case OpenOutcome::Loaded:
            if (map) {
                result.notes.push_back(
                    "the file comes from this model: --map is not needed and was ignored");
            }
            break;
        case OpenOutcome::ImportNeeded:
            if (!map) {
                result.outcome = PlanApplication::Outcome::NeedsMap;
                result.problem =
                    "comes from another model (" + opened.file.modelIdentifier +
                    "); choose destinations with --map FILE_GROUP:DEVICE_GROUP,... from:" +
                    eligibleDestinations(opened.file, session.table(), texts);
                return result;
            }
            if (!importGroups(opened.file, session.table(), *map, prompter, texts,
                              result.problem)) {
                if (!result.problem.empty()) result.outcome = PlanApplication::Outcome::BadMap;
                return result;
            }
            break;
    }
    encodeAllGroups(session, result.notes);
    result.outcome = PlanApplication::Outcome::Applied;
    return result;
}

}  // namespace quorprog
