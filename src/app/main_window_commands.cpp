#include "app/main_window_commands.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <utility>

#include "app/hover_help.h"
#include "app/main_window.h"
#include "app/serial_window.h"
#include "ui/numbers/display_numbers.h"
#include "ui/serial/port_probe.h"
#include "ui/serial/settings_port_map.h"
#include "ui/service/service_mode.h"
#include "app/coordination_menu.h"
#include "app/fleet_menu.h"
#include "text/text_ids.h"

namespace quorprog {

MainWindowCommands::MainWindowCommands(TformMain& window)
    : window_(window),
      formSerial_(&window),
      line_(defaultSettingsFile()),
      link_(line_, window.log(), window.prompter(), formSerial_),
      session_(window.description(),
               SessionServices{window.prompter(), formSerial_, window.log(), clock_,
                               window.texts(), displayDecimalSeparatorText()}),
      display_(window.controls(), session_, window.texts()),
      selection_(new ProgrammerSelection(this, window.controls(), link_, window.prompter(),
                                         window.texts(),
                                         [] { return checkComPorts(defaultSettingsFile()); },
                                         [this](const QString& hint) {
                                             scanHint_ = hint;
                                             showStandingText();
                                         })),
      grid_(new GridEditor(this, window, window.controls(), session_, display_, window.prompter(),
                           window.texts())),
      device_(new DeviceCommands(this, window.controls(), session_, link_, *grid_,
                                 window.prompter(), window.texts())),
      toolbar_(new ToolbarCommands(this, window, window.controls(), session_, window.prompter(),
                                   window.texts(), clock_, [this] { showGroupStored(); },
                                   [this] { showGroup(); })),
      coordination_(new CoordinationMenu(this, window, window.controls(), session_, display_,
                                         *grid_, window.settings(), window.prompter(),
                                         window.texts())) {
    if (!window.backupFolder().empty()) {
        backupStore_ = std::make_unique<BackupStore>(window.backupFolder());
        // A write whose backup cannot be saved asks first.
        backups_ = std::make_unique<DeviceBackups>(*backupStore_, clock_, window.prompter(),
                                                   window.texts(),
                                                   DeviceBackups::OnFailure::AskToGoOn);
        session_.setBackups(backups_.get());
    }
    fleet_ = new FleetMenu(this, window, session_, backupStore_.get(), clock_);
    grid_->setServiceKey([this] { openServiceMode(); });
    connect(device_, &DeviceCommands::deviceRead, this, &MainWindowCommands::openPendingFile);
    window.installEventFilter(this);
    // A language switch redraws the group information only when there is a device to show.
    window.setGroupInfoRefresh([this] {
        if (session_.hasImage()) display_.ShowGroupInfo();
    });
}

MainWindowCommands::~MainWindowCommands() {
    window_.setGroupInfoRefresh({});
}

void MainWindowCommands::openFileAtStart(const QString& path) {
    pendingFile_ = path;
    if (session_.hasImage()) {
        // Queued, so that the window is on the screen before the file's messages.
        QTimer::singleShot(0, this, &MainWindowCommands::openPendingFile);
        return;
    }
    showStandingText();
}

// Why no programmer was found comes first: without one there is no read to wait for.
void MainWindowCommands::showStandingText() {
    QString text = scanHint_;
    if (text.isEmpty() && !pendingFile_.isEmpty()) {
        const std::string name = QFileInfo(pendingFile_).fileName().toStdString();
        text = QString::fromStdString(window_.texts().LocalTextWith(text::kOpensAfterRead, name));
    }
    // A file name is no markup, whatever characters it holds.
    window_.controls().labelHelp->setTextFormat(Qt::PlainText);
    window_.hoverHelp().setStandingText(text);
}

void MainWindowCommands::openPendingFile() {
    if (pendingFile_.isEmpty() || !session_.hasImage()) return;
    const QString path = std::exchange(pendingFile_, QString());
    showStandingText();
    toolbar_->openFile(path);
}

void MainWindowCommands::showGroupStored() {
    grid_->resetSelection();
    display_.ShowGroup();
    display_.ShowFrequencies(-1, true);
    display_.ShowSubtones(-1, true);
    display_.ShowGroupInfo();
}

void MainWindowCommands::showGroup() {
    grid_->resetSelection();
    display_.ShowGroup();
    display_.ShowGroupInfo();
}

void MainWindowCommands::openServiceMode() {
    const GroupViewHooks hooks{[this] { grid_->frequencyCommit(-1); },
                               [this] { display_.ShowGroupInfo(); }};
    runServiceMode(&window_, window_.prompter(), session_.table(), session_.memoryMap(),
                   display_.currentGroup(), hooks);
}

bool MainWindowCommands::eventFilter(QObject* object, QEvent* event) {
    if (object == &window_ && event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        // Queued, so that the window is on the screen while the ports are scanned.
        QTimer::singleShot(0, selection_, &ProgrammerSelection::search);
    }
    return QObject::eventFilter(object, event);
}

}  // namespace quorprog
