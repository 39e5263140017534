#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "seams/prompter.h"
#include "session/device_session.h"
#include "text/local_texts.h"

namespace quorprog {

// File group → device group, for a channel file of another model.
using GroupMap = std::vector<std::pair<uint32_t, uint32_t>>;

struct PlanApplication {
    enum class Outcome {
        Applied,
        Refused,   // the file is unreadable or corrupt; the prompter has said so
        NeedsMap,  // a file of another model and no map: the problem lists the destinations
        BadMap,    // the map names a group the file lacks or a destination that cannot take it
    };
    Outcome outcome = Outcome::Refused;
    std::string problem;  // for NeedsMap and BadMap
    // Remarks that do not change the outcome, in the order they arose.
    std::vector<std::string> notes;
};

// Puts a channel file into the image of a session that has read its device, as opening the file
// and the import dialog would, then encodes every group into the image: what a write then sends.
// A file of another model needs `map` (no map: nothing is applied and the problem names the
// possible destinations); a file of the device's own model ignores it with a note.
PlanApplication applyChannelPlan(DeviceSession& session, std::span<const uint8_t> file,
                                 const GroupMap* map, Prompter& prompter, const LocalTexts& texts);

}  // namespace quorprog
