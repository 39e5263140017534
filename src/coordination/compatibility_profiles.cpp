#include "coordination/compatibility_profiles.h"

#include <array>

namespace quorprog::coordination {

namespace {

constexpr Hertz kKhz = kHertzPerKhz;
constexpr Hertz kMhz = 1000 * kHertzPerKhz;

// Guards: spacing, IM3, three-transmitter IM3, IM5 (0: off).
constexpr std::array kProfiles = {
    CompatibilityProfile{"standard", {400 * kKhz, 200 * kKhz, 150 * kKhz, 0}, 100 * kMhz},
    CompatibilityProfile{"robust", {600 * kKhz, 200 * kKhz, 150 * kKhz, 150 * kKhz}, 200 * kMhz},
    CompatibilityProfile{"dense", {350 * kKhz, 175 * kKhz, 0, 0}, 100 * kMhz},
};

}  // namespace

std::span<const CompatibilityProfile> compatibilityProfiles() {
    return kProfiles;
}

std::optional<CompatibilityProfile> compatibilityProfile(std::string_view name) {
    for (const CompatibilityProfile& profile : kProfiles) {
        if (profile.name == name) return profile;
    }
    return std::nullopt;
}

}  // namespace quorprog::coordination
