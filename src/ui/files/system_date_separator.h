#pragma once

namespace quorprog {

// The character the user's locale puts between day, month and year in a short date ("/" in
// "31/12/26", "." in "31.12.26"); "/" when the locale's short format has none that fits in one
// byte.
char systemDateSeparator();

}  // namespace quorprog
