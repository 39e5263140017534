#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "images/backup_store.h"
#include "seams/clock.h"
#include "seams/prompter.h"
#include "text/local_texts.h"

namespace quorprog {

// Keeps a copy of every device the session touches in a backup store: the image of each read,
// and what the device holds before a write changes it. What a copy that cannot be saved means
// is the caller's choice: the window asks whether to write anyway, quorprog-cli refuses.
class DeviceBackups {
  public:
    enum class OnFailure {
        AskToGoOn,  // a Yes/No question with the reason; No stops the write
        Refuse,     // the reason as an error; the write stops
    };

    DeviceBackups(const BackupStore& store, const Clock& clock, Prompter& prompter,
                  const LocalTexts& texts, OnFailure onFailure)
        : store_(store), clock_(clock), prompter_(prompter), texts_(texts), onFailure_(onFailure) {}

    // After a read has identified `model`. The read stands either way: a copy that cannot be
    // saved is reported.
    void keepRead(std::span<const uint8_t> image, const std::string& model);
    // After the check read has confirmed the device, before the first byte is written. False:
    // the write must not go on.
    bool keepBeforeWrite(std::span<const uint8_t> device, const std::string& model);
    // The file of the last copy saved; empty before the first one.
    const std::filesystem::path& lastSaved() const { return lastSaved_; }

  private:
    const BackupStore& store_;
    const Clock& clock_;
    Prompter& prompter_;
    const LocalTexts& texts_;
    OnFailure onFailure_;
    std::filesystem::path lastSaved_;
};

}  // namespace quorprog
