#pragma once

#include <chrono>
#include <memory>
#include <optional>

#include "fleet/fleet_run.h"
#include "fleet/session_progress.h"
#include "fleet/session_prompter.h"
#include "programmer/programmer_link.h"
#include "session/device_backups.h"
#include "session/device_session.h"

namespace quorprog {

// One device of a fleet round, made and run on the device's own thread: its serial line, log,
// message boxes, progress, backups and session belong to it alone.
class DeviceRun {
  public:
    DeviceRun(const FleetSettings& settings, const FleetDevice& device, int round,
              SessionProgress::Report report);

    // The read and the plan. False when the device failed already (result() says why).
    bool prepare();
    // What the round's question shows of it; after a prepare that succeeded.
    PreparedDevice prepared(size_t index) const;
    // The device as the read found it.
    const Bytes& readImage() const { return readImage_; }
    // The write, or what the verdict makes of the device instead.
    void finish(const Verdict& verdict);
    // Records that the device failed for a reason that is not its own (an internal error).
    void failWith(const std::string& reason);

    const DeviceResult& result() const { return result_; }
    // What the device holds after a write that succeeded; empty otherwise.
    const Bytes& leftImage() const { return leftImage_; }

  private:
    bool failed(const std::string& reason);
    void end();
    size_t bytesChanged() const;

    const FleetSettings& settings_;
    DeviceResult result_;
    std::unique_ptr<SerialLine> line_;
    PrefixedLog log_;
    SessionPrompter prompter_;
    SessionProgress progress_;
    ProgrammerLink link_;
    std::optional<DeviceBackups> backups_;
    DeviceSession session_;
    Bytes readImage_;
    Bytes leftImage_;
    std::chrono::steady_clock::duration busy_{};
    std::chrono::steady_clock::time_point started_;
};

}  // namespace quorprog
