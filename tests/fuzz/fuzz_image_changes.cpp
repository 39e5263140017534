// libFuzzer target: the decoded differences between two images of one model (diff, the dry
// runs, the write question's details). The input picks the model and patches a factory image
// into "before" and "after", so most runs decode; the listing is made in both languages.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "description/default_description.h"
#include "description/description_reader.h"
#include "fuzz_common.h"
#include "images/change_listing.h"
#include "images/image_changes.h"
#include "model/factory_image.h"

using namespace quorprog;

namespace {

// Each 3 input bytes: an address (2 bytes, little-endian) and a value put there; an address
// beyond the image grows it, as a longer file would be.
Bytes patched(Bytes image, std::span<const uint8_t> patches) {
    for (size_t i = 0; i + 2 < patches.size(); i += 3) {
        const size_t address = patches[i] | (size_t{patches[i + 1]} << 8);
        if (address >= image.size()) image.resize(address + 1, 0xFF);
        image[address] = patches[i + 2];
    }
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const DescriptionReader description =
        DescriptionReader::fromText(defaultDescriptionText());
    static const char* const kModels[] = {"single group system", "dual group system"};
    static const Bytes factories[] = {buildFactoryImage(description, kModels[0]),
                                      buildFactoryImage(description, kModels[1])};
    if (size < 2) return 0;
    const size_t model = data[0] % 2;
    const std::span<const uint8_t> rest(data + 2, size - 2);
    const size_t split = std::min<size_t>(rest.size(), data[1] * 3u);
    const Bytes before = patched(factories[model], rest.first(split));
    const Bytes after = patched(factories[model], rest.subspan(split));

    const auto changes = listImageChanges(description, kModels[model], before, after);
    const size_t common = std::min(before.size(), after.size());
    if (std::equal(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(common),
                   after.begin()))
        fuzz::check(changes.empty(), "equal images listed as different");
    for (const ImageChange& change : changes) {
        if (change.field == ChangeField::Byte)
            fuzz::check(change.address < common,
                        "a byte beyond the images");
    }
    LocalTexts texts;
    for (int language = 0; language < 2; ++language) {
        texts.setCurrentLanguage(language);
        fuzz::check(!describeImageChanges(changes, texts).empty(), "an empty listing");
    }
    return 0;
}
