#pragma once

#include <QObject>
#include <memory>

#include "app/device_commands.h"
#include "app/grid_editor.h"
#include "app/group_view.h"
#include "app/programmer_selection.h"
#include "app/serial_window.h"
#include "app/toolbar_commands.h"
#include "programmer/programmer_link.h"
#include "seams/clock.h"
#include "images/backup_store.h"
#include "session/device_backups.h"
#include "session/device_session.h"
#include "ui/files/system_date_separator.h"
#include "ui/serial/qt_serial_line.h"

namespace quorprog {

class CoordinationMenu;
class FleetMenu;
class TformMain;

// What the main window owns for its commands, for the whole run: the serial progress window, the
// programmer link on the real serial line, the device session, and the handlers of the programmer
// list, the channel grid and its coordination menu, the read and write buttons, the toolbar and
// the service key. The window constructs it once its start-up is done.
class MainWindowCommands : public QObject {
    Q_OBJECT
  public:
    explicit MainWindowCommands(TformMain& window);
    ~MainWindowCommands() override;

    // Opens `path` as "open file" does, once the window is shown; without a device read yet,
    // after the next successful read. The hint under the toolbar says so meanwhile.
    void openFileAtStart(const QString& path);

  protected:
    // The programmer search runs once the window has been shown for the first time.
    bool eventFilter(QObject* object, QEvent* event) override;

  private:
    // After a channel file was opened: the group on display shown again and stored, frequencies
    // (snapped and range-checked) and subtone codes, into the memory image.
    void showGroupStored();
    // After a device image was opened: the group on display shown again from the table.
    void showGroup();
    // Ctrl+S in the grid: the service password, then the service data dialog on the group shown.
    void openServiceMode();
    void openPendingFile();
    // The text under the toolbar while the mouse rests on no control.
    void showStandingText();

    TformMain& window_;
    SystemClock clock_{systemDateSeparator()};
    SerialWindowOnDemand formSerial_;
    QtSerialLine line_;
    ProgrammerLink link_;
    DeviceSession session_;
    // Reads and writes keep their backups here; none when the environment names no folder.
    std::unique_ptr<BackupStore> backupStore_;
    std::unique_ptr<DeviceBackups> backups_;
    GroupView display_;
    ProgrammerSelection* selection_;
    GridEditor* grid_;
    DeviceCommands* device_;
    ToolbarCommands* toolbar_;
    CoordinationMenu* coordination_;
    FleetMenu* fleet_ = nullptr;
    bool shown_ = false;
    // The file given at start that waits for a device; empty when none waits.
    QString pendingFile_;
    QString scanHint_;  // why the last search found no programmer, or empty
};

}  // namespace quorprog
