// Faults injected by the emulator into single replies of a read and of a write through
// quorprog-cli. Whatever goes wrong on the line, the tool ends (no crash, no hang), a write it
// reports as done left exactly the intended bytes in the device, no byte ever holds anything but
// its old or its intended value, and a fault in what the write relies on (the check read, a bank
// selection, a read-back) stops the write before any further byte is written. The dual-group
// model also runs with two banks of memory, written by a restore that changes bytes in both, so
// that a bank selection the box never took would send the bytes into the other bank; and on a
// box that takes every single-byte address within the selected bank.
#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace quorprog {
namespace {

// The row whose first byte the flip fault changes. Its first byte (address 96) is one that the
// plan leaves alone, so the write compares it.
constexpr int kFlippedRow = 6;
constexpr size_t kFlippedAddress = kFlippedRow * 16;

// The commands the host sent, in order, from the emulator's transcript: one reply each. The
// letters "*", "V", "S" and "T" stand alone; the other commands run to their line feed.
std::vector<std::string> hostCommands(const std::string& trace) {
    std::string sent;
    std::istringstream lines(trace);
    for (std::string line; std::getline(lines, line);) {
        if (!line.starts_with("> ")) continue;
        for (size_t i = 2; i < line.size(); ++i) {
            const bool escaped = line[i] == '\\' && i + 1 < line.size();
            const char c = escaped ? line[++i] : line[i];
            sent += !escaped ? c : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        }
    }
    std::vector<std::string> commands;
    for (size_t i = 0; i < sent.size();) {
        const size_t end = std::string_view("*VST").find(sent[i]) != std::string_view::npos
                               ? i
                               : sent.find('\n', i);
        if (end == std::string::npos) break;
        commands.push_back(sent.substr(i, end - i + 1));
        i = end + 1;
    }
    return commands;
}

// What the host sent after the reply that carried the fault.
std::string sentAfterTheFault(const std::string& trace) {
    std::string sent;
    const size_t mark = trace.find("\n! ");
    if (mark == std::string::npos) return sent;
    std::istringstream lines(trace.substr(mark + 1));
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("> ")) sent += line.substr(2);
    }
    return sent;
}

enum class Phase { Read, CheckRead, Battery, Write };

constexpr const char* kRows = "R\n";     // a bank read
constexpr const char* kReadBack = "R ";  // a single byte read
constexpr const char* kBankSelection = "B ";

struct Sample {
    const char* name;
    Phase phase;
    size_t reply;         // from 1
    std::string command;  // how the command of that reply begins
};

// Replies of each phase, found in the transcript of a run without a fault: the read's bank
// selection and rows, the check read's, the battery query, the write's first and last bank
// selection and its first and last byte written and read back.
std::vector<Sample> samplesOf(const std::vector<std::string>& commands) {
    const auto firstFrom = [&](size_t from, std::string_view start) {
        return static_cast<size_t>(
            std::find_if(commands.begin() + static_cast<long>(from), commands.end(),
                         [&](const std::string& c) { return c.starts_with(start); }) -
            commands.begin());
    };
    const auto last = [&](std::string_view start) {
        size_t found = commands.size();
        for (size_t i = 0; i < commands.size(); ++i) {
            if (commands[i].starts_with(start)) found = i;
        }
        return found;
    };
    const size_t readRows = firstFrom(0, kRows);
    const size_t checkRows = last(kRows);
    const size_t battery = firstFrom(checkRows, "S");
    const size_t firstWrite = firstFrom(0, "W ");
    const size_t lastWrite = last("W ");
    const size_t lastBank = last(kBankSelection);
    // Reply numbers count from 1.
    std::vector<Sample> samples = {
        {"read: bank selection", Phase::Read, readRows, kBankSelection},
        {"read: rows", Phase::Read, readRows + 1, kRows},
        {"check read: bank selection", Phase::CheckRead, checkRows, kBankSelection},
        {"check read: rows", Phase::CheckRead, checkRows + 1, kRows},
        {"battery", Phase::Battery, battery + 1, "S"},
        {"write: bank selection", Phase::Write, firstWrite, kBankSelection},
        {"write: first byte", Phase::Write, firstWrite + 1, "W "},
        {"write: first read-back", Phase::Write, firstWrite + 2, kReadBack},
        {"write: last byte", Phase::Write, lastWrite + 1, "W "},
        {"write: last read-back", Phase::Write, lastWrite + 2, kReadBack},
    };
    // With two banks the write selects the second one too.
    if (lastBank + 1 != firstWrite) {
        samples.push_back(
            {"write: last bank selection", Phase::Write, lastBank + 1, kBankSelection});
    }
    return samples;
}

