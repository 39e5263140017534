// The built-in description, key by key against its documented content, and every memory-map entry
// of both models written and read back through the memory map.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "description/fixed_value.h"
#include "memory_map_fixture.h"

namespace quorprog::testing {
namespace {

using KeyValues = std::map<std::string, std::string>;

// The sections of the built-in text in file order, each with its keys and raw values (as written,
// quotes included), parsed here by hand so that the check does not lean on the reader.
std::vector<std::pair<std::string, KeyValues>> rawSections() {
    std::vector<std::pair<std::string, KeyValues>> sections;
    std::string_view text = defaultDescriptionText();
    while (!text.empty()) {
        const size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 2);
        if (line.empty()) continue;
        if (line.front() == '[') {
            sections.emplace_back(std::string(line.substr(1, line.size() - 2)), KeyValues{});
            continue;
        }
        const size_t equals = line.find('=');
        EXPECT_NE(equals, std::string_view::npos) << line;
        EXPECT_FALSE(sections.empty()) << line;
        if (equals == std::string_view::npos || sections.empty()) continue;
        const bool fresh = sections.back().second
                               .emplace(std::string(line.substr(0, equals)),
                                        std::string(line.substr(equals + 1)))
                               .second;
        EXPECT_TRUE(fresh) << "repeated key " << line;
    }
    return sections;
}

std::string locatorList(std::initializer_list<int> addresses) {
    std::string text;
    for (int a : addresses) text += (text.empty() ? "" : ",") + std::to_string(a);
    return text;
}

// A memory map as the layout rules build it for partitions with the given bases.
KeyValues expectedMemoryMap(const std::vector<int>& bases, const KeyValues& sizesAndFixed) {
    KeyValues keys = sizesAndFixed;
    for (size_t p = 0; p < bases.size(); ++p) {
        const int b = bases[p];
        const std::string P = "Partition" + std::to_string(p) + ".";
        const auto at = [b](int offset) { return std::to_string(b + offset); };
        for (int c = 0; c < 16; ++c) {
            const std::string n = std::to_string(c);
            keys[P + "N" + n] = at(3 * c) + "[7]," + at(3 * c + 1) + "," + at(3 * c + 2) + "[01]";
            keys[P + "A" + n] = at(3 * c) + "[0123456]";
            keys[P + "R" + n] = at(48) + "," + at(49) + "[012345]";
            keys[P + "Sub" + n] = at(101 + c);
        }
        keys[P + "Prescaler"] =
            "(out=0;if in==64 then out=1)|(out = 128;if in==1 then out=64)" + at(49) + "[6]";
        keys[P + "IsReceiver"] =
            "(if in==1 then out=84;if in!=1 then out=82)|(if in==84 then out=1;if in==82 then out=0)" +
            at(51);
        keys[P + "Multiplier"] = at(52);
        keys[P + "IF_0"] = "(BCD)|(BCD)" + locatorList({b + 95, b + 94, b + 93, b + 92});
        keys[P + "IF_1"] = "(out=100;if in<655360 then out=10;if in<65536 then out=1)|" + at(90);
        const std::string scale = "Partition" + std::to_string(p) + ".IF_1";
        keys[P + "IF_2"] = "(out=in/" + scale + ")|(out=in*" + scale + ")54,53";  // both partitions
        keys[P + "OSCoverRF"] =
            "(if in==1 then out=0;if in==0 then out=128)|(if in==0 then out=1;if in==128 then out=0)" +
            at(55);
        keys[P + "MinFreq"] = "(out=in/1000)|(out=in*1000)" + at(57) + "," + at(56);
        keys[P + "MaxFreq"] = "(out=in/1000)|(out=in*1000)" + at(59) + "," + at(58);
        keys[P + "XTAL"] = at(61) + "," + at(60);
        keys[P + "Date"] = locatorList({b + 79, b + 80, b + 81, b + 82, b + 83, b + 84, b + 85, b + 86});
        keys[P + "DateFormat"] = "\"dd/mm/yy\"";
    }
    return keys;
}

KeyValues subtoneSection() {
    const char* names[] = {"none",     "91.5 Hz",  "94.8 Hz",  "97.4 Hz",  "103.5 Hz", "107.2 Hz",
                           "110.9 Hz", "114.8 Hz", "118.8 Hz", "123.0 Hz", "127.3 Hz", "131.8 Hz",
                           "136.5 Hz", "141.3 Hz", "146.2 Hz", "151.4 Hz", "156.7 Hz", "162.2 Hz",
                           "167.9 Hz", "173.8 Hz", "179.9 Hz", "186.2 Hz", "not allowed"};
    const int codes[] = {0,  9,  10, 11, 13, 14, 15, 16, 17, 18, 19, 20,
                         21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 255};
    KeyValues keys;
    for (int i = 0; i < 23; ++i) {
        keys["String" + std::to_string(i)] = names[i];
        keys["Code" + std::to_string(i)] = std::to_string(codes[i]);
    }
    return keys;
}

TEST(DefaultDescriptionContent, HoldsExactlyTheDocumentedSectionsAndKeys) {
    const std::vector<std::pair<std::string, KeyValues>> expected = {
        {"MODELS", {{"Name0", "single group system"}, {"Name1", "dual group system"}}},
        {"single group system",
         {{"Partitions", "1"},
          {"Memorymap", "DEFAULTMAP1PART"},
          {"Partition0.Frequencies", "16"},
          {"Partition0.PLL", "PLL"},
          {"Partition0.Subtones", "SUBTONES"},
          {"Partition0.Option0", "HALO7-DC"},
          {"Partition0.Option1", "HALO7-DDC"}}},
        {"dual group system",
         {{"Partitions", "2"},
          {"Memorymap", "DEFAULTMAP2PART"},
          {"Partition0.Frequencies", "16"},
          {"Partition0.PLL", "PLL"},
          {"Partition0.Subtones", "SUBTONES"},
          {"Partition0.Option0", "HALO7-DC"},
          {"Partition0.Option1", "HALO7-DDC"},
          {"Partition1.Frequencies", "16"},
          {"Partition1.PLL", "PLL"},
          {"Partition1.Subtones", "SUBTONES"}}},
        {"PLL",
         {{"XTAL", "12800"},
          {"XTALDivider0", "1024"},
          {"XTALDivider1", "2560"},
          {"XTALDivider2", "2048"},
          {"XTALDivider3", "1280"},
          {"XTALDivider4", "512"},
          {"Prescaler", "64"},
          {"Multiplier", "1"},
          {"IF", "0"},
          {"MinFreq", "0"},
          {"MaxFreq", "0"},
          {"IsReceiver", "1"},
          {"OSCoverRF", "0"}}},
        {"NOSUBTONES", {{"String0", "none"}, {"Code0", "00"}}},
        {"SUBTONES", subtoneSection()},
        {"DEFAULTMAP2PART",
         expectedMemoryMap({0, 128}, {{"MemorySize", "256"},
                                      {"MemoryBankSize", "256"},
                                      {"MemoryType", "24C"},
                                      {"Partition0.Fixed0", "176>91"},
                                      {"Partition1.Fixed0", "177>219"},
                                      {"Partition0.Fixed1", "\"GPE\">87,88,89"},
                                      {"Partition1.Fixed1", "\"GPE\">215,216,217"}})},
        {"DEFAULTMAP1PART",
         expectedMemoryMap({0}, {{"MemorySize", "128"},
                                 {"MemoryBankSize", "256"},
                                 {"MemoryType", "24C"},
                                 {"Partition0.Fixed0", "176>91"},
                                 {"Partition0.Fixed1", "176>219"},
                                 {"Partition0.Fixed2", "\"GPE\">87,88,89"},
                                 {"Partition0.Fixed3", "\"GPE\">215,216,217"}})},
        {"HALO7-DC",
         {{"Name", "double click"},
          {"Address", "127[3]"},
          {"String0", "enabled"},
          {"Code0", "1"},
          {"String1", "disabled"},
          {"Code1", "0"}}},
        {"HALO7-DDC",
         {{"Name", "DDC option"},
          {"Address", "127[2]"},
          {"String0", "no"},
          {"Code0", "1"},
          {"String1", "yes"},
          {"Code1", "0"}}},
    };
    const auto actual = rawSections();
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].first, expected[i].first) << "section " << i;
        const KeyValues& want = expected[i].second;
        const KeyValues& have = actual[i].second;
        for (const auto& [key, value] : want) {
            const auto found = have.find(key);
            if (found == have.end())
                ADD_FAILURE() << "[" << expected[i].first << "] lacks " << key;
            else
                EXPECT_EQ(found->second, value) << "[" << expected[i].first << "] " << key;
        }
        for (const auto& [key, value] : have)
            EXPECT_TRUE(want.count(key)) << "[" << expected[i].first << "] has extra " << key;
    }
}

