#include "emulator_options.h"

#include <map>

#include "description/integer_text.h"

namespace quorprog::emulator {

const char* const kEmulatorUsage = R"(Usage: quorprog-emu [options]
The Quorvel programmer box on a pseudo-terminal. The first line of standard output is the
device to open as the serial port. Stops on SIGTERM or SIGINT.

Memory (default: one blank bank of FF bytes):
  --image FILE      raw memory, a multiple of 256 bytes, written back on every write;
                    with --model, the factory memory is written to FILE first
  --model NAME      a factory device of a model of the built-in description
  --size N          a memory of N bytes; every address wraps at N (a 128-byte 24C01 shows
                    twice in a bank read). Default: the image size, or the model's memory size
Answers:
  --hello TEXT      greeting sent before the prompt
  --version TEXT    version line (must begin with QUORVEL to be accepted)
  --battery N       battery level 0..15
  --types TEXT      memory types after "TYPES="
  --min-delay N     bank reads report MEM ERROR until a delay of at least N was sent
  --baud N          paces every byte both ways at the wire time of N baud (8N1)
  --latency MS      holds every answer MS milliseconds before its first byte, as a USB
                    serial adapter's latency timer does (FTDI: 16 by default)
Faults (--fault may be given more than once; each acts on every reply):
  --fault silent          answers nothing and leaves the command undone
  --fault lost            the same: the command is lost on the line (not carried out, no answer)
  --fault drop-reply      carries the command out, but its answer is lost (nothing arrives)
  --fault in-bank         single-byte reads and writes take their address within the selected
                          bank (its low byte), three-digit ones too; by default three or more
                          digits are absolute and only shorter ones lie in the selected bank
  --fault mem-error       row R of each bank read and every byte read report MEM ERROR
  --fault misaligned      row R carries the next row's prefix; byte answers lose their ":"
  --fault drop-line       row R of each bank read is left out
  --fault no-ack          writes store the byte but send no "."
  --fault wrong-readback  writes are acknowledged but not stored
  --fault endless         writes are answered by a stream of bytes without end
  --fault garbage         replies are replaced by as many random-looking bytes
  --fault truncated       replies are cut to half their length, without their prompt
  --fault flip            the first byte of row R of each bank read, and of every byte read,
                          has its lowest bit flipped
  --fault-row R           the row of the row faults (default 0)
  --fault-at N --fault-kind KIND
                          one fault of the kinds above, given to the N-th reply only. Replies
                          count from 1, one per command the box takes (hello, version, battery,
                          types, delay, bank, read, write), silenced ones included; the trace
                          marks that reply with a "! " line
Other:
  --trace FILE      transcript: "> " lines hold what the host sent, "< " lines what the box
                    answered, one line per change of direction, \r \n \\ \xHH escaped
  --link PATH       a symbolic link to the device, removed at exit
  --exit-with-parent  stop when the process that started the emulator ends
)";

namespace {

const std::map<std::string, Fault> kFaultNames = {
    {"silent", Fault::Silent},         {"mem-error", Fault::MemoryError},
    {"misaligned", Fault::Misaligned}, {"drop-line", Fault::DroppedLine},
    {"no-ack", Fault::NoAck},          {"wrong-readback", Fault::WrongReadBack},
    {"endless", Fault::EndlessStream}, {"garbage", Fault::Garbage},
    {"truncated", Fault::Truncated},   {"flip", Fault::FlippedByte},
    {"lost", Fault::Silent},           {"drop-reply", Fault::DroppedReply},
    {"in-bank", Fault::InBankAddress},
};

std::optional<Fault> faultNamed(const std::string& name, std::string& error) {
    const auto found = kFaultNames.find(name);
    if (found == kFaultNames.end()) {
        error = "unknown fault " + name;
        return std::nullopt;
    }
    return found->second;
}

std::optional<int> numberIn(const std::string& text, int minimum, int maximum) {
    const auto value = parseIntegerText(text);
    if (!value || *value < minimum || *value > maximum) return std::nullopt;
    return *value;
}

}  // namespace

std::optional<EmulatorOptions> parseEmulatorOptions(const std::vector<std::string>& arguments,
                                                    std::string& error) {
    EmulatorOptions options;
    std::optional<int> faultAt;
    std::optional<Fault> faultKind;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            continue;
        }
        if (option == "--exit-with-parent") {
            options.exitWithParent = true;
            continue;
        }
        if (i + 1 == arguments.size()) {
            error =
                option.starts_with("--") ? option + " needs a value" : "unknown option " + option;
            return std::nullopt;
        }
        const std::string& value = arguments[++i];
        const auto number = [&](int minimum, int maximum) {
            const auto parsed = numberIn(value, minimum, maximum);
            if (!parsed) {
                error = option + " takes a number from " + std::to_string(minimum) + " to " +
                        std::to_string(maximum) + ", not " + value;
            }
            return parsed;
        };
        std::optional<int> parsed = 0;
        if (option == "--image") {
            options.imageFile = value;
        } else if (option == "--model") {
            options.modelName = value;
        } else if (option == "--size") {
            if ((parsed = number(1, 1 << 20))) options.memorySize = static_cast<size_t>(*parsed);
        } else if (option == "--hello") {
            // The host takes the greeting up to the prompt, 128 characters at most.
            if (value.size() >= 128 || value.find('>') != std::string::npos) {
                error = "--hello takes fewer than 128 characters and no \">\"";
                return std::nullopt;
            }
            options.box.hello = value;
        } else if (option == "--version") {
            options.box.version = value;
        } else if (option == "--battery") {
            if ((parsed = number(0, 15))) options.box.battery = *parsed;
        } else if (option == "--types") {
            options.box.types = value;
        } else if (option == "--min-delay") {
            if ((parsed = number(0, 0xFFFF))) options.box.minDelay = *parsed;
        } else if (option == "--baud") {
            if ((parsed = number(50, 4000000))) options.baud = *parsed;
        } else if (option == "--latency") {
            if ((parsed = number(0, 255))) options.latencyMs = *parsed;
        } else if (option == "--fault") {
            const auto fault = faultNamed(value, error);
            if (!fault) return std::nullopt;
            options.box.faults.insert(*fault);
        } else if (option == "--fault-kind") {
            if (!(faultKind = faultNamed(value, error))) return std::nullopt;
        } else if (option == "--fault-at") {
            faultAt = parsed = number(1, 1 << 30);
        } else if (option == "--fault-row") {
            if ((parsed = number(0, 15))) options.box.faultRow = static_cast<unsigned>(*parsed);
        } else if (option == "--trace") {
            options.traceFile = value;
        } else if (option == "--link") {
            options.linkPath = value;
        } else {
            error = "unknown option " + option;
            return std::nullopt;
        }
        if (!parsed) return std::nullopt;
    }
    if (faultAt.has_value() != faultKind.has_value()) {
        error = "--fault-at and --fault-kind go together";
        return std::nullopt;
    }
    if (faultAt) options.box.injected = InjectedFault{static_cast<unsigned>(*faultAt), *faultKind};
    for (const std::string* line : {&options.box.version, &options.box.types}) {
        if (line->find_first_of("\r\n>") != std::string::npos) {
            error = "--version and --types are single lines without \">\"";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace quorprog::emulator
