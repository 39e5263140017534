#pragma once

#include "channels/channel_table.h"
#include "description/memory_map.h"
#include "seams/prompter.h"
#include "service/service_changes.h"

class QWidget;

namespace quorprog {

// The service key (Ctrl+S in the channel grid): asks for the service password and, when it is
// right, opens the service data dialog on group g, the group the main window shows. Each call
// asks for the password again.
void runServiceMode(QWidget* parent, Prompter& prompter, ChannelTable& table, MemoryMap& map, int g,
                    const GroupViewHooks& display);

}  // namespace quorprog