TEST(DefaultDescriptionContent, ReadsThroughTheReaderAsDocumented) {
    const auto reader = DescriptionReader::fromText(defaultDescriptionText());
    EXPECT_EQ(reader.readText("MODELS", "Name2"), "");
    EXPECT_EQ(reader.readInteger("single group system", "Partitions", 0), 1);
    EXPECT_EQ(reader.readText("dual group system", "Partition1.Option0"), "");
    EXPECT_EQ(reader.readInteger("PLL", "XTALDivider5", 0), 0);
    EXPECT_EQ(reader.readText("SUBTONES", "String23"), "");
    EXPECT_EQ(reader.readInteger("SUBTONES", "Code22", 0), 255);
    EXPECT_EQ(reader.readInteger("NOSUBTONES", "Code0", -1), 0);
    EXPECT_EQ(reader.readText("DEFAULTMAP1PART", "Partition0.DateFormat"), "dd/mm/yy");
    EXPECT_EQ(reader.readText("DEFAULTMAP2PART", "Partition1.Fixed1"), "\"GPE\">215,216,217");
    EXPECT_EQ(reader.readText("DEFAULTMAP1PART", "Partition1.N0"), "");
}

// ---- every entry written and read back ----

struct ModelMap {
    const char* section;
    std::vector<int> bases;
};

