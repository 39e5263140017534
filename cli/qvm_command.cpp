#include <cstdio>

#include "commands.h"
#include "json_writer.h"
#include "plan_files.h"
#include "printable_text.h"
#include "text/text_ids.h"

namespace quorprog::cli {

namespace {

// Keys named after the fields of the file layout.
std::string channelFileJson(const ChannelFile& file) {
    JsonWriter json;
    json.beginObject()
        .value("magic", ChannelFile::kMagic)
        .value("time", file.savedAt)
        .value("modelIdentifier", file.modelIdentifier)
        .value("PartitionCount", file.groups.size())
        .beginArray("groups");
    for (const ChannelFileGroup& group : file.groups) {
        json.beginObject()
            .value("IsReceiver", group.isReceiver)
            .value("FrequencyCount", group.frequencies.size())
            .value("MinFreq", group.minFreq)
            .value("MaxFreq", group.maxFreq)
            .beginArray("Frequency");
        for (const float frequency : group.frequencies)
            json.element(static_cast<double>(frequency));
        json.endArray().beginArray("SubtoneCode");
        for (const uint8_t code : group.subtoneCodes) json.element(code);
        json.endArray().endObject();
    }
    return json.endArray().endObject().text() + "\n";
}

std::string channelFileText(const ChannelFile& file, const CliEnvironment& environment) {
    std::string out = "magic: " + std::string(ChannelFile::kMagic) + "\n" +
                      "time: " + std::to_string(file.savedAt) + "\n" +
                      "model identifier: " + file.modelIdentifier + "\n" +
                      "groups: " + std::to_string(file.groups.size()) + "\n";
    char line[160];
    for (size_t p = 0; p < file.groups.size(); ++p) {
        const ChannelFileGroup& group = file.groups[p];
        std::snprintf(
            line, sizeof line, "\n%s %zX: %s, %zu channels, %0.3f-%0.3f MHz\n",
            environment.text(text::kGroup).c_str(), p,
            environment.text(group.isReceiver ? text::kReceiver : text::kTransmitter).c_str(),
            group.frequencies.size(), group.minFreq * 0.001, group.maxFreq * 0.001);
        out += line;
        std::snprintf(line, sizeof line, "  CH  %-16s %s\n",
                      environment.text(text::kFrequencyKhz).c_str(), "subtone code");
        out += line;
        for (size_t c = 0; c < group.frequencies.size(); ++c) {
            std::snprintf(line, sizeof line, "  %02zX  %-16.15g %u\n", c,
                          static_cast<double>(group.frequencies[c]),
                          c < group.subtoneCodes.size() ? group.subtoneCodes[c] : 0u);
            out += line;
        }
    }
    return out;
}

}  // namespace

int runQvm(CliEnvironment& environment, CommandArguments& arguments) {
    const std::string path = arguments.operand("FILE");
    arguments.finish();

    ChannelFile file;
    if (const int status = readChannelFile(environment, path, file); status != kSuccess)
        return status;
    printOut(environment.options().json ? channelFileJson(file) : channelFileText(file, environment));
    return kSuccess;
}

}  // namespace quorprog::cli
