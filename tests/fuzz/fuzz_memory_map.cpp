// Arbitrary entry texts, keys and values through the six memory-map operations, over a description
// with chained, self-referencing and fanning-out keys (some of them written by the input) and an
// image taken from the input. Besides the sanitizers, it checks that reads change nothing, that
// writes touch only their own image, that text fields show at most one message, and that plain,
// BCD and text fields built from the input give back what was written.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "description/description_reader.h"
#include "description/fixed_value.h"
#include "description/memory_image.h"
#include "description/memory_map.h"
#include "fuzz_common.h"

using namespace quorprog;
using quorprog::fuzz::check;

namespace {

const char* const kFixedKeys =
    "Plain=10\n"
    "Bits=9[7],10,11[01]\n"
    "Both=20\n"
    "Both_0=21\n"
    "Chain_0=(DISCARD)30\n"
    "Chain_1=(BCD)|(BCD)31,32\n"
    "Chain_2=33\n"
    "Self=(out=in+Self)|(out=in+Self)50\n"
    "PingA=(out=PingB)|(out=PingB)51\n"
    "PingB=(if PingA>0 then out=PingA+1)|(out=PingA*2)52\n"
    "SelfChain_0=(out=SelfChain)|(out=SelfChain)53\n"
    "SelfChain_1=54\n"
    "IF_0=(BCD)|(BCD)95,94,93,92\n"
    "IF_1=(out=100;if in<655360 then out=10;if in<65536 then out=1)|90\n"
    "IF_2=(out=in/IF_1)|(out=in*IF_1)54,53\n"
    "Fan0=(out=Fan1+Fan1;out=out+Fan1;out=out*Fan1)|(out=Fan1-Fan1;out/=Fan1)57\n"
    "Fan1=(out=Fan2+Fan2;out=out+Fan2;out=out*Fan2)|(out=Fan2-Fan2;out/=Fan2)57\n"
    "Fan2=(out=Fan0+Fan0;out=out+Fan0;out=out*Fan0)|(out=Fan0-Fan0;out/=Fan0)57\n"
    "Date=RIGHT79,80,81,82,83,84,85,86\n"
    "Number=(ASCII)|(ASCII)LEFT70,71,72,73\n"
    "Bad=256\n"
    "UsesBad=(out=in+Bad)|(out=in+Bad)55\n";

const char* const kKeyNames[] = {"Plain",  "Bits",  "Both",  "Chain", "Self",  "PingA",
                                 "PingB",  "SelfChain", "IF",  "IF_1", "IF_2",  "Fan0",
                                 "Fan1",   "Number", "Bad",  "UsesBad", "Fuzz0", "Fuzz1",
                                 "Fuzz2",  "FuzzChain", "Missing", ""};

// A locator of distinct addresses, each a whole byte or a list of distinct bits; its bit count.
std::string plainLocator(FuzzedDataProvider& input, std::vector<int>& addresses, int& bits) {
    std::string locator;
    std::set<int> used;
    const int elements = input.ConsumeIntegralInRange(1, 5);
    for (int i = 0; i < elements; ++i) {
        const int address = input.ConsumeIntegralInRange(0, 255);
        if (!used.insert(address).second) continue;
        addresses.push_back(address);
        if (!locator.empty()) locator += input.ConsumeBool() ? ", " : ",";
        locator += std::to_string(address);
        if (input.ConsumeBool()) {
            bits += 8;
            continue;
        }
        locator += '[';
        std::set<int> digits;
        const int count = input.ConsumeIntegralInRange(0, 8);
        for (int d = 0; d < count; ++d) {
            const int digit = input.ConsumeIntegralInRange(0, 7);
            if (!digits.insert(digit).second) continue;
            locator += static_cast<char>('0' + digit);
            ++bits;
        }
        locator += ']';
    }
    return locator;
}

void plainRoundTrip(FuzzedDataProvider& input, MemoryMap& map, MemoryImage& image,
                    fuzz::CountingPrompter& prompter) {
    std::vector<int> addresses;
    int bits = 0;
    const std::string locator = plainLocator(input, addresses, bits);
    const int32_t value = input.ConsumeIntegral<int32_t>();
    const Bytes flagsBefore = image.changedFlags();
    const int messagesBefore = prompter.count;
    check(map.EncodeEntry(locator, value), "a plain write failed");
    const uint32_t mask = bits >= 32 ? 0xFFFFFFFFu : (uint32_t{1} << bits) - 1;
    const auto expected = static_cast<int32_t>(static_cast<uint32_t>(value) & mask);
    check(map.DecodeEntry(locator) == expected, "a plain field does not read back");
    check(prompter.count == messagesBefore, "a plain field showed a message");
    for (size_t a = 0; a < 256; ++a) {
        const bool listed = std::find(addresses.begin(), addresses.end(), static_cast<int>(a)) !=
                            addresses.end();
        if (!listed) check(image.changedFlags()[a] == flagsBefore[a], "a flag outside the field");
        else check(image.changedFlags()[a] == 1, "a stored byte without its flag");
    }
}

void bcdRoundTrip(FuzzedDataProvider& input, MemoryMap& map) {
    std::set<int> used;
    std::string locator;
    const int elements = input.ConsumeIntegralInRange(1, 6);
    for (int i = 0; i < elements; ++i) {
        const int address = input.ConsumeIntegralInRange(0, 255);
        if (!used.insert(address).second) continue;
        locator += (locator.empty() ? "" : ",") + std::to_string(address);
    }
    const int32_t value = input.ConsumeIntegralInRange<int32_t>(0, INT32_MAX);
    const std::string entry = "(BCD)|(BCD)" + locator;
    check(map.EncodeEntry(entry, value), "a BCD write failed");
    int64_t modulus = 1;
    for (size_t i = 0; i < used.size() && modulus <= INT32_MAX; ++i) modulus *= 100;
    check(map.DecodeEntry(entry) == static_cast<int32_t>(value % modulus), "BCD does not read back");
}

void textRoundTrip(FuzzedDataProvider& input, MemoryMap& map) {
    std::set<int> used;
    std::string locator;
    const int elements = input.ConsumeIntegralInRange(1, 8);
    for (int i = 0; i < elements; ++i) {
        const int address = input.ConsumeIntegralInRange(0, 255);
        if (!used.insert(address).second) continue;
        locator += (locator.empty() ? "" : ",") + std::to_string(address);
    }
    std::string text = input.ConsumeRandomLengthString(12);
    std::erase(text, '\0');
    const bool right = input.ConsumeBool();
    check(map.WriteEntryText((right ? "RIGHT" : "LEFT") + locator, text), "a text write failed");
    const size_t n = used.size();
    const std::string expected =
        text.size() <= n ? text : (right ? text.substr(text.size() - n) : text.substr(0, n));
    check(map.ReadEntryText(locator) == expected, "a text field does not read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);

    std::string description = std::string("[MAP]\n") + kFixedKeys;
    description += "Fuzz0=" + fuzz::oneLine(input.ConsumeRandomLengthString(200)) + "\n";
    description += "Fuzz1=" + fuzz::oneLine(input.ConsumeRandomLengthString(200)) + "\n";
    description += "Fuzz2=" + fuzz::oneLine(input.ConsumeRandomLengthString(200)) + "\n";
    description += "FuzzChain_0=" + fuzz::oneLine(input.ConsumeRandomLengthString(100)) + "\n";
    description += "FuzzChain_1=" + fuzz::oneLine(input.ConsumeRandomLengthString(100)) + "\n";
    description += "FuzzChain_2=(out=FuzzChain_1)|(out=in+FuzzChain)58\n";
    const auto reader = DescriptionReader::fromText(description);

    MemoryImage image;
    image.reset();
    const std::vector<uint8_t> start = input.ConsumeBytes<uint8_t>(256);
    std::copy(start.begin(), start.end(), image.bytes().begin());
    Bytes other(input.ConsumeIntegralInRange<size_t>(0, 300), 0x5A);

    fuzz::CountingPrompter prompter;
    std::string section = "MAP";
    MemoryMap map(reader, section, image, prompter);

    for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) {
        const int operation = input.ConsumeIntegralInRange(0, 10);
        const bool onOther = input.ConsumeBool();
        Bytes* target = onOther ? &other : nullptr;
        std::string text = input.ConsumeBool()
                               ? input.ConsumeRandomLengthString(300)
                               : map.entryOf(kKeyNames[input.ConsumeIntegralInRange<size_t>(
                                     0, std::size(kKeyNames) - 1)]);
        const std::string key = input.ConsumeBool()
                                    ? kKeyNames[input.ConsumeIntegralInRange<size_t>(
                                          0, std::size(kKeyNames) - 1)]
                                    : input.ConsumeRandomLengthString(40);
        const int32_t value = input.ConsumeIntegral<int32_t>();

        const Bytes bytesBefore = image.bytes();
        const Bytes flagsBefore = image.changedFlags();
        const Bytes otherBefore = other;
        const size_t otherSize = other.size();
        const int messagesBefore = prompter.count;
        bool reads = true;
        switch (operation) {
            case 0: map.DecodeEntry(text, target); break;
            case 1: map.ReadMapValue(key, target); break;
            case 2: map.ReadEntryText(text, target); break;
            case 3: reads = false; map.EncodeEntry(text, value, target); break;
            case 4: reads = false; map.WriteMapValue(key, value, target); break;
            case 5:
                reads = false;
                map.WriteEntryText(text, input.ConsumeRandomLengthString(20), target);
                break;
            case 6: checkFixedValue(map, text, target); break;
            case 7: plainRoundTrip(input, map, image, prompter); reads = false; break;
            case 8: bcdRoundTrip(input, map); reads = false; break;
            case 9: textRoundTrip(input, map); reads = false; break;
            case 10:
                image.release();  // no image: every operation fails quietly
                check(map.DecodeEntry("1") == -1 && !map.EncodeEntry("1", 1) &&
                          map.ReadEntryText("1").empty() && !map.WriteEntryText("1", "x") &&
                          prompter.count == messagesBefore,
                      "an operation without image");
                image.reset();
                continue;
        }
        check(image.size() == 256 && image.changedFlags().size() == 256, "the image size changed");
        check(other.size() == otherSize, "the other image's size changed");
        for (uint8_t flag : image.changedFlags()) check(flag <= 1, "a flag other than 0 or 1");
        if (reads) {
            check(image.bytes() == bytesBefore && image.changedFlags() == flagsBefore,
                  "a read changed the image");
            check(other == otherBefore, "a read changed the other image");
        } else if (onOther && operation <= 5) {
            check(image.bytes() == bytesBefore, "a write to the other image changed the main one");
        } else if (operation <= 5) {
            check(other == otherBefore, "a write to the main image changed the other one");
        }
        if (operation == 2 || operation == 5)
            check(prompter.count - messagesBefore <= 1, "a text field showed two messages");
    }
    return 0;
}
