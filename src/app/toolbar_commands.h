#pragma once

#include <QObject>

class QWidget;

namespace quorprog {

class Clock;
class DeviceSession;
class LocalTexts;
class Prompter;
struct MainWindowControls;

// The toolbar's print button: the frequency sheet of the channel plan as it stands.
class ToolbarCommands : public QObject {
    Q_OBJECT
  public:
    ToolbarCommands(QObject* owner, QWidget& window, const MainWindowControls& controls,
                    DeviceSession& session, Prompter& prompter, const LocalTexts& texts,
                    const Clock& clock);

    void imgPrintClick();

  private:
    QWidget& window_;
    DeviceSession& session_;
    Prompter& prompter_;
    const LocalTexts& texts_;
    const Clock& clock_;
};

}  // namespace quorprog
