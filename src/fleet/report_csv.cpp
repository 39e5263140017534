#include "fleet/report_csv.h"
#include "seams/iso_time.h"


namespace quorprog {

namespace {

std::string csvField(std::string_view text) {
    std::string field(text);
    if (!field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string::npos) {
        field.insert(field.begin(), '\'');
    }
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string csvLine(const DeviceResult& result) {
    return isoTimeText(result.time) + "," + std::to_string(result.round) + "," +
           csvField(result.port) + "," + csvField(result.programmer) + "," +
           csvField(result.model) + "," + (result.ok ? "ok" : "failed") + "," +
           csvField(result.message) + "," + std::to_string(result.changes) + "," +
           csvField(result.backup) + "\n";
}

}  // namespace

std::string appendReportCsv(std::string existing, const std::vector<DeviceResult>& results) {
    if (existing.empty()) {
        existing = std::string(kReportCsvHeader) + "\n";
    } else if (existing.back() != '\n') {
        existing += '\n';
    }
    for (const DeviceResult& result : results) existing += csvLine(result);
    return existing;
}

}  // namespace quorprog
