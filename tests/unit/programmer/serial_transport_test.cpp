#include "programmer/serial_transport.h"

#include <gtest/gtest.h>

#include "fakes/link_recorders.h"
#include "fakes/scripted_serial_line.h"

namespace quorprog {
namespace {

using testing::RecordingLog;
using testing::ScriptedSerialLine;

class SerialTransportTest : public ::testing::Test {
  protected:
    void SetUp() override { line.port("COM1").port("COM2"); }
    void open() { ASSERT_TRUE(transport.OpenPort("COM1", false)); }

    ScriptedSerialLine line;
    RecordingLog log;
    SerialTransport transport{line, log};
};

TEST_F(SerialTransportTest, OpenAndCloseLogOneLineEach) {
    open();
    transport.ClosePort();
    transport.ClosePort();
    EXPECT_EQ(log.text(),
              "Serial connection successfully opened on port COM1\n"
              "SERIAL PORT CLOSED.\n");
    EXPECT_FALSE(transport.IsOpen());
}

TEST_F(SerialTransportTest, SecondPortDoesNotOpenWhileOneIsOpen) {
    open();
    EXPECT_FALSE(transport.OpenPort("COM2", true));
    EXPECT_TRUE(transport.IsOpen());
    EXPECT_EQ(line.opens, std::vector<std::string>{"COM1"});
    EXPECT_EQ(log.text(), "Serial connection successfully opened on port COM1\n");
}

TEST_F(SerialTransportTest, PortThatDoesNotOpenIsLogged) {
    EXPECT_FALSE(transport.OpenPort("COM4", false));
    EXPECT_FALSE(transport.IsOpen());
    EXPECT_EQ(log.text(), "ERROR: PORT COM4 NOT OPENED!\n");
}

TEST_F(SerialTransportTest, ClosedPortDoesNoInputOrOutput) {
    line.arrive("DATA\r\n>");
    EXPECT_EQ(transport.WriteText("V"), 0u);
    EXPECT_EQ(transport.ReadLine(), 0u);
    EXPECT_FALSE(transport.WaitPrompt());
    EXPECT_FALSE(transport.WaitDot());
    EXPECT_EQ(line.sent, "");
    EXPECT_EQ(line.timeouts, 0);
}

TEST_F(SerialTransportTest, LineEndsAroundALineAreSkippedAndThePromptFollows) {
    open();
    line.arrive("\r\nBATTERY=5\r\n>");
    EXPECT_EQ(transport.ReadLine(), 9u);
    EXPECT_EQ(transport.ReplyLine(), "BATTERY=5");
    EXPECT_TRUE(transport.WaitPrompt());
    EXPECT_EQ(line.timeouts, 0);
}

TEST_F(SerialTransportTest, LongLineIsCutAt512AndTheRestComesNext) {
    open();
    line.arrive(std::string(600, 'x'));
    EXPECT_EQ(transport.ReadLine(), 512u);
    EXPECT_EQ(transport.ReadLine(), 88u);
    EXPECT_EQ(transport.ReplyLine(), std::string(88, 'x'));
}

TEST_F(SerialTransportTest, SilentProgrammerEndsEveryWait) {
    open();
    EXPECT_EQ(transport.ReadLine(), 0u);
    EXPECT_FALSE(transport.WaitPrompt());
    EXPECT_FALSE(transport.WaitDot());
    EXPECT_EQ(line.timeouts, 3);
}

TEST_F(SerialTransportTest, PromptWaitCountsCharactersButNotLineEnds) {
    open();
    std::string collected;
    line.arrive("\r\n" + std::string(127, 'a') + "\r\n>");
    EXPECT_TRUE(transport.WaitPrompt(&collected));
    EXPECT_EQ(collected, std::string(127, 'a'));

    line.arrive(std::string(128, 'b') + ">");
    EXPECT_FALSE(transport.WaitPrompt(&collected));
    EXPECT_EQ(collected, std::string(128, 'b'));
    // The prompt past the limit is left for the next read.
    EXPECT_TRUE(transport.WaitPrompt());
}

TEST_F(SerialTransportTest, DotWaitFindsTheAcknowledgement) {
    open();
    line.arrive("\r\n.>");
    EXPECT_TRUE(transport.WaitDot());
    EXPECT_TRUE(transport.WaitPrompt());
}

TEST_F(SerialTransportTest, DotWaitGivesUpOnAStreamWithoutDot) {
    open();
    line.arrive(std::string(1000, 'x'));
    EXPECT_FALSE(transport.WaitDot());
    EXPECT_EQ(line.timeouts, 0);
    // It took no more than its limit from the stream.
    EXPECT_EQ(transport.ReadLine(), 512u);
    EXPECT_EQ(transport.ReadLine(), 1000u - SerialTransport::kDotLimit - 512u);
}

TEST_F(SerialTransportTest, StreamOfLineEndsEndsLineAndPromptWaits) {
    open();
    std::string lineEnds;
    for (int i = 0; i < 3000; ++i) lineEnds += "\r\n";
    line.arrive(lineEnds);
    EXPECT_EQ(transport.ReadLine(), 0u);
    EXPECT_FALSE(transport.WaitPrompt());
    EXPECT_EQ(line.timeouts, 0);
}

TEST_F(SerialTransportTest, WriteStopsWhenTheLineTakesNothing) {
    open();
    EXPECT_EQ(transport.WriteText("R 1A3 01\n"), 9u);
    line.refuseWrites();
    EXPECT_EQ(transport.WriteText("V"), 0u);
    EXPECT_EQ(line.sent, "R 1A3 01\n");
}

}  // namespace
}  // namespace quorprog
