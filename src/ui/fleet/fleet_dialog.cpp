#include "ui/fleet/fleet_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "fleet/report_csv.h"
#include "files/file_bytes.h"
#include "images/change_listing.h"
#include "programmer/battery_indication.h"
#include "text/text_ids.h"
#include "ui/files/file_name_dialog.h"
#include "ui/fleet/fleet_report_pdf.h"

namespace quorprog {

namespace {

const QColor kSucceeded(0x2E, 0x8B, 0x3A);
const QColor kFailed(0xC0, 0x1C, 0x1C);

// The state the serial window's caption gives, in the dialog's language.
int stateTextId(const QString& state) {
    if (state.startsWith("Checking")) return text::kFleetChecking;
    if (state.startsWith("Writing")) return text::kFleetWriting;
    return text::kFleetReading;
}

}  // namespace

FleetDialog::FleetDialog(FleetContext context, const ChannelTable& plan, Prompter& prompter,
                         QWidget* parent)
    : QDialog(parent),
      texts_(context.texts),
      clock_(context.clock),
      plan_(plan),
      prompter_(prompter),
      runner_(new FleetRunner(std::move(context), this)),
      table_(new QTableWidget(0, 5, this)),
      status_(new QLabel(this)),
      programButton_(new QPushButton(text(text::kFleetStartRound), this)),
      saveButton_(new QPushButton(text(text::kFleetSaveReport), this)),
      closeButton_(new QPushButton(text(text::kClose), this)) {
    setObjectName("formFleet");
    setWindowTitle(text(text::kProgramSeveralDevicesTitle));
    table_->setObjectName("tableFleet");
    table_->setHorizontalHeaderLabels({text(text::kFleetPort), text(text::kFleetProgrammer),
                                       text(text::kFleetBattery), text(text::kFleetProgress),
                                       text(text::kFleetResult)});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->horizontalHeader()->setSectionResizeMode(kResultColumn, QHeaderView::Stretch);
    table_->setColumnWidth(kPortColumn, 80);
    table_->setColumnWidth(kProgrammerColumn, 200);
    table_->setColumnWidth(kBatteryColumn, 80);
    table_->setColumnWidth(kProgressColumn, 150);
    programButton_->setObjectName("buttonFleetProgram");
    saveButton_->setObjectName("buttonFleetSaveReport");
    saveButton_->setEnabled(false);
    status_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(programButton_);
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    resize(820, 300);

    connect(programButton_, &QPushButton::clicked, this, &FleetDialog::startRound);
    connect(saveButton_, &QPushButton::clicked, this, &FleetDialog::saveReport);
    connect(closeButton_, &QPushButton::clicked, this, &FleetDialog::reject);
    connect(runner_, &FleetRunner::searched, this, &FleetDialog::showProgrammers);
    connect(runner_, &FleetRunner::progressed, this, &FleetDialog::showProgress);
    connect(runner_, &FleetRunner::roundEnded, this, &FleetDialog::showResults);
    setBusy(true);
    runner_->search();
}

QString FleetDialog::text(int id) const {
    return QString::fromStdString(texts_.LocalText(id));
}

void FleetDialog::reject() {
    // The sessions of a round must end first: a device left half written is worse than a wait.
    if (!runner_->busy()) QDialog::reject();
}

void FleetDialog::setBusy(bool busy) {
    programButton_->setEnabled(!busy && !programmers_.empty());
    closeButton_->setEnabled(!busy);
    saveButton_->setEnabled(!busy && !report_.empty());
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (QWidget* tick = table_->cellWidget(row, kPortColumn)) tick->setEnabled(!busy);
    }
}

