#include "session/device_backups.h"

#include "text/text_ids.h"

namespace quorprog {

void DeviceBackups::keepRead(std::span<const uint8_t> image, const std::string& model) {
    const BackupStore::Saved saved = store_.save(image, model, BackupKind::Read, clock_.now());
    if (saved) lastSaved_ = saved.file;
    if (!saved) {
        prompter_.inform(texts_.LocalTextWith(text::kBackupFailed, saved.error),
                         texts_.LocalText(text::kWarning), Prompter::Icon::Warning);
    }
}

bool DeviceBackups::keepBeforeWrite(std::span<const uint8_t> device, const std::string& model) {
    const BackupStore::Saved saved =
        store_.save(device, model, BackupKind::BeforeWrite, clock_.now());
    if (saved) {
        lastSaved_ = saved.file;
        return true;
    }
    if (onFailure_ == OnFailure::Refuse) {
        prompter_.inform(texts_.LocalTextWith(text::kBackupFailed, saved.error),
                         texts_.LocalText(text::kError), Prompter::Icon::Error);
        return false;
    }
    return prompter_.askYesNo(texts_.LocalTextWith(text::kBackupFailedWriteAnyway, saved.error),
                              texts_.LocalText(text::kWarning), Prompter::Icon::Warning);
}

}  // namespace quorprog
