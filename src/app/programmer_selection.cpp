#include "app/programmer_selection.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/main_window_controls.h"
#include "programmer/battery_indication.h"
#include "programmer/programmer_link.h"
#include "seams/prompter.h"
#include "text/local_texts.h"

namespace quorprog {

ProgrammerSelection::ProgrammerSelection(QObject* owner, const MainWindowControls& controls,
                                         ProgrammerLink& link, Prompter& prompter,
                                         const LocalTexts& texts, PortChecks checkPorts,
                                         HintDisplay showHint)
    : QObject(owner),
      controls_(controls),
      link_(link),
      prompter_(prompter),
      texts_(texts),
      checkPorts_(std::move(checkPorts)),
      showHint_(std::move(showHint)) {
    connect(controls_.btnSearchProgrammer, &QPushButton::clicked, this,
            &ProgrammerSelection::btnSearchProgrammerClick);
    // Only the user's choice: the search chooses its entry itself.
    connect(controls_.listProgrammers, &QComboBox::activated, this,
            &ProgrammerSelection::ProgrammerSelected);
}

void ProgrammerSelection::search() {
    // With a port open the scan changes nothing, and neither does the list.
    if (link_.ScanProgrammers() == 0 && link_.IsOpen()) return;
    fillList();
    if (controls_.listProgrammers->count() == 0) {
        showEmptyScanHint(QString::fromStdString(emptyScanHint(checkPorts_(), texts_)));
        return;
    }
    showEmptyScanHint({});
    controls_.listProgrammers->setCurrentIndex(0);
    ProgrammerSelected();
}

void ProgrammerSelection::fillList() {
    QComboBox& list = *controls_.listProgrammers;
    const QSignalBlocker blocker(list);
    list.clear();
    for (const std::string& entry : link_.ProgrammerEntries()) {
        const QString text = QString::fromStdString(entry);
        list.addItem(text);
        // The narrow list cuts a long version line short; its tip and drop-down show it whole.
        list.setItemData(list.count() - 1, text, Qt::ToolTipRole);
    }
    list.view()->setMinimumWidth(list.view()->sizeHintForColumn(0) + 8);
}

void ProgrammerSelection::showEmptyScanHint(const QString& hint) {
    controls_.listProgrammers->setToolTip(hint);
    showHint_(hint);
}

void ProgrammerSelection::ProgrammerSelected() {
    link_.SelectProgrammer(controls_.listProgrammers->currentIndex());
    const BatteryIndication battery = indicateBattery(link_.BatteryLevel());
    if (battery.warn) {
        prompter_.inform(texts_.LocalText(BatteryIndication::kWarningTextId),
                         texts_.LocalText(BatteryIndication::kWarningCaptionId));
    }
    controls_.cgBattery->setValue(battery.gaugeLevel);
}

}  // namespace quorprog
