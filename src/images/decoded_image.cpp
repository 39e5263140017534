#include "images/decoded_image.h"

#include <algorithm>

#include "model/identification.h"
#include "model/partition_setup.h"

namespace quorprog {

DecodedImage::DecodedImage(const DescriptionReader& description, std::string_view modelName,
                           std::span<const uint8_t> bytes)
    : map_(description, table_.MemoryMapName, image_, prompter_) {
    const std::string model(modelName);
    image_.reset();
    image_.enlargeToBanks((bytes.size() + MemoryImage::kBankSize - 1) / MemoryImage::kBankSize);
    std::copy(bytes.begin(), bytes.end(), image_.bytes().begin());

    table_.MemoryMapName = description.readText(model, "Memorymap");
    const int32_t partitions = description.readInteger(model, "Partitions", 0);
    if (table_.MemoryMapName.empty() || partitions <= 0) return;
    table_.PartitionCount = static_cast<uint32_t>(partitions);

    matches_ = static_cast<bool>(MatchesImage(map_, table_.PartitionCount, model));
    // Set-up clears the map name first and reads it again from the model.
    decoded_ = SetUpPartitions(model, table_, map_, prompter_, log_, MessageText{});
}

}  // namespace quorprog
