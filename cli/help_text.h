#pragma once

namespace quorprog::cli {

extern const char* const kHelpText;

}  // namespace quorprog::cli
