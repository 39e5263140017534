#include "app/device_commands.h"

#include <QComboBox>
#include <QProgressBar>

#include "app/clickable_image.h"
#include "app/grid_editor.h"
#include "app/main_window_controls.h"
#include "programmer/battery_indication.h"
#include "programmer/programmer_link.h"
#include "session/device_session.h"
#include "text/local_texts.h"

namespace quorprog {

DeviceCommands::DeviceCommands(QObject* owner, const MainWindowControls& controls,
                               DeviceSession& session, ProgrammerLink& link, GridEditor& grid,
                               Prompter& prompter, const LocalTexts& texts)
    : QObject(owner),
      controls_(controls),
      session_(session),
      link_(link),
      grid_(grid),
      prompter_(prompter),
      texts_(texts) {
    connect(controls_.imgRead, &ClickableImage::clicked, this, &DeviceCommands::imgReadClick);
    connect(controls_.imgWrite, &ClickableImage::clicked, this, &DeviceCommands::imgWriteClick);
}

void DeviceCommands::imgReadClick() {
    const int programmer = controls_.listProgrammers->currentIndex();
    if (programmer < 0) {
        prompter_.inform(texts_.LocalText(text::kSelectProgrammer), texts_.LocalText(text::kError));
        return;
    }
    link_.SelectProgrammer(programmer);
    // The rows on display belong to the device being replaced: nothing of them is committed.
    grid_.resetSelection();
    if (session_.read(link_)) {
        grid_.showNewDevice();
        emit deviceRead();
    }
}

void DeviceCommands::imgWriteClick() {
    session_.write(link_, [this](int level) {
        controls_.cgBattery->setValue(indicateBattery(level).gaugeLevel);
    });
}

}  // namespace quorprog
