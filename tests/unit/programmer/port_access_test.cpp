#include "programmer/port_access.h"

#include <gtest/gtest.h>

namespace quorprog {
namespace {

ComPortCheck check(const char* name, const char* device, PortAccess access) {
    return {name, {device, *device ? PortSource::SystemList : PortSource::None}, access};
}

struct HintCase {
    const char* name;
    std::vector<ComPortCheck> checks;
    int language;
    const char* hint;
};

void PrintTo(const HintCase& c, std::ostream* out) {
    *out << c.name;
}

class EmptyScanHint : public ::testing::TestWithParam<HintCase> {};

TEST_P(EmptyScanHint, NamesTheFirstCauseTheUserCanRemedy) {
    LocalTexts texts;
    texts.setCurrentLanguage(GetParam().language);
    EXPECT_EQ(emptyScanHint(GetParam().checks, texts), GetParam().hint);
}

const ComPortCheck kNone = check("COM4", "", PortAccess::Missing);

INSTANTIATE_TEST_SUITE_P(
    Scans, EmptyScanHint,
    ::testing::Values(
        HintCase{"NoPortAtAll",
                 {kNone, kNone},
                 0,
                 "No serial port found: connect the programmer's USB cable, then press ?."},
        HintCase{"DeniedBeforeBusy",
                 {check("COM1", "/dev/ttyS0", PortAccess::Busy),
                  check("COM2", "/dev/ttyUSB0", PortAccess::PermissionDenied), kNone},
                 0,
                 "/dev/ttyUSB0: permission denied — add your user to the dialout group and log "
                 "in again"},
        HintCase{"DeniedInItalian",
                 {check("COM1", "/dev/ttyUSB0", PortAccess::PermissionDenied)},
                 1,
                 "/dev/ttyUSB0: permesso negato — aggiungi il tuo utente al gruppo dialout e "
                 "accedi di nuovo"},
        HintCase{"Busy",
                 {check("COM1", "/dev/ttyACM0", PortAccess::Busy),
                  check("COM2", "/dev/ttyS0", PortAccess::Opens)},
                 0,
                 "/dev/ttyACM0 is busy: another program is using it. Close that program, then "
                 "press ?."},
        HintCase{"PortsEntryLeadsNowhere",
                 {check("COM1", "/dev/ttyS0", PortAccess::Opens),
                  {"COM2", {"/dev/ttyUSB7", PortSource::Settings}, PortAccess::Missing}},
                 0,
                 "COM2=/dev/ttyUSB7 in [PORTS] of quorprog.ini leads to no device: correct the "
                 "entry or remove it, then press ?."},
        HintCase{"PortsEntryLeadsNowhereInItalian",
                 {{"COM1", {"/tmp/com1", PortSource::Settings}, PortAccess::Missing}, kNone},
                 1,
                 "COM1=/tmp/com1 in [PORTS] di quorprog.ini non porta ad alcun dispositivo: "
                 "correggi la voce o eliminala, poi premi ?."},
        HintCase{"BusyBeforeAnEntryLeadingNowhere",
                 {{"COM1", {"/tmp/com1", PortSource::Settings}, PortAccess::Missing},
                  check("COM2", "/dev/ttyACM0", PortAccess::Busy)},
                 0,
                 "/dev/ttyACM0 is busy: another program is using it. Close that program, then "
                 "press ?."},
        HintCase{"OpensButNoAnswer",
                 {check("COM1", "/dev/ttyS0", PortAccess::Opens),
                  check("COM2", "/dev/ttyS1", PortAccess::Failed), kNone},
                 0,
                 "No programmer answered on COM1 … COM4: check that it is connected and switched "
                 "on, then press ?."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PortAccess, OpenErrorsMeanWhatTheUserCanDo) {
    EXPECT_EQ(portAccessFromError(std::errc::permission_denied), PortAccess::PermissionDenied);
    EXPECT_EQ(portAccessFromError(std::errc::device_or_resource_busy), PortAccess::Busy);
    EXPECT_EQ(portAccessFromError(std::errc::no_such_file_or_directory), PortAccess::Missing);
    EXPECT_EQ(portAccessFromError(std::errc::no_such_device_or_address), PortAccess::Missing);
    EXPECT_EQ(portAccessFromError(std::errc::io_error), PortAccess::Failed);
}

}  // namespace
}  // namespace quorprog
