#include "plan_csv.h"

#include <charconv>
#include <map>
#include <utility>

namespace quorprog::cli {

using coordination::Hertz;

namespace {

// Far beyond any device: keeps a mistyped number from asking for a huge plan.
constexpr uint32_t kMaxGroups = 256;
constexpr uint32_t kMaxChannels = 65536;

bool wholeNumber(std::string_view text, uint32_t limit, uint32_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           value < limit;
}

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (size_t start = 0;;) {
        const size_t comma = line.find(',', start);
        out.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos) return out;
        start = comma + 1;
    }
}

// One data line, or the reason it is not one.
std::string parseLine(std::string_view text, PlanCsvLine& line) {
    const std::vector<std::string_view> values = fields(text);
    if (values.size() != 4) return "wants 4 values (" + std::string(kPlanCsvHeader) + ")";
    if (!wholeNumber(values[0], kMaxGroups, line.group)) return "group is not a group number";
    if (!wholeNumber(values[1], kMaxChannels, line.channel))
        return "channel is not a channel number";
    const auto frequency = coordination::parseKhz(values[2]);
    if (!frequency) return "frequency_khz is not a frequency in kHz with a dot";
    line.frequency = *frequency;
    uint32_t subtone = 0;
    if (!wholeNumber(values[3], 256, subtone)) return "subtone is not a code from 0 to 255";
    line.subtone = static_cast<uint8_t>(subtone);
    return {};
}

}  // namespace

std::string planCsv(const ChannelFile& plan) {
    std::string out = std::string(kPlanCsvHeader) + "\n";
    for (size_t p = 0; p < plan.groups.size(); ++p) {
        const ChannelFileGroup& group = plan.groups[p];
        for (size_t c = 0; c < group.frequencies.size(); ++c) {
            out += std::to_string(p) + "," + std::to_string(c) + "," +
                   coordination::khzText(coordination::channelHertz(group.frequencies[c])) + "," +
                   std::to_string(c < group.subtoneCodes.size() ? group.subtoneCodes[c] : 0) + "\n";
        }
    }
    return out;
}

PlanCsvParse parsePlanCsv(std::string_view text) {
    PlanCsvParse parse;
    std::map<std::pair<uint32_t, uint32_t>, size_t> seen;  // group and channel: line
    size_t number = 0;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (++number == 1) {
            if (line != kPlanCsvHeader) {
                parse.error = "line 1: the header is not " + std::string(kPlanCsvHeader);
                return parse;
            }
            continue;
        }
        PlanCsvLine parsed{number};
        if (const std::string problem = parseLine(line, parsed); !problem.empty()) {
            parse.lines.clear();
            parse.error = "line " + std::to_string(number) + ": " + problem;
            return parse;
        }
        const auto [earlier, isNew] = seen.emplace(std::pair(parsed.group, parsed.channel), number);
        if (!isNew) {
            parse.lines.clear();
            parse.error = "line " + std::to_string(number) + ": group " +
                          std::to_string(parsed.group) + " channel " +
                          std::to_string(parsed.channel) + " was given on line " +
                          std::to_string(earlier->second) + " already";
            return parse;
        }
        parse.lines.push_back(parsed);
    }
    if (number == 0) parse.error = "line 1: the header is not " + std::string(kPlanCsvHeader);
    return parse;
}

ChannelFile planFromCsv(const std::vector<PlanCsvLine>& lines) {
    ChannelFile plan;
    for (const PlanCsvLine& line : lines) {
        if (plan.groups.size() <= line.group) plan.groups.resize(line.group + 1);
        ChannelFileGroup& group = plan.groups[line.group];
        if (group.frequencies.size() <= line.channel) {
            group.frequencies.resize(line.channel + 1, 0.0f);
            group.subtoneCodes.resize(line.channel + 1, 0);
        }
        group.frequencies[line.channel] = static_cast<float>(coordination::khzOf(line.frequency));
        group.subtoneCodes[line.channel] = line.subtone;
    }
    return plan;
}

}  // namespace quorprog::cli
