#include "app/toolbar_commands.h"

#include "app/clickable_image.h"
#include "app/main_window_controls.h"
#include "files/print_sheet.h"
#include "session/device_session.h"

namespace quorprog {

ToolbarCommands::ToolbarCommands(QObject* owner, QWidget& window,
                                 const MainWindowControls& controls, DeviceSession& session,
                                 Prompter& prompter, const LocalTexts& texts, const Clock& clock)
    : QObject(owner),
      window_(window),
      session_(session),
      prompter_(prompter),
      texts_(texts),
      clock_(clock) {
    connect(controls.imgPrint, &ClickableImage::clicked, this, &ToolbarCommands::imgPrintClick);
}

void ToolbarCommands::imgPrintClick() {
    printFrequencySheet(&window_, session_.image(), session_.table(), texts_, prompter_, clock_);
}

}  // namespace quorprog
