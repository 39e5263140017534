#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "coordination/coordination_rules.h"

namespace quorprog::coordination {

// The order is the order conflicts are listed in; tables of names and texts follow it.
enum class ConflictKind { Spacing, Im3, Im3x3, Im5, Image, Excluded, Scan };

// "spacing", "im3", "im3x3", "im5", "image", "excluded", "scan": the names files and scripts use.
std::string_view conflictKindName(ConflictKind kind);

// One reason why channel `channel` (at `frequency`) is disturbed.
//   Spacing:  sources {s}, product s
//   Im3:      sources {a, b}, product 2a - b
//   Im3x3:    sources {a, b, x}, product a + b - x
//   Im5:      sources {a, b}, product 3a - 2b
//   Image:    sources {s}, product the channel's image frequency
//   Excluded: sources {low, high} of the range, product the channel frequency itself, label the
//             range's label
//   Scan:     sources {p}, an occupied point of an RF scan, product p
// distance is |frequency - product| (|s - image| for Image, 0 for Excluded).
struct Conflict {
    size_t channel = 0;
    Hertz frequency = 0;
    ConflictKind kind = ConflictKind::Spacing;
    std::vector<Hertz> sources;
    Hertz product = 0;
    Hertz distance = 0;
    std::string label;

    friend bool operator==(const Conflict&, const Conflict&) = default;
};

// Every conflict of a group's channels, channel by channel, kinds in the order of ConflictKind,
// and within a kind in the order of the sources. Channels at 0 Hz or below are empty and neither
// checked nor sources. A channel's sources are the group's other channels in channel order, then
// rules.onSite in its order, leaving out those the receiver's window keeps out; a channel is
// never its own source. The group is compatible when the result is empty.
std::vector<Conflict> findConflicts(std::span<const Hertz> channels,
                                    const CoordinationRules& rules);

// The same conflicts in the same order, each handed to `visit` as it is found and kept nowhere:
// a dense group has far more conflicts than anyone reads.
void visitConflicts(std::span<const Hertz> channels, const CoordinationRules& rules,
                    const std::function<void(Conflict&&)>& visit);

}  // namespace quorprog::coordination