class DefaultMapRoundTrip : public MemoryMapTest, public ::testing::WithParamInterface<ModelMap> {
protected:
    DefaultMapRoundTrip() { section = GetParam().section; }

    // A value within each field's range, different per partition and channel.
    static int32_t valueFor(const std::string& name, int p, int c) {
        if (name == "N") return 1 + (c * 131 + p * 977) % 2047;
        if (name == "A") return (c * 37 + p * 11) % 128;
        if (name == "Sub") return (c * 9 + p * 101) % 256;
        return 0;
    }
};

TEST_P(DefaultMapRoundTrip, EveryEntryKeepsWhatWasWritten) {
    const int partitions = static_cast<int>(GetParam().bases.size());
    struct Param {
        const char* key;
        int32_t value;
    };
    for (int p = 0; p < partitions; ++p) {
        const std::string P = "Partition" + std::to_string(p) + ".";
        for (int c = 0; c < 16; ++c) {
            for (const char* name : {"N", "A", "Sub"}) {
                const std::string key = P + name + std::to_string(c);
                const int32_t value = valueFor(name, p, c);
                ASSERT_FALSE(map.entryOf(key).empty()) << key;
                EXPECT_TRUE(map.WriteMapValue(key, value)) << key;
                EXPECT_EQ(map.ReadMapValue(key), value) << key;
            }
            const std::string r = P + "R" + std::to_string(c);
            const int32_t divider = 1024 + 512 * ((c + p) % 4);
            EXPECT_TRUE(map.WriteMapValue(r, divider)) << r;
            EXPECT_EQ(map.ReadMapValue(r), divider) << r;
        }
        const Param params[] = {
            {"Prescaler", 64},     {"Prescaler", 128},  {"IsReceiver", 0},     {"IsReceiver", 1},
            {"Multiplier", 1},     {"Multiplier", 255}, {"OSCoverRF", 1},      {"OSCoverRF", 0},
            {"MinFreq", 470000},   {"MaxFreq", 65535000}, {"MaxFreq", 865000}, {"XTAL", 65535},
            {"XTAL", 12800},       {"IF", 700000},      {"IF", 10700 + p},
        };
        for (const auto& param : params) {
            const std::string key = P + param.key;
            EXPECT_TRUE(map.WriteMapValue(key, param.value)) << key << "=" << param.value;
            EXPECT_EQ(map.ReadMapValue(key), param.value) << key << "=" << param.value;
        }
        const std::string date = map.entryOf(P + "Date");
        EXPECT_TRUE(map.WriteEntryText(date, p ? "01/02/27" : "06/12/26"));
        EXPECT_EQ(map.ReadEntryText(date), p ? "01/02/27" : "06/12/26");
        EXPECT_EQ(reader.readText(section, P + "DateFormat"), "dd/mm/yy");
    }
    // Options of partition 0.
    for (const char* option : {"HALO7-DC", "HALO7-DDC"}) {
        const std::string address = reader.readText(option, "Address");
        for (int32_t code : {1, 0, 1}) {
            EXPECT_TRUE(map.EncodeEntry(address, code)) << option;
            EXPECT_EQ(map.DecodeEntry(address), code) << option;
        }
    }
    expectNoMessage();

    // Everything still reads back after all the writes: no entry spoils another.
    for (int p = 0; p < partitions; ++p) {
        const std::string P = "Partition" + std::to_string(p) + ".";
        for (int c = 0; c < 16; ++c) {
            for (const char* name : {"N", "A", "Sub"})
                EXPECT_EQ(map.ReadMapValue(P + name + std::to_string(c)), valueFor(name, p, c));
            EXPECT_EQ(map.ReadMapValue(P + "R" + std::to_string(c)), 1024 + 512 * ((15 + p) % 4));
        }
        EXPECT_EQ(map.ReadMapValue(P + "Prescaler"), 128);
        EXPECT_EQ(map.ReadMapValue(P + "IsReceiver"), 1);
        EXPECT_EQ(map.ReadMapValue(P + "Multiplier"), 255);
        EXPECT_EQ(map.ReadMapValue(P + "OSCoverRF"), 0);
        EXPECT_EQ(map.ReadMapValue(P + "MinFreq"), 470000);
        EXPECT_EQ(map.ReadMapValue(P + "MaxFreq"), 865000);
        EXPECT_EQ(map.ReadMapValue(P + "XTAL"), 12800);
        EXPECT_EQ(map.ReadMapValue(P + "IF"), 10700 + p);
        EXPECT_EQ(map.ReadEntryText(map.entryOf(P + "Date")), p ? "01/02/27" : "06/12/26");
    }
    EXPECT_EQ(map.DecodeEntry("127[3]"), 1);
    EXPECT_EQ(map.DecodeEntry("127[2]"), 1);

    // The changed flags are exactly the bytes of the layout.
    std::set<int> layout = {53, 54, 127};
    for (int b : GetParam().bases) {
        for (int offset = 0; offset < 50; ++offset) layout.insert(b + offset);
        for (int offset : {51, 52, 55, 56, 57, 58, 59, 60, 61, 90, 92, 93, 94, 95})
            layout.insert(b + offset);
        for (int offset = 79; offset <= 86; ++offset) layout.insert(b + offset);
        for (int offset = 101; offset <= 116; ++offset) layout.insert(b + offset);
    }
    for (int address = 0; address < 256; ++address)
        EXPECT_EQ(changed(address), layout.count(address) == 1) << "byte " << address;
}

