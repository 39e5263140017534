#pragma once

#include <cstdint>
#include <optional>

#include "channels/channel_table.h"
#include "description/memory_map.h"

namespace quorprog {

// The device tunes each channel with a PLL: XTAL / R is the comparison frequency, and a
// dual-modulus prescaler P with the counters N and A divides by A + N * P. Receivers tune their
// local oscillator, IF away from the channel frequency.

struct PllParameters {
    int32_t xtal = 0;  // kHz
    int32_t r = 0;     // reference divider
    int32_t multiplier = 0;
    int32_t prescaler = 0;
    int32_t intermediate = 0;  // IF, kHz
    bool isReceiver = false;
    bool oscOverRf = false;
};

// Counters to kHz. (XTAL * Multiplier) and (A + N * Prescaler) are formed in 32-bit integers
// (wrapping); the division and the last product in double. R = 0 gives 0.
double ComputeChannelFrequency(int32_t n, int32_t a, const PllParameters& pll);

// The parameters of channel c of partition p as the table holds them (p, c valid).
PllParameters pllOfChannel(const ChannelTable& table, uint32_t p, uint32_t c);

// Channel step of channel c of partition p in kHz: XTAL ÷ R × Multiplier formed in double and
// held as a 32-bit float; 0 when R is 0. The arrows and the encoding both step by it, so a
// frequency an arrow reaches is one the encoding keeps.
float channelStep(const ChannelTable& table, uint32_t p, uint32_t c);

// The channel grid of a step: point k lies at k × step, held as a 32-bit float. The arrows place
// frequencies on it and the encoding finds them there with these two, so they agree.
float gridPoint(double k, float step);
// The index of the grid point at or below f: f ÷ step, held as a 32-bit float, truncated; a
// frequency that equals the next point counts as that point even when its quotient rounds to just
// below it.
double gridPointBelow(float frequency, float step);

// The loop's whole division count for a ratio of oscillator frequency to channel step, or none
// when the counters cannot hold it: a receiver whose oscillator would run below 0, a count beyond
// 32 bits, or a ratio that is not a number. The fraction is dropped, never rounded.
std::optional<uint32_t> loopCount(float ratio);

// Writes the counters N and A of channel c of partition p through map, under "Partition%d.N%d" and
// "Partition%d.A%d"; the image stores them as signed 32-bit values.
void writeChannelCounters(MemoryMap& map, uint32_t p, uint32_t c, uint32_t n, uint32_t a);

// Result of EncodeChannelFrequencies.
enum EncodeResult : int32_t {
    kEncodeFailed = -1,  // a channel was out of range and cleared, or had R = 0, or bad arguments
    kEncodeExact = 0,    // every frequency lay on its channel step
    kEncodeSnapped = 1,  // some frequency was moved down to its channel step
};

// kHz to counters: for channel c of partition p, or every channel of p when c is -1, range-checks
// the table's Frequency (out of range: cleared to 0 with N = A = 0 written), snaps it down to the
// channel step, and writes N and A under "Partition%d.N%d" / "Partition%d.A%d" through map.
// A receiver channel whose oscillator would lie below 0 cannot be tuned and is cleared as well.
// A channel with R = 0 stops the run at once. Gives -1, 0 or 1 (EncodeResult).
int32_t EncodeChannelFrequencies(ChannelTable& table, MemoryMap& map, int32_t p, int32_t c);

}  // namespace quorprog
