#pragma once

#include <QObject>

namespace quorprog {

class DeviceSession;
class GridEditor;
class LocalTexts;
class ProgrammerLink;
class Prompter;
struct MainWindowControls;

// The two big buttons: Read fetches the device through the chosen programmer and shows its first
// group; Write sends back what the program changed, with the battery shown on cgBattery.
class DeviceCommands : public QObject {
    Q_OBJECT
  public:
    DeviceCommands(QObject* owner, const MainWindowControls& controls, DeviceSession& session,
                   ProgrammerLink& link, GridEditor& grid, Prompter& prompter,
                   const LocalTexts& texts);

    void imgReadClick();
    void imgWriteClick();

  signals:
    // A read found a device and shows it.
    void deviceRead();

  private:
    const MainWindowControls& controls_;
    DeviceSession& session_;
    ProgrammerLink& link_;
    GridEditor& grid_;
    Prompter& prompter_;
    const LocalTexts& texts_;
};

}  // namespace quorprog
