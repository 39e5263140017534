#include "ui/serial/low_latency.h"

#if defined(__linux__)
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace quorprog {

bool requestLowLatency(int fd) {
#if defined(__linux__)
    serial_struct settings{};
    if (fd < 0 || ioctl(fd, TIOCGSERIAL, &settings) != 0) return false;
    if (settings.flags & ASYNC_LOW_LATENCY) return true;
    settings.flags |= ASYNC_LOW_LATENCY;
    return ioctl(fd, TIOCSSERIAL, &settings) == 0;
#else
    (void)fd;
    return false;
#endif
}

}  // namespace quorprog
