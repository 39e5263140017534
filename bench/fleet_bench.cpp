// Several factory dual-group devices programmed at once with the same plan, each through its own
// quorprog-emu pacing every byte at 19200 baud: the wall time of a round of 1, 2 and 4 devices,
// and each against the round of one. The lines are independent, so the limit is one device's
// wire time.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "../tests/e2e/emulator_process.h"
#include "description/default_description.h"
#include "files/channel_file.h"
#include "files/channel_file_table.h"
#include "fleet/fleet_run.h"
#include "model/factory_image.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "session/device_session.h"
#include "ui/serial/qt_serial_line.h"
#include "ui/serial/qt_threads.h"

namespace quorprog {
namespace {

// The factory plan of the dual-group model with every frequency 1 MHz up.
Bytes shiftedPlan(const DescriptionReader& description) {
    SilentPrompter quiet;
    NullProgressView progress;
    NullLog log;
    const FixedClock clock({2026, 12, 6});
    const LocalTexts texts;
    DeviceSession factory(description, {quiet, progress, log, clock, texts});
    factory.load(buildFactoryImage(description, "dual group system"));
    ChannelFile plan = channelFileFromTable(factory.table(), 0);
    for (ChannelFileGroup& group : plan.groups)
        for (float& frequency : group.frequencies) frequency += 1000.0f;
    return serializeChannelFile(plan);
}

// The wall time of one round over `count` fresh devices; negative when a device failed.
double roundSeconds(int count, const DescriptionReader& description, const Bytes& plan) {
    QTemporaryDir folder;
    std::vector<std::unique_ptr<EmulatorProcess>> boxes;
    std::vector<FleetDevice> devices;
    std::string ports = "[PORTS]\n";
    for (int n = 1; n <= count; ++n) {
        const QString link = folder.filePath(QString("box%1").arg(n));
        boxes.push_back(std::make_unique<EmulatorProcess>(
            link, QStringList{"--model", "dual group system", "--baud", "19200"}));
        if (boxes.back()->device().empty()) return -1;
        ports += "COM" + std::to_string(n) + "=" + link.toStdString() + "\n";
        devices.push_back({"COM" + std::to_string(n), "QUORVEL emulated"});
    }
    const std::string settings = folder.filePath("quorprog.ini").toStdString();
    std::ofstream(settings) << ports;

    NullLog nothing;
    SharedLog log(nothing);
    const FixedClock clock({2026, 12, 6});
    const LocalTexts texts;
    FleetRun run({description, texts, clock, log, nullptr, plan, nullptr,
                  [settings] { return std::make_unique<QtSerialLine>(settings); }, qtThreads()});
    const auto start = std::chrono::steady_clock::now();
    const auto results = run.runRound(devices, {}, [](const std::vector<PreparedDevice>& p) {
        return std::vector<Verdict>(p.size());
    });
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    for (const DeviceResult& result : results) {
        if (!result.ok) {
            std::fprintf(stderr, "%s failed: %s\n", result.port.c_str(), result.message.c_str());
            return -1;
        }
    }
    return elapsed.count();
}

int run() {
    const auto description = DescriptionReader::fromText(defaultDescriptionText());
    const Bytes plan = shiftedPlan(description);
    double one = 0;
    for (const int count : {1, 2, 4}) {
        const double seconds = roundSeconds(count, description, plan);
        if (seconds < 0) return 1;
        if (count == 1) one = seconds;
        std::printf("%d device%s  read + plan + write  %7.3f s   against one device %.3f\n", count,
                    count == 1 ? " " : "s", seconds, seconds / one);
    }
    return 0;
}

}  // namespace
}  // namespace quorprog

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    return quorprog::run();
}
