// Read and write of a factory dual-group device through the real serial line against
// quorprog-emu pacing every byte at 19200 baud. Prints, for each, the measured time, the time the
// wire itself needs (bytes exchanged at 1920 bytes a second, plus the settling wait of every port
// opening) and their ratio. Both run three times: on a bare line, and behind a USB adapter whose
// latency timer holds every answer 16 ms (an FTDI adapter's default) and 1 ms (the timer the
// package's udev rule sets).
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <fstream>

#include "../tests/e2e/emulator_process.h"
#include "counting_serial_line.h"
#include "description/default_description.h"
#include "programmer/programmer_link.h"
#include "ui/serial/qt_serial_line.h"
#include "seams/clock.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "session/device_session.h"

namespace quorprog {
namespace {

constexpr double kWireBytesPerSecond = 19200.0 / 10.0;  // 8N1: ten bits a byte

class YesPrompter : public Prompter {
public:
    Answer message(const std::string& text, const std::string& caption, Buttons buttons,
                   Icon) override {
        if (caption == "ERROR") std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    void beep() override {}
};

struct Measurement {
    double seconds;
    double floorSeconds;
};

template <typename Operation>
Measurement measure(CountingSerialLine& line, Operation operation) {
    line.reset();
    const auto start = std::chrono::steady_clock::now();
    const bool ok = operation();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!ok) {
        std::fprintf(stderr, "operation failed\n");
        std::exit(1);
    }
    const double floor = line.bytesExchanged() / kWireBytesPerSecond +
                         line.opens() * QtSerialLine::kSettleMs / 1000.0;
    return {elapsed.count(), floor};
}

void report(const char* name, int latencyMs, const Measurement& m) {
    std::printf("%-28s latency %2d ms   measured %7.3f s   wire floor %7.3f s   ratio %.3f\n",
                name, latencyMs, m.seconds, m.floorSeconds, m.seconds / m.floorSeconds);
}

int runWithLatency(int latencyMs) {
    QTemporaryDir folder;
    const QString link = folder.filePath("COM1");
    EmulatorProcess emulator(link, {"--model", "dual group system", "--baud", "19200",
                                    "--latency", QString::number(latencyMs)});
    if (emulator.device().empty()) {
        std::fprintf(stderr, "quorprog-emu did not start\n");
        return 1;
    }
    const std::string settings = folder.filePath("quorprog.ini").toStdString();
    std::ofstream(settings) << "[PORTS]\nCOM1=" << link.toStdString() << "\n";

    QtSerialLine realLine(settings);
    CountingSerialLine line(realLine);
    NullLog log;
    YesPrompter prompter;
    NullProgressView progress;
    const FixedClock clock({2026, 12, 6});
    const LocalTexts texts;
    const auto description = DescriptionReader::fromText(defaultDescriptionText());
    ProgrammerLink programmer(line, log, prompter, progress);
    if (programmer.ScanProgrammers() < 1) {
        std::fprintf(stderr, "no programmer found on COM1\n");
        return 1;
    }
    programmer.SelectProgrammer(0);
    DeviceSession session(description, {prompter, progress, log, clock, texts});

    report("read (dual group device)", latencyMs,
           measure(line, [&] { return session.read(programmer); }));

    // 32 changed bytes: every channel's subtone byte of both groups.
    for (int group = 0; group < 2; ++group)
        for (int channel = 0; channel < 16; ++channel)
            session.memoryMap().WriteMapValue(
                "Partition" + std::to_string(group) + ".Sub" + std::to_string(channel), 18);
    report("write (32 bytes + 16 date)", latencyMs,
           measure(line, [&] { return session.write(programmer); }));
    return 0;
}

int run() {
    for (const int latencyMs : {0, 16, 1}) {
        if (const int status = runWithLatency(latencyMs); status != 0) return status;
    }
    return 0;
}

}  // namespace
}  // namespace quorprog

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    return quorprog::run();
}
