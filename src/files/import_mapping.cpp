#include "files/import_mapping.h"

#include <algorithm>
#include <cstdio>

#include "files/channel_file_table.h"
#include "text/number_text.h"

namespace quorprog {
namespace {

// The choices the import acts on: one per file group, a usable device group or kNoDestination.
std::vector<int32_t> usableChoices(const ChannelFile& file, std::span<const int32_t> chosen,
                                   const ChannelTable& table) {
    std::vector<int32_t> choices(file.groups.size(), kNoDestination);
    for (size_t i = 0; i < choices.size() && i < chosen.size(); ++i) {
        const int32_t d = chosen[i];
        if (d >= 0 && canImportInto(file.groups[i], table, static_cast<uint32_t>(d))) {
            choices[i] = d;
        }
    }
    return choices;
}

bool hasDuplicateDestination(const std::vector<int32_t>& choices) {
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i] == kNoDestination) continue;
        if (std::find(choices.begin() + i + 1, choices.end(), choices[i]) != choices.end()) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string importGroupLabel(uint32_t group, bool isReceiver, const LocalTexts& texts) {
    const std::string word = texts.LocalText(text::kGroup);
    const std::string type = texts.LocalText(isReceiver ? text::kReceiver : text::kTransmitter);
    char number[16];
    std::snprintf(number, sizeof number, "%01X", group);
    return word + " " + number + " (" + type + ")";
}

bool canImportInto(const ChannelFileGroup& group, const ChannelTable& table, uint32_t deviceGroup) {
    return table.hasPartition(deviceGroup) && table.MinFreq[deviceGroup] <= group.minFreq &&
           group.maxFreq <= table.MaxFreq[deviceGroup];
}

std::vector<ImportRow> importRows(const ChannelFile& file, const ChannelTable& table,
                                  const LocalTexts& texts, std::string_view decimalSeparator) {
    std::vector<ImportRow> rows;
    for (uint32_t i = 0; i < file.groups.size(); ++i) {
        const ChannelFileGroup& group = file.groups[i];
        ImportRow row{importGroupLabel(i, group.isReceiver != 0, texts),
                      rangeMHzText(group.minFreq, group.maxFreq, decimalSeparator),
                      {}};
        for (uint32_t j = 0; j < table.PartitionCount; ++j) {
            if (!canImportInto(group, table, j)) continue;
            row.destinations.push_back({j, importGroupLabel(j, table.IsReceiver[j] != 0, texts)});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

ImportOutcome applyImport(const ChannelFile& file, std::span<const int32_t> chosen,
                          ChannelTable& table, Prompter& prompter, const LocalTexts& texts) {
    const std::vector<int32_t> choices = usableChoices(file, chosen, table);
    if (hasDuplicateDestination(choices)) {
        prompter.inform(texts.LocalText(text::kImportSameDestination),
                        texts.LocalText(text::kError));
        return ImportOutcome::DuplicateDestination;
    }

    bool imported = false;
    uint32_t unavailable = 0;
    for (size_t i = 0; i < choices.size(); ++i) {
        if (choices[i] == kNoDestination) continue;
        unavailable += copyFileGroup(file.groups[i], table, static_cast<uint32_t>(choices[i]));
        imported = true;
    }
    if (unavailable > 0) {
        prompter.inform(texts.LocalText(text::kImportSubtoneUnavailable),
                        texts.LocalText(text::kError));
    }
    if (!imported) return ImportOutcome::NothingChosen;
    prompter.inform(texts.LocalText(text::kFileRead), texts.LocalText(text::kInformation));
    return ImportOutcome::Imported;
}

}  // namespace quorprog
