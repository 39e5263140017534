#pragma once

class QLineEdit;

namespace quorprog {

// Hides what is typed into `edit`, showing every character as "*" whatever the widget style's
// own password character is.
void maskWithAsterisks(QLineEdit& edit);

}  // namespace quorprog
