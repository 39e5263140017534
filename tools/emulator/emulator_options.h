#pragma once

#include <optional>
#include <string>
#include <vector>

#include "programmer_box.h"

namespace quorprog::emulator {

struct EmulatorOptions {
    BoxSettings box;
    std::string imageFile;  // raw memory, written back on every write
    std::string modelName;  // a factory device of the built-in description
    std::optional<size_t> memorySize;
    int baud = 0;  // 0: no pacing
    int latencyMs = 0;  // the adapter's latency timer; 0: answers go at once
    std::string traceFile;
    std::string linkPath;
    bool exitWithParent = false;
    bool help = false;
};

// Parses the command line (without the program name). On a mistake, `error` says what is wrong.
std::optional<EmulatorOptions> parseEmulatorOptions(const std::vector<std::string>& arguments,
                                                    std::string& error);

extern const char* const kEmulatorUsage;

}  // namespace quorprog::emulator
