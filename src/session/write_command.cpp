#include <algorithm>

#include "channels/date_stamp.h"
#include "images/change_listing.h"
#include "programmer/programmer_link.h"
#include "session/device_backups.h"
#include "session/device_session.h"
#include "text/text_ids.h"

namespace quorprog {

namespace {

constexpr size_t kBankSize = MemoryImage::kBankSize;
// Below this the programmer may not finish a write; the user decides whether to go on.
constexpr int kLowBattery = 2;

// Reads every bank of the device into `check`; the port is open, so the gauge and the port stay
// as they are.
bool readDeviceInto(ProgrammerLink& link, Bytes& check, uint32_t bankCount) {
    for (unsigned bank = 0; bank < bankCount; ++bank) {
        link.SetBankDestination(std::span<uint8_t>(check).subspan(bank * kBankSize, kBankSize));
        if (!link.ReadBank(bank)) return false;
    }
    return true;
}

// True when the device still holds what was read wherever the program changed nothing: another
// device, or one changed elsewhere since the read, must not receive this image's changes.
bool deviceHoldsImage(const MemoryImage& image, const Bytes& check, size_t memorySize) {
    for (size_t a = 0; a < memorySize; ++a) {
        if (!image.isChanged(a) && image.bytes()[a] != check[a]) return false;
    }
    return true;
}

// A changed byte at or beyond the memory size can never be sent: reporting success would leave
// the device without it. Nothing is written in that case.
bool changesFitMemory(const MemoryImage& image, size_t memorySize) {
    const Bytes& flags = image.changedFlags();
    return std::none_of(flags.begin() + std::min(memorySize, flags.size()), flags.end(),
                        [](uint8_t flag) { return flag != 0; });
}

}  // namespace

std::vector<ImageChange> DeviceSession::pendingChanges() const {
    if (!image_.exists()) return {};
    // The date stamp goes into a copy: the image and its flags stay as they are until the write.
    MemoryImage stamped = image_;
    SilentPrompter quiet;
    MemoryMap stampedMap(description_, table_.MemoryMapName, stamped, quiet);
    StampDates(stampedMap, table_.PartitionCount, services_.clock);
    return listImageChanges(description_, modelName_, asRead_, stamped.bytes());
}

bool DeviceSession::write(ProgrammerLink& link, const BatteryDisplay& showBattery) {
    Prompter& prompter = services_.prompter;
    if (!image_.exists()) {
        prompter.inform(text(text::kReadDeviceFirst), text(text::kWarning));
        return false;
    }
    if (!prompter.askYesNoWithDetails(
            text(text::kConfirmOverwriteDevice), text(text::kWarning),
            describeImageChanges(pendingChanges(), services_.texts, services_.decimalSeparator))) {
        return false;
    }

    // The timing that the last read ended with, made safer for the many exchanges that follow.
    link.SetDelay(link.GetDelay() * 2);
    link.OpenProgrammer();
    const bool written = transferChanges(link, showBattery);

    link.CloseProgrammer();
    services_.progress.hide();
    link.SetDelay(link.GetDelay() / 2);
    if (written) {
        // Every changed byte was read back: the device holds the image now.
        asRead_ = image_.bytes();
        prompter.inform(text(text::kWriteSucceeded), std::string());
    } else {
        prompter.inform(text(text::kWriteFailed), text(text::kError));
    }
    link.ClearBankDestination();
    return written;
}

bool DeviceSession::transferChanges(ProgrammerLink& link, const BatteryDisplay& showBattery) {
    services_.progress.setCaption("Checking... ");
    Bytes check(bankCount_ * kBankSize, 0);
    // The read sized the image for the memory size; the bound only guards the loops.
    const size_t memorySize = std::min<size_t>(memorySize_, image_.size());
    if (!readDeviceInto(link, check, bankCount_)) return false;
    if (!deviceHoldsImage(image_, check, memorySize)) return false;

    const int battery = link.BatteryLevel();
    if (showBattery) showBattery(std::max(battery, 0));
    if (battery < kLowBattery &&
        !services_.prompter.askYesNo(text(text::kBatteryLowContinue), text(text::kWarning))) {
        return false;
    }
    if (backups_ && !backups_->keepBeforeWrite(check, modelName_)) return false;

    StampDates(map_, table_.PartitionCount, services_.clock);
    if (!changesFitMemory(image_, memorySize)) return false;
    return writeChangedBytes(link, memorySize);
}

bool DeviceSession::writeChangedBytes(ProgrammerLink& link, size_t memorySize) {
    ProgressView& progress = services_.progress;
    progress.setCaption("Writing... ");
    progress.setRange(0, static_cast<int>(memorySize));
    progress.setPosition(0);
    for (unsigned bank = 0; bank < bankCount_; ++bank) {
        // A bank not confirmed would take the bytes at the wrong addresses (and closes the port).
        if (!link.SelectBank(bank)) return false;
        for (size_t a = bank * kBankSize; a < (bank + 1) * kBankSize && a < memorySize; ++a) {
            if (!image_.isChanged(a)) {
                progress.advance(1);
                continue;
            }
            // A failed read-back gives -1, which equals no byte.
            const uint8_t value = image_.bytes()[a];
            link.WriteByte(static_cast<unsigned>(a), value);
            if (link.ReadByte(static_cast<unsigned>(a)) != value) return false;
        }
    }
    return true;
}

}  // namespace quorprog
