// libFuzzer target: arbitrary bytes as a raw device image (a backup, a file given to show, diff
// or restore), decoded silently as each model of the built-in description.

#include <cstddef>
#include <cstdint>
#include <span>

#include "description/default_description.h"
#include "description/description_reader.h"
#include "fuzz_common.h"
#include "images/decoded_image.h"

using namespace quorprog;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const DescriptionReader description =
        DescriptionReader::fromText(defaultDescriptionText());
    const std::span<const uint8_t> bytes(data, size);
    for (const char* model : {"single group system", "dual group system"}) {
        DecodedImage image(description, model, bytes);
        fuzz::check(image.bytes().size() >= size, "the image lost bytes");
        if (!image.decoded()) continue;
        const ChannelTable& table = image.table();
        for (uint32_t p = 0; p < table.PartitionCount; ++p) {
            fuzz::check(table.Frequency[p].size() == table.FrequencyCount[p],
                        "a group's channels and count disagree");
            for (uint8_t position : table.SubtoneIndex[p]) {
                fuzz::check(position < table.SubtoneTables.SubtoneCount(static_cast<int32_t>(p)),
                            "a subtone outside the group's list");
            }
        }
    }
    return 0;
}
