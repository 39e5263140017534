#include "images/decoded_image.h"
#include "session/device_session.h"

namespace quorprog {

DeviceSession::RestoreOutcome DeviceSession::restore(std::span<const uint8_t> saved) {
    // Bytes missing at the end would read as another model's identification.
    if (saved.size() < image_.size()) return RestoreOutcome::TooShort;
    DecodedImage restored(description_, modelName_, saved);
    if (!restored.matchesModel()) return RestoreOutcome::OtherModel;
    if (saved.size() != image_.size() || !restored.decoded()) return RestoreOutcome::Unreadable;
    for (size_t a = 0; a < saved.size(); ++a) {
        if (image_.bytes()[a] != saved[a]) image_.store(a, saved[a]);
    }
    table_ = std::move(restored.table());
    return RestoreOutcome::Restored;
}

}  // namespace quorprog
