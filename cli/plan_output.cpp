#include "plan_output.h"

#include <cstdio>
#include <optional>

#include "cli_environment.h"
#include "json_writer.h"
#include "text/text_ids.h"

namespace quorprog::cli {

namespace {

// The channel step as the main window shows it: that of channel 0 stands for the group.
std::optional<double> channelStep(const ChannelTable& table, uint32_t p) {
    if (table.R[p].empty() || table.R[p][0] == 0) return std::nullopt;
    return table.Multiplier[p] * (static_cast<double>(table.XTAL[p]) / table.R[p][0]);
}

std::string choiceName(const TOptionObject& option) {
    if (!option.Choices || option.Index < 0 ||
        static_cast<size_t>(option.Index) >= option.Choices->size()) {
        return {};
    }
    return (*option.Choices)[static_cast<size_t>(option.Index)].name;
}

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// The grid's form: shortest, up to 15 significant digits; an empty channel shows nothing.
std::string frequencyText(float frequency) {
    return frequency > 0 ? format("%.15g", frequency) : std::string();
}

void writeGroupJson(JsonWriter& json, const ChannelTable& table, uint32_t p) {
    json.beginObject();
    json.value("type", table.IsReceiver[p] ? "Receiver" : "Transmitter");
    json.value("xtal", table.XTAL[p]);
    json.value("prescaler", table.Prescaler[p]);
    json.value("multiplier", table.Multiplier[p]);
    json.value("if", table.IF[p]);
    json.value("oscOverRf", table.OSCoverRF[p] != 0);
    json.value("minFreq", table.MinFreq[p]);
    json.value("maxFreq", table.MaxFreq[p]);
    if (const auto step = channelStep(table, p)) {
        json.value("step", *step);
    } else {
        json.null("step");
    }
    json.beginArray("options");
    for (const TOptionObject* option = table.Options[p].get(); option;
         option = option->Next.get()) {
        json.beginObject().value("name", option->Name).value("choice", choiceName(*option));
        json.endObject();
    }
    json.endArray();
    json.beginArray("channels");
    const auto p32 = static_cast<int32_t>(p);
    for (size_t c = 0; c < table.Frequency[p].size(); ++c) {
        const uint8_t index = table.SubtoneIndex[p][c];
        json.beginObject()
            .value("frequency", static_cast<double>(table.Frequency[p][c]))
            .value("r", table.R[p][c])
            .value("subtoneIndex", index)
            .value("subtone", table.SubtoneTables.SubtoneName(p32, index))
            .endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace

std::string planJson(const DeviceSession& session) {
    const ChannelTable& table = session.table();
    JsonWriter json;
    json.beginObject();
    json.value("model", session.modelName());
    json.value("memoryMap", table.MemoryMapName);
    json.beginArray("groups");
    for (uint32_t p = 0; p < table.PartitionCount && p < table.allocatedPartitions(); ++p) {
        writeGroupJson(json, table, p);
    }
    json.endArray();
    json.endObject();
    return json.text() + "\n";
}

std::string planText(const DeviceSession& session, const CliEnvironment& environment) {
    const ChannelTable& table = session.table();
    std::string out =
        "Model: " + session.modelName() + " (memory map " + table.MemoryMapName + ")\n";
    for (uint32_t p = 0; p < table.PartitionCount && p < table.allocatedPartitions(); ++p) {
        const auto p32 = static_cast<int32_t>(p);
        const auto step = channelStep(table, p);
        out += "\n" + environment.text(text::kGroup) + " " + std::to_string(p) + ": " +
               environment.text(table.IsReceiver[p] ? text::kReceiver : text::kTransmitter) + ", " +
               format("%03.3f", table.MinFreq[p] / 1000.0) + "-" +
               format("%03.3f", table.MaxFreq[p] / 1000.0) + " MHz, " +
               environment.text(text::kChannelStep) + " " +
               (step ? format("%.3f", *step) + " kHz" : std::string("-")) + "\n";
        out += "  XTAL " + std::to_string(table.XTAL[p]) + " kHz, prescaler " +
               std::to_string(table.Prescaler[p]) + ", multiplier " +
               std::to_string(table.Multiplier[p]) + ", IF " + std::to_string(table.IF[p]) +
               " kHz, " + (table.OSCoverRF[p] ? "OSC > RF" : "OSC < RF") + "\n";
        for (const TOptionObject* option = table.Options[p].get(); option;
             option = option->Next.get()) {
            out += "  " + option->Name + ": " + choiceName(*option) + "\n";
        }
        char line[160];
        std::snprintf(line, sizeof line, "  CH  %-16s %-6s %s\n",
                      environment.text(text::kFrequencyKhz).c_str(), "R",
                      environment.text(text::kSubtone).c_str());
        out += line;
        for (size_t c = 0; c < table.Frequency[p].size(); ++c) {
            const uint8_t index = table.SubtoneIndex[p][c];
            std::snprintf(line, sizeof line, "  %02zX  %-16s %-6d %s\n", c,
                          frequencyText(table.Frequency[p][c]).c_str(), table.R[p][c],
                          table.SubtoneTables.SubtoneName(p32, index).c_str());
            out += line;
        }
    }
    return out;
}

}  // namespace quorprog::cli
