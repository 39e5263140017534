#pragma once

#include <string>
#include <vector>

#include "images/image_changes.h"
#include "text/local_texts.h"

namespace quorprog {

// The changes as people read them, one per line under the heading of their group, the bytes no
// value explains last under their own heading ("address: old → new"); the headings in the
// user's language, numbers with a decimal point whatever the system's locale. A list without
// changes says there is nothing to change. The write question's details and quorprog-cli both
// print this.
std::string describeImageChanges(const std::vector<ImageChange>& changes, const LocalTexts& texts);

}  // namespace quorprog
