// quorprog-cli as a technician runs it: the built executable against quorprog-emu on a
// pseudo-terminal, and on image and channel files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFile>
#include <cstring>
#include <string>
#include <vector>

#include "cli_fixture.h"
#include "files/channel_file.h"
#include "files/channel_file_table.h"

namespace quorprog {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

TEST_F(CliTest, ScanListsTheProgrammerWithItsPort) {
    const auto emulator =
        serveDevice(factoryImage("dual group system"), {"--version", "QUORVEL TEST BOX 2.1"});
    const CliRun result = run({"scan"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "QUORVEL TEST BOX 2.1 on COM1\n");
}

TEST_F(CliTest, ScanWithoutProgrammerFails) {
    const CliRun result = run({"scan"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr("no programmer"));
}

TEST_F(CliTest, ReadSavesTheWholeBankAndPrintsThePlan) {
    const Bytes memory = factoryImage("dual group system");
    const auto emulator = serveDevice(memory, {"--min-delay", "100"});

    const CliRun result = run({"--json", "--log", path("cli.log"), "read", "-o", path("read.bin")});

    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile("read.bin"), memory);
    EXPECT_THAT(result.out, StartsWith("{\"model\":\"dual group system\",\"memoryMap\":"
                                       "\"DEFAULTMAP2PART\",\"groups\":[{\"type\":\"Receiver\""));
    EXPECT_THAT(result.err, HasSubstr("Detected model name: dual group system\n"));
    // Two passes failed before the delay of 100 read bank 0.
    const Bytes log = readFile("cli.log");
    EXPECT_THAT(std::string(log.begin(), log.end()),
                HasSubstr("Reading BANK 00 from memory\nMEMORY ERROR\n"));
    const Bytes trace = readFile("trace.txt");
    EXPECT_THAT(std::string(trace.begin(), trace.end()), HasSubstr("D 64"));
}

TEST_F(CliTest, ReadOfAnUnknownDeviceFailsAndSavesNothing) {
    const auto emulator = serveDevice(Bytes(256, 0xFF));

    const CliRun result = run({"read", "-o", path("read.bin")});

    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr("ERROR: Memory communication failure!\nCheck cable and "
                                      "connections, then retry!\n"));
    EXPECT_FALSE(QFile::exists(path("read.bin")));
}

TEST_F(CliTest, ProgramWritesTheChannelFileIntoTheDevice) {
    const ChannelFile plan = shiftedPlan(1000);
    writeFile("plan.qvm", serializeChannelFile(plan));
    const auto emulator = serveDevice(factoryImage("dual group system"));

    const CliRun result = run({"--yes", "program", path("plan.qvm")});

    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.err, HasSubstr("INFORMATION: File successfully read!\n"));
    EXPECT_THAT(result.err, HasSubstr("Data successfully written to device!\n"));
    DecodedImage device(readFile("device.bin"));
    ASSERT_EQ(device.detection, Detection::Identified);
    for (size_t p = 0; p < plan.groups.size(); ++p) {
        std::vector<float> programmed = device.session.table().Frequency[p];
        EXPECT_EQ(programmed, plan.groups[p].frequencies) << "group " << p;
    }
}

TEST_F(CliTest, ProgramWithoutTerminalOrYesWritesNothing) {
    writeFile("plan.qvm", serializeChannelFile(shiftedPlan(1000)));
    const Bytes memory = factoryImage("dual group system");
    const auto emulator = serveDevice(memory);

    const CliRun result = run({"program", path("plan.qvm")});

    EXPECT_EQ(result.status, 1);
    EXPECT_THAT(result.err, HasSubstr("WARNING: Are you sure you want to overwrite data to "
                                      "wireless device?"));
    EXPECT_EQ(readFile("device.bin"), memory);
}

