#include "fleet_command.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <sstream>

#include "change_output.h"
#include "description/integer_text.h"
#include "fleet/fleet_run.h"
#include "fleet_display.h"
#include "group_map_option.h"
#include "images/change_listing.h"
#include "plan_files.h"
#include "printable_text.h"
#include "programmer/programmer_link.h"
#include "report.h"
#include "report_file.h"
#include "terminal_prompter.h"
#include "text/text_ids.h"
#include "ui/serial/qt_serial_line.h"
#include "ui/serial/qt_threads.h"

namespace quorprog::cli {

namespace {

struct FleetOptions {
    std::vector<std::string> ports;  // empty: every port where a programmer answers
    bool dryRun = false;
    std::optional<GroupMap> map;
    int rounds = 1;  // 0: until stopped
    std::string report;
    std::string path;
};

std::vector<std::string> portList(const std::string& text) {
    std::vector<std::string> ports;
    std::stringstream items(text);
    for (std::string item; std::getline(items, item, ',');) {
        const auto number = item.size() == 4 && item.starts_with("COM")
                                ? parseIntegerText(item.substr(3))
                                : std::nullopt;
        if (!number || *number < 1 || *number > ProgrammerLink::kPortCount) {
            throw UsageError("program: --ports takes COM1..COM4 separated by commas, not \"" +
                             text + "\"");
        }
        if (std::find(ports.begin(), ports.end(), item) != ports.end()) {
            throw UsageError("program: --ports names " + item + " twice");
        }
        ports.push_back(item);
    }
    if (ports.empty()) throw UsageError("program: --ports names no port");
    return ports;
}

FleetOptions parseOptions(CommandArguments& arguments, bool allPorts) {
    FleetOptions options;
    if (allPorts && arguments.has("--ports")) {
        throw UsageError("program: --ports and --all-ports exclude each other");
    }
    if (!allPorts) options.ports = portList(arguments.option("--ports"));
    options.dryRun = arguments.flag("--dry-run");
    if (arguments.has("--map")) options.map = parseGroupMap(arguments.option("--map"));
    if (arguments.has("--rounds")) {
        const std::string text = arguments.option("--rounds");
        const auto rounds = parseIntegerText(text);
        if (!rounds || *rounds < 0 || text.find_first_not_of("0123456789") != std::string::npos) {
            throw UsageError("program: --rounds wants a whole number from 0, not \"" + text + "\"");
        }
        options.rounds = *rounds;
    }
    options.report = arguments.option("--report");
    options.path = arguments.operand("FILE.qvm");
    arguments.finish();
    return options;
}

// The programmers to program this round: those the scan finds, on the ports asked for. A port
// asked for where none answers is a device that failed.
std::vector<FleetDevice> scanDevices(CliEnvironment& environment, const FleetOptions& options,
                                     int round, std::vector<DeviceResult>& absent) {
    QtSerialLine line(environment.settingsFile());
    ProgrammerLink link(line, environment.log(), environment.prompter(), environment.progress());
    link.ScanProgrammers();
    std::vector<FleetDevice> found;
    for (size_t i = 0; i < link.ProgrammerPorts().size(); ++i) {
        const std::string& port = link.ProgrammerPorts()[i];
        const bool wanted = options.ports.empty() ||
                            std::find(options.ports.begin(), options.ports.end(), port) !=
                                options.ports.end();
        if (wanted) found.push_back({port, link.ProgrammerEntries()[i]});
    }
    for (const std::string& port : options.ports) {
        const bool answered = std::any_of(found.begin(), found.end(),
                                          [&](const FleetDevice& d) { return d.port == port; });
        if (answered) continue;
        DeviceResult missing;
        missing.time = environment.clock().now();
        missing.round = round;
        missing.port = port;
        missing.message = "no programmer answers on " + port;
        absent.push_back(missing);
    }
    return found;
}

// The round's questions, on the main thread while every session waits: a device that holds what
// this run left on another is refused unless the user says otherwise at the terminal (--yes does
// not answer that one); then one write question for all the others.
class RoundQuestions {
  public:
    RoundQuestions(CliEnvironment& environment, const std::vector<FleetDevice>& devices,
                   FleetDisplay& display, bool dryRun)
        : environment_(environment), devices_(devices), display_(display), dryRun_(dryRun) {}

