#include <array>

#include "programmer/programmer_link.h"
#include "session/device_backups.h"
#include "session/device_session.h"
#include "text/text_ids.h"

namespace quorprog {

namespace {

// A programmer that garbles bank 0 at its own pace may get it right when told to go slower.
constexpr std::array kDelayValues = {0, 50, 100, 150, 200};

}  // namespace

bool DeviceSession::read(ProgrammerLink& link) {
    startImage();
    services_.progress.setCaption("Reading ...");

    const BankReader readFromDevice = [&link](unsigned bank, std::span<uint8_t> destination) {
        link.SetBankDestination(destination);
        return link.ReadBank(bank);
    };

    Detection outcome = Detection::NoModel;
    for (const int delay : kDelayValues) {
        link.SetDelay(delay);
        if (!readFromDevice(0, std::span<uint8_t>(image_.bytes()).first(MemoryImage::kBankSize))) {
            continue;
        }
        outcome = detectModel(readFromDevice);
        // A bank above 0, a set-up that fails or a broken description ends the read: a slower
        // delay would not help.
        if (outcome != Detection::NoModel) break;
    }
    link.ClearBankDestination();

    if (outcome == Detection::Identified) {
        asRead_ = image_.bytes();
        if (backups_) backups_->keepRead(image_.bytes(), modelName_);
        return true;
    }
    forgetDevice();
    // A broken description has been named already; blaming the cable would mislead.
    if (outcome != Detection::MalformedDescription) {
        services_.prompter.inform(text(text::kMemoryCommunicationFailure), text(text::kError));
    }
    return false;
}

}  // namespace quorprog
