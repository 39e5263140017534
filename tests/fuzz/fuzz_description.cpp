// Arbitrary description files through the reader, then every model's memory map read and written
// key by key (parameters, channels, identification values, option addresses, the date) over an
// image taken from the input. Besides the sanitizers, it checks that the image keeps its size, that
// flags stay 0 or 1 and that reads change nothing.
#include <algorithm>
#include <string>
#include <vector>

#include "description/description_reader.h"
#include "description/fixed_value.h"
#include "description/memory_image.h"
#include "description/memory_map.h"
#include "fuzz_common.h"

using namespace quorprog;
using quorprog::fuzz::check;

namespace {

constexpr int kMaxModels = 4;
constexpr int kMaxPartitions = 3;
constexpr int kMaxChannels = 4;   // channel layouts repeat; a few show them all
constexpr int kMaxIndexed = 8;   // Fixed%d and Option%d looked at per partition
constexpr size_t kMaxBanks = 4;  // the fuzzer does not follow a MemorySize beyond this

const char* const kParameters[] = {"Partitions", "PartitionNumber", "Frequencies", "XTAL",
                                   "Prescaler",  "Multiplier",      "IsReceiver",  "IF",
                                   "OSCoverRF",  "MinFreq",         "MaxFreq"};
const int32_t kValues[] = {0, 1, -1, 64, 128, 255, 12800, 10700, 700000, 470000, INT32_MIN, INT32_MAX};

std::string indexed(const char* name, int index) { return name + std::to_string(index); }

// Reads then writes one key; the read must leave the image as it was.
void exercise(MemoryMap& map, MemoryImage& image, const std::string& key, int32_t value) {
    const Bytes bytes = image.bytes();
    const Bytes flags = image.changedFlags();
    const int32_t read = map.ReadMapValue(key);
    check(image.bytes() == bytes && image.changedFlags() == flags, "a read changed the image");
    map.WriteMapValue(key, value);
    map.WriteMapValue(key, read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto reader = DescriptionReader::fromText(text);

    fuzz::CountingPrompter prompter;
    MemoryImage image;
    std::string section;
    MemoryMap map(reader, section, image, prompter);

    for (int m = 0; m < kMaxModels; ++m) {
        const std::string model = reader.readText("MODELS", indexed("Name", m));
        if (model.empty()) break;
        section = reader.readText(model, "Memorymap");
        const int partitions = std::clamp(reader.readInteger(model, "Partitions", 0), 0, kMaxPartitions);

        image.reset();
        for (size_t i = 0; i < image.size() && size > 0; ++i)
            image.bytes()[i] = static_cast<uint8_t>(data[i % size] ^ i);
        const int32_t memorySize = reader.readInteger(section, "MemorySize", 0);
        if (memorySize > 256)
            image.enlargeToBanks(std::min<size_t>((static_cast<size_t>(memorySize) - 1) / 256 + 1, kMaxBanks));
        const size_t imageSize = image.size();

        size_t v = 0;
        const auto nextValue = [&v] { return kValues[v++ % std::size(kValues)]; };
        for (int p = 0; p < partitions; ++p) {
            const std::string P = "Partition" + std::to_string(p) + ".";
            for (int i = 0; i < kMaxIndexed; ++i) {
                const std::string fixed = map.entryOf(P + indexed("Fixed", i));
                if (fixed.empty()) break;
                const Bytes bytes = image.bytes();
                checkFixedValue(map, fixed);
                check(image.bytes() == bytes, "an identification check changed the image");
            }
            for (const char* parameter : kParameters) exercise(map, image, P + parameter, nextValue());
            const int channels = std::clamp(reader.readInteger(model, P + "Frequencies", 0), 0, kMaxChannels);
            for (int c = 0; c < channels; ++c)
                for (const char* counter : {"N", "A", "R", "Sub"})
                    exercise(map, image, P + indexed(counter, c), nextValue());
            for (int i = 0; i < kMaxIndexed; ++i) {
                const std::string option = reader.readText(model, P + indexed("Option", i));
                if (option.empty()) break;
                const std::string address = reader.readText(option, "Address");
                const int32_t code = map.DecodeEntry(address);
                map.EncodeEntry(address, reader.readInteger(option, "Code0", 0));
                map.EncodeEntry(address, code);
            }
            const std::string date = map.entryOf(P + "Date");
            const std::string stored = map.ReadEntryText(date);
            map.WriteEntryText(date, reader.readText(section, P + "DateFormat"));
            map.WriteEntryText(date, stored);
        }
        check(image.size() == imageSize && image.changedFlags().size() == imageSize,
              "the image size changed");
        for (uint8_t flag : image.changedFlags()) check(flag <= 1, "a flag other than 0 or 1");
    }
    return 0;
}
