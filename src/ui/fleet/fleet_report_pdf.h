#pragma once

#include <vector>

#include "channels/channel_table.h"
#include "description/memory_image.h"
#include "fleet/device_result.h"
#include "seams/clock.h"
#include "text/local_texts.h"

namespace quorprog {

// The report of a fleet as a PDF document, in memory: a page listing every device of every round
// (time, round, port, programmer, model, result, bytes changed, backup), then the frequency sheet
// of the plan the devices got, drawn as the print command draws it. Empty when it cannot be made.
Bytes fleetReportPdf(const std::vector<DeviceResult>& results, const ChannelTable& plan,
                     const LocalTexts& texts, const Clock& clock);

}  // namespace quorprog
