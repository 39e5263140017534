#include "programmer_box.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <vector>

#include "programmer/reply_checks.h"

namespace quorprog::emulator {

namespace {

constexpr size_t kMaxCommandLength = 64;

std::string answerLine(std::string_view text) {
    return "\r\n" + std::string(text) + "\r\n>";
}

std::string hex(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> found;
    size_t start = text.find_first_not_of(' ');
    while (start != std::string_view::npos) {
        const size_t end = text.find(' ', start);
        found.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        start = end == std::string_view::npos ? end : text.find_first_not_of(' ', end);
    }
    return found;
}

std::optional<unsigned> hexNumber(std::string_view digits) {
    unsigned value = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

// With `flipFirst`, the first byte goes out with its lowest bit flipped: still two hexadecimal
// digits, so nothing in the line's form gives it away.
std::string byteList(const Bytes& memory, unsigned address, unsigned count, bool flipFirst) {
    std::string text;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned flip = i == 0 && flipFirst ? 1 : 0;
        text += hex("%02X ", memory[(address + i) % memory.size()] ^ flip);
    }
    return text;
}

const std::string kRefused = answerLine("ERROR");

}  // namespace

ProgrammerBox::ProgrammerBox(BoxSettings settings, Bytes memory, WriteListener onWrite)
    : settings_(std::move(settings)), memory_(std::move(memory)), onWrite_(std::move(onWrite)) {
    if (memory_.empty()) memory_.assign(MemoryImage::kBankSize, 0xFF);
}

void ProgrammerBox::hangUp() {
    pending_.clear();
    streaming_ = false;
}

bool ProgrammerBox::has(Fault fault) const {
    const auto& injected = settings_.injected;
    return settings_.faults.count(fault) != 0 ||
           (injected && injected->kind == fault && injected->atReply == replies_);
}

std::string ProgrammerBox::receive(uint8_t byte) {
    streaming_ = false;
    injectedJustNow_ = false;
    const auto command = takeCommand(byte);
    if (!command) return {};
    ++replies_;
    injectedJustNow_ = settings_.injected && settings_.injected->atReply == replies_;
    if (has(Fault::Silent)) return {};
    std::string answer = answerCommand(*command);
    if (has(Fault::DroppedReply)) return {};
    if (has(Fault::Garbage)) return garbageBytes(answer.size(), replies_);
    if (has(Fault::Truncated)) answer.resize(answer.size() / 2);
    return answer;
}

std::optional<std::string> ProgrammerBox::takeCommand(uint8_t byte) {
    if (pending_.empty()) {
        switch (byte) {
            case '*':
            case 'V':
            case 'S':
            case 'T':
                return std::string(1, static_cast<char>(byte));
            case 'D':
            case 'B':
            case 'R':
            case 'W':
                pending_.push_back(static_cast<char>(byte));
                return std::nullopt;
            default:
                return std::nullopt;  // line ends and noise between commands
        }
    }
    if (byte == '\n' || byte == '\r') {
        std::string command = std::move(pending_);
        pending_.clear();
        return command;
    }
    pending_.push_back(static_cast<char>(byte));
    if (pending_.size() > kMaxCommandLength) pending_.clear();
    return std::nullopt;
}

std::string ProgrammerBox::answerCommand(std::string_view command) {
    const char letter = command.front();
    const std::string_view arguments = command.substr(1);
    const auto argumentWords = words(arguments);
    switch (letter) {
        case '*':
            return answerLine(settings_.hello);
        case 'V':
            return answerLine(settings_.version);
        case 'S':
            return answerLine("BATTERY=" + hex("%X", static_cast<unsigned>(settings_.battery)));
        case 'T':
            return answerLine("TYPES=" + settings_.types);
        case 'D': {
            const auto value =
                argumentWords.size() == 1 ? hexNumber(argumentWords[0]) : std::nullopt;
            if (!value) return kRefused;
            delay_ = static_cast<int>(*value);
            return answerLine("DELAY=" + hex("%02X", *value));
        }
        case 'B': {
            const auto value =
                argumentWords.size() == 1 ? hexNumber(argumentWords[0]) : std::nullopt;
            if (!value) return kRefused;
            bank_ = *value;
            return answerLine("BANK=" + hex("%X", *value));
        }
        case 'R':
            return argumentWords.empty() ? readBank() : readBytes(arguments);
        case 'W':
            return writeByte(arguments);
        default:
            return kRefused;
    }
}

std::string ProgrammerBox::rowLine(unsigned row) const {
    const bool faultRow = row == settings_.faultRow;
    const bool tooFast = delay_ < settings_.minDelay;
    const std::string prefix = rowPrefix(bank_, faultRow && has(Fault::Misaligned) ? row + 1 : row);
    if (tooFast || (faultRow && has(Fault::MemoryError))) return prefix + "MEM ERROR";
    return prefix + " " +
           byteList(memory_, bank_ * MemoryImage::kBankSize + row * kRowBytes, kRowBytes,
                    faultRow && has(Fault::FlippedByte));
}

std::string ProgrammerBox::readBank() const {
    std::string answer;
    for (unsigned row = 0; row < kRowsPerBank; ++row) {
        if (row == settings_.faultRow && has(Fault::DroppedLine)) continue;
        answer += "\r\n" + rowLine(row);
    }
    return answer + "\r\n>";
}

unsigned ProgrammerBox::absoluteAddress(std::string_view digits, unsigned value) const {
    const bool inBank = digits.size() < 3 || has(Fault::InBankAddress);
    return inBank ? bank_ * MemoryImage::kBankSize + value % MemoryImage::kBankSize : value;
}

std::string ProgrammerBox::readBytes(std::string_view arguments) const {
    const auto argumentWords = words(arguments);
    const auto address = hexNumber(argumentWords[0]);
    const auto count = argumentWords.size() == 2 ? hexNumber(argumentWords[1]) : std::nullopt;
    if (!address || !count || *count < 1 || *count > kRowBytes) return kRefused;
    const unsigned absolute = absoluteAddress(argumentWords[0], *address);
    const std::string prefix = hex("%X", (absolute >> 8) & 0xF) +
                               (has(Fault::Misaligned) ? "-" : ":") + hex("%02X-", absolute & 0xFF);
    if (has(Fault::MemoryError)) return answerLine(prefix + "MEM ERROR");
    return answerLine(prefix + " " + byteList(memory_, absolute, *count, has(Fault::FlippedByte)));
}

std::string ProgrammerBox::writeByte(std::string_view arguments) {
    const auto argumentWords = words(arguments);
    const auto address = argumentWords.size() == 2 ? hexNumber(argumentWords[0]) : std::nullopt;
    const auto value = argumentWords.size() == 2 ? hexNumber(argumentWords[1]) : std::nullopt;
    if (!address || !value || *value > 0xFF) return kRefused;
    if (!has(Fault::WrongReadBack)) {
        at(absoluteAddress(argumentWords[0], *address)) = static_cast<uint8_t>(*value);
        if (onWrite_) onWrite_(memory_);
    }
    if (has(Fault::EndlessStream)) {
        streaming_ = true;
        return {};
    }
    return has(Fault::NoAck) ? "\r\n>" : ".\r\n>";
}

std::string endlessStreamBytes(size_t count) {
    static constexpr std::string_view kPattern = "0123456789ABCDEF";
    std::string bytes;
    for (size_t i = 0; i < count; ++i) bytes.push_back(kPattern[i % kPattern.size()]);
    return bytes;
}

std::string garbageBytes(size_t count, unsigned seed) {
    // A linear congruential generator is random-looking enough and repeats from run to run.
    uint32_t state = seed * 2654435761u + 1;
    std::string bytes;
    for (size_t i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes.push_back(static_cast<char>(state >> 24));
    }
    return bytes;
}

}  // namespace quorprog::emulator
