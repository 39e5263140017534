#include "app/fleet_menu.h"

#include <QMenu>
#include <QShortcut>
#include <ctime>

#include "app/clickable_image.h"
#include "app/main_window.h"
#include "files/channel_file.h"
#include "files/channel_file_table.h"
#include "session/device_session.h"
#include "text/text_ids.h"
#include "ui/fleet/fleet_dialog.h"
#include "ui/serial/settings_port_map.h"

namespace quorprog {

FleetMenu::FleetMenu(QObject* owner, TformMain& window, const DeviceSession& session,
                     const BackupStore* backups, const Clock& clock)
    : QObject(owner), window_(window), session_(session), backups_(backups), clock_(clock) {
    QWidget* write = window.controls().imgWrite;
    write->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(write, &QWidget::customContextMenuRequested, this, &FleetMenu::showMenu);
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), &window);
    shortcut->setObjectName("shortcutFleet");
    connect(shortcut, &QShortcut::activated, this, &FleetMenu::openDialog);
}

void FleetMenu::showMenu(const QPoint& position) {
    QMenu menu(window_.controls().imgWrite);
    menu.setObjectName("menuWrite");
    QAction* fleet = menu.addAction(
        QString::fromStdString(window_.LocalText(text::kProgramSeveralDevices)), this,
        &FleetMenu::openDialog);
    fleet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    menu.exec(window_.controls().imgWrite->mapToGlobal(position));
}

void FleetMenu::openDialog() {
    // The plan is the one the window holds: a device must have been read to hold one.
    if (!session_.hasImage()) {
        window_.prompter().inform(window_.LocalText(text::kReadDeviceFirst),
                                  window_.LocalText(text::kWarning));
        return;
    }
    const ChannelFile plan =
        channelFileFromTable(session_.table(), static_cast<int32_t>(std::time(nullptr)));
    FleetContext context{window_.description(), window_.texts(), clock_,   window_.log(),
                         backups_,              serializeChannelFile(plan), defaultSettingsFile()};
    FleetDialog dialog(std::move(context), session_.table(), window_.prompter(), &window_);
    dialog.exec();
}

}  // namespace quorprog
