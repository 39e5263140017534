#include "app/guard_settings.h"

#include <array>
#include <utility>

namespace quorprog {

namespace {

constexpr const char* kSection = "COORDINATION";

using GuardField = coordination::Hertz coordination::Guards::*;

constexpr std::array<std::pair<const char*, GuardField>, 4> kKeys{{
    {"SPACING", &coordination::Guards::spacing},
    {"IM3", &coordination::Guards::im3},
    {"IM3X3", &coordination::Guards::im3x3},
    {"IM5", &coordination::Guards::im5},
}};

}  // namespace

coordination::Guards loadGuards(const SettingsFile& settings) {
    coordination::Guards guards;
    for (const auto& [key, field] : kKeys) {
        if (const auto value = coordination::parseKhz(settings.readValue(kSection, key)))
            guards.*field = *value;
    }
    return guards;
}

bool saveGuards(const SettingsFile& settings, const coordination::Guards& guards) {
    for (const auto& [key, field] : kKeys) {
        if (!settings.writeValue(kSection, key, coordination::khzText(guards.*field))) return false;
    }
    return true;
}

}  // namespace quorprog
