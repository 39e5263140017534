#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "fleet/device_result.h"

namespace quorprog::cli {

// The live lines of a fleet round, one per port with its state and percentage, updated from the
// sessions' threads. On a terminal the block of lines is redrawn in place; otherwise a plain line
// is printed whenever a device's state changes and when a state completes.
class FleetDisplay {
  public:
    explicit FleetDisplay(std::vector<std::string> ports);

    void update(size_t device, const std::string& state, int percent);
    // Before text of another kind (a question): the next update starts a new block below it.
    void interrupt();

  private:
    struct Line {
        std::string state;
        int percent = -1;
    };
    std::string lineText(size_t device) const;
    void redraw();

    std::mutex mutex_;
    bool terminal_;
    std::vector<std::string> ports_;
    std::vector<Line> lines_;
    bool drawn_ = false;
};

// The final table: port, programmer, model, result (with the reason of a failure), bytes changed,
// seconds; every text made printable.
std::string fleetTable(const std::vector<DeviceResult>& results);

}  // namespace quorprog::cli
