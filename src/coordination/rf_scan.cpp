#include "coordination/rf_scan.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace quorprog::coordination {

namespace {

constexpr double kLargestHertz = 1.0e10;
constexpr double kLowestDbm = -300;
constexpr double kHighestDbm = 100;

bool isSeparator(char c) {
    return c == ',' || c == ';' || c == '\t' || c == ' ';
}

std::vector<std::string_view> fieldsOf(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSeparator(line[i])) ++i;
        const size_t start = i;
        while (i < line.size() && !isSeparator(line[i])) ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

// A finite decimal number, optionally signed, with an optional exponent; nothing otherwise.
std::optional<double> numberOf(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty() || text.find_first_not_of("0123456789.-eE+") != std::string_view::npos)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The frequency in hertz, the unit told by the magnitude; nothing when out of range.
std::optional<Hertz> hertzOf(double value) {
    const double hertz = value < 1.0e5 ? value * 1.0e6 : value < 1.0e8 ? value * 1.0e3 : value;
    if (!(hertz >= 1.0) || hertz > kLargestHertz) return std::nullopt;
    return std::llround(hertz);
}

std::string_view withoutComment(std::string_view line) {
    line = line.substr(0, line.find('#'));
    while (!line.empty() && (line.back() == '\r' || isSeparator(line.back()))) line.remove_suffix(1);
    return line;
}

RfScan failure(size_t line, const std::string& what) {
    return {{}, "line " + std::to_string(line) + ": " + what};
}

}  // namespace

RfScan readRfScan(std::string_view bytes) {
    if (bytes.size() > kMaxScanBytes) {
        return {{}, "larger than " + std::to_string(kMaxScanBytes >> 20) + " MiB: not an RF scan"};
    }
    RfScan scan;
    bool headerAllowed = true;
    size_t lineNumber = 0;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        const std::string_view raw = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        ++lineNumber;
        const std::vector<std::string_view> fields = fieldsOf(withoutComment(raw));
        if (fields.empty()) continue;
        const std::optional<double> frequency = numberOf(fields[0]);
        if (!frequency && headerAllowed) {
            headerAllowed = false;
            continue;
        }
        headerAllowed = false;
        if (fields.size() != 2 || !frequency)
            return failure(lineNumber, "wants a frequency and a level in dBm");
        const std::optional<double> level = numberOf(fields[1]);
        if (!level) return failure(lineNumber, "wants a level in dBm after the frequency");
        const std::optional<Hertz> hertz = hertzOf(*frequency);
        if (!hertz) return failure(lineNumber, "frequency out of range (above 0, at most 10 GHz)");
        if (*level < kLowestDbm || *level > kHighestDbm)
            return failure(lineNumber, "level out of range (-300 to 100 dBm)");
        if (scan.points.size() == kMaxScanPoints)
            return failure(lineNumber, "more than " + std::to_string(kMaxScanPoints) + " points");
        scan.points.push_back({*hertz, *level});
    }
    return scan;
}

std::vector<Hertz> occupiedFrequencies(std::span<const ScanPoint> points, double thresholdDbm) {
    std::vector<Hertz> occupied;
    for (const ScanPoint& point : points) {
        if (point.levelDbm >= thresholdDbm) occupied.push_back(point.frequency);
    }
    std::sort(occupied.begin(), occupied.end());
    occupied.erase(std::unique(occupied.begin(), occupied.end()), occupied.end());
    return occupied;
}

}  // namespace quorprog::coordination
