#include "programmer/port_resolution.h"

#include <gtest/gtest.h>

namespace quorprog {
namespace {

const std::vector<AvailablePort> kPorts = {
    {"ttyS10", "/dev/ttyS10", false},  {"ttyS2", "/dev/ttyS2", false},
    {"ttyUSB1", "/dev/ttyUSB1", true}, {"ttyACM0", "/dev/ttyACM0", true},
    {"ttyUSB0", "/dev/ttyUSB0", true},
};

TEST(PortResolution, ComNamesResolveInOrder) {
    struct Case {
        const char* name;
        const char* mapped;
        bool windows;
        const char* device;
    };
    const Case cases[] = {
        {"COM1", "", false, "/dev/ttyACM0"},
        {"COM2", "", false, "/dev/ttyUSB0"},
        {"COM3", "", false, "/dev/ttyUSB1"},
        {"COM4", "", false, "/dev/ttyS2"},
        {"COM5", "", false, "/dev/ttyS10"},
        {"COM6", "", false, ""},
        {"com2", "", false, "/dev/ttyUSB0"},
        {"COM3", "/tmp/emu/COM3", false, "/tmp/emu/COM3"},
        {"COM3", "", true, "COM3"},
        {"COM3", "\\\\.\\COM12", true, "\\\\.\\COM12"},
        {"/dev/pts/4", "", false, "/dev/pts/4"},
        {"COM0", "", false, "COM0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(resolvePortDevice(c.name, c.mapped, kPorts, c.windows), c.device) << c.name;
    }
}

TEST(PortResolution, NoPortsListedMeansNoDevice) {
    EXPECT_EQ(resolvePortDevice("COM1", "", {}, false), "");
}

TEST(PortResolution, ComPortNumbers) {
    EXPECT_EQ(comPortNumber("COM4"), 4);
    EXPECT_EQ(comPortNumber("Com12"), 12);
    EXPECT_EQ(comPortNumber("COM"), std::nullopt);
    EXPECT_EQ(comPortNumber("COM1x"), std::nullopt);
    EXPECT_EQ(comPortNumber("LPT1"), std::nullopt);
}

}  // namespace
}  // namespace quorprog
