#include <algorithm>

#include "commands.h"
#include "description/integer_text.h"
#include "description/memory_map.h"
#include "image_file.h"
#include "json_writer.h"
#include "printable_text.h"
#include "report.h"

namespace quorprog::cli {

namespace {

// What one map command was asked to do.
struct MapRequest {
    std::string action;  // read, write or text
    std::string imageFile;
    std::string key;    // either a key ...
    std::string entry;  // ... or an entry text
    std::string section;
    int32_t value = 0;  // for write
};

MapRequest parseMapRequest(CommandArguments& arguments) {
    MapRequest request;
    request.action = arguments.operand("ACTION (read, write or text)");
    if (request.action != "read" && request.action != "write" && request.action != "text") {
        throw UsageError("map: unknown action " + request.action + " (read, write or text)");
    }
    const bool hasKey = arguments.has("--key");
    const bool hasEntry = arguments.has("--entry");
    request.key = arguments.option("--key");
    request.entry = arguments.option("--entry");
    request.section = arguments.option("--section");
    if (hasKey == hasEntry || (hasKey && request.key.empty()) ||
        (hasEntry && request.entry.empty())) {
        throw UsageError("map " + request.action + ": give either --key KEY or --entry TEXT");
    }
    if (request.action == "text" && hasKey) throw UsageError("map text: takes --entry TEXT only");
    request.imageFile = arguments.operand("IMAGE");
    if (request.action == "write") {
        const std::string text = arguments.operand("VALUE");
        const auto value = parseIntegerText(text);
        if (!value)
            throw UsageError("map write: VALUE must be a whole number, not \"" + text + "\"");
        request.value = *value;
    }
    arguments.finish();
    return request;
}

// The memory map of the model the image identifies as.
std::optional<std::string> identifiedMemoryMap(CliEnvironment& environment, const Bytes& bytes) {
    DeviceSession session(environment.description(), environment.sessionServices());
    if (session.load(bytes, DeviceSession::LoadMode::IdentifyOnly) != Detection::Identified) {
        return std::nullopt;
    }
    return session.table().MemoryMapName;
}

int readValue(CliEnvironment& environment, MemoryMap& map, const MapRequest& request) {
    const int32_t value =
        request.key.empty() ? map.DecodeEntry(request.entry) : map.ReadMapValue(request.key);
    if (environment.options().json) {
        printOut(JsonWriter().beginObject().value("value", value).endObject().text() + "\n");
    } else {
        printOut(std::to_string(value) + "\n");
    }
    return value == -1 ? fail("no value (-1)") : kSuccess;
}

int readText(CliEnvironment& environment, MemoryMap& map, const MapRequest& request) {
    const std::string text = map.ReadEntryText(request.entry);
    if (environment.options().json) {
        printOut(JsonWriter().beginObject().value("text", text).endObject().text() + "\n");
    } else {
        printOut(text + "\n");
    }
    return kSuccess;
}

int writeValue(CliEnvironment& environment, MemoryMap& map, const MapRequest& request,
               size_t originalSize) {
    const bool stored = request.key.empty() ? map.EncodeEntry(request.entry, request.value)
                                            : map.WriteMapValue(request.key, request.value);
    std::vector<size_t> changed;
    const Bytes& flags = map.image().changedFlags();
    for (size_t a = 0; stored && a < flags.size(); ++a) {
        if (flags[a]) changed.push_back(a);
    }
    // The file keeps its length unless a stored byte lies beyond it; then it grows to whole banks.
    const Bytes& image = map.image().bytes();
    const size_t length =
        !changed.empty() && changed.back() >= originalSize ? image.size() : originalSize;
    std::string error;
    const bool saved =
        stored &&
        writeImageFile(request.imageFile, Bytes(image.begin(), image.begin() + length), error);
    if (!saved) changed.clear();

    if (environment.options().json) {
        JsonWriter json;
        json.beginObject().value("ok", saved).beginArray("changed");
        for (const size_t a : changed) json.element(a);
        printOut(json.endArray().endObject().text() + "\n");
    } else if (saved) {
        std::string line = "stored at";
        for (const size_t a : changed) line += " " + std::to_string(a);
        printOut(line + "\n");
    }
    if (!stored)
        return fail("the value could not be stored; " + request.imageFile + " is unchanged");
    return saved ? kSuccess : fail(error);
}

}  // namespace

int runMap(CliEnvironment& environment, CommandArguments& arguments) {
    const MapRequest request = parseMapRequest(arguments);
    std::string error;
    const auto bytes = readImageFile(request.imageFile, error);
    if (!bytes) return fail(error);

    std::string section = request.section;
    if (section.empty()) {
        const auto identified = identifiedMemoryMap(environment, *bytes);
        if (!identified) {
            return fail(request.imageFile +
                        " is not identified as any model of the description; name the memory "
                        "map with --section");
        }
        section = *identified;
    }

    MemoryImage image;
    image.reset();
    image.enlargeToBanks((bytes->size() + MemoryImage::kBankSize - 1) / MemoryImage::kBankSize);
    std::copy(bytes->begin(), bytes->end(), image.bytes().begin());
    MemoryMap map(environment.description(), section, image, environment.prompter());

    if (!request.key.empty() && map.entryOf(request.key).empty() &&
        map.entryOf(request.key + "_0").empty()) {
        return fail("no key " + request.key + " in the memory map " + section);
    }
    if (request.action == "read") return readValue(environment, map, request);
    if (request.action == "text") return readText(environment, map, request);
    return writeValue(environment, map, request, bytes->size());
}

}  // namespace quorprog::cli
