#pragma once

#include <string>

#include "command_line.h"
#include "coordination/coordination_rules.h"

namespace quorprog::cli {

// A kHz value of the command line (dot decimals only); `fallback` when the option is absent.
coordination::Hertz khzOption(CommandArguments& arguments, const std::string& name,
                              coordination::Hertz fallback);

// --group N (from 0); `fallback` when absent.
int groupOption(CommandArguments& arguments, int fallback);

// The options every coordination command shares: --spacing, --im3, --im3x3, --im5 (kHz, 0 turns
// a kind off), --with F (repeatable) and --exclude LOW-HIGH (repeatable).
coordination::CoordinationRules coordinationRules(CommandArguments& arguments);

}  // namespace quorprog::cli
