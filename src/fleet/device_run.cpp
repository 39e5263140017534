#include "fleet/device_run.h"

#include <algorithm>

namespace quorprog {

namespace {

// What a failure says when the session gave no reason of its own.
constexpr const char* kReadFailed = "the read failed";
constexpr const char* kPlanRefused = "the channel file was refused";
constexpr const char* kWriteFailed = "the write failed";

}  // namespace

DeviceRun::DeviceRun(const FleetSettings& settings, const FleetDevice& device, int round,
                     SessionProgress::Report report)
    : settings_(settings),
      line_(settings.makeLine()),
      log_(settings.log, device.port + ": "),
      prompter_(settings.texts),
      progress_(std::move(report)),
      link_(*line_, log_, prompter_, progress_),
      session_(settings.description,
               {prompter_, progress_, log_, settings.clock, settings.texts}),
      started_(std::chrono::steady_clock::now()) {
    result_.round = round;
    result_.port = device.port;
    result_.programmer = device.programmer;
    link_.UseProgrammer(device.port, device.programmer);
    if (settings.backups) {
        backups_.emplace(*settings.backups, settings.clock, prompter_, settings.texts,
                         DeviceBackups::OnFailure::Refuse);
        session_.setBackups(&*backups_);
    }
}

bool DeviceRun::failed(const std::string& reason) {
    result_.ok = false;
    result_.message = prompter_.problem().empty() ? reason : prompter_.problem();
    end();
    return false;
}

void DeviceRun::failWith(const std::string& reason) {
    result_.ok = false;
    result_.message = reason;
    end();
}

void DeviceRun::end() {
    busy_ += std::chrono::steady_clock::now() - started_;
    result_.seconds = std::chrono::duration<double>(busy_).count();
    result_.time = settings_.clock.now();
    if (backups_) result_.backup = backups_->lastSaved().string();
}

bool DeviceRun::prepare() {
    prompter_.startStep();
    if (!session_.read(link_)) return failed(kReadFailed);
    result_.model = session_.modelName();
    readImage_ = session_.image().bytes();

    prompter_.startStep();
    const PlanApplication plan =
        applyChannelPlan(session_, settings_.planFile, settings_.map, prompter_, settings_.texts);
    if (plan.outcome != PlanApplication::Outcome::Applied) {
        return failed(plan.problem.empty() ? kPlanRefused : plan.problem);
    }
    // The wait for the round's answer is not the device's time.
    busy_ += std::chrono::steady_clock::now() - started_;
    return true;
}

PreparedDevice DeviceRun::prepared(size_t index) const {
    return {index, session_.modelName(), session_.pendingChanges(), false};
}

size_t DeviceRun::bytesChanged() const {
    const Bytes& now = session_.image().bytes();
    const size_t common = std::min(now.size(), readImage_.size());
    size_t changed = std::max(now.size(), readImage_.size()) - common;
    for (size_t a = 0; a < common; ++a) changed += now[a] != readImage_[a];
    return changed;
}

void DeviceRun::finish(const Verdict& verdict) {
    started_ = std::chrono::steady_clock::now();
    prompter_.startStep();
    switch (verdict.kind) {
        case Verdict::Kind::Refuse:
            failWith(verdict.reason);
            return;
        case Verdict::Kind::Leave:
            result_.ok = true;
            result_.changes = bytesChanged();
            end();
            return;
        case Verdict::Kind::Write:
            break;
    }
    if (!session_.write(link_)) {
        failed(kWriteFailed);
        return;
    }
    result_.ok = true;
    result_.changes = bytesChanged();
    leftImage_ = session_.image().bytes();
    end();
}

}  // namespace quorprog
