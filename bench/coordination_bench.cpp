// Times the compatibility check of a full group and the search for compatible channels, and puts
// first-fit's channel count beside the search's. Build it with optimisation for figures that
// mean something (CMAKE_BUILD_TYPE=Release).
#include <chrono>
#include <cstdio>
#include <vector>

#include "coordination/compatibility_check.h"
#include "coordination/coordinate.h"

namespace {

using namespace quorprog::coordination;
using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// (a) A plan as a technician would check it before writing: the compatible channels the search
// finds in the UHF band, filled up to 64 with channels added by hand, and every kind of conflict
// switched on: IM5, a receiver group with a 10.7 MHz IF, on-site transmitters and a TV channel.
void benchCheck() {
    CoordinationRules rules;
    rules.guards.im5 = hertzFromKhz(30);
    rules.onSite = {hertzFromKhz(600100), hertzFromKhz(700350)};
    rules.excluded = {{hertzFromKhz(614000), hertzFromKhz(622000)}};
    rules.image = ReceiverImage{hertzFromKhz(10700), false};
    CoordinationRequest request{
        {hertzFromKhz(470000), hertzFromKhz(790000), hertzFromKhz(12.5)}, 64, {}, rules};
    std::vector<Hertz> channels = coordinate(request).frequencies;
    for (Hertz added = hertzFromKhz(471000); channels.size() < 64; added += hertzFromKhz(5000))
        channels.push_back(added);

    constexpr int kRuns = 20;
    size_t conflicts = 0;
    const Clock::time_point start = Clock::now();
    for (int run = 0; run < kRuns; ++run) conflicts = findConflicts(channels, rules).size();
    std::printf("(a) check, %zu channels, every kind on: %.3f ms per check, %zu conflicts\n",
                channels.size(), millisecondsSince(start) / kRuns, conflicts);
}

void benchSearch(const char* label, double fromKhz, double toKhz, double stepKhz) {
    CoordinationRequest request;
    request.grid = {hertzFromKhz(fromKhz), hertzFromKhz(toKhz), hertzFromKhz(stepKhz)};
    request.count = 200;

    Clock::time_point start = Clock::now();
    const size_t firstFit = coordinateFirstFit(request).size();
    const double firstFitTime = millisecondsSince(start);
    start = Clock::now();
    const CoordinationResult result = coordinate(request);
    const double searchTime = millisecondsSince(start);
    std::printf(
        "%s %.0f-%.0f kHz, step %g kHz, count 200: %zu channels in %.1f ms "
        "(first-fit: %zu channels in %.1f ms)\n",
        label, fromKhz, toKhz, stepKhz, result.frequencies.size(), searchTime, firstFit,
        firstFitTime);
}

}  // namespace

int main() {
    benchCheck();
    benchSearch("(b) coordinate", 470000, 790000, 12.5);
    benchSearch("(c) coordinate", 606000, 630000, 25);
}