TEST_F(CliTest, ProgramOfAnotherModelsFileNeedsAMap) {
    ChannelFile single =
        channelFileFromTable(DecodedImage(factoryImage("single group system")).session.table(), 0);
    writeFile("single.qvm", serializeChannelFile(single));
    const auto emulator = serveDevice(factoryImage("dual group system"));

    const CliRun refused = run({"--yes", "program", path("single.qvm")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_THAT(refused.err, HasSubstr("--map"));

    const CliRun mapped = run({"--yes", "program", "--map", "0:1", path("single.qvm")});
    ASSERT_EQ(mapped.status, 0) << mapped.err;
    DecodedImage device(readFile("device.bin"));
    ASSERT_EQ(device.detection, Detection::Identified);
    EXPECT_EQ(device.session.table().Frequency[1], single.groups[0].frequencies);
}

TEST_F(CliTest, ProgramDryRunPrintsWhatTheWriteWouldChangeAndSendsNoWrite) {
    writeFile("plan.qvm", serializeChannelFile(shiftedPlan(1000)));
    const Bytes memory = factoryImage("dual group system");
    const auto emulator = serveDevice(memory);

    const CliRun result = run({"--json", "program", "--dry-run", path("plan.qvm")});

    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, StartsWith("{\"changes\":[{\"group\":0,\"channel\":0,\"field\":"
                                       "\"frequency\",\"old\":470,\"new\":471},"));
    EXPECT_EQ(readFile("device.bin"), memory);
    const Bytes trace = readFile("trace.txt");
    EXPECT_THAT(std::string(trace.begin(), trace.end()), Not(HasSubstr("> W ")));
    // The read was kept as a backup.
    const CliRun listed = run({"--json", "backups"});
    EXPECT_THAT(listed.out, StartsWith("{\"backups\":[{\"file\":"));
    EXPECT_THAT(listed.out, HasSubstr("\"model\":\"dual group system\",\"kind\":\"read\""));
    EXPECT_EQ(QDir(path("data/quorprog/backups")).entryList(QDir::Files).size(), 1);
}

TEST_F(CliTest, DiffTellsEqualFromDifferentImagesOfOneModel) {
    Bytes edited = factoryImage("dual group system");
    edited[100] = 7;
    writeFile("a.bin", factoryImage("dual group system"));
    writeFile("b.bin", edited);
    writeFile("single.bin", factoryImage("single group system"));
    const struct {
        QStringList arguments;
        int status;
        const char* out;
    } cases[] = {
        {{"diff", path("a.bin"), path("a.bin")}, 0, "Nothing to change.\n"},
        {{"diff", path("a.bin"), path("b.bin")}, 3, "other bytes\n  100: 0 \u2192 7\n"},
        {{"--json", "diff", path("a.bin"), path("b.bin")}, 3,
         "{\"changes\":[{\"address\":100,\"old\":0,\"new\":7}]}\n"},
        {{"diff", path("a.bin"), path("single.bin")}, 1, ""},
        {{"diff", path("a.bin"), path("absent.bin")}, 1, ""},
    };
    for (const auto& c : cases) {
        const CliRun result = run(c.arguments);
        EXPECT_EQ(result.status, c.status) << c.arguments.join(' ').toStdString() << result.err;
        EXPECT_EQ(result.out, c.out) << c.arguments.join(' ').toStdString();
    }
}

TEST_F(CliTest, RestoreRefusesAForeignImageAndAWriteWithoutBackupUnlessToldSo) {
    const Bytes memory = factoryImage("dual group system");
    Bytes saved = memory;
    saved[10] ^= 0x04;  // channel 3's counter N
    writeFile("saved.bin", saved);
    writeFile("single.bin", factoryImage("single group system"));
    const auto emulator = serveDevice(memory);

    const CliRun foreign = run({"--yes", "restore", path("single.bin")});
    EXPECT_EQ(foreign.status, 1);
    EXPECT_THAT(foreign.err, HasSubstr("not an image of the connected device's model"));

    // A file where the backup folder should be: the write stops before any byte.
    ASSERT_TRUE(QDir(path("data/quorprog/backups")).removeRecursively());
    writeFile("data/quorprog/backups", Bytes{1});
    const CliRun unsaved = run({"--yes", "restore", path("saved.bin")});
    EXPECT_EQ(unsaved.status, 1);
    EXPECT_THAT(unsaved.err, HasSubstr("ERROR: The device could not be backed up:"));
    EXPECT_EQ(readFile("device.bin"), memory);

    const CliRun restored = run({"--yes", "--no-backup", "restore", path("saved.bin")});
    ASSERT_EQ(restored.status, 0) << restored.err;
    const CliRun left = run({"diff", path("saved.bin"), path("device.bin")});
    EXPECT_THAT(left.out, Not(HasSubstr("channel")));
    EXPECT_THAT(left.out, HasSubstr("programming date: - \u2192 "));
}

// A model of two banks (MemorySize 512): a restore whose only changes lie in bank 1 selects that
// bank and writes them there.
TEST_F(CliTest, RestoreOfATwoBankModelWritesItsSecondBank) {
    writeFile("two banks.cfg", twoBankDescription());
    const Bytes memory = twoBankDevice();
    Bytes saved = memory;
    saved[300] ^= 0xFF;
    saved[511] ^= 0x0F;
    writeFile("saved.bin", saved);
    const auto emulator = serveDevice(memory);

    const CliRun result =
        run({"--description", path("two banks.cfg"), "--yes", "restore", path("saved.bin")});

    ASSERT_EQ(result.status, 0) << result.err;
    const Bytes device = readFile("device.bin");
    ASSERT_EQ(device.size(), 512u);
    EXPECT_TRUE(std::equal(device.begin() + 256, device.end(), saved.begin() + 256));
    const Bytes trace = readFile("trace.txt");
    EXPECT_THAT(std::string(trace.begin(), trace.end()), HasSubstr("> W 12C "));
}

TEST_F(CliTest, ShowIdentifiesFactoryImages) {
    writeFile("single.bin", factoryImage("single group system"));
    const CliRun text = run({"show", path("single.bin")});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(text.out, StartsWith("Model: single group system (memory map DEFAULTMAP1PART)\n"));

    const CliRun json = run({"--json", "show", path("single.bin")});
    EXPECT_EQ(json.status, 0);
    EXPECT_THAT(json.out, HasSubstr("\"type\":\"Transmitter\",\"xtal\":12800"));
    EXPECT_THAT(json.out, HasSubstr("\"channels\":[{\"frequency\":"));
}

TEST_F(CliTest, ShowOfAnUnknownImageFails) {
    writeFile("blank.bin", Bytes(256, 0xFF));
    const CliRun result = run({"show", path("blank.bin")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_THAT(result.err, HasSubstr("no model"));
}

TEST_F(CliTest, MapWriteStoresInPlaceAndListsTheAddresses) {
    writeFile("dual.bin", factoryImage("dual group system"));

    const CliRun write =
        run({"--json", "map", "write", path("dual.bin"), "--key", "Partition0.MinFreq", "480000"});
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out, "{\"ok\":true,\"changed\":[56,57]}\n");
    EXPECT_EQ(readFile("dual.bin").size(), 256u);

    const CliRun read =
        run({"--json", "map", "read", path("dual.bin"), "--key", "Partition0.MinFreq"});
    EXPECT_EQ(read.status, 0);
    EXPECT_EQ(read.out, "{\"value\":480000}\n");
}

TEST_F(CliTest, MapOnAHandMadeImageNeedsItsSection) {
    Bytes bytes(300, 0);  // not whole banks: a write keeps the file's length
    bytes[87] = 'G', bytes[88] = 'P', bytes[89] = 'E', bytes[90] = '"';
    writeFile("hand.bin", bytes);

    const CliRun unnamed = run({"map", "text", path("hand.bin"), "--entry", "87,88,89"});
    EXPECT_EQ(unnamed.status, 1);
    EXPECT_THAT(unnamed.err, HasSubstr("--section"));

    const CliRun text = run({"--json", "map", "text", path("hand.bin"), "--entry", "87,88,89,90",
                             "--section", "DEFAULTMAP2PART"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, "{\"text\":\"GPE\\\"\"}\n");

    const CliRun entry =
        run({"map", "read", path("hand.bin"), "--entry", "88", "--section", "DEFAULTMAP2PART"});
    EXPECT_EQ(entry.status, 0);
    EXPECT_EQ(entry.out, "80\n");

    const CliRun write = run({"map", "write", path("hand.bin"), "--entry", "200", "--section",
                              "DEFAULTMAP2PART", "0x41"});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out, "stored at 200\n");
    const Bytes written = readFile("hand.bin");
    ASSERT_EQ(written.size(), 300u);
    EXPECT_EQ(written[200], 0x41);

    // Addresses run to 255: nothing is stored and the file stays as it was.
    const CliRun outside = run({"map", "write", path("hand.bin"), "--entry", "20,299", "--section",
                                "DEFAULTMAP2PART", "1"});
    EXPECT_EQ(outside.status, 1);
    EXPECT_THAT(outside.err, HasSubstr("ERROR: Writing data byte on flash out of memory map!"));
    EXPECT_EQ(readFile("hand.bin"), written);
}

TEST_F(CliTest, QvmPrintsTheFileUnderItsLayoutNames) {
    writeFile("plan.qvm", serializeChannelFile(shiftedPlan(0)));
    const CliRun result = run({"--json", "qvm", path("plan.qvm")});
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.out, StartsWith("{\"magic\":\"QVM00\",\"time\":0,\"modelIdentifier\":"
                                       "\"DEFAULTMAP2PART\",\"PartitionCount\":2,\"groups\":"));

    // A decimal-comma desktop changes nothing; the file's identifier never reaches the terminal
    // raw and never breaks the JSON.
    ChannelFile odd = shiftedPlan(0);
    odd.modelIdentifier = "MAP\xE9\x1B[2J";
    odd.groups[0].frequencies[0] = 470012.5f;
    writeFile("odd.qvm", serializeChannelFile(odd));
    const CliRun json = run({"--json", "qvm", path("odd.qvm")}, "it_IT.UTF-8");
    EXPECT_THAT(json.out, HasSubstr("\"modelIdentifier\":\"MAP\\u00e9\\u001b[2J\""));
    EXPECT_THAT(json.out, HasSubstr("\"Frequency\":[470012.5,"));
    const CliRun text = run({"qvm", path("odd.qvm")}, "it_IT.UTF-8");
    EXPECT_THAT(text.out, HasSubstr("model identifier: MAP\\xE9\\x1B[2J\n"));
    EXPECT_THAT(text.out, HasSubstr("  00  470012.5 "));
    EXPECT_THAT(text.out, HasSubstr("470.000-790.000 MHz"));

    writeFile("junk.qvm", Bytes{'N', 'O', 'T', 'Q', 'V', 'M'});
    const CliRun junk = run({"qvm", path("junk.qvm")});
    EXPECT_EQ(junk.status, 1);
    EXPECT_THAT(junk.err, HasSubstr("ERROR: This file seems to be corrupt"));
}

// Group 0 holds the two third-order products of 469000, 470400 and 471850 kHz, each 50 kHz
// from a channel: 2 x 470400 - 469000 = 471800 and 2 x 470400 - 471850 = 468950.
ChannelFile plainPlan(std::vector<float> group0) {
    ChannelFile plan = shiftedPlan(0);
    plan.groups[0].frequencies = std::move(group0);
    plan.groups[0].subtoneCodes.assign(plan.groups[0].frequencies.size(), 0);
    return plan;
}

TEST_F(CliTest, CheckListsConflictsFromAChannelFileOrItsCsv) {
    writeFile("plan.qvm", serializeChannelFile(plainPlan({469000, 0, 470400, 471850})));

    const CliRun json = run({"check", path("plan.qvm"), "--group", "0", "--json"});
    EXPECT_EQ(json.status, 3) << json.err;
    const std::string expected =
        "{\"groups\":[{\"group\":0,\"compatible\":false,\"conflicts\":["
        "{\"channel\":0,\"frequency\":469000,\"kind\":\"im3\",\"sources\":[470400,471850],"
        "\"product\":468950,\"distance\":50},"
        "{\"channel\":3,\"frequency\":471850,\"kind\":\"im3\",\"sources\":[470400,469000],"
        "\"product\":471800,\"distance\":50}]}]}\n";
    EXPECT_EQ(json.out, expected);

    ASSERT_EQ(run({"export-csv", path("plan.qvm"), "-o", path("plan.csv")}).status, 0);
    const Bytes csv = readFile("plan.csv");
    EXPECT_THAT(std::string(csv.begin(), csv.end()),
                StartsWith("group,channel,frequency_khz,subtone\n0,0,469000,0\n0,1,0,0\n"));
    EXPECT_EQ(run({"--json", "check", path("plan.csv"), "--group", "0"}).out, expected);

    const CliRun relaxed = run({"check", path("plan.qvm"), "--group=0", "--im3", "49.5"});
    EXPECT_EQ(relaxed.status, 0) << relaxed.err;
    EXPECT_EQ(relaxed.out, "Group 0: compatible\n");
}

TEST_F(CliTest, CheckOfARawImageSeesTheReceiverImage) {
    // Group 1 of the factory device is a receiver with a 10.7 MHz IF, oscillator below: a
    // transmitter 21.4 MHz under its first channel is on that channel's image.
    writeFile("dual.bin", factoryImage("dual group system"));
    const CliRun result = run({"check", path("dual.bin"), "--group", "1", "--spacing", "100",
                               "--im3", "0", "--im3x3", "0", "--with", "584600"});
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_THAT(result.out, StartsWith("Group 1: 1 conflict\n  channel 00 at 606000 kHz: image at "
                                       "584600 kHz, 0 kHz from 584600 kHz\n"));
}

TEST_F(CliTest, CoordinateOnAGridSaysHowManyFit) {
    const CliRun few = run({"coordinate", "--from", "600000", "--to", "601000", "--step", "100",
                            "--count", "5", "--im3", "0", "--im3x3", "0"});
    EXPECT_EQ(few.status, 3);
    EXPECT_EQ(few.out, "600000\n600400\n600800\n");
    EXPECT_THAT(few.err, HasSubstr("only 3 of 5 compatible channels found"));

    const CliRun json = run({"--json", "coordinate", "--from", "470000", "--to", "470100", "--step",
                             "12.5", "--count", "1", "--keep", "470012.5"});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out, "{\"frequencies\":[470012.5],\"requested\":1,\"found\":1}\n");
}

