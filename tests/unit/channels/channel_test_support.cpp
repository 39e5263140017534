#include "channel_test_support.h"

#include "description/default_description.h"

namespace quorprog::testing {

std::string defaultSection(std::string_view name) {
    std::string text;
    for (const char c : defaultDescriptionText()) {
        if (c != '\r') text += c;
    }
    const std::string header = "[" + std::string(name) + "]\n";
    const size_t start = text.find(header);
    if (start == std::string::npos) return {};
    const size_t end = text.find("\n[", start + header.size());
    return text.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
}

std::string tinyDescription(std::string_view mapLines, int channels,
                            std::string_view extraModelLines) {
    // The reader takes the first of repeated keys: the extra lines override the standard ones.
    return "[MODELS]\nName0=tiny\n\n[tiny]\n" + std::string(extraModelLines) +
           "\nPartitions=1\nMemorymap=MAP\nPartition0.Frequencies=" + std::to_string(channels) +
           "\nPartition0.PLL=PLL\nPartition0.Subtones=SUBTONES\n\n" + defaultSection("PLL") + "\n" +
           defaultSection("SUBTONES") + "\n" + defaultSection("HALO7-DC") + "\n[MAP]\n" +
           std::string(mapLines) + "\n";
}

}  // namespace quorprog::testing
