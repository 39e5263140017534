#pragma once

#include "channels/channel_table.h"
#include "description/memory_image.h"
#include "seams/clock.h"
#include "seams/prompter.h"
#include "text/local_texts.h"

class QWidget;

namespace quorprog {

// The print command (the main window's imgPrintClick): refuses with a warning until a device has
// been read, then lets the user choose a printer and prints the frequency sheet of the table as it
// is, dated today. Without a printer (`printerAvailable` false) it asks for a PDF file name
// instead and prints the sheet into that file.
void printFrequencySheet(QWidget* parent, const MemoryImage& image, const ChannelTable& table,
                         const LocalTexts& texts, Prompter& prompter, const Clock& clock,
                         bool printerAvailable);

// Whether the system has a printer to print on.
bool systemHasPrinter();

}  // namespace quorprog
