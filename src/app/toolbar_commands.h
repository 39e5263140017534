#pragma once

#include <QObject>
#include <functional>

#include "ui/files/channel_file_buttons.h"

class QWidget;

namespace quorprog {

class Clock;
class DeviceSession;
class LocalTexts;
class Prompter;
struct MainWindowControls;

// The toolbar's file and print buttons: channel files saved from and opened into the channel
// plan, and the frequency sheet of the plan as it stands.
class ToolbarCommands : public QObject {
    Q_OBJECT
  public:
    // `showCurrentGroupStored` shows the group on display again after a file was opened and
    // stores all of it into the memory image; `showCurrentGroup` shows it again after a device
    // image was opened (the image holds it already).
    ToolbarCommands(QObject* owner, QWidget& window, const MainWindowControls& controls,
                    DeviceSession& session, Prompter& prompter, const LocalTexts& texts,
                    const Clock& clock, std::function<void()> showCurrentGroupStored,
                    std::function<void()> showCurrentGroup);

    void imgOpenClick();
    // Opens `path` as "open file" opens the file chosen in its dialog.
    void openFile(const QString& path);
    void imgSaveClick();
    void imgPrintClick();

  private:
    QWidget& window_;
    DeviceSession& session_;
    Prompter& prompter_;
    const LocalTexts& texts_;
    const Clock& clock_;
    ChannelFileButtonContext files_;
};

}  // namespace quorprog