TEST_F(CliTest, CoordinateMakesOneGroupOfAPlanCompatible) {
    ChannelFile plan = shiftedPlan(0);
    for (size_t c = 0; c < plan.groups[1].frequencies.size(); ++c)
        plan.groups[1].frequencies[c] = 606000.0f + 1000.0f * static_cast<float>(c);
    writeFile("plan.qvm", serializeChannelFile(plan));

    const CliRun result = run({"coordinate", path("plan.qvm"), "--group", "1", "-o",
                               path("out.qvm"), "--exclude", "620000-630000"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_THAT(result.out, StartsWith("channel 02: 608000 -> "));
    const ChannelFileParse written = parseChannelFile(readFile("out.qvm"));
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.file.groups[0], plan.groups[0]);
    EXPECT_EQ(written.file.groups[1].frequencies[0], 606000.0f);  // channels that fit stay
    EXPECT_EQ(written.file.groups[1].frequencies[1], 607000.0f);
    const CliRun check =
        run({"check", path("out.qvm"), "--group", "1", "--exclude", "620000-630000"});
    EXPECT_EQ(check.status, 0) << check.out;

    const CliRun crowded = run({"coordinate", path("plan.qvm"), "--group", "1", "-o",
                                path("none.qvm"), "--exclude", "400000-800000"});
    EXPECT_EQ(crowded.status, 3);
    EXPECT_THAT(crowded.err, HasSubstr("only 0 of 16 compatible channels found"));
    EXPECT_FALSE(QFile::exists(path("none.qvm")));
}

TEST_F(CliTest, ImportCsvTakesFrequenciesOnTheGroupsStepAndRange) {
    writeFile("plan.qvm", serializeChannelFile(shiftedPlan(0)));
    const auto csv = [&](const char* lines, QStringList more = {}) {
        writeFile("in.csv", Bytes(lines, lines + std::strlen(lines)));
        return run(QStringList{"import-csv", path("in.csv"), "--into", path("plan.qvm"), "-o",
                               path("out.qvm")} +
                   more);
    };

    // As a spreadsheet saves it: a byte order mark, quotes, blanks, CR LF, a blank last line.
    const CliRun good = csv(
        "\xEF\xBB\xBF\"group\",\"channel\",\"frequency_khz\",\"subtone\"\r\n"
        "1, 15, \"790000\" ,0\r\n0,2,470012.5,7\r\n\r\n");
    ASSERT_EQ(good.status, 0) << good.err;
    const ChannelFileParse written = parseChannelFile(readFile("out.qvm"));
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written.file.groups[0].frequencies[2], 470012.5f);
    EXPECT_EQ(written.file.groups[1].frequencies[15], 790000.0f);
    EXPECT_EQ(written.file.groups[0].subtoneCodes, shiftedPlan(0).groups[0].subtoneCodes);
    QFile::remove(path("out.qvm"));

    const struct {
        const char* lines;
        QStringList more;
        int status;
        const char* message;
    } refused[] = {
        {"group,channel,frequency_khz,subtone\n0,2,470006.25,0\n", {}, 1,
         "line 2: 470006.25 kHz is not on the 12.5 kHz channel step of group 0"},
        {"group,channel,frequency_khz,subtone\n0,1,470000,0\n0,2,469987.5,0\n", {}, 1,
         "line 3: 469987.5 kHz is outside the range of group 0"},
        {"group,channel,frequency_khz,subtone\n0,16,470000,0\n", {}, 1,
         "line 2: group 0 has no channel 16"},
        {"group,channel,frequency_khz,subtone\n0,1,470012,5,0\n", {}, 1,
         "line 2: wants 4 values"},
        {"group;channel;frequency_khz;subtone\n", {}, 1, "line 1: the header is not"},
        {"group,channel,frequency_khz,subtone\n0,2,\"470012.5\"x,0\n", {}, 1,
         "line 2, column 3: text after the closing quote"},
        // Values a channel file cannot keep are refused, never rounded.
        {"group,channel,frequency_khz,subtone\n0,2,0.0004,0\n", {}, 1,
         "line 2, column 3 (frequency_khz): \"0.0004\" is not kHz"},
        {"group,channel,frequency_khz,subtone\n0,2,500000.001,0\n", {"--step", "0.001"}, 1,
         "line 2, column 3 (frequency_khz): 500000.001 kHz cannot be kept exactly"},
        {"group,channel,frequency_khz,subtone\n0,2,470000,0\n", {"--step", "0.0004"}, 2,
         "--step 0.0004 is finer than 1 Hz"},
        {"group,channel,frequency_khz,subtone\n0,2,470000,0\n", {"--step", "0"}, 2,
         "--step must be at least 0.001 kHz"},
    };
    for (const auto& row : refused) {
        const CliRun result = csv(row.lines, row.more);
        EXPECT_EQ(result.status, row.status) << row.lines << result.err;
        EXPECT_THAT(result.err, HasSubstr(row.message));
        EXPECT_FALSE(QFile::exists(path("out.qvm"))) << row.lines;
    }
}