TEST_P(DefaultMapRoundTrip, IdentificationEntriesMatchWhatTheyName) {
    for (int p = 0; p < static_cast<int>(GetParam().bases.size()); ++p) {
        for (int i = 0;; ++i) {
            const std::string value =
                map.entryOf("Partition" + std::to_string(p) + ".Fixed" + std::to_string(i));
            if (value.empty()) break;
            const auto fixed = parseFixedValue(value);
            ASSERT_TRUE(fixed) << value;
            EXPECT_EQ(checkFixedValue(map, value), FixedCheck::Differs) << value;
            if (fixed->isText)
                EXPECT_TRUE(map.WriteEntryText(fixed->entry, fixed->expectedText));
            else
                EXPECT_TRUE(map.EncodeEntry(fixed->entry, fixed->expectedNumber));
            EXPECT_EQ(checkFixedValue(map, value), FixedCheck::Matches) << value;
        }
    }
    expectNoMessage();
}

INSTANTIATE_TEST_SUITE_P(BothModels, DefaultMapRoundTrip,
                         ::testing::Values(ModelMap{"DEFAULTMAP1PART", {0}},
                                           ModelMap{"DEFAULTMAP2PART", {0, 128}}),
                         [](const auto& info) { return std::string(info.param.section); });

TEST(DefaultMapIdentification, ADualGroupImageFailsTheSingleGroupMapOnByte219) {
    auto reader = DescriptionReader::fromText(defaultDescriptionText());
    MemoryImage image;
    image.reset();
    RecordingPrompter prompter;
    std::string section = "DEFAULTMAP2PART";
    MemoryMap map(reader, section, image, prompter);
    image.bytes()[91] = 176;
    image.bytes()[219] = 177;
    EXPECT_TRUE(map.WriteEntryText("87,88,89", "GPE"));
    EXPECT_TRUE(map.WriteEntryText("215,216,217", "GPE"));

    const auto allMatch = [&](int partitions) {
        for (int p = 0; p < partitions; ++p)
            for (int i = 0;; ++i) {
                const std::string value =
                    map.entryOf("Partition" + std::to_string(p) + ".Fixed" + std::to_string(i));
                if (value.empty()) break;
                if (checkFixedValue(map, value) != FixedCheck::Matches) return false;
            }
        return true;
    };
    section = "DEFAULTMAP1PART";
    EXPECT_FALSE(allMatch(1));
    section = "DEFAULTMAP2PART";
    EXPECT_TRUE(allMatch(2));
    image.bytes()[219] = 176;
    section = "DEFAULTMAP1PART";
    EXPECT_TRUE(allMatch(1));
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace quorprog::testing
