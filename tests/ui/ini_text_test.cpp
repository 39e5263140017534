#include "app/ini_text.h"

#include <gtest/gtest.h>

namespace quorprog {
namespace {

TEST(IniText, SetsOneValueAndKeepsEverythingElse) {
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"", "[GENERAL]\nLANGUAGE=1\n"},
        {"[GENERAL]\r\nLANGUAGE=0\r\n", "[GENERAL]\r\nLANGUAGE=1\r\n"},
        {"[general]\nLanguage = 0\nOTHER=x\n", "[general]\nLANGUAGE=1\nOTHER=x\n"},
        {"[PORTS]\nCOM1=/dev/ttyUSB0\n", "[PORTS]\nCOM1=/dev/ttyUSB0\n[GENERAL]\nLANGUAGE=1\n"},
        {"[GENERAL]\nOTHER=x\n\n[PORTS]\nLANGUAGE=7\n",
         "[GENERAL]\nOTHER=x\nLANGUAGE=1\n\n[PORTS]\nLANGUAGE=7\n"},
        {"; note\n[ GENERAL ]\nLANGUAGE=0", "; note\n[ GENERAL ]\nLANGUAGE=1\n"},
        {"[GENERAL]\n", "[GENERAL]\nLANGUAGE=1\n"},
        {"[GENERAL]\nOTHER=x\n[PORTS] ; serial ports\nCOM1=a\n",
         "[GENERAL]\nOTHER=x\nLANGUAGE=1\n[PORTS] ; serial ports\nCOM1=a\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(withIniValue(c.before, "GENERAL", "LANGUAGE", "1"), c.after) << c.before;
    }
}

}  // namespace
}  // namespace quorprog
