#include "files/channel_file.h"
#include "files/little_endian.h"

namespace quorprog {

std::vector<uint8_t> serializeChannelFile(const ChannelFile& file) {
    using little_endian::appendFloat;
    using little_endian::appendU32;

    std::vector<uint8_t> out(ChannelFile::kMagic.begin(), ChannelFile::kMagic.end());
    appendU32(out, static_cast<uint32_t>(file.savedAt));

    std::string identifier = file.modelIdentifier.substr(0, ChannelFile::kIdentifierSize);
    identifier.resize(ChannelFile::kIdentifierSize, '\0');
    out.insert(out.end(), identifier.begin(), identifier.end());

    appendU32(out, static_cast<uint32_t>(file.groups.size()));
    for (const ChannelFileGroup& group : file.groups) out.push_back(group.isReceiver);
    for (const ChannelFileGroup& group : file.groups) {
        appendU32(out, static_cast<uint32_t>(group.frequencies.size()));
    }
    for (const ChannelFileGroup& group : file.groups) appendU32(out, group.minFreq);
    for (const ChannelFileGroup& group : file.groups) appendU32(out, group.maxFreq);

    for (const ChannelFileGroup& group : file.groups) {
        for (float frequency : group.frequencies) appendFloat(out, frequency);
        std::vector<uint8_t> codes = group.subtoneCodes;
        codes.resize(group.frequencies.size(), 0);
        out.insert(out.end(), codes.begin(), codes.end());
    }
    return out;
}

}  // namespace quorprog
