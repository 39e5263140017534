#include "programmer_connection.h"

#include "programmer/battery_indication.h"
#include "report.h"

namespace quorprog::cli {

ProgrammerConnection::ProgrammerConnection(CliEnvironment& environment)
    : environment_(environment),
      line_(environment.settingsFile()),
      link_(line_, environment.log(), environment.prompter(), environment.progress()) {}

bool ProgrammerConnection::choose(int n) {
    const int found = link_.ScanProgrammers();
    if (found < n) {
        fail(found == 0 ? "no programmer answers on COM1..COM4"
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

}  // namespace quorprog::cli
