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
        PortSource source;
    };
    const Case cases[] = {
        {"COM1", "", false, "/dev/ttyACM0", PortSource::SystemList},
        {"COM2", "", false, "/dev/ttyUSB0", PortSource::SystemList},
        {"COM3", "", false, "/dev/ttyUSB1", PortSource::SystemList},
        {"COM4", "", false, "/dev/ttyS2", PortSource::SystemList},
        {"COM5", "", false, "/dev/ttyS10", PortSource::SystemList},
        {"COM6", "", false, "", PortSource::None},
        {"com2", "", false, "/dev/ttyUSB0", PortSource::SystemList},
        {"COM3", "/tmp/emu/COM3", false, "/tmp/emu/COM3", PortSource::Settings},
        {"COM3", "", true, "COM3", PortSource::Name},
        {"COM3", "\\\\.\\COM12", true, "\\\\.\\COM12", PortSource::Settings},
        {"/dev/pts/4", "", false, "/dev/pts/4", PortSource::Name},
        {"COM0", "", false, "COM0", PortSource::Name},
    };
    for (const Case& c : cases) {
        const ResolvedPort resolved = resolvePort(c.name, c.mapped, kPorts, c.windows);
        EXPECT_EQ(resolved.device, c.device) << c.name;
        EXPECT_EQ(resolved.source, c.source) << c.name;
    }
}

TEST(PortResolution, NoPortsListedMeansNoDevice) {
    EXPECT_EQ(resolvePort("COM1", "", {}, false).device, "");
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
