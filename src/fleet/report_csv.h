#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "fleet/device_result.h"
#include "seams/clock.h"

namespace quorprog {

inline constexpr std::string_view kReportCsvHeader =
    "time,round,port,programmer,model,result,message,changes,backup";

// The report as it is to be written: `existing` (what the file holds, empty for a new file) with
// one line per device after it, and the header first when the file is new. Texts from devices
// and programmers may hold anything: a field with a comma, quote or line break is quoted, and one
// that a spreadsheet would run as a formula (=, +, -, @) starts with an apostrophe.
std::string appendReportCsv(std::string existing, const std::vector<DeviceResult>& results);

}  // namespace quorprog