// check and sheet take a CSV by its name or its first field, and tell a broken one as a CSV.
TEST_F(CliTest, CheckAndSheetSayWhatIsWrongWithACsv) {
    const char* broken = "\xEF\xBB\xBF\"group\",channel,frequency_khz,subtone\n0,0,47\"0000,0\n";
    writeFile("broken.csv", Bytes(broken, broken + std::strlen(broken)));
    writeFile("broken", Bytes(broken, broken + std::strlen(broken)));
    for (const char* command : {"check", "sheet"}) {
        for (const char* name : {"broken.csv", "broken"}) {
            QStringList arguments{command, path(name)};
            if (QString(command) == "sheet") arguments << "-o" << path("sheet.pdf");
            const CliRun result = run(arguments);
            EXPECT_EQ(result.status, 1) << command << " " << name;
            EXPECT_THAT(result.err, HasSubstr("line 2, column 3: a quote inside a field"));
            EXPECT_THAT(result.err, Not(HasSubstr("fewer bytes")));
        }
    }
    const char* large = "group,channel,frequency_khz,subtone\n";
    Bytes huge(large, large + std::strlen(large));
    huge.resize(2 * 1024 * 1024, '\n');
    writeFile("huge.csv", huge);
    EXPECT_THAT(run({"check", path("huge.csv")}).err, HasSubstr("larger than 1 MiB"));
}