// Whether the fault damages what the write relies on: the check read, a bank selection, a
// read-back, or (with a flipped byte) the read the write started from, which the check read then
// contradicts. A lost acknowledgement damages none of those; a flipped bit only data.
bool damagesWhatTheWriteReliesOn(const Sample& sample, const std::string& kind) {
    if (kind == "no-ack") return false;
    const bool dataOnly = kind == "flip";
    switch (sample.phase) {
        case Phase::Read:
            return sample.command == kRows && dataOnly;
        case Phase::CheckRead:
            return sample.command == kRows || !dataOnly;
        case Phase::Write:
            return sample.command == kReadBack || (sample.command == kBankSelection && !dataOnly);
        case Phase::Battery:
            break;
    }
    return false;
}

// One column of the matrix: the kind injected at each sampled reply, the memory, a fault the box
// shows at every reply, and whether the read and the battery query are sampled too (the columns
// about banks and lost commands sample the check read and the write only, to bound the time).
struct MatrixRun {
    const char* kind;
    bool twoBanks = false;
    const char* boxFault = "";
    bool readSampled = true;
};

void PrintTo(const MatrixRun& run, std::ostream* out) {
    *out << run.kind << (run.twoBanks ? " on two banks" : "") << " " << run.boxFault;
}

class FaultMatrix : public CliTest, public ::testing::WithParamInterface<MatrixRun> {
  protected:
    std::string kind() const { return GetParam().kind; }

    // quorprog-cli against the device whose emulator gives the fault to reply `reply` (none for
    // 0); the transcript of the run goes to `trace`.
    CliRun runAgainstFault(const QStringList& arguments, size_t reply, std::string& trace) {
        QStringList faults = {"--fault-row", QString::number(kFlippedRow)};
        if (reply > 0) {
            faults << "--fault-at" << QString::number(reply) << "--fault-kind"
                   << QString::fromStdString(kind());
        }
        if (*GetParam().boxFault != '\0') faults << "--fault" << GetParam().boxFault;
        auto emulator = serveDevice(factory, faults);
        const CliRun result = run(description + arguments);
        emulator.reset();
        const Bytes transcript = readFile("trace.txt");
        trace.assign(transcript.begin(), transcript.end());
        return result;
    }

    // One bank: a channel file whose frequencies differ everywhere. Two banks: a restore of an
    // image that differs in bank 1, which also stamps today's dates into bank 0.
    void SetUp() override {
        CliTest::SetUp();
        if (!GetParam().twoBanks) {
            writeFile("plan.qvm", serializeChannelFile(shiftedPlan(1000)));
            return;
        }
        writeFile("two banks.cfg", twoBankDescription());
        description = {"--description", path("two banks.cfg")};
        factory = twoBankDevice();
        Bytes saved = factory;
        for (const size_t a : {256, 300, 511}) saved[a] ^= 0x5A;
        writeFile("saved.bin", saved);
        write = {"--yes", "restore", path("saved.bin")};
    }

    Bytes factory = factoryImage("dual group system");
    QStringList description;
    QStringList write = {"--yes", "program", path("plan.qvm")};
    const QStringList read = {"read", "-o", path("read.bin")};
};

