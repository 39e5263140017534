#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channels/channel_table.h"
#include "files/channel_file.h"
#include "seams/prompter.h"
#include "text/local_texts.h"

namespace quorprog {

// Importing the groups of a channel file from another model into chosen groups of the loaded
// one. The dialog renders ImportRows and hands the choices to applyImport.

inline constexpr int32_t kNoDestination = -1;

struct ImportDestination {
    uint32_t deviceGroup = 0;
    std::string label;  // e.g. "Group 1 (Transmitter)"
};

// One file group: what the dialog shows for it and where it may go. "none" is always offered
// first and is not among the destinations.
struct ImportRow {
    std::string sourceLabel;  // e.g. "Group A (Receiver)"
    std::string rangeLabel;   // e.g. "470.000-790.000 MHz"
    std::vector<ImportDestination> destinations;
};

// "Group 1 (Receiver)": the group number in hexadecimal, the type in the current language.
std::string importGroupLabel(uint32_t group, bool isReceiver, const LocalTexts& texts);

// A device group may take a file group when its range contains the file group's range, bounds
// included. The type does not matter.
bool canImportInto(const ChannelFileGroup& group, const ChannelTable& table, uint32_t deviceGroup);

// The range labels take the decimal separator given.
std::vector<ImportRow> importRows(const ChannelFile& file, const ChannelTable& table,
                                  const LocalTexts& texts, std::string_view decimalSeparator = ".");

enum class ImportOutcome {
    DuplicateDestination,  // two file groups chose one device group: told, nothing copied
    NothingChosen,         // every choice was "none": nothing copied, nothing shown
    Imported,              // the chosen groups were copied and "File successfully read!" shown
};

// chosen[i] is the device group picked for file group i, or kNoDestination. Missing entries, and
// groups that canImportInto refuses, count as no destination. Copies frequencies unchanged and
// subtones by code; a code a destination lacks becomes its first subtone, with one message for
// the whole import. Encoding into the memory image is left to the caller.
ImportOutcome applyImport(const ChannelFile& file, std::span<const int32_t> chosen,
                          ChannelTable& table, Prompter& prompter, const LocalTexts& texts);

}  // namespace quorprog