TEST_F(CliTest, HelpAndVersion) {
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, StartsWith("Usage: quorprog-cli [global options] COMMAND"));
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quorprog-cli 1.0.0.7\n");
}

class CliUsage : public CliTest, public ::testing::WithParamInterface<std::vector<const char*>> {};

TEST_P(CliUsage, WrongCommandLineExitsWithTwo) {
    QStringList arguments;
    for (const char* argument : GetParam()) arguments << argument;
    const CliRun result = run(arguments);
    EXPECT_EQ(result.status, 2) << result.err;
    EXPECT_THAT(result.err, HasSubstr("--help"));
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CliUsage,
    ::testing::Values(
        std::vector<const char*>{}, std::vector<const char*>{"frob"},
        std::vector<const char*>{"--bogus", "scan"}, std::vector<const char*>{"scan", "extra"},
        std::vector<const char*>{"read", "-p", "0"}, std::vector<const char*>{"read", "-o"},
        std::vector<const char*>{"show"}, std::vector<const char*>{"map", "read", "x.bin"},
        std::vector<const char*>{"map", "read", "x.bin", "--key", "a", "--entry", "1"},
        std::vector<const char*>{"map", "write", "x.bin", "--key", "a", "ten"},
        std::vector<const char*>{"map", "text", "x.bin", "--key", "a"},
        std::vector<const char*>{"map", "erase", "x.bin"}, std::vector<const char*>{"program"},
        std::vector<const char*>{"program", "--map", "1", "f.qvm"},
        std::vector<const char*>{"program", "--map", "0:1,0:0", "f.qvm"},
        std::vector<const char*>{"--log"}, std::vector<const char*>{"diff", "a.bin"},
        std::vector<const char*>{"restore"}, std::vector<const char*>{"backups", "x"},
        std::vector<const char*>{"check"},
        std::vector<const char*>{"check", "p.qvm", "--exclude", "614000-606000"},
        std::vector<const char*>{"check", "p.qvm", "--im3", "0,1"},
        std::vector<const char*>{"check", "p.qvm", "--group", "-1"},
        std::vector<const char*>{"coordinate", "--from", "470000", "--to", "790000", "--count",
                                 "8"},
        std::vector<const char*>{"coordinate", "--from", "0", "--to", "1000", "--step", "12.5",
                                 "--count", "3"},
        std::vector<const char*>{"coordinate", "--from", "790000", "--to", "470000", "--step", "25",
                                 "--count", "8"},
        std::vector<const char*>{"coordinate", "--from", "470000", "--to", "470100", "--step", "25",
                                 "--count", "1", "--keep", "470000", "--keep", "470050"},
        std::vector<const char*>{"coordinate", "p.qvm", "-o", "out.qvm"},
        std::vector<const char*>{"export-csv", "p.qvm"},
        std::vector<const char*>{"spectrum", "p.qvm"},
        std::vector<const char*>{"spectrum", "p.qvm", "-o", "out.bmp"},
        std::vector<const char*>{"spectrum", "p.qvm", "--size", "100x900", "-o", "out.png"},
        std::vector<const char*>{"import-csv", "p.csv", "-o", "out.qvm"}),
    [](const auto& info) { return "Line" + std::to_string(info.index); });

}  // namespace
}  // namespace quorprog
