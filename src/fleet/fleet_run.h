#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "description/description_reader.h"
#include "fleet/device_result.h"
#include "fleet/plan_application.h"
#include "fleet/shared_log.h"
#include "images/backup_store.h"
#include "images/image_changes.h"
#include "programmer/serial_line.h"
#include "seams/clock.h"
#include "text/local_texts.h"

namespace quorprog {

// A programmer box found by a scan, to be driven by a session of its own.
struct FleetDevice {
    std::string port;        // COM1 .. COM4
    std::string programmer;  // its version line
};

// Runs `work` on a new thread and returns what waits for that thread's end.
using ThreadStarter = std::function<std::function<void()>(std::function<void()> work)>;
// Plain standard threads.
ThreadStarter standardThreads();

// What every session of a run shares, read only while a round runs.
struct FleetSettings {
    const DescriptionReader& description;  // frozen(): sessions on several threads read it
    const LocalTexts& texts;
    const Clock& clock;
    SharedLog& log;
    const BackupStore* backups = nullptr;  // none: no backups
    std::span<const uint8_t> planFile;     // the channel file every device gets
    const GroupMap* map = nullptr;         // for a file of another model
    // A serial line of its own for each session, made on (and used only by) its thread: a Qt
    // port belongs to the thread that created it. Never null.
    std::function<std::unique_ptr<SerialLine>()> makeLine;
    // Where the sessions run. A Qt serial port wants a thread Qt knows (its notifiers need one),
    // so the shells pass their own.
    ThreadStarter startThread = standardThreads();
};

// A device read and given the plan, waiting for the round's answer.
struct PreparedDevice {
    size_t index = 0;  // into the round's devices
    std::string model;
    std::vector<ImageChange> changes;  // what its write would change (the write question's details)
    bool programmedBefore = false;     // it holds what a write of this run left on a device
};

// The round's answer for one prepared device.
struct Verdict {
    enum class Kind {
        Write,   // the write goes on
        Leave,   // nothing is written and that is the outcome (a dry run)
        Refuse,  // not written: the device fails with `reason`
    };
    Kind kind = Kind::Write;
    std::string reason;
};

// Programs several devices at once, round after round: each device by a session of its own on a
// thread of its own, with its own serial line, image, channel table, progress and log prefix. A
// session does what the single write does (read, identification, backup, the plan, the check
// read, the backup before the write, the write with each byte read back), so a failing device
// never stops or changes another. The run remembers what its writes left on the devices, to tell
// a device connected again.
class FleetRun {
  public:
    // The state of a device (the serial window's caption: "Reading", "Checking", "Writing") and
    // its percentage; called on the device's thread.
    using Progress =
        std::function<void(size_t device, const std::string& state, int percent)>;
    // Called once per round, on the caller's thread, when every device has been read and given
    // the plan (those that failed are left out): one verdict per prepared device, in order.
    using Decide = std::function<std::vector<Verdict>(const std::vector<PreparedDevice>&)>;

    explicit FleetRun(FleetSettings settings) : settings_(std::move(settings)) {}

    // One round over `devices`; returns one result per device, in order. Blocks until every
    // session has ended.
    std::vector<DeviceResult> runRound(const std::vector<FleetDevice>& devices,
                                       const Progress& progress, const Decide& decide);

    int roundsRun() const { return round_; }

  private:
    FleetSettings settings_;
    int round_ = 0;
    std::vector<Bytes> left_;  // the images this run's writes left on devices
};

}  // namespace quorprog
