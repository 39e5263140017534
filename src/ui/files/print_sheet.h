#pragma once

#include <QString>

#include "channels/channel_table.h"
#include "description/memory_image.h"
#include "seams/clock.h"
#include "seams/prompter.h"
#include "text/local_texts.h"

class QWidget;

namespace quorprog {

// The print command (the main window's imgPrintClick): refuses with a warning until a device has
// been read, then lets the user choose a printer and prints the frequency sheet of the table as it
// is, dated today.
void printFrequencySheet(QWidget* parent, const MemoryImage& image, const ChannelTable& table,
                         const LocalTexts& texts, Prompter& prompter, const Clock& clock);

// Today's date as the sheet prints it: "dd/mm/yyyy" with the system's date separator.
QString frequencySheetDate(const Clock& clock);

}  // namespace quorprog
