#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "coordination/frequency_units.h"
#include "files/channel_file.h"

namespace quorprog {

// A channel plan as comma-separated lines for coordination tools: a header line, then one line
// per channel "group,channel,frequency_khz,subtone" (numbers from 0, kHz with a dot whatever the
// locale, 0 for an empty channel, the subtone code). Lines end in "\n".
inline constexpr std::string_view kPlanCsvHeader = "group,channel,frequency_khz,subtone";

std::string planCsv(const ChannelFile& plan);

// Whether a file's bytes are meant as a plan CSV: its name ends in ".csv", or its first field
// (after a byte order mark, blanks or a quote) is "group", which no channel file or device image
// starts with.
bool isPlanCsv(std::string_view fileName, std::span<const uint8_t> bytes);

struct PlanCsvLine {
    size_t line = 0;  // from 1, the header being line 1
    uint32_t group = 0;
    uint32_t channel = 0;
    coordination::Hertz frequency = 0;  // 0: empty channel
    uint8_t subtone = 0;
};

// The records after the header, read as any CSV (see csv_records.h). The first that is not
// group,channel,frequency,subtone in numbers stops the parse: `error` then names its line, its
// column and what is wrong, and `lines` is empty.
struct PlanCsvParse {
    std::vector<PlanCsvLine> lines;
    std::string error;
};

PlanCsvParse parsePlanCsv(std::string_view text);

// The plan a CSV file describes on its own: as many groups and channels as its numbers name,
// channels it leaves out empty, no range and no type.
ChannelFile planFromCsv(const std::vector<PlanCsvLine>& lines);

}  // namespace quorprog
