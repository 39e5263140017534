#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "fleet/device_result.h"

namespace quorprog::cli {

// The --report file of a fleet run: a CSV file gets one line per device appended (with the header
// when the file is new); a .json file holds {"devices":[...]}: the records it held already, then
// every device of this run. A file that exists but is no such report is never replaced.
class ReportFile {
  public:
    explicit ReportFile(std::filesystem::path path) : path_(std::move(path)) {}

    // Reads what the file holds; false, with the reason in `error`, when it is not a report.
    bool open(std::string& error);
    // Adds a round's devices and writes the file; false, with the reason, when it cannot be written.
    bool add(const std::vector<DeviceResult>& results, std::string& error);

  private:
    bool json() const;

    std::filesystem::path path_;
    std::string csv_;                  // the CSV file's text so far
    std::vector<std::string> records_;  // the JSON records so far, each a compact object
};

}  // namespace quorprog::cli
