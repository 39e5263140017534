// libFuzzer target: arbitrary bytes as a plan CSV (what check, sheet, coordinate and import-csv
// read from outside), through the RFC 4180 records and the plan's meaning.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "files/csv_records.h"
#include "files/plan_csv.h"
#include "fuzz_common.h"

using namespace quorprog;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CsvRecords records = readCsvRecords(text);
    fuzz::check(records.error.empty() || records.records.empty(), "records beside an error");
    for (const CsvRecord& record : records.records)
        fuzz::check(!record.fields.empty() && record.line >= 1, "a record without a field");

    const PlanCsvParse parse = parsePlanCsv(text);
    if (!parse.error.empty()) {
        fuzz::check(parse.lines.empty(), "lines beside an error");
        return 0;
    }
    // What the reader takes, the writer writes and the reader takes again unchanged.
    const ChannelFile plan = planFromCsv(parse.lines);
    const PlanCsvParse again = parsePlanCsv(planCsv(plan));
    fuzz::check(again.error.empty(), "the tool's own CSV refused");
    const ChannelFile replanned = planFromCsv(again.lines);
    fuzz::check(replanned.groups.size() == plan.groups.size(), "groups lost");
    for (const PlanCsvLine& line : parse.lines) {
        const ChannelFileGroup& group = replanned.groups[line.group];
        fuzz::check(coordination::channelHertz(group.frequencies[line.channel]) == line.frequency,
                    "a frequency changed on the way through");
        fuzz::check(group.subtoneCodes[line.channel] == line.subtone, "a subtone changed");
    }
    return 0;
}
