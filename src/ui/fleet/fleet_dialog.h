#pragma once

#include <QDialog>
#include <vector>

#include "channels/channel_table.h"
#include "fleet/device_result.h"
#include "seams/prompter.h"
#include "ui/fleet/fleet_runner.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace quorprog {

// "Program several devices…": the programmers found, each with a tick box, its battery and a
// progress bar; one write question per round; a result row per device (green, or red with the
// reason); "Next round" once the technician has swapped the devices; "Save report…" as CSV, or
// as PDF with the frequency sheet of the plan. The rounds run on worker threads: the window stays
// alive while they do, and the dialog cannot be closed until a round has ended.
class FleetDialog : public QDialog {
    Q_OBJECT
  public:
    // `plan` is the channel table the devices get (the one the main window holds).
    FleetDialog(FleetContext context, const ChannelTable& plan, Prompter& prompter,
                QWidget* parent);

    void reject() override;

  private:
    enum Column { kPortColumn, kProgrammerColumn, kBatteryColumn, kProgressColumn, kResultColumn };

    void showProgrammers(const std::vector<FoundProgrammer>& programmers);
    void startRound();
    void showProgress(int device, const QString& state, int percent);
    std::vector<Verdict> decide(const std::vector<PreparedDevice>& prepared);
    void showResults(const std::vector<DeviceResult>& results);
    void saveReport();
    void setBusy(bool busy);
    QString text(int id) const;
    // The row of `port`; -1 when the table has none.
    int rowOf(const std::string& port) const;

    const LocalTexts& texts_;
    const Clock& clock_;
    const ChannelTable& plan_;
    Prompter& prompter_;
    FleetRunner* runner_;
    std::vector<FoundProgrammer> programmers_;
    std::vector<FleetDevice> roundDevices_;
    std::vector<DeviceResult> report_;  // every device of every round so far
    int round_ = 0;
    QTableWidget* table_;
    QLabel* status_;
    QPushButton* programButton_;
    QPushButton* saveButton_;
    QPushButton* closeButton_;
};

}  // namespace quorprog
