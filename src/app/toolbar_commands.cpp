#include "app/toolbar_commands.h"

#include "app/clickable_image.h"
#include "app/main_window_controls.h"
#include "ui/files/device_image_open.h"
#include "ui/files/print_sheet.h"
#include "session/device_session.h"

namespace quorprog {

ToolbarCommands::ToolbarCommands(QObject* owner, QWidget& window,
                                 const MainWindowControls& controls, DeviceSession& session,
                                 Prompter& prompter, const LocalTexts& texts, const Clock& clock,
                                 std::function<void()> showCurrentGroupStored,
                                 std::function<void()> showCurrentGroup)
    : QObject(owner),
      window_(window),
      session_(session),
      prompter_(prompter),
      texts_(texts),
      clock_(clock),
      files_{&window,
             session.image(),
             session.table(),
             prompter,
             texts,
             std::move(showCurrentGroupStored),
             &session.memoryMap(),
             [this, show = std::move(showCurrentGroup)](const std::filesystem::path& path) {
                 openDeviceImageAt(session_, path, prompter_, texts_, show);
             }} {
    connect(controls.imgOpen, &ClickableImage::clicked, this, &ToolbarCommands::imgOpenClick);
    connect(controls.imgSave, &ClickableImage::clicked, this, &ToolbarCommands::imgSaveClick);
    connect(controls.imgPrint, &ClickableImage::clicked, this, &ToolbarCommands::imgPrintClick);
}

void ToolbarCommands::imgOpenClick() {
    quorprog::imgOpenClick(files_);
}

void ToolbarCommands::openFile(const QString& path) {
    openChosenFile(files_, path);
}

void ToolbarCommands::imgSaveClick() {
    quorprog::imgSaveClick(files_);
}

void ToolbarCommands::imgPrintClick() {
    printFrequencySheet(&window_, session_.image(), session_.table(), texts_, prompter_, clock_,
                        systemHasPrinter());
}

}  // namespace quorprog
