#include "app/coordination_settings.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

#include "coordination/compatibility_profiles.h"

namespace quorprog {

namespace {

constexpr const char* kSection = "COORDINATION";
// Levels a scan can show; anything else in the file is not a threshold.
constexpr double kLowestThreshold = -300;
constexpr double kHighestThreshold = 100;

using KhzField = coordination::Hertz CoordinationChoices::*;
using GuardField = coordination::Hertz coordination::Guards::*;

constexpr std::array<std::pair<const char*, GuardField>, 4> kGuardKeys{{
    {"SPACING", &coordination::Guards::spacing},
    {"IM3", &coordination::Guards::im3},
    {"IM3X3", &coordination::Guards::im3x3},
    {"IM5", &coordination::Guards::im5},
}};
constexpr std::array<std::pair<const char*, KhzField>, 2> kKhzKeys{{
    {"WINDOW", &CoordinationChoices::window},
    {"SCANGUARD", &CoordinationChoices::scanGuard},
}};

std::optional<double> dbmValue(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value) || value < kLowestThreshold || value > kHighestThreshold)
        return std::nullopt;
    return value;
}

}  // namespace

CoordinationChoices loadCoordinationChoices(const SettingsFile& settings) {
    CoordinationChoices choices;
    const auto read = [&](const char* key) { return settings.readValue(kSection, key); };
    for (const auto& [key, field] : kGuardKeys) {
        if (const auto value = coordination::parseKhz(read(key))) choices.guards.*field = *value;
    }
    for (const auto& [key, field] : kKhzKeys) {
        if (const auto value = coordination::parseKhz(read(key))) choices.*field = *value;
    }
    if (coordination::compatibilityProfile(read("PROFILE"))) choices.profile = read("PROFILE");
    choices.tvRegion = coordination::tvRegionNamed(read("TVREGION"));
    if (const auto threshold = dbmValue(read("THRESHOLD"))) choices.threshold = *threshold;
    return choices;
}

bool saveCoordinationChoices(const SettingsFile& settings, const CoordinationChoices& choices) {
    const auto write = [&](const char* key, const std::string& value) {
        return settings.writeValue(kSection, key, value);
    };
    for (const auto& [key, field] : kGuardKeys) {
        if (!write(key, coordination::khzText(choices.guards.*field))) return false;
    }
    for (const auto& [key, field] : kKhzKeys) {
        if (!write(key, coordination::khzText(choices.*field))) return false;
    }
    char threshold[32];
    const auto end = std::to_chars(threshold, threshold + sizeof threshold, choices.threshold).ptr;
    return write("PROFILE", choices.profile) &&
           write("TVREGION", choices.tvRegion
                                 ? std::string(coordination::tvRegionName(*choices.tvRegion))
                                 : std::string()) &&
           write("THRESHOLD", std::string(threshold, end));
}

}  // namespace quorprog
