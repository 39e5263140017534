#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// A named set of guards with the receiver window that goes with them, as technicians pick one per
// kind of equipment: "standard", "robust", "dense".
struct CompatibilityProfile {
    std::string_view name;
    Guards guards;
    Hertz window = 0;  // the receiver's front-end filter, its whole width
};

// Every profile, in the order a list offers them.
std::span<const CompatibilityProfile> compatibilityProfiles();

// The profile of that name; nothing for any other name.
std::optional<CompatibilityProfile> compatibilityProfile(std::string_view name);

}  // namespace quorprog::coordination
