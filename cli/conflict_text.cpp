#include "conflict_text.h"

namespace quorprog::cli {

using namespace coordination;

namespace {

std::string khzList(const std::vector<Hertz>& frequencies) {
    std::string text;
    for (const Hertz f : frequencies) text += (text.empty() ? "" : ", ") + khzText(f);
    return text;
}

}  // namespace

std::string conflictText(const Conflict& conflict) {
    const std::string kind(conflictKindName(conflict.kind));
    switch (conflict.kind) {
        case ConflictKind::Excluded:
            return kind + " range " + khzText(conflict.sources[0]) + "-" +
                   khzText(conflict.sources[1]) + " kHz" +
                   (conflict.label.empty() ? "" : " (" + conflict.label + ")");
        case ConflictKind::Scan:
            return kind + " occupied at " + khzText(conflict.product) + " kHz, " +
                   khzText(conflict.distance) + " kHz away";
        case ConflictKind::Spacing:
            return kind + " from " + khzList(conflict.sources) + " kHz, " +
                   khzText(conflict.distance) + " kHz away";
        case ConflictKind::Image:
            return kind + " at " + khzText(conflict.product) + " kHz, " +
                   khzText(conflict.distance) + " kHz from " + khzList(conflict.sources) + " kHz";
        default:
            return kind + " of " + khzList(conflict.sources) + " kHz at " +
                   khzText(conflict.product) + " kHz, " + khzText(conflict.distance) +
                   " kHz away";
    }
}

}  // namespace quorprog::cli
