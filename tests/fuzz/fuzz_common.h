#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "seams/prompter.h"

namespace quorprog::fuzz {

// Answers every message box and counts them.
class CountingPrompter : public Prompter {
public:
    Answer message(const std::string&, const std::string& caption, Buttons, Icon icon) override {
        if (caption != "ERROR" || icon != Icon::Error) fail("a memory-map message that is not an error");
        ++count;
        return Answer::Ok;
    }
    void beep() override {}

    static void fail(const char* what) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }

    int count = 0;
};

inline void check(bool condition, const char* what) {
    if (!condition) CountingPrompter::fail(what);
}

// A description value cannot hold a line break; everything else stays.
inline std::string oneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace quorprog::fuzz
