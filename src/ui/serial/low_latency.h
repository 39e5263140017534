#pragma once

namespace quorprog {

// Asks the serial driver behind `fd` to pass received bytes on at once (ASYNC_LOW_LATENCY)
// instead of batching them. Every byte the program sends is answered before the next one goes,
// so each batching delay is paid once per byte. Drivers without the setting (pseudo-terminals,
// most USB adapters' older drivers) refuse it; that is no error. Returns whether the driver took it.
bool requestLowLatency(int fd);

}  // namespace quorprog
