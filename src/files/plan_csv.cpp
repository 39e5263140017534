#include "files/plan_csv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <utility>

#include "files/csv_records.h"

namespace quorprog {

using coordination::Hertz;

namespace {

// Far beyond any device: keeps a mistyped number from asking for a huge plan.
constexpr uint32_t kMaxGroups = 256;
constexpr uint32_t kMaxChannels = 65536;

constexpr std::array<std::string_view, 4> kColumns = {"group", "channel", "frequency_khz",
                                                      "subtone"};

bool wholeNumber(std::string_view text, uint32_t limit, uint32_t& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           value < limit;
}

std::string where(size_t line, size_t column) {
    return "line " + std::to_string(line) + ", column " + std::to_string(column) + " (" +
           std::string(kColumns[column - 1]) + "): ";
}

// One data record, or the reason it is not one.
std::string parseRecord(const CsvRecord& record, PlanCsvLine& line) {
    const std::vector<std::string>& values = record.fields;
    if (values.size() != kColumns.size()) {
        return "line " + std::to_string(record.line) + ": wants 4 values (" +
               std::string(kPlanCsvHeader) + "), not " + std::to_string(values.size());
    }
    if (!wholeNumber(values[0], kMaxGroups, line.group))
        return where(record.line, 1) + "\"" + values[0] + "\" is not a group number";
    if (!wholeNumber(values[1], kMaxChannels, line.channel))
        return where(record.line, 2) + "\"" + values[1] + "\" is not a channel number";
    const auto frequency = coordination::parseKhz(values[2]);
    if (!frequency) {
        return where(record.line, 3) + "\"" + values[2] +
               "\" is not kHz written with digits and a dot, in whole hertz (at most 3 "
               "decimals), up to 10 GHz";
    }
    // A plan keeps its frequencies as a channel file does, in single precision: a value it would
    // round (500000.001 kHz) is refused rather than changed.
    if (coordination::channelHertz(static_cast<float>(coordination::khzOf(*frequency))) !=
        *frequency) {
        return where(record.line, 3) + values[2] +
               " kHz cannot be kept exactly in a channel plan (its nearest is " +
               coordination::khzText(coordination::channelHertz(
                   static_cast<float>(coordination::khzOf(*frequency)))) +
               " kHz)";
    }
    line.frequency = *frequency;
    uint32_t subtone = 0;
    if (!wholeNumber(values[3], 256, subtone))
        return where(record.line, 4) + "\"" + values[3] + "\" is not a code from 0 to 255";
    line.subtone = static_cast<uint8_t>(subtone);
    return {};
}

bool isHeader(const CsvRecord& record) {
    return std::equal(record.fields.begin(), record.fields.end(), kColumns.begin(),
                      kColumns.end());
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

bool isPlanCsv(std::string_view fileName, std::span<const uint8_t> bytes) {
    std::string extension(fileName.substr(std::min(fileName.size(), fileName.rfind('.'))));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".csv") return true;
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    text.remove_prefix(std::min(text.size(), text.find_first_not_of(" \t\"")));
    return text.starts_with(kColumns[0]);
}

PlanCsvParse parsePlanCsv(std::string_view text) {
    PlanCsvParse parse;
    const CsvRecords csv = readCsvRecords(text);
    if (!csv.error.empty()) {
        parse.error = csv.error;
        return parse;
    }
    if (csv.records.empty() || !isHeader(csv.records.front())) {
        parse.error = "line 1: the header is not " + std::string(kPlanCsvHeader);
        return parse;
    }
    std::map<std::pair<uint32_t, uint32_t>, size_t> seen;  // group and channel: line
    for (auto record = csv.records.begin() + 1; record != csv.records.end(); ++record) {
        PlanCsvLine parsed{record->line};
        if (std::string problem = parseRecord(*record, parsed); !problem.empty()) {
            parse.lines.clear();
            parse.error = std::move(problem);
            return parse;
        }
        const auto [earlier, isNew] =
            seen.emplace(std::pair(parsed.group, parsed.channel), record->line);
        if (!isNew) {
            parse.lines.clear();
            parse.error = "line " + std::to_string(record->line) + ": group " +
                          std::to_string(parsed.group) + " channel " +
                          std::to_string(parsed.channel) + " was given on line " +
                          std::to_string(earlier->second) + " already";
            return parse;
        }
        parse.lines.push_back(parsed);
    }
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

}  // namespace quorprog
