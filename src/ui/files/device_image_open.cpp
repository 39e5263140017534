#include "ui/files/device_image_open.h"

#include "files/file_bytes.h"
#include "session/device_session.h"
#include "text/local_texts.h"

namespace quorprog {

void openDeviceImageAt(DeviceSession& session, const std::filesystem::path& path,
                       Prompter& prompter, const LocalTexts& texts,
                       const std::function<void()>& showRestored) {
    const auto refuse = [&](int englishId) {
        prompter.inform(texts.LocalText(englishId), texts.LocalText(text::kError));
    };
    const auto bytes = readFileBytes(path, DeviceSession::kMaxMemorySize);
    if (!bytes) return refuse(text::kImageUnreadable);
    switch (session.restore(*bytes)) {
        case DeviceSession::RestoreOutcome::TooShort:
            return prompter.inform(
                texts.LocalTextWith(text::kImageTooShort, std::to_string(session.image().size())),
                texts.LocalText(text::kError));
        case DeviceSession::RestoreOutcome::OtherModel:
            return refuse(text::kImageFromOtherModel);
        case DeviceSession::RestoreOutcome::Unreadable:
            return refuse(text::kImageUnreadable);
        case DeviceSession::RestoreOutcome::Restored:
            if (showRestored) showRestored();
            prompter.inform(texts.LocalText(text::kImageLoaded),
                            texts.LocalText(text::kInformation));
            return;
    }
}

}  // namespace quorprog
