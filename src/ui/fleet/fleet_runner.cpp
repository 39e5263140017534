#include "ui/fleet/fleet_runner.h"

#include "programmer/programmer_link.h"
#include "seams/progress_view.h"
#include "seams/prompter.h"
#include "ui/serial/qt_serial_line.h"
#include "ui/serial/qt_threads.h"

namespace quorprog {

FleetRunner::FleetRunner(FleetContext context, QObject* parent)
    : QObject(parent),
      description_(context.description.frozen()),
      context_(std::move(context)),
      log_(context_.log),
      run_({description_, context_.texts, context_.clock, log_, context_.backups, context_.plan,
            nullptr,
            [file = context_.settingsFile] { return std::make_unique<QtSerialLine>(file); },
            qtThreads()}) {}

FleetRunner::~FleetRunner() {
    if (joinWorker_) joinWorker_();
}

void FleetRunner::start(std::function<void()> work, std::function<void()> done) {
    if (joinWorker_) joinWorker_();
    joinWorker_ = qtThreads()([this, work = std::move(work), done = std::move(done)] {
        work();
        QMetaObject::invokeMethod(
            this,
            [this, done] {
                joinWorker_();
                joinWorker_ = nullptr;
                done();
            },
            Qt::QueuedConnection);
    });
}

void FleetRunner::search() {
    auto found = std::make_shared<std::vector<FoundProgrammer>>();
    start(
        [this, found] {
            QtSerialLine line(context_.settingsFile);
            SilentPrompter quiet;
            NullProgressView noProgress;
            // One whole line at a time, as the sessions write theirs.
            PrefixedLog log(log_, "");
            ProgrammerLink link(line, log, quiet, noProgress);
            link.ScanProgrammers();
            for (size_t i = 0; i < link.ProgrammerPorts().size(); ++i) {
                FoundProgrammer programmer{
                    {link.ProgrammerPorts()[i], link.ProgrammerEntries()[i]}, -1};
                link.SelectProgrammer(static_cast<int>(i));
                programmer.battery = link.BatteryLevel();
                found->push_back(programmer);
            }
        },
        [this, found] { emit searched(*found); });
}

void FleetRunner::runRound(std::vector<FleetDevice> devices, FleetRun::Decide decide) {
    auto results = std::make_shared<std::vector<DeviceResult>>();
    start(
        [this, devices = std::move(devices), decide = std::move(decide), results] {
            const auto progress = [this](size_t device, const std::string& state, int percent) {
                const QString shown = QString::fromStdString(state);
                QMetaObject::invokeMethod(
                    this,
                    [this, device, shown, percent] {
                        emit progressed(static_cast<int>(device), shown, percent);
                    },
                    Qt::QueuedConnection);
            };
            const auto decideHere = [this, &decide](const std::vector<PreparedDevice>& prepared) {
                std::vector<Verdict> verdicts;
                QMetaObject::invokeMethod(
                    this, [&] { verdicts = decide(prepared); }, Qt::BlockingQueuedConnection);
                return verdicts;
            };
            *results = run_.runRound(devices, progress, decideHere);
        },
        [this, results] { emit roundEnded(*results); });
}

}  // namespace quorprog
