#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorprog::cli {

// Length of the well-formed UTF-8 sequence `text` starts with (no overlong forms, no surrogates,
// nothing above U+10FFFF); 0 when its first byte starts none.
size_t utf8SequenceLength(std::string_view text);

// Text for the terminal: what files, images and programmers hold may be any bytes. Line breaks and
// tabs stay; every other control character (C0, DEL, C1) and every byte that is not well-formed
// UTF-8 is shown as \xNN, so nothing can drive the terminal.
std::string terminalText(std::string_view text);

// The tool's one printer: every text it writes goes through these, made printable by
// terminalText (JSON passes unchanged: its writer escapes control characters already).
void printOut(std::string_view text);    // standard output
void printError(std::string_view text);  // standard error, flushed at once
// The tool's own terminal control: back to the start of the line on standard error and erase it
// (the progress line). Only ever these fixed bytes, never text from outside.
void eraseStatusLine();
// The live lines of several devices on standard output: up `count` lines (the ones drawn
// before), then each line of `lines` over the old one, made printable.
void rewriteOutputLines(size_t count, std::string_view lines);

}  // namespace quorprog::cli
