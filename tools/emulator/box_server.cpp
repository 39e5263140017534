#include "box_server.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

namespace quorprog::emulator {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kIdlePollMs = 50;
constexpr auto kClosedPortPause = std::chrono::milliseconds(10);
constexpr size_t kStreamChunk = 64;
constexpr size_t kReadChunk = 256;

// Keeps the bytes apart by their time on the wire (10 bits each at 8N1).
class WirePacer {
  public:
    explicit WirePacer(int baud)
        : byteTime_(baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud)
                             : std::chrono::nanoseconds(0)) {}

    bool paced() const { return byteTime_.count() > 0; }
    // Each byte has its slot on the wire. Slots follow each other without the sleeps' lateness
    // adding up, so the rate is the wire's; after a pause the next byte starts a new schedule.
    void waitForWire() {
        if (!paced()) return;
        const auto now = Clock::now();
        if (next_ > now) {
            std::this_thread::sleep_until(next_);
        } else if (now - next_ > kIdleGap) {
            next_ = now;
        }
        next_ += byteTime_;
    }

  private:
    static constexpr auto kIdleGap = std::chrono::milliseconds(2);

    std::chrono::nanoseconds byteTime_;
    Clock::time_point next_ = Clock::now();
};

class Session {
  public:
    Session(PseudoTerminal& terminal, ProgrammerBox& box, TrafficTrace& trace, LinkTiming timing)
        : fd_(terminal.fd()), box_(box), trace_(trace), pacer_(timing.baud),
          latency_(timing.latency) {}

    void step() {
        // An answer waits out the adapter's latency before its first byte goes.
        const auto held = releaseAt_ - Clock::now();
        const bool holding = !output_.empty() && held > Clock::duration::zero();
        const bool wantsToSend = (!output_.empty() || box_.streaming()) && !holding;
        const int timeoutMs =
            holding ? static_cast<int>(
                          std::chrono::ceil<std::chrono::milliseconds>(held).count())
                    : kIdlePollMs;
        pollfd watched{fd_, static_cast<short>(POLLIN | (wantsToSend ? POLLOUT : 0)), 0};
        if (poll(&watched, 1, timeoutMs) <= 0) return;
        if (watched.revents & POLLIN) receive();
        if ((watched.revents & POLLHUP) && !(watched.revents & POLLIN)) {
            hangUp();
            return;
        }
        if (watched.revents & POLLOUT) send();
        trace_.flush();
    }

  private:
    void receive() {
        char bytes[kReadChunk];
        // Paced, the box takes one byte per wire time, as the wire delivers them.
        const ssize_t count = read(fd_, bytes, pacer_.paced() ? 1 : sizeof bytes);
        if (count <= 0) {
            if (count < 0 && errno == EIO) hangUp();
            return;
        }
        const bool answerStarts = output_.empty();
        for (ssize_t i = 0; i < count; ++i) {
            pacer_.waitForWire();
            trace_.hostSent(std::string_view(&bytes[i], 1));
            output_ += box_.receive(static_cast<uint8_t>(bytes[i]));
            if (box_.injectedJustNow()) trace_.remark("injected fault at this reply");
        }
        if (answerStarts && !output_.empty()) releaseAt_ = Clock::now() + latency_;
    }

    void send() {
        if (output_.empty() && box_.streaming()) output_ = endlessStreamBytes(kStreamChunk);
        while (!output_.empty()) {
            pacer_.waitForWire();
            const size_t wanted = pacer_.paced() ? 1 : output_.size();
            const ssize_t count = write(fd_, output_.data(), wanted);
            if (count <= 0) return;  // full: poll says when it drains
            trace_.boxSent(std::string_view(output_).substr(0, static_cast<size_t>(count)));
            output_.erase(0, static_cast<size_t>(count));
            // Paced, go back to the poll after every byte: a host that closes the port in the
            // middle of an answer must see the rest of it dropped, as a box reset by DTR would.
            if (pacer_.paced()) return;
        }
    }

    void hangUp() {
        output_.clear();
        box_.hangUp();
        trace_.flush();
        std::this_thread::sleep_for(kClosedPortPause);
    }

    int fd_;
    ProgrammerBox& box_;
    TrafficTrace& trace_;
    WirePacer pacer_;
    std::chrono::milliseconds latency_;
    Clock::time_point releaseAt_;
    std::string output_;
};

}  // namespace

void serveBox(PseudoTerminal& terminal, ProgrammerBox& box, TrafficTrace& trace,
              LinkTiming timing, const volatile std::sig_atomic_t& stop) {
    Session session(terminal, box, trace, timing);
    while (!stop) session.step();
}

}  // namespace quorprog::emulator
