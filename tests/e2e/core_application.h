#pragma once

#include <QCoreApplication>

namespace quorprog::testing {

// The one core application the Qt classes of a test executable need, made by the first suite
// that asks.
inline void ensureCoreApplication() {
    static int argc = 1;
    static char name[] = "e2e_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

}  // namespace quorprog::testing
