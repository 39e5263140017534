#include "programmer/programmer_link.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "description/memory_image.h"
#include "fakes/link_recorders.h"
#include "fakes/recording_prompter.h"
#include "fakes/scripted_serial_line.h"

namespace quorprog {
namespace {

using testing::RecordingLog;
using testing::RecordingProgressView;
using testing::RecordingPrompter;
using testing::ScriptedSerialLine;
using Answers = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kVersionLine = "QUORVEL PRG 2.1";

Bytes bankBytes(uint8_t seed) {
    Bytes bytes(256);
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + seed);
    return bytes;
}

std::string rowLine(const std::string& prefix, const uint8_t* bytes) {
    std::string line = prefix + " ";
    for (int j = 0; j < 16; ++j) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X ", bytes[j]);
        line += pair;
    }
    return line;
}

// The rows of a bank read; `replaced` puts another line in place of one row.
std::string bankAnswer(unsigned bank, const Bytes& bytes, int replacedRow = -1,
                       const std::string& replacement = "") {
    std::string answer;
    for (int row = 0; row < 16; ++row) {
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "%u:%X0-", bank, row);
        answer += "\r\n" + (row == replacedRow ? replacement : rowLine(prefix, &bytes[row * 16]));
    }
    return answer + "\r\n>";
}

Answers programmerAnswers() {
    return {
        {"*", "\r\nQuorvel box ready\r\n>"}, {"V", std::string("\r\n") + kVersionLine + "\r\n>"},
        {"S", "\r\nBATTERY=5\r\n>"},         {"T", "\r\nTYPES=24C01,24C02,24C16\r\n>"},
        {"B 0\n", "\r\nBANK=0\r\n>"},        {"B 1\n", "\r\nBANK=1\r\n>"}};
}

Answers with(Answers answers, const Answers& more) {
    answers.insert(answers.begin(), more.begin(), more.end());
    return answers;
}

class ProgrammerLinkTest : public ::testing::Test {
  protected:
    // A programmer on COM3 found by a scan and chosen, with the records cleared after the scan.
    void chooseProgrammer(const Answers& answers) {
        line.port("COM3", answers);
        ASSERT_EQ(link.ScanProgrammers(), 1);
        link.SelectProgrammer(0);
        log.clear();
        line.sent.clear();
        line.opens.clear();
    }

    ScriptedSerialLine line;
    RecordingLog log;
    RecordingPrompter prompter;
    RecordingProgressView progress;
    ProgrammerLink link{line, log, prompter, progress};
    Bytes destination = Bytes(256, 0xEE);
};

TEST_F(ProgrammerLinkTest, ScanListsTheProgrammerOnCom3Only) {
    line.port("COM3", programmerAnswers());
    EXPECT_EQ(link.ScanProgrammers(), 1);
    EXPECT_EQ(log.text(),
              "Scanning COM ports for available programmers...\n"
              "ERROR: PORT COM1 NOT OPENED!\n"
              "ERROR: PORT COM2 NOT OPENED!\n"
              "Serial connection successfully opened on port COM3\n"
              "HELLO MESSAGE RECEIVED:\nQuorvel box ready\n"
              "VERSION: QUORVEL PRG 2.1\n"
              "SERIAL PORT CLOSED.\n"
              "ERROR: PORT COM4 NOT OPENED!\n"
              "Scan ended!\n");
    EXPECT_EQ(link.ProgrammerEntries(), std::vector<std::string>{"QUORVEL PRG 2.1 on COM3"});
    EXPECT_EQ(link.ProgrammerPorts(), std::vector<std::string>{"COM3"});
    EXPECT_EQ(line.sent, "*V");
    EXPECT_EQ(line.opens, (std::vector<std::string>{"COM1", "COM2", "COM3", "COM4"}));
    EXPECT_EQ(link.SelectedProgrammer(), -1);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(progress.maximum, 4);
    EXPECT_EQ(progress.position, 4);
    EXPECT_EQ(progress.shows, 1);
    EXPECT_FALSE(progress.visible);
}

TEST_F(ProgrammerLinkTest, ScanSkipsWrongVersionsAndSilentPorts) {
    line.port("COM1", {{"*", "ACME>"}, {"V", "\r\nACME LOADER 1.0\r\n>"}});
    line.port("COM2");
    line.port("COM4", programmerAnswers());
    EXPECT_EQ(link.ScanProgrammers(), 1);
    EXPECT_NE(log.text().find("WRONG VERSION: ACME LOADER 1.0\n"), std::string::npos);
    EXPECT_EQ(link.ProgrammerPorts(), std::vector<std::string>{"COM4"});
    // The silent COM2 got the greeting only.
    EXPECT_EQ(line.sent,
              "*V*"
              "*V");
}