TEST_P(FaultMatrix, EveryPhaseEndsSafely) {
    // The run without a fault: the bytes a write must leave, and the replies to sample.
    std::string trace;
    const CliRun clean = runAgainstFault(write, 0, trace);
    ASSERT_EQ(clean.status, 0) << clean.err;
    const Bytes intended = readFile("device.bin");
    const std::vector<std::string> commands = hostCommands(trace);

    for (const Sample& sample : samplesOf(commands)) {
        const bool readOrBattery = sample.phase == Phase::Read || sample.phase == Phase::Battery;
        if (readOrBattery && !GetParam().readSampled) continue;
        SCOPED_TRACE(std::string(sample.name) + ", " + kind() + " at reply " +
                     std::to_string(sample.reply));
        ASSERT_LE(sample.reply, commands.size());
        ASSERT_TRUE(commands[sample.reply - 1].starts_with(sample.command));

        const CliRun written = runAgainstFault(write, sample.reply, trace);
        ASSERT_TRUE(written.finished) << "no end within the watchdog";
        ASSERT_TRUE(written.status == 0 || written.status == 1) << written.status << written.err;
        ASSERT_NE(trace.find("\n! "), std::string::npos) << "the fault was not injected";
        const Bytes device = readFile("device.bin");
        ASSERT_EQ(device.size(), intended.size());
        if (written.status == 0) EXPECT_EQ(device, intended);
        // Failed or not, every byte holds its old value or the intended one.
        std::vector<size_t> strayBytes;
        for (size_t a = 0; a < device.size(); ++a) {
            if (device[a] != factory[a] && device[a] != intended[a]) strayBytes.push_back(a);
        }
        EXPECT_EQ(strayBytes, std::vector<size_t>{});
        if (damagesWhatTheWriteReliesOn(sample, kind())) {
            EXPECT_EQ(written.status, 1) << written.err;
            EXPECT_EQ(sentAfterTheFault(trace).find('W'), std::string::npos);
        }

        if (sample.phase != Phase::Read) continue;
        QFile::remove(path("read.bin"));
        const CliRun readOnly = runAgainstFault(read, sample.reply, trace);
        ASSERT_TRUE(readOnly.finished) << "no end within the watchdog";
        ASSERT_TRUE(readOnly.status == 0 || readOnly.status == 1)
            << readOnly.status << readOnly.err;
        if (sample.command == kRows && kind() == "flip") {
            // A bit flipped in transit leaves a well-formed row, and the protocol carries no
            // check sum: the read reports success with the byte as it arrived. A write from
            // that image is stopped by its check read (above).
            Bytes flipped = factory;
            flipped[kFlippedAddress] ^= 1;
            EXPECT_EQ(readOnly.status, 0) << readOnly.err;
            EXPECT_EQ(readFile("read.bin"), flipped);
        } else if (readOnly.status == 0) {
            EXPECT_EQ(readFile("read.bin"), factory);
        }
    }
}

// "lost" is the box's "silent": the command never arrives. "drop-reply" is done but unanswered.
INSTANTIATE_TEST_SUITE_P(Kinds, FaultMatrix,
                         ::testing::Values(MatrixRun{"silent"}, MatrixRun{"garbage"},
                                           MatrixRun{"truncated"}, MatrixRun{"flip"},
                                           MatrixRun{"no-ack"},
                                           MatrixRun{"drop-reply", false, "", false},
                                           MatrixRun{"lost", true, "", false},
                                           MatrixRun{"drop-reply", true, "", false},
                                           MatrixRun{"lost", true, "in-bank", false}),
                         [](const auto& info) {
                             std::string name = std::string(info.param.kind) +
                                                (info.param.twoBanks ? "TwoBanks" : "") +
                                                info.param.boxFault;
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
}  // namespace quorprog
