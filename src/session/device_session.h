#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "channels/channel_table.h"
#include "description/description_reader.h"
#include "description/memory_image.h"
#include "description/memory_map.h"
#include "images/image_changes.h"
#include "seams/clock.h"
#include "seams/log.h"
#include "seams/progress_view.h"
#include "seams/prompter.h"
#include "text/local_texts.h"

namespace quorprog {

class DeviceBackups;
class ProgrammerLink;

// What a session reports to the user and where it traces its work. The shell passes its message
// boxes, its serial window, log.txt, the system clock, its localised texts and the desktop's
// decimal separator; the command-line tool and the tests pass their own.
struct SessionServices {
    Prompter& prompter;
    ProgressView& progress;
    Log& log;
    const Clock& clock;
    const LocalTexts& texts;
    // Of the numbers in what the session shows the user (the write question's details).
    std::string decimalSeparator = ".";
};

// How the model loop ended.
enum class Detection {
    Identified,            // a model matched and its set-up filled the channel table
    NoModel,               // no model of the description matches the image
    BankFailed,            // a further bank that a model needs could not be read
    SetUpFailed,           // the matching model's set-up found errors (already reported)
    MalformedDescription,  // an identification value cannot be understood (already reported)
};

// The device as the program holds it for a run: the memory image with its changed flags, the
// channel plan decoded from it, and the detected model's memory size, bank size key and bank
// count. The read command fills it from a device, the write command sends its changed bytes back;
// in between the grid, the channel files and the service dialog change it through memoryMap().
class DeviceSession {
  public:
    // Largest MemorySize a description may give: far beyond any 24C memory, and small enough
    // that a mistyped (or negative) size cannot exhaust memory when the image is enlarged.
    static constexpr uint32_t kMaxMemorySize = 1024 * 1024;

    // Fills the image's bank b (b × 256 ..) and says whether all of it arrived.
    using BankReader = std::function<bool(unsigned bank, std::span<uint8_t> destination)>;
    // Shows the programmer's battery level during a write (an unparsable answer shows as 0).
    using BatteryDisplay = std::function<void(int level)>;

    DeviceSession(const DescriptionReader& description, SessionServices services);
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // The read command, once the user has chosen a programmer on the link: a fresh image, bank 0
    // with delay values 0, 50, 100, 150 and 200 until a model matches, then set-up. True when the
    // channel table is filled; otherwise the failure was reported and there is no image. A read
    // that succeeds is kept as a backup when backups are set.
    bool read(ProgrammerLink& link);

    // The write command: the check read, the comparison of every unchanged byte, the battery
    // question, the date stamp and every changed byte written and read back. Ends with the
    // success or failure message; true on success. The changed flags stay set. A changed byte
    // at or beyond the memory size could never reach the device, so such a write fails before
    // any byte is sent rather than report a success it did not achieve.
    // The question carries the changes of pendingChanges() as its details. With backups set, the
    // check read is kept as a backup before the first byte is written; a backup refused stops
    // the write as a refused battery question does.
    bool write(ProgrammerLink& link, const BatteryDisplay& showBattery = {});

    // Where reads and writes keep their backups; none (the default) keeps none.
    void setBackups(DeviceBackups* backups) { backups_ = backups; }

    // What a write would change on the device as last read (a read, a loaded image, or the last
    // write that succeeded), with today's programming date stamped as the write does.
    std::vector<ImageChange> pendingChanges() const;

    enum class RestoreOutcome {
        Restored,    // every byte that differs is stored and flagged, the table decoded again
        TooShort,    // fewer bytes than the device holds (a file cut short): nothing to compare
        OtherModel,  // the detected model's identification does not hold in the image
        Unreadable,  // not a whole image of the model, or its set-up finds problems
    };
    // Makes the image that of a saved device image of the detected model, so that the next write
    // sends it: every differing byte is stored (flag set) and the channel table is decoded from
    // it, silently. On anything but Restored nothing changes.
    RestoreOutcome restore(std::span<const uint8_t> saved);

    enum class LoadMode {
        SetUp,         // as the read command: the model is announced and set up
        IdentifyOnly,  // only the model, its memory map and sizes; the channel table stays empty
    };

    // The model loop over bytes already at hand (a saved raw image): bank 0 and the further banks
    // come from `bytes`, a bank that the bytes do not hold counts as unreadable. On anything but
    // Identified the session is left as after a failed read, without the read's message.
    Detection load(std::span<const uint8_t> bytes, LoadMode mode = LoadMode::SetUp);

    bool hasImage() const { return image_.exists(); }
    MemoryImage& image() { return image_; }
    const MemoryImage& image() const { return image_; }
    ChannelTable& table() { return table_; }
    const ChannelTable& table() const { return table_; }
    // The memory map of the detected model over the image; every edit stores through it.
    MemoryMap& memoryMap() { return map_; }
    const DescriptionReader& description() const { return description_; }

    // Name of the detected model (its [MODELS] entry); empty without one.
    const std::string& modelName() const { return modelName_; }
    uint32_t memorySize() const { return memorySize_; }
    int32_t bankSizeKey() const { return bankSizeKey_; }
    uint32_t bankCount() const { return bankCount_; }

  private:
    // A fresh 256-byte image, flags clear, one bank.
    void startImage();
    // Tries the models of [MODELS] in order on the image (bank 0 already in it).
    Detection detectModel(const BankReader& readBank, LoadMode mode = LoadMode::SetUp);
    // No image, an empty channel table.
    void forgetDevice();
    // The write from the check read to the last byte; false at the first step that fails.
    bool transferChanges(ProgrammerLink& link, const BatteryDisplay& showBattery);
    bool writeChangedBytes(ProgrammerLink& link, size_t memorySize);

    std::string text(int englishId) const { return services_.texts.LocalText(englishId); }

    const DescriptionReader& description_;
    SessionServices services_;
    MemoryImage image_;
    ChannelTable table_;
    MemoryMap map_;
    std::string modelName_;
    uint32_t memorySize_ = 0;
    int32_t bankSizeKey_ = 0;
    uint32_t bankCount_ = 1;
    Bytes asRead_;  // the device as last read (see pendingChanges); empty without an image
    DeviceBackups* backups_ = nullptr;
};

}  // namespace quorprog
