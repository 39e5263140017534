#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "images/image_changes.h"
#include "text/local_texts.h"

namespace quorprog {

// The changes as people read them, one per line under the heading of their group, the bytes no
// value explains last under their own heading ("address: old → new"); the headings in the
// user's language, frequencies in MHz with every significant digit. Numbers take the decimal
// separator given, never the C library's locale: the window passes the desktop's, quorprog-cli
// keeps the point. A list without changes says there is nothing to change. The write question's
// details and quorprog-cli both print this.
std::string describeImageChanges(const std::vector<ImageChange>& changes, const LocalTexts& texts,
                                 std::string_view decimalSeparator = ".");

}  // namespace quorprog
