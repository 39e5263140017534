#pragma once

#include <chrono>
#include <csignal>

#include "programmer_box.h"
#include "pseudo_terminal.h"
#include "traffic_trace.h"

namespace quorprog::emulator {

// How the line between host and box behaves in time.
struct LinkTiming {
    int baud = 0;  // every byte, either way, takes its time on the wire; 0: no pacing
    // A USB serial adapter holds what the box sends for its latency timer before passing it on:
    // every answer reaches the host this much later. 0: at once.
    std::chrono::milliseconds latency{0};
};

// Serves the box on the pseudo-terminal until `stop` is set: bytes from the host go to the box,
// its answers back to the host, both into the trace, timed as `timing` says. While the host has
// the port closed, nothing is sent and a half-received command is forgotten.
void serveBox(PseudoTerminal& terminal, ProgrammerBox& box, TrafficTrace& trace,
              LinkTiming timing, const volatile std::sig_atomic_t& stop);

}  // namespace quorprog::emulator
