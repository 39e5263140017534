#include "coordination_options.h"

#include <charconv>
#include <cmath>

#include "coordination/compatibility_profiles.h"
#include "coordination/rf_scan.h"
#include "files/file_bytes.h"
#include "printable_text.h"
#include "report.h"

namespace quorprog::cli {

using coordination::Hertz;

namespace {

constexpr Hertz kHertzPerMhz = 1000 * coordination::kHertzPerKhz;

// Digits with at most one dot: a number parseKhz refuses only for its size.
bool isPlainNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789.") == std::string::npos &&
           text.find_first_of("0123456789") != std::string::npos &&
           text.find('.') == text.rfind('.');
}

// A plain number with a non-zero digit past the third decimal: parseKhz keeps whole hertz only.
bool isFinerThanAHertz(const std::string& text) {
    const size_t dot = text.find('.');
    return dot != std::string::npos && text.size() > dot + 4 &&
           text.find_first_not_of('0', dot + 4) != std::string::npos;
}

Hertz khzValue(const std::string& option, const std::string& text) {
    const auto value = coordination::parseKhz(text);
    if (value) return *value;
    if (isPlainNumber(text) && isFinerThanAHertz(text))
        throw UsageError(option + " " + text + " is finer than 1 Hz (0.001 kHz)");
    if (isPlainNumber(text))
        throw UsageError(option + " " + text + " is out of range (at most 10000000 kHz)");
    throw UsageError(option + " wants kHz written with digits and a dot, not \"" + text + "\"");
}

coordination::ExcludedRange excludedRange(const std::string& text) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos)
        throw UsageError("--exclude wants LOW-HIGH, not \"" + text + "\"");
    const coordination::ExcludedRange range{khzValue("--exclude", text.substr(0, dash)),
                                            khzValue("--exclude", text.substr(dash + 1)),
                                            {}};
    if (range.high < range.low) throw UsageError("--exclude " + text + " ends below its start");
    return range;
}

std::vector<coordination::TvChannel> tvChannels(const std::string& option,
                                                const std::string& text) {
    coordination::TvChannelList list = coordination::parseTvChannels(text);
    if (!list.ok()) throw UsageError(option + " " + terminalText(text) + ": " + list.error);
    return std::move(list.channels);
}

double dbmOption(CommandArguments& arguments, const std::string& name, double fallback) {
    if (!arguments.has(name)) return fallback;
    const std::string text = arguments.option(name);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        throw UsageError(name + " wants a level in dBm like -90, not \"" + text + "\"");
    if (value < -300 || value > 100) throw UsageError(name + " " + text + " is out of range (-300 to 100 dBm)");
    return value;
}

}  // namespace

int refuseOversizedGroup(const std::string& path, size_t group, size_t channels) {
    if (channels <= kMaxGroupChannels) return kSuccess;
    return fail(path + ": group " + std::to_string(group) + " has " + std::to_string(channels) +
                " channels, more than a device holds (" + std::to_string(kMaxGroupChannels) + ")");
}

int groupOption(CommandArguments& arguments, int fallback) {
    if (!arguments.has("--group")) return fallback;
    const std::string text = arguments.option("--group");
    int group = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), group);
    if (error == std::errc::result_out_of_range)
        throw UsageError("--group " + text + " is out of range");
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || group < 0)
        throw UsageError("--group wants a group number from 0, not \"" + text + "\"");
    return group;
}

Hertz khzOption(CommandArguments& arguments, const std::string& name, Hertz fallback) {
    return arguments.has(name) ? khzValue(name, arguments.option(name)) : fallback;
}

CoordinationOptions coordinationOptions(CommandArguments& arguments) {
    CoordinationOptions options;
    coordination::CoordinationRules& rules = options.rules;
    if (arguments.has("--profile")) {
        const std::string name = arguments.option("--profile");
        const auto profile = coordination::compatibilityProfile(name);
        if (!profile) {
            throw UsageError("--profile wants standard, robust or dense, not \"" +
                             terminalText(name) + "\"");
        }
        rules.guards = profile->guards;
        rules.window = profile->window;
    }
    coordination::Guards& guards = rules.guards;
    guards.spacing = khzOption(arguments, "--spacing", guards.spacing);
    guards.im3 = khzOption(arguments, "--im3", guards.im3);
    guards.im3x3 = khzOption(arguments, "--im3x3", guards.im3x3);
    guards.im5 = khzOption(arguments, "--im5", guards.im5);
    // MHz as kHz ×1000: the same digits-and-a-dot rule, the same exact arithmetic.
    if (arguments.has("--window"))
        rules.window = khzValue("--window", arguments.option("--window")) * 1000;
    for (const std::string& text : arguments.options("--with")) {
        const Hertz frequency = khzValue("--with", text);
        if (frequency <= 0) throw UsageError("--with wants a frequency above 0");
        rules.onSite.push_back(frequency);
    }
    for (const std::string& text : arguments.options("--exclude"))
        rules.excluded.push_back(excludedRange(text));
    for (const std::string& text : arguments.options("--exclude-tv")) {
        for (const auto& channel : tvChannels("--exclude-tv", text))
            rules.excluded.push_back(coordination::excludedTvChannel(channel));
    }
    if (arguments.has("--only-tv")) options.onlyTv = tvChannels("--only-tv", arguments.option("--only-tv"));
    rules.scanGuard = khzOption(arguments, "--scan-guard", rules.scanGuard);
    options.scanFiles = arguments.options("--scan");
    options.thresholdDbm =
        dbmOption(arguments, "--threshold", coordination::kDefaultScanThresholdDbm);
    return options;
}

int readScanFiles(CoordinationOptions& options) {
    std::vector<coordination::ScanPoint> points;
    for (const std::string& path : options.scanFiles) {
        const auto bytes = readFileBytes(path, coordination::kMaxScanBytes);
        if (!bytes) return fail("cannot read the RF scan " + terminalText(path));
        const coordination::RfScan scan = coordination::readRfScan(
            {reinterpret_cast<const char*>(bytes->data()), bytes->size()});
        if (!scan.ok()) return fail(terminalText(path) + ": " + scan.error);
        points.insert(points.end(), scan.points.begin(), scan.points.end());
    }
    options.rules.occupied = coordination::occupiedFrequencies(points, options.thresholdDbm);
    return kSuccess;
}

std::vector<coordination::ExcludedRange> outsideTvChannels(
    const std::vector<coordination::TvChannel>& channels) {
    std::vector<coordination::ExcludedRange> outside;
    if (channels.empty()) return outside;
    const std::string label = "outside the TV channels of --only-tv";
    Hertz from = 1;
    for (const coordination::TvChannel& channel : channels) {  // ascending, each once
        if (channel.low > from) outside.push_back({from, channel.low - 1, label});
        from = std::max(from, channel.high + 1);
    }
    outside.push_back({from, 10'000'000 * coordination::kHertzPerKhz, label});
    return outside;
}

}  // namespace quorprog::cli
