#include "ui/service/service_mode.h"

#include "ui/service/service_data_dialog.h"
#include "ui/service/service_password_dialog.h"

namespace quorprog {

void runServiceMode(QWidget* parent, Prompter& prompter, ChannelTable& table, MemoryMap& map, int g,
                    const GroupViewHooks& display) {
    if (askServicePassword(parent, prompter)) openServiceDataDialog(parent, table, map, g, display);
}

}  // namespace quorprog
