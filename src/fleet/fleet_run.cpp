#include "fleet/fleet_run.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "fleet/device_run.h"

namespace quorprog {

namespace {

// Where the sessions of a round meet: each arrives once it has read its device and applied the
// plan (or failed), then waits until the round has decided.
class RoundGate {
  public:
    void arrive() {
        const std::lock_guard lock(mutex_);
        ++arrived_;
        changed_.notify_all();
    }
    void waitForArrivals(size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return arrived_ >= count; });
    }
    void open() {
        const std::lock_guard lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }
    void waitUntilOpen() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return open_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t arrived_ = 0;
    bool open_ = false;
};

// One device's part of a round, shared between its thread and the round. Its thread fills it
// before arriving at the gate and after the gate opens; the round reads it in between and at
// the end.
struct DeviceSlot {
    bool ready = false;  // read and given the plan
    PreparedDevice prepared;
    Bytes readImage;
    Verdict verdict;
    DeviceResult result;
    Bytes leftImage;
};

void runDevice(const FleetSettings& settings, const FleetDevice& device, size_t index, int round,
               const FleetRun::Progress& progress, DeviceSlot& slot, RoundGate& gate) {
    bool arrived = false;
    const auto arrive = [&] {
        if (!arrived) gate.arrive();
        arrived = true;
    };
    std::optional<DeviceRun> run;
    try {
        run.emplace(settings, device, round, [&progress, index](const std::string& state,
                                                                int percent) {
            if (progress) progress(index, state, percent);
        });
        slot.ready = run->prepare();
        if (slot.ready) {
            slot.prepared = run->prepared(index);
            slot.readImage = run->readImage();
        }
        arrive();
        if (slot.ready) {
            gate.waitUntilOpen();
            run->finish(slot.verdict);
        }
        slot.result = run->result();
        slot.leftImage = run->leftImage();
    } catch (const std::exception& error) {
        // One device's trouble must not end the others' round.
        slot.result.round = round;
        slot.result.port = device.port;
        slot.result.programmer = device.programmer;
        slot.result.ok = false;
        slot.result.message = std::string("internal error: ") + error.what();
        slot.result.time = settings.clock.now();
        slot.ready = false;
        arrive();
    }
}

}  // namespace

ThreadStarter standardThreads() {
    return [](std::function<void()> work) -> std::function<void()> {
        auto thread = std::make_shared<std::thread>(std::move(work));
        return [thread] { thread->join(); };
    };
}

std::vector<DeviceResult> FleetRun::runRound(const std::vector<FleetDevice>& devices,
                                             const Progress& progress, const Decide& decide) {
    ++round_;
    std::vector<DeviceSlot> slots(devices.size());
    RoundGate gate;
    std::vector<std::function<void()>> joins;
    joins.reserve(devices.size());
    for (size_t i = 0; i < devices.size(); ++i) {
        joins.push_back(settings_.startThread([&, i] {
            runDevice(settings_, devices[i], i, round_, progress, slots[i], gate);
        }));
    }

    gate.waitForArrivals(devices.size());
    std::vector<PreparedDevice> prepared;
    for (DeviceSlot& slot : slots) {
        if (!slot.ready) continue;
        slot.prepared.programmedBefore =
            std::find(left_.begin(), left_.end(), slot.readImage) != left_.end();
        prepared.push_back(slot.prepared);
    }
    std::vector<Verdict> verdicts;
    std::exception_ptr trouble;
    try {
        if (!prepared.empty()) verdicts = decide(prepared);
    } catch (...) {
        // The sessions wait at the gate: they must be let go (without a write) before this ends.
        trouble = std::current_exception();
        verdicts.clear();
    }
    for (size_t i = 0; i < prepared.size(); ++i) {
        // A device the decision leaves out is not written.
        slots[prepared[i].index].verdict =
            i < verdicts.size() ? verdicts[i]
                                : Verdict{Verdict::Kind::Refuse, "the round was not decided"};
    }
    gate.open();
    for (const std::function<void()>& join : joins) join();
    if (trouble) std::rethrow_exception(trouble);

    std::vector<DeviceResult> results;
    for (DeviceSlot& slot : slots) {
        if (!slot.leftImage.empty()) left_.push_back(std::move(slot.leftImage));
        results.push_back(std::move(slot.result));
    }
    return results;
}

}  // namespace quorprog
