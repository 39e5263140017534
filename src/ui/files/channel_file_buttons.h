#pragma once

#include <QString>
#include <filesystem>
#include <functional>

class QWidget;

namespace quorprog {

class LocalTexts;
class MemoryImage;
class MemoryMap;
class Prompter;
struct ChannelTable;

// What the "save file" and "open file" buttons need of the main window.
struct ChannelFileButtonContext {
    QWidget* window;           // parent of the file dialogs and the import dialog
    const MemoryImage& image;  // both buttons need a device that has been read
    ChannelTable& table;
    Prompter& prompter;
    const LocalTexts& texts;
    // Shows the group on display again and stores all of it into the memory image: grid rows,
    // ShowFrequencies(-1, true), ShowSubtones(-1, true), ShowGroupInfo().
    std::function<void()> showCurrentGroupStored;
    // The loaded model's memory map over the image. With it, an open also stores every group
    // not on display that the file changed; without it those stay in the table only.
    MemoryMap* map = nullptr;
    // Opens a raw device image (*.bin) chosen in the open dialog. With it the dialog offers
    // device images as a second filter.
    std::function<void(const std::filesystem::path&)> openDeviceImage;
};

// The "save file" button: asks for a file name and writes the channel plan there.
void imgSaveClick(ChannelFileButtonContext& context);
// The "open file" button: asks for a file, loads it directly or through the import dialog, then
// shows and stores the current group, and (given the map) every other group that the file
// changed, so a later write sends the whole plan that the grid shows. A device image (*.bin)
// goes to openDeviceImage instead.
void imgOpenClick(ChannelFileButtonContext& context);

// The same after the file dialog, for a chosen path.
void saveChannelFileAs(ChannelFileButtonContext& context, const QString& path);
void openChannelFileAt(ChannelFileButtonContext& context, const QString& path);
// What "open file" does with the file chosen in its dialog: a device image (*.bin, given
// openDeviceImage) is opened as such, anything else as a channel file.
void openChosenFile(ChannelFileButtonContext& context, const QString& path);

}  // namespace quorprog
