#include <algorithm>

#include "files/channel_file.h"
#include "files/little_endian.h"

namespace quorprog {
namespace {

constexpr size_t kTimeOffset = 5;
constexpr size_t kIdentifierOffset = 9;
constexpr size_t kGroupCountOffset = 41;
// Per group in the header: IsReceiver byte, channel count, MinFreq, MaxFreq.
constexpr uint64_t kHeaderBytesPerGroup = 13;
// Per channel in a group block: a float frequency and a subtone code byte.
constexpr uint64_t kBlockBytesPerChannel = 5;

bool hasMagic(std::span<const uint8_t> bytes) {
    const auto& magic = ChannelFile::kMagic;
    return bytes.size() >= magic.size() && std::equal(magic.begin(), magic.end(), bytes.begin());
}

std::string identifierAt(std::span<const uint8_t> bytes) {
    auto field = bytes.subspan(kIdentifierOffset, ChannelFile::kIdentifierSize);
    auto end = std::find(field.begin(), field.end(), uint8_t{0});
    return std::string(field.begin(), end);
}

ChannelFileParse refused(ChannelFileError error) {
    return ChannelFileParse{error, {}};
}

}  // namespace

ChannelFileParse parseChannelFile(std::span<const uint8_t> bytes) {
    using little_endian::readFloat;
    using little_endian::readU32;

    if (!hasMagic(bytes)) return refused(ChannelFileError::NotAChannelFile);
    if (bytes.size() < ChannelFile::kFixedHeaderSize) return refused(ChannelFileError::Truncated);

    // Widened so that no count in the file can overflow the size checks.
    const uint64_t groupCount = readU32(bytes, kGroupCountOffset);
    if (groupCount > ChannelFile::kMaxGroups) return refused(ChannelFileError::NotAChannelFile);
    if (bytes.size() - ChannelFile::kFixedHeaderSize < groupCount * kHeaderBytesPerGroup) {
        return refused(ChannelFileError::Truncated);
    }

    ChannelFileParse parse;
    ChannelFile& file = parse.file;
    file.savedAt = static_cast<int32_t>(readU32(bytes, kTimeOffset));
    file.modelIdentifier = identifierAt(bytes);
    file.groups.resize(groupCount);

    const size_t receiverFlags = ChannelFile::kFixedHeaderSize;
    const size_t counts = receiverFlags + groupCount;
    const size_t minFreqs = counts + 4 * groupCount;
    const size_t maxFreqs = minFreqs + 4 * groupCount;
    size_t block = maxFreqs + 4 * groupCount;

    for (size_t p = 0; p < groupCount; ++p) {
        ChannelFileGroup& group = file.groups[p];
        group.isReceiver = bytes[receiverFlags + p];
        group.minFreq = readU32(bytes, minFreqs + 4 * p);
        group.maxFreq = readU32(bytes, maxFreqs + 4 * p);

        const uint64_t channelCount = readU32(bytes, counts + 4 * p);
        if (bytes.size() - block < channelCount * kBlockBytesPerChannel) {
            return refused(ChannelFileError::Truncated);
        }
        group.frequencies.resize(channelCount);
        for (size_t c = 0; c < channelCount; ++c) {
            group.frequencies[c] = readFloat(bytes, block + 4 * c);
        }
        const size_t codes = block + 4 * channelCount;
        group.subtoneCodes.assign(bytes.begin() + codes, bytes.begin() + codes + channelCount);
        block = codes + channelCount;
    }
    return parse;
}

}  // namespace quorprog
