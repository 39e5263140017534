#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <functional>
#include <vector>

#include "description/description_reader.h"
#include "fleet/fleet_run.h"
#include "fleet/shared_log.h"

namespace quorprog {

// A programmer box the search found, with its battery level (0..15, -1 unreadable).
struct FoundProgrammer {
    FleetDevice device;
    int battery = -1;
};

// What a fleet of the window works with: the description, texts, clock, log and backups of the
// window, and the plan to write.
struct FleetContext {
    const DescriptionReader& description;
    const LocalTexts& texts;
    const Clock& clock;
    Log& log;
    const BackupStore* backups;  // none: no backups
    Bytes plan;                  // the channel file every device gets
    std::filesystem::path settingsFile;  // quorprog.ini, for the COM names
};

// The search and the rounds of the window's fleet, run off the window's thread so that the
// window stays alive. Each serial line is made on the thread that uses it. What they find and how
// the devices fare comes back as signals emitted on this object's thread; the round's question is
// asked there too, while the sessions wait.
class FleetRunner : public QObject {
    Q_OBJECT
  public:
    FleetRunner(FleetContext context, QObject* parent);
    ~FleetRunner() override;

    bool busy() const { return static_cast<bool>(joinWorker_); }
    // Scans COM1..COM4 and asks each programmer found for its battery; ends in searched().
    void search();
    // One round over `devices`; `decide` runs on this object's thread. Ends in roundEnded().
    void runRound(std::vector<FleetDevice> devices, FleetRun::Decide decide);

  signals:
    void searched(const std::vector<FoundProgrammer>& programmers);
    void progressed(int device, const QString& state, int percent);
    void roundEnded(const std::vector<DeviceResult>& results);

  private:
    // Runs `work` on the worker thread; `done` afterwards on this object's thread.
    void start(std::function<void()> work, std::function<void()> done);

    DescriptionReader description_;  // frozen: the sessions share it
    FleetContext context_;
    SharedLog log_;
    FleetRun run_;
    std::function<void()> joinWorker_;  // empty when no work runs
};

}  // namespace quorprog
