#pragma once

#include <string_view>

#include "description/description_reader.h"
#include "description/memory_image.h"

namespace quorprog {

// The memory of a device of the model modelName as it leaves the factory, written through the
// model's own memory map: identification constants, PLL parameters (the PLL section's values,
// with a 12800 kHz reference, prescaler 64, multiplier 1 and the 470-790 MHz UHF range where the
// section gives none), a plan of channels on the step of XTALDivider0, a subtone per channel and
// the first choice of every option. Single-group models are transmitters; models with more
// groups are receivers with a 10.7 MHz IF (oscillator below the RF).
//
// Whole banks are returned. A memory smaller than a bank answers every address modulo its size
// (a 24C01 holds 128 bytes), so such an image repeats its first MemorySize bytes to the bank's
// end, as a bank read of the device shows it. Empty when the model is unknown, its memory map
// cannot hold the plan, or the result would not be identified as the model.
Bytes buildFactoryImage(const DescriptionReader& description, std::string_view modelName);

}  // namespace quorprog