TEST_F(ProgrammerLinkTest, ScanWithAPortOpenChangesNothing) {
    chooseProgrammer(programmerAnswers());
    ASSERT_TRUE(link.OpenProgrammer());
    line.sent.clear();
    EXPECT_EQ(link.ScanProgrammers(), 0);
    EXPECT_EQ(link.ProgrammerPorts(), std::vector<std::string>{"COM3"});
    EXPECT_EQ(link.SelectedProgrammer(), 0);
    EXPECT_EQ(line.sent, "");
}

TEST_F(ProgrammerLinkTest, OpeningWithoutAChoiceTellsTheUser) {
    line.port("COM3", programmerAnswers());
    link.ScanProgrammers();
    EXPECT_FALSE(link.OpenProgrammer());
    link.SelectProgrammer(1);
    EXPECT_FALSE(link.OpenProgrammer());
    EXPECT_EQ(prompter.lines(), std::vector<std::string>(2, "ERROR: Please select a programmer!"));
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(ProgrammerLinkTest, BatteryLevelOpensGreetsQueriesAndCloses) {
    chooseProgrammer(programmerAnswers());
    EXPECT_EQ(link.BatteryLevel(), 5);
    EXPECT_EQ(line.opens, std::vector<std::string>{"COM3+handshake"});
    EXPECT_EQ(line.sent, "**S");
    EXPECT_FALSE(link.IsOpen());
    // The second greeting's prompt is taken by Hello itself, so the extra prompt wait after it
    // ends by time-out.
    EXPECT_EQ(line.timeouts, 1);
}

TEST_F(ProgrammerLinkTest, BatteryLevelOnAnOpenPortOnlyQueries) {
    chooseProgrammer(with(programmerAnswers(), {{"S", "\r\nBATTERY=c\r\n>"}}));
    ASSERT_TRUE(link.OpenProgrammer());
    line.sent.clear();
    EXPECT_EQ(link.BatteryLevel(), 12);
    EXPECT_EQ(line.sent, "S");
    EXPECT_TRUE(link.IsOpen());
}

TEST_F(ProgrammerLinkTest, BatteryIsZeroWhenThePortWillNotOpen) {
    chooseProgrammer(programmerAnswers());
    line.unplug("COM3");
    EXPECT_EQ(link.BatteryLevel(), 0);
    EXPECT_EQ(log.text(), "ERROR: PORT COM3 NOT OPENED!\n");
}

TEST_F(ProgrammerLinkTest, BatteryAnswersParseAsOneHexDigitOrGiveMinusOne) {
    struct Case {
        const char* answer;
        int level;
    };
    // Blanks before the digit are skipped, as a scan for one hexadecimal digit does.
    const Case cases[] = {{"\r\nBATTERY= 5\r\n>", 5},
                          {"", -1},
                          {"\r\n>", -1},
                          {"\r\nBATTERY=\r\n>", -1},
                          {"\r\nBATTERY= \r\n>", -1},
                          {"\r\nBATTERY=G\r\n>", -1},
                          {"\r\nbattery=5\r\n>", -1},
                          {"\r\nLOW\r\n>", -1}};
    for (const Case& c : cases) {
        ScriptedSerialLine wire;
        ProgrammerLink fresh{wire, log, prompter, progress};
        wire.port("COM1", with(programmerAnswers(), {{"S", c.answer}}));
        ASSERT_EQ(fresh.ScanProgrammers(), 1);
        fresh.SelectProgrammer(0);
        EXPECT_EQ(fresh.BatteryLevel(), c.level) << c.answer;
        EXPECT_FALSE(fresh.IsOpen());
    }
}

TEST_F(ProgrammerLinkTest, BankReadStoresTheBankAndTracesIt) {
    const Bytes bank = bankBytes(3);
    chooseProgrammer(with(programmerAnswers(), {{"R\n", bankAnswer(0, bank)}}));
    link.SetBankDestination(destination);
    EXPECT_TRUE(link.ReadBank(0));
    EXPECT_EQ(destination, bank);
    EXPECT_EQ(line.sent, "*TB 0\nR\n");
    EXPECT_EQ(log.text(),
              "Serial connection successfully opened on port COM3\n"
              "HELLO MESSAGE RECEIVED:\nQuorvel box ready\n"
              "Reading BANK 00 from memory\n"
              "SERIAL PORT CLOSED.\n");
    EXPECT_EQ(progress.maximum, 16);
    EXPECT_EQ(progress.position, 16);
    EXPECT_FALSE(progress.visible);
    EXPECT_EQ(line.timeouts, 0);
}

TEST_F(ProgrammerLinkTest, DelayGoesOutWithAtLeastTwoDigits) {
    struct Case {
        int delay;
        const char* command;
        const char* answer;
    };
    const Case cases[] = {{200, "D C8\n", "\r\nDELAY=C8\r\n>"},
                          {400, "D 190\n", "\r\nDELAY=190\r\n>"},
                          {5, "D 05\n", "\r\nDELAY=05\r\n>"}};
    for (const Case& c : cases) {
        ScriptedSerialLine wire;
        ProgrammerLink fresh{wire, log, prompter, progress};
        wire.port("COM1", with(programmerAnswers(),
                               {{c.command, c.answer}, {"R\n", bankAnswer(0, bankBytes(0))}}));
        fresh.ScanProgrammers();
        fresh.SelectProgrammer(0);
        fresh.SetDelay(c.delay);
        fresh.SetBankDestination(destination);
        wire.sent.clear();
        EXPECT_TRUE(fresh.ReadBank(0)) << c.delay;
        EXPECT_EQ(wire.sent, std::string("*T") + c.command + "B 0\nR\n");
        EXPECT_EQ(fresh.GetDelay(), c.delay);
    }
}

TEST_F(ProgrammerLinkTest, RowFaultsEndTheReadWithTheirLogLine) {
    struct Case {
        const char* line;
        const char* logLine;
    };
    const Case cases[] = {
        {"1:B0- 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 ",
         "ERROR READING ROWS ALIGNMENT!\n"},
        {"1:A0-MEM ERROR", "MEMORY ERROR\n"},
        {"1:A0- 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0", "ERROR READING DATA ON ROWS!\n"},
    };
    const Bytes bank = bankBytes(9);
    for (const Case& c : cases) {
        ScriptedSerialLine wire;
        RecordingLog rowLog;
        ProgrammerLink fresh{wire, rowLog, prompter, progress};
        wire.port("COM2", with(programmerAnswers(), {{"R\n", bankAnswer(1, bank, 10, c.line)}}));
        fresh.ScanProgrammers();
        fresh.SelectProgrammer(0);
        Bytes target(256, 0xEE);
        fresh.SetBankDestination(target);
        rowLog.clear();
        EXPECT_FALSE(fresh.ReadBank(1)) << c.line;
        EXPECT_EQ(rowLog.text(),
                  "Serial connection successfully opened on port COM2\n"
                  "HELLO MESSAGE RECEIVED:\nQuorvel box ready\n"
                  "Reading BANK 01 from memory\n" +
                      std::string(c.logLine) + "SERIAL PORT CLOSED.\n");
        // Rows before the faulty one stay stored, the rest is untouched.
        EXPECT_TRUE(std::equal(bank.begin(), bank.begin() + 160, target.begin()));
        EXPECT_EQ(Bytes(target.begin() + 160, target.end()), Bytes(96, 0xEE));
        EXPECT_EQ(progress.position, 10);
    }
}

// Only the whole line confirms a delay or a bank. An empty or cut answer may be a command the
// box never took (lost on the line): a box left on its bank would give the rows, or take the
// bytes, of another bank. The read ends before its rows are asked for.
TEST_F(ProgrammerLinkTest, DelayAndBankNeedTheirWholeLine) {
    struct Case {
        const char* command;
        const char* answer;
    };
    const Case cases[] = {
        {"D C8\n", "\r\nDELAY=C9\r\n>"}, {"D C8\n", ""},
        {"D C8\n", "\r\nDELAY=C\r\n>"},  {"D C8\n", "\r\n>"},
        {"B 0\n", "\r\nBANK=1\r\n>"},    {"B 0\n", ""},
        {"B 0\n", "\r\nBANK=\r\n>"},     {"B 0\n", "\r\nBA"},
        {"B 0\n", "\r\n>"},               {"B 0\n", "\r\nBANK=00\r\n>"},
    };
    for (const Case& c : cases) {
        const bool delay = c.command[0] == 'D';
        ScriptedSerialLine wire;
        RecordingLog confirmLog;
        ProgrammerLink fresh{wire, confirmLog, prompter, progress};
        wire.port("COM1", with(programmerAnswers(),
                               {{c.command, c.answer}, {"D C8\n", "\r\nDELAY=C8\r\n>"}}));
        fresh.ScanProgrammers();
        fresh.SelectProgrammer(0);
        fresh.SetDelay(200);
        Bytes target(256, 0xEE);
        fresh.SetBankDestination(target);
        wire.sent.clear();
        EXPECT_FALSE(fresh.ReadBank(0)) << c.command << c.answer;
        EXPECT_EQ(wire.sent, delay ? "*TD C8\n" : "*TD C8\nB 0\n") << c.answer;
        EXPECT_NE(confirmLog.text().find(delay ? "ERROR SETTING DELAY!\n"
                                               : "Reading BANK 00 from memory\n"
                                                 "ERROR SETTING BANK!\n"),
                  std::string::npos)
            << c.command << c.answer;
        EXPECT_FALSE(fresh.IsOpen());
        EXPECT_EQ(target, Bytes(256, 0xEE));
    }
}

TEST_F(ProgrammerLinkTest, MemoryTypeWithout24CIsRefused) {
    chooseProgrammer(with(programmerAnswers(), {{"T", "\r\nTYPES=93C46\r\n>"}}));
    link.SetBankDestination(destination);
    EXPECT_FALSE(link.ReadBank(0));
    EXPECT_EQ(line.sent, "*T");
    EXPECT_EQ(prompter.lines(), std::vector<std::string>{
                                     "ERROR: The memory type isn't supported by this programmer!"});
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(ProgrammerLinkTest, BankReadWithoutDestinationSendsNothing) {
    chooseProgrammer(programmerAnswers());
    EXPECT_FALSE(link.ReadBank(0));
    Bytes tooSmall(255);
    link.SetBankDestination(tooSmall);
    EXPECT_FALSE(link.ReadBank(0));
    EXPECT_TRUE(line.opens.empty());
}

TEST_F(ProgrammerLinkTest, BankReadOnAnOpenPortLeavesPortAndGaugeToTheCaller) {
    const Bytes bank = bankBytes(1);
    chooseProgrammer(with(programmerAnswers(), {{"R\n", bankAnswer(1, bank)}}));
    ASSERT_TRUE(link.OpenProgrammer());
    progress.setRange(0, 300);
    progress.setPosition(40);
    link.SetBankDestination(destination);
    EXPECT_TRUE(link.ReadBank(1));
    EXPECT_EQ(destination, bank);
    EXPECT_TRUE(link.IsOpen());
    EXPECT_TRUE(progress.visible);
    EXPECT_EQ(progress.maximum, 300);
    EXPECT_EQ(progress.position, 56);
}

TEST_F(ProgrammerLinkTest, SelectBankConfirmsBanksInTurnAndClosesThePortWhenNotConfirmed) {
    struct Case {
        const char* secondAnswer;
        bool confirmed;
        const char* replyLine;
    };
    const Case cases[] = {{"\r\nBANK=1\r\n>", true, "BANK=1"},
                          {"\r\nBANK=0\r\n>", false, "BANK=0"},
                          // Lost on the line, or cut off: the box may still be on bank 0.
                          {"", false, ""},
                          {"\r\nBANK=\r\n>", false, "BANK="},
                          {"\r\nBANK=1 \r\n>", false, "BANK=1 "}};
    for (const Case& c : cases) {
        ScriptedSerialLine wire;
        RecordingLog bankLog;
        ProgrammerLink fresh{wire, bankLog, prompter, progress};
        wire.port("COM1", with(programmerAnswers(), {{"B 1\n", c.secondAnswer}}));
        fresh.ScanProgrammers();
        fresh.SelectProgrammer(0);
        ASSERT_TRUE(fresh.OpenProgrammer());
        EXPECT_TRUE(fresh.SelectBank(0));
        EXPECT_TRUE(fresh.IsOpen());
        EXPECT_EQ(fresh.SelectBank(1), c.confirmed) << c.secondAnswer;
        EXPECT_EQ(fresh.IsOpen(), c.confirmed) << c.secondAnswer;
        // Judged on the second bank's own answer, not on a prompt left over from the first.
        EXPECT_EQ(fresh.ReplyLine(), c.replyLine);
        EXPECT_EQ(
            bankLog.text().find("ERROR SETTING BANK!\nSERIAL PORT CLOSED.\n") != std::string::npos,
            !c.confirmed);
        if (*c.secondAnswer != '\0') EXPECT_EQ(wire.timeouts, 0) << c.secondAnswer;
    }
}

TEST_F(ProgrammerLinkTest, ByteTransfersCarryThreeDigitAddresses) {
    chooseProgrammer(with(programmerAnswers(), {{"R 1A3 01\n", "\r\n1:A3- 5A \r\n>"},
                                                {"W 1A3 5A\n", "\r\n.\r\n>"},
                                                {"R 07 01\n", "\r\n0:07- 0C \r\n>"},
                                                {"W 07 0C\n", ".>"}}));
    ASSERT_TRUE(link.OpenProgrammer());
    line.sent.clear();
    progress.setPosition(0);
    EXPECT_TRUE(link.WriteByte(419, 0x5A));
    EXPECT_EQ(link.ReadByte(419), 0x5A);
    EXPECT_TRUE(link.WriteByte(7, 0x0C));
    EXPECT_EQ(link.ReadByte(7), 0x0C);
    EXPECT_EQ(line.sent, "W 1A3 5A\nR 1A3 01\nW 07 0C\nR 07 01\n");
    EXPECT_EQ(progress.position, 4);
    EXPECT_EQ(line.timeouts, 0);
}

TEST_F(ProgrammerLinkTest, SingleByteFaultsGiveMinusOneAndTheirLogLine) {
    struct Case {
        const char* answer;
        const char* logLine;
    };
    const Case cases[] = {{"\r\n0:10-MEM ERROR\r\n>", "MEMORY ERROR\n"},
                          {"\r\n0-10- 33\r\n>", "ERROR READING ROWS ALIGNMENT!\n"},
                          {"", "ERROR READING ROWS ALIGNMENT!\n"},
                          {"\r\n0:10- 3\r\n>", "ERROR READING DATA ON ROWS!\n"},
                          // The byte of another bank or address is not the one asked for.
                          {"\r\n1:10- 33 \r\n>", "ERROR READING ROWS ALIGNMENT!\n"},
                          {"\r\n0:11- 33 \r\n>", "ERROR READING ROWS ALIGNMENT!\n"},
                          {"\r\n0:1- 33 \r\n>", "ERROR READING ROWS ALIGNMENT!\n"}};
    for (const Case& c : cases) {
        ScriptedSerialLine wire;
        RecordingLog byteLog;
        ProgrammerLink fresh{wire, byteLog, prompter, progress};
        wire.port("COM1", with(programmerAnswers(), {{"R 10 01\n", c.answer}}));
        fresh.ScanProgrammers();
        fresh.SelectProgrammer(0);
        ASSERT_TRUE(fresh.OpenProgrammer());
        byteLog.clear();
        EXPECT_EQ(fresh.ReadByte(0x10), -1) << c.answer;
        EXPECT_EQ(byteLog.text(), c.logLine) << c.answer;
    }
}

TEST_F(ProgrammerLinkTest, TransfersNeedAnOpenPort) {
    chooseProgrammer(programmerAnswers());
    EXPECT_EQ(link.ReadByte(0), -1);
    EXPECT_FALSE(link.WriteByte(0, 1));
    EXPECT_FALSE(link.SelectBank(0));
    EXPECT_FALSE(link.Hello());
    EXPECT_FALSE(link.Version());
    EXPECT_EQ(link.BatteryQuery(), -1);
    EXPECT_EQ(link.MemoryTypes(), "");
    EXPECT_EQ(line.sent, "");
}

TEST_F(ProgrammerLinkTest, WriteThatDoesNotGoOutIsNotReportedAsDone) {
    chooseProgrammer(programmerAnswers());
    ASSERT_TRUE(link.OpenProgrammer());
    line.refuseWrites();
    EXPECT_FALSE(link.WriteByte(0x10, 0x20));
}

TEST_F(ProgrammerLinkTest, MemoryTypesAndVersionKeepTheirText) {
    chooseProgrammer(programmerAnswers());
    ASSERT_TRUE(link.OpenProgrammer());
    EXPECT_EQ(link.MemoryTypes(), "24C01,24C02,24C16");
    EXPECT_TRUE(link.Version());
    EXPECT_EQ(link.ReplyLine(), kVersionLine);
}

}  // namespace
}  // namespace quorprog
