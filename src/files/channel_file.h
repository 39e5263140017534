#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorprog {

// One group of a channel file: what a device group looked like when it was saved.
struct ChannelFileGroup {
    uint8_t isReceiver = 0;  // the byte as stored: 1 receiver, 0 transmitter
    uint32_t minFreq = 0;    // kHz
    uint32_t maxFreq = 0;    // kHz
    // One entry per channel; the channel count of the group is their size. A frequency of 0 is an
    // empty channel.
    std::vector<float> frequencies;
    std::vector<uint8_t> subtoneCodes;

    friend bool operator==(const ChannelFileGroup&, const ChannelFileGroup&) = default;
};

// A channel file (*.qvm) as a value: the header describing the model it came from and one block
// per group.
struct ChannelFile {
    static constexpr std::string_view kMagic = "QVM00";
    static constexpr size_t kIdentifierSize = 32;
    static constexpr size_t kFixedHeaderSize = 45;  // magic, time, identifier, group count
    // No device has more groups; a larger count is no file of ours, however many bytes follow.
    static constexpr uint32_t kMaxGroups = 256;

    int32_t savedAt = 0;  // seconds since 1970-01-01 UTC; written for the record, never used
    // The model's memory-map name. A longer one is stored cut to kIdentifierSize characters, so
    // a parsed file holds at most that many (up to the first zero byte).
    std::string modelIdentifier;
    std::vector<ChannelFileGroup> groups;

    friend bool operator==(const ChannelFile&, const ChannelFile&) = default;
};

enum class ChannelFileError {
    None,
    NotAChannelFile,  // the magic is missing, or more groups than kMaxGroups
    Truncated,        // the file ends before the sizes in its header say
};

struct ChannelFileParse {
    ChannelFileError error = ChannelFileError::None;
    ChannelFile file;  // meaningful only when ok()

    bool ok() const { return error == ChannelFileError::None; }
};

// The exact file bytes, little-endian whatever the host. Each group's channel count is the size
// of its frequency list; a subtone list of another size is cut or padded with code 0.
std::vector<uint8_t> serializeChannelFile(const ChannelFile& file);

// Never trusts the file: every count is checked against the bytes actually present before any
// storage is set aside for it. Bytes after the last group block are ignored.
ChannelFileParse parseChannelFile(std::span<const uint8_t> bytes);

}  // namespace quorprog