void FleetDialog::showProgrammers(const std::vector<FoundProgrammer>& programmers) {
    programmers_ = programmers;
    table_->setRowCount(static_cast<int>(programmers.size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const FoundProgrammer& found = programmers[static_cast<size_t>(row)];
        auto* tick = new QCheckBox(QString::fromStdString(found.device.port));
        tick->setChecked(true);
        table_->setCellWidget(row, kPortColumn, tick);
        table_->setItem(row, kProgrammerColumn,
                        new QTableWidgetItem(QString::fromStdString(found.device.programmer)));
        auto* battery = new QProgressBar;
        battery->setRange(0, BatteryIndication::kGaugeMaximum);
        battery->setValue(indicateBattery(found.battery).gaugeLevel);
        battery->setFormat(QString("%v/%m"));
        table_->setCellWidget(row, kBatteryColumn, battery);
        auto* progress = new QProgressBar;
        progress->setRange(0, 100);
        progress->setValue(0);
        progress->setFormat(text(text::kFleetWaiting));
        table_->setCellWidget(row, kProgressColumn, progress);
        table_->setItem(row, kResultColumn, new QTableWidgetItem);
    }
    status_->setText(programmers.empty() ? text(text::kFleetNoProgrammer) : QString());
    setBusy(false);
}

int FleetDialog::rowOf(const std::string& port) const {
    for (size_t row = 0; row < programmers_.size(); ++row) {
        if (programmers_[row].device.port == port) return static_cast<int>(row);
    }
    return -1;
}

void FleetDialog::startRound() {
    roundDevices_.clear();
    for (int row = 0; row < table_->rowCount(); ++row) {
        auto* tick = qobject_cast<QCheckBox*>(table_->cellWidget(row, kPortColumn));
        auto* progress = qobject_cast<QProgressBar*>(table_->cellWidget(row, kProgressColumn));
        progress->setValue(0);
        progress->setFormat(text(text::kFleetWaiting));
        table_->item(row, kResultColumn)->setText({});
        table_->item(row, kResultColumn)->setBackground({});
        if (tick->isChecked()) roundDevices_.push_back(programmers_[static_cast<size_t>(row)].device);
    }
    if (roundDevices_.empty()) return;
    ++round_;
    status_->setText(QString::fromStdString(
        texts_.LocalTextWith(text::kFleetRound, std::to_string(round_))));
    setBusy(true);
    runner_->runRound(roundDevices_,
                      [this](const std::vector<PreparedDevice>& prepared) { return decide(prepared); });
}

void FleetDialog::showProgress(int device, const QString& state, int percent) {
    if (device < 0 || static_cast<size_t>(device) >= roundDevices_.size()) return;
    const int row = rowOf(roundDevices_[static_cast<size_t>(device)].port);
    if (row < 0) return;
    auto* progress = qobject_cast<QProgressBar*>(table_->cellWidget(row, kProgressColumn));
    progress->setValue(percent);
    progress->setFormat(text(stateTextId(state)) + " %p%");
}

std::vector<Verdict> FleetDialog::decide(const std::vector<PreparedDevice>& prepared) {
    std::vector<Verdict> verdicts(prepared.size());
    std::string details;
    int writing = 0;
    for (size_t i = 0; i < prepared.size(); ++i) {
        const std::string& port = roundDevices_[prepared[i].index].port;
        if (prepared[i].programmedBefore &&
            !prompter_.askYesNo(texts_.LocalTextWith(text::kFleetProgrammedAlready, port),
                                texts_.LocalText(text::kWarning), Prompter::Icon::Warning)) {
            verdicts[i] = {Verdict::Kind::Refuse, texts_.LocalText(text::kFleetRefusedAgain)};
            continue;
        }
        ++writing;
        details += port + ":\n" + describeImageChanges(prepared[i].changes, texts_) + "\n";
    }
    if (writing == 0) return verdicts;
    if (!prompter_.askYesNoWithDetails(
            texts_.LocalTextWith(text::kFleetWriteQuestion, std::to_string(writing)),
            texts_.LocalText(text::kWarning), details)) {
        for (Verdict& verdict : verdicts) {
            if (verdict.kind == Verdict::Kind::Write) {
                verdict = {Verdict::Kind::Refuse, texts_.LocalText(text::kFleetNotConfirmed)};
            }
        }
    }
    return verdicts;
}

void FleetDialog::showResults(const std::vector<DeviceResult>& results) {
    for (const DeviceResult& result : results) {
        report_.push_back(result);
        const int row = rowOf(result.port);
        if (row < 0) continue;
        QTableWidgetItem* item = table_->item(row, kResultColumn);
        item->setText(result.ok ? text(text::kFleetDone) + QString(" (%1 B, %2 s)")
                                                              .arg(result.changes)
                                                              .arg(result.seconds, 0, 'f', 1)
                                : QString::fromStdString(result.message));
        item->setToolTip(item->text());
        item->setBackground(result.ok ? kSucceeded : kFailed);
        item->setForeground(Qt::white);
    }
    programButton_->setText(text(text::kFleetNextRound));
    status_->setText(text(text::kFleetSwapDevices));
    setBusy(false);
}

void FleetDialog::saveReport() {
    const QString csvFilter = text(text::kFleetCsvFiles) + " (*.csv *.CSV)";
    const QString pdfFilter = text(text::kPdfFiles) + " (*.pdf *.PDF)";
    const QString path = chooseFileName(this, QFileDialog::AcceptSave, "csv",
                                        {csvFilter, pdfFilter}, text(text::kFleetSaveReport));
    if (path.isEmpty()) return;
    Bytes bytes;
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) {
        bytes = fleetReportPdf(report_, plan_, texts_, clock_);
    } else {
        const std::string csv = appendReportCsv({}, report_);
        bytes.assign(csv.begin(), csv.end());
    }
    if (bytes.empty() || !writeFileBytes(path.toStdString(), bytes)) {
        prompter_.inform(texts_.LocalTextWith(text::kFleetReportNotSaved, path.toStdString()),
                         texts_.LocalText(text::kError), Prompter::Icon::Error);
    }
}

}  // namespace quorprog
