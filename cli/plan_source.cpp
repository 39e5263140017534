#include "plan_source.h"

#include <string_view>

#include "channels/group_coordination_inputs.h"
#include "files/channel_file_table.h"
#include "files/file_bytes.h"
#include "files/plan_csv.h"
#include "plan_files.h"
#include "report.h"

namespace quorprog::cli {

namespace {

bool startsWith(const std::vector<uint8_t>& bytes, std::string_view prefix) {
    return bytes.size() >= prefix.size() &&
           std::string_view(reinterpret_cast<const char*>(bytes.data()), prefix.size()) == prefix;
}

int readCsv(const std::string& path, const std::vector<uint8_t>& bytes, PlanSource& source) {
    if (const int status = readPlanCsv(path, bytes, source.plan); status != kSuccess) return status;
    source.images.assign(source.plan.groups.size(), std::nullopt);
    return kSuccess;
}

int readImage(CliEnvironment& environment, const std::string& path, PlanSource& source) {
    DeviceSession session(environment.description(), environment.sessionServices());
    if (const int status = loadImageFile(path, session); status != kSuccess) return status;
    const ChannelTable& table = session.table();
    source.plan = channelFileFromTable(table, 0);
    source.images.resize(source.plan.groups.size());
    for (uint32_t p = 0; p < source.plan.groups.size(); ++p)
        source.images[p] = groupReceiverImage(table, p);
    return kSuccess;
}

}  // namespace

int readPlanCsv(const std::string& path, const std::vector<uint8_t>& bytes, ChannelFile& plan) {
    const PlanCsvParse parse =
        parsePlanCsv(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!parse.error.empty()) return fail(path + ", " + parse.error);
    plan = planFromCsv(parse.lines);
    return kSuccess;
}

int readPlanSource(CliEnvironment& environment, const std::string& path, PlanSource& source) {
    const auto bytes = readFileBytes(path);
    if (!bytes) return fail("cannot read " + path);
    if (startsWith(*bytes, ChannelFile::kMagic)) {
        if (const int status = readChannelFile(environment, path, source.plan); status != kSuccess)
            return status;
        source.images.assign(source.plan.groups.size(), std::nullopt);
        return kSuccess;
    }
    if (isPlanCsv(path, *bytes)) return readCsv(path, *bytes, source);
    return readImage(environment, path, source);
}

}  // namespace quorprog::cli