    std::vector<Verdict> operator()(const std::vector<PreparedDevice>& prepared) {
        display_.interrupt();
        std::vector<Verdict> verdicts(prepared.size());
        if (dryRun_) {
            for (size_t i = 0; i < prepared.size(); ++i) {
                printOut(devices_[prepared[i].index].port + " (" + prepared[i].model + "):\n" +
                         changesOutput(prepared[i].changes, environment_));
                verdicts[i] = {Verdict::Kind::Leave, {}};
            }
            return verdicts;
        }
        TerminalPrompter terminalOnly(false, "--yes does not answer this one");
        std::string details;
        int writing = 0;
        for (size_t i = 0; i < prepared.size(); ++i) {
            const std::string& port = devices_[prepared[i].index].port;
            if (prepared[i].programmedBefore &&
                !terminalOnly.askYesNo(
                    environment_.texts().LocalTextWith(text::kFleetProgrammedAlready, port),
                    environment_.text(text::kWarning))) {
                verdicts[i] = {Verdict::Kind::Refuse, environment_.text(text::kFleetRefusedAgain)};
                continue;
            }
            ++writing;
            details += port + ":\n" + describeImageChanges(prepared[i].changes, environment_.texts());
        }
        if (writing == 0) return verdicts;
        const bool confirmed = environment_.prompter().askYesNoWithDetails(
            environment_.texts().LocalTextWith(text::kFleetWriteQuestion, std::to_string(writing)),
            environment_.text(text::kWarning), details);
        if (!confirmed) {
            for (Verdict& verdict : verdicts) {
                if (verdict.kind == Verdict::Kind::Write) {
                    verdict = {Verdict::Kind::Refuse, environment_.text(text::kFleetNotConfirmed)};
                }
            }
        }
        return verdicts;
    }

  private:
    CliEnvironment& environment_;
    const std::vector<FleetDevice>& devices_;
    FleetDisplay& display_;
    bool dryRun_;
};

// Between rounds: false when the input ends (Ctrl-D, the end of a script's input).
bool waitForNextDevices() {
    printError("Connect the next devices and press Enter (end of input stops).\n");
    std::string line;
    return static_cast<bool>(std::getline(std::cin, line));
}

std::vector<DeviceResult> inPortOrder(std::vector<DeviceResult> results) {
    std::stable_sort(results.begin(), results.end(),
                     [](const DeviceResult& a, const DeviceResult& b) { return a.port < b.port; });
    return results;
}

}  // namespace

int programSeveralDevices(CliEnvironment& environment, CommandArguments& arguments,
                          bool allPorts) {
    const FleetOptions options = parseOptions(arguments, allPorts);

    ChannelFile checked;
    Bytes plan;
    if (const int status = readChannelFile(environment, options.path, checked, &plan);
        status != kSuccess) {
        return status;
    }
    std::optional<ReportFile> report;
    if (!options.report.empty()) {
        report.emplace(options.report);
        if (std::string error; !report->open(error)) return fail(error);
    }

    const DescriptionReader description = environment.description().frozen();
    SharedLog log(environment.log());
    const std::filesystem::path settingsFile = environment.settingsFile();
    FleetRun run({description, environment.texts(), environment.clock(), log,
                  environment.options().noBackup ? nullptr : &environment.backupStore(), plan,
                  options.map ? &*options.map : nullptr,
                  [settingsFile] { return std::make_unique<QtSerialLine>(settingsFile); },
                  qtThreads()});

    bool allSucceeded = true;
    for (int round = 1; options.rounds == 0 || round <= options.rounds; ++round) {
        if (round > 1 && !waitForNextDevices()) break;
        std::vector<DeviceResult> results;
        const std::vector<FleetDevice> devices = scanDevices(environment, options, round, results);
        if (devices.empty() && results.empty()) {
            fail("no programmer answers on COM1..COM4");
            allSucceeded = false;
            continue;
        }
        std::vector<std::string> ports;
        for (const FleetDevice& device : devices) ports.push_back(device.port);
        FleetDisplay display(ports);
        RoundQuestions questions(environment, devices, display, options.dryRun);
        for (DeviceResult& result : run.runRound(
                 devices,
                 [&display](size_t device, const std::string& state, int percent) {
                     display.update(device, state, percent);
                 },
                 questions)) {
            results.push_back(std::move(result));
        }
        results = inPortOrder(std::move(results));
        printOut(fleetTable(results));
        allSucceeded = allSucceeded && std::all_of(results.begin(), results.end(),
                                                   [](const DeviceResult& r) { return r.ok; });
        if (std::string error; report && !report->add(results, error)) {
            fail(error);
            allSucceeded = false;
        }
    }
    return allSucceeded ? kSuccess : kFailed;
}

}  // namespace quorprog::cli
