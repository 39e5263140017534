#include "session/device_backups.h"

#include "text/text_ids.h"

namespace quorprog {

std::string DeviceBackups::reasonText(int englishId, const std::string& reason) const {
    std::string message = texts_.LocalText(englishId);
    const size_t slot = message.find("%s");
    if (slot != std::string::npos) message.replace(slot, 2, reason);
    return message;
}

void DeviceBackups::keepRead(std::span<const uint8_t> image, const std::string& model) {
    const BackupStore::Saved saved = store_.save(image, model, BackupKind::Read, clock_.now());
    if (!saved) {
        prompter_.inform(reasonText(text::kBackupFailed, saved.error),
                         texts_.LocalText(text::kWarning), Prompter::Icon::Warning);
    }
}

bool DeviceBackups::keepBeforeWrite(std::span<const uint8_t> device, const std::string& model) {
    const BackupStore::Saved saved =
        store_.save(device, model, BackupKind::BeforeWrite, clock_.now());
    if (saved) return true;
    if (onFailure_ == OnFailure::Refuse) {
        prompter_.inform(reasonText(text::kBackupFailed, saved.error),
                         texts_.LocalText(text::kError), Prompter::Icon::Error);
        return false;
    }
    return prompter_.askYesNo(reasonText(text::kBackupFailedWriteAnyway, saved.error),
                              texts_.LocalText(text::kWarning), Prompter::Icon::Warning);
}

}  // namespace quorprog
