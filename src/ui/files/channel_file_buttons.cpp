#include "ui/files/channel_file_buttons.h"

#include <QFile>
#include <ctime>
#include <filesystem>

#include "description/memory_image.h"
#include "files/channel_file_commands.h"
#include "text/local_texts.h"
#include "ui/files/file_name_dialog.h"
#include "ui/files/import_dialog.h"
#include "session/group_encoding.h"

namespace quorprog {
namespace {

bool deviceWasRead(ChannelFileButtonContext& context) {
    if (context.image.exists()) return true;
    context.prompter.inform(context.texts.LocalText(text::kReadDeviceFirst),
                            context.texts.LocalText(text::kWarning));
    return false;
}

std::filesystem::path localPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// Upper- and lower-case extensions are both listed: a file system may tell them apart.
// `moreFilters` follow the channel files' filter.
QString chooseChannelFile(ChannelFileButtonContext& context, QFileDialog::AcceptMode mode,
                          const QString& extension, const QStringList& moreFilters = {}) {
    const QString channelFiles =
        QString::fromStdString(context.texts.LocalText(text::kChannelPlanFiles));
    return chooseFileName(context.window, mode, extension,
                          QStringList{channelFiles + " (*.qvm *.QVM)"} + moreFilters);
}

}  // namespace

void imgSaveClick(ChannelFileButtonContext& context) {
    if (!deviceWasRead(context)) return;
    const QString path = chooseChannelFile(context, QFileDialog::AcceptSave, "QVM");
    if (!path.isEmpty()) saveChannelFileAs(context, path);
}

void imgOpenClick(ChannelFileButtonContext& context) {
    if (!deviceWasRead(context)) return;
    QStringList imageFilter;
    if (context.openDeviceImage) {
        imageFilter << QString::fromStdString(context.texts.LocalText(text::kDeviceImages)) +
                           " (*.bin *.BIN)";
    }
    const QString path = chooseChannelFile(context, QFileDialog::AcceptOpen, "qvm", imageFilter);
    if (!path.isEmpty()) openChosenFile(context, path);
}

void openChosenFile(ChannelFileButtonContext& context, const QString& path) {
    if (context.openDeviceImage && path.endsWith(".bin", Qt::CaseInsensitive)) {
        context.openDeviceImage(localPath(path));
    } else {
        openChannelFileAt(context, path);
    }
}

void saveChannelFileAs(ChannelFileButtonContext& context, const QString& path) {
    saveChannelFile(localPath(path), context.table, static_cast<int32_t>(std::time(nullptr)),
                    context.prompter, context.texts);
}

void openChannelFileAt(ChannelFileButtonContext& context, const QString& path) {
    ChannelTable& table = context.table;
    const OpenResult opened =
        openChannelFile(localPath(path), table, context.prompter, context.texts);
    std::vector<uint32_t> changedGroups;
    if (opened.outcome == OpenOutcome::Loaded) {
        for (uint32_t p = 0; p < table.PartitionCount; ++p) changedGroups.push_back(p);
    } else if (opened.outcome == OpenOutcome::ImportNeeded) {
        TformImport dialog(opened.file, table, context.prompter, context.texts, context.window);
        dialog.exec();
        changedGroups = dialog.importedGroups();
    }
    // Whatever the file held, the group on display is shown and stored again.
    if (context.showCurrentGroupStored) context.showCurrentGroupStored();
    // The groups not on display are stored too: left only in the table, their new values would
    // show in the grid but never reach the device.
    if (context.map == nullptr) return;
    for (uint32_t p : changedGroups) encodeGroup(table, *context.map, p);
}

}  // namespace quorprog
