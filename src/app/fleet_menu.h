#pragma once

#include <QObject>
#include <filesystem>

class QPoint;

namespace quorprog {

class BackupStore;
class Clock;
class DeviceSession;
class TformMain;

// "Program several devices…": the write button's context menu and Ctrl+Shift+W open the fleet
// dialog, which writes the channel plan the window holds (once a device has been read) to every
// programmer ticked, round after round.
class FleetMenu : public QObject {
    Q_OBJECT
  public:
    FleetMenu(QObject* owner, TformMain& window, const DeviceSession& session,
              const BackupStore* backups, const Clock& clock);

    void openDialog();

  private:
    void showMenu(const QPoint& position);

    TformMain& window_;
    const DeviceSession& session_;
    const BackupStore* backups_;
    const Clock& clock_;
};

}  // namespace quorprog
