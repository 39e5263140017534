#include "session/device_session.h"

#include <algorithm>

#include "model/identification.h"
#include "model/partition_setup.h"
#include "text/text_ids.h"

namespace quorprog {

namespace {

constexpr size_t kBankSize = MemoryImage::kBankSize;

std::span<uint8_t> bankOf(MemoryImage& image, unsigned bank) {
    return std::span<uint8_t>(image.bytes()).subspan(bank * kBankSize, kBankSize);
}

}  // namespace

DeviceSession::DeviceSession(const DescriptionReader& description, SessionServices services)
    : description_(description),
      services_(services),
      map_(description, table_.MemoryMapName, image_, services.prompter) {}

void DeviceSession::startImage() {
    image_.reset();
    bankCount_ = 1;
    modelName_.clear();
}

void DeviceSession::forgetDevice() {
    image_.release();
    table_.ClearChannelTable();
    table_.PartitionCount = 0;
    modelName_.clear();
    asRead_.clear();
}

Detection DeviceSession::detectModel(const BankReader& readBank, LoadMode mode) {
    for (uint32_t n = 0;; ++n) {
        const std::string name = description_.readText("MODELS", "Name" + std::to_string(n));
        if (name.empty()) return Detection::NoModel;

        table_.MemoryMapName = description_.readText(name, "Memorymap");
        if (table_.MemoryMapName.empty()) continue;
        // A negative count is as meaningless as 0 and would otherwise read as billions.
        const int32_t partitions = description_.readInteger(name, "Partitions", 0);
        if (partitions <= 0) continue;
        table_.PartitionCount = static_cast<uint32_t>(partitions);

        memorySize_ =
            static_cast<uint32_t>(description_.readInteger(table_.MemoryMapName, "MemorySize", 0));
        bankSizeKey_ = description_.readInteger(table_.MemoryMapName, "MemoryBankSize", 0);

        if (memorySize_ > kBankSize) {
            if (memorySize_ > kMaxMemorySize) return Detection::BankFailed;
            // Not set back for a later model: a smaller model after a larger one keeps the
            // larger bank count, and the write moves that many banks.
            bankCount_ = (memorySize_ - 1) / kBankSize + 1;
            image_.enlargeToBanks(bankCount_);
            services_.progress.setCaption("Reading ...");
            for (unsigned bank = 1; bank < bankCount_; ++bank) {
                if (!readBank(bank, bankOf(image_, bank))) return Detection::BankFailed;
            }
        }

        const IdentificationResult match = MatchesImage(map_, table_.PartitionCount, name);
        if (match.outcome == Identification::MalformedDescription) {
            services_.prompter.inform(match.problem, text(text::kError));
            return Detection::MalformedDescription;
        }
        if (!match) continue;

        modelName_ = name;
        if (mode == LoadMode::IdentifyOnly) return Detection::Identified;
        services_.prompter.inform(name, text(text::kDetectedModelName));
        const MessageText corrupt{text(text::kMemoryContentCorrupt), text(text::kError)};
        if (!SetUpPartitions(name, table_, map_, services_.prompter, services_.log, corrupt)) {
            return Detection::SetUpFailed;
        }
        return Detection::Identified;
    }
}

Detection DeviceSession::load(std::span<const uint8_t> bytes, LoadMode mode) {
    startImage();
    const auto copyBank = [bytes](unsigned bank, std::span<uint8_t> destination) {
        const size_t start = bank * kBankSize;
        if (bytes.size() < start + kBankSize) return false;
        std::copy_n(bytes.begin() + start, kBankSize, destination.begin());
        return true;
    };
    Detection outcome = Detection::BankFailed;
    if (copyBank(0, bankOf(image_, 0))) outcome = detectModel(copyBank, mode);
    if (outcome != Detection::Identified) {
        forgetDevice();
    } else {
        asRead_ = image_.bytes();
    }
    return outcome;
}

}  // namespace quorprog
