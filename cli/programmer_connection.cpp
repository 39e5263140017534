#include "programmer_connection.h"

#include "printable_text.h"
#include "programmer/battery_indication.h"
#include "programmer/port_access.h"
#include "report.h"
#include "ui/serial/port_probe.h"

namespace quorprog::cli {

ProgrammerConnection::ProgrammerConnection(CliEnvironment& environment)
    : environment_(environment),
      line_(environment.settingsFile()),
      link_(line_, environment.log(), environment.prompter(), environment.progress()) {}

bool ProgrammerConnection::choose(int n) {
    const int found = link_.ScanProgrammers();
    if (found < n) {
        fail(found == 0 ? whyNoneFound()
                        : "programmer " + std::to_string(n) + " asked for, but only " +
                              std::to_string(found) + " found");
        return false;
    }
    link_.SelectProgrammer(n - 1);
    const int level = link_.BatteryLevel();
    const BatteryIndication battery = indicateBattery(level);
    note("using " + link_.ProgrammerEntries()[static_cast<size_t>(n - 1)] + ", battery " +
         std::to_string(battery.gaugeLevel) + "/" +
         std::to_string(BatteryIndication::kGaugeMaximum));
    if (battery.warn) {
        environment_.prompter().inform(environment_.text(BatteryIndication::kWarningTextId),
                                       environment_.text(BatteryIndication::kWarningCaptionId));
    }
    return true;
}

std::string ProgrammerConnection::whyNoneFound() const {
    const std::vector<ComPortCheck> checks = checkComPorts(environment_.settingsFile());
    const EmptyScanReason reason = emptyScanReason(checks);
    switch (reason.cause) {
        case EmptyScanCause::PermissionDenied:
        case EmptyScanCause::Busy:
        case EmptyScanCause::PortsEntryNowhere: {
            const ComPortCheck& port = *reason.port;
            const bool entry = reason.cause == EmptyScanCause::PortsEntryNowhere;
            return "no programmer found: " + port.name + " -> " + terminalText(port.port.device) +
                   (entry ? " ([PORTS] entry)" : "") + ": " +
                   std::string(portAccessName(port.access)) +
                   (reason.cause == EmptyScanCause::Busy ? " (another program holds it)" : "");
        }
        case EmptyScanCause::NoSerialPort:
            return "no serial port found for COM1..COM4";
        case EmptyScanCause::NoAnswer:
            break;
    }
    return "no programmer answers on COM1..COM4";
}

}  // namespace quorprog::cli
