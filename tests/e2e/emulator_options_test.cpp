// The emulator's command line: what tests and scripts pass to it must mean what they say.
#include "emulator_options.h"

#include <gtest/gtest.h>

namespace quorprog::emulator {
namespace {

TEST(EmulatorOptions, EveryOptionReachesItsSetting) {
    std::string error;
    // clang-format off
    const std::vector<std::string> arguments = {
        "--image", "a.bin", "--size", "$80", "--version", "QUORVEL X", "--battery", "0x0C",
        "--types", "24C02", "--hello", "hi", "--min-delay", "100", "--baud", "19200",
        "--fault", "no-ack", "--fault", "drop-line", "--fault", "in-bank", "--fault", "lost",
        "--fault-row", "10", "--trace", "t.txt", "--link", "COM1", "--exit-with-parent",
        "--fault-at", "$20", "--fault-kind", "drop-reply"};
    // clang-format on
    const auto options = parseEmulatorOptions(arguments, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->imageFile, "a.bin");
    EXPECT_EQ(options->memorySize, 128u);
    EXPECT_EQ(options->box.version, "QUORVEL X");
    EXPECT_EQ(options->box.battery, 12);
    EXPECT_EQ(options->box.types, "24C02");
    EXPECT_EQ(options->box.hello, "hi");
    EXPECT_EQ(options->box.minDelay, 100);
    EXPECT_EQ(options->baud, 19200);
    EXPECT_EQ(options->box.faults, (std::set<Fault>{Fault::NoAck, Fault::DroppedLine,
                                                    Fault::InBankAddress, Fault::Silent}));
    EXPECT_EQ(options->box.faultRow, 10u);
    EXPECT_EQ(options->traceFile, "t.txt");
    EXPECT_EQ(options->linkPath, "COM1");
    EXPECT_TRUE(options->exitWithParent);
    ASSERT_TRUE(options->box.injected);
    EXPECT_EQ(options->box.injected->atReply, 32u);
    EXPECT_EQ(options->box.injected->kind, Fault::DroppedReply);
}

TEST(EmulatorOptions, LatencyIsTheAdaptersTimerInMilliseconds) {
    std::string error;
    EXPECT_EQ(parseEmulatorOptions({}, error)->latencyMs, 0);
    const auto options = parseEmulatorOptions({"--latency", "16"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->latencyMs, 16);
}

TEST(EmulatorOptions, MistakesAreRefused) {
    const std::vector<std::vector<std::string>> mistakes = {
        {"--battery", "16"},
        {"--battery", "five"},
        {"--size", "0"},
        {"--fault", "sometimes"},
        {"--fault-row", "16"},
        {"--latency", "256"},
        {"--latency", "-1"},
        {"--fault-at", "0", "--fault-kind", "flip"},
        {"--fault-at", "3"},
        {"--fault-kind", "truncated"},
        {"--hello", "ready>"},
        {"--hello", std::string(128, 'h')},
        {"--version", "QUORVEL\r\n1"},
        {"--types", "24C01>"},
        {"--version"},
        {"--bogus", "1"},
        {"image.bin"},
    };
    for (const auto& arguments : mistakes) {
        std::string error;
        EXPECT_FALSE(parseEmulatorOptions(arguments, error)) << arguments[0];
        EXPECT_FALSE(error.empty()) << arguments[0];
    }
}

}  // namespace
}  // namespace quorprog::emulator
