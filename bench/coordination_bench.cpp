// Times the compatibility check of a full group and the search for compatible channels, and puts
// first-fit's channel count and, for single TV channels, the exhaustive optimum beside the
// search's. Build it with optimisation for figures that mean something (CMAKE_BUILD_TYPE=Release).
// The exhaustive searches of a 6 MHz channel have no time limit: on this machine they take
// minutes. An 8 MHz channel takes far longer; there the exact search runs for five minutes and
// what it found is the long search's best set, marked as not proven unless it finished. The
// standard profile runs on the whole band with its receivers' window and without it: the window
// changes what first-fit finds far more than the search does.
#include <chrono>
#include <cstdio>
#include <cstdint>
#include <vector>

#include "coordination/compatibility_check.h"
#include "coordination/compatibility_profiles.h"
#include "coordination/coordinate.h"
#include "coordination/set_search.h"

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
    rules.excluded = {{hertzFromKhz(614000), hertzFromKhz(622000), {}}};
    rules.image = ReceiverImage{hertzFromKhz(10700), false};
    CoordinationRequest request;
    request.grid = {hertzFromKhz(470000), hertzFromKhz(790000), hertzFromKhz(12.5)};
    request.count = 64;
    request.rules = rules;
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

struct SearchCase {
    const char* guards;  // "default" or a profile's name
    double fromKhz;
    double toKhz;
    double stepKhz;
    double exactSeconds;  // the exact search's time limit: 0 none, below 0 no exact search
    bool window = true;   // the profile's receiver window, or none
};

CoordinationRules rulesOf(const SearchCase& row) {
    CoordinationRules rules;
    if (const auto profile = compatibilityProfile(row.guards)) {
        rules.guards = profile->guards;
        if (row.window) rules.window = profile->window;
    }
    return rules;
}

void benchSearch(const SearchCase& row) {
    CoordinationRequest request;
    request.grid = {hertzFromKhz(row.fromKhz), hertzFromKhz(row.toKhz), hertzFromKhz(row.stepKhz)};
    request.count = 1000;
    request.rules = rulesOf(row);

    Clock::time_point start = Clock::now();
    const std::vector<Hertz> firstFit = coordinateFirstFit(request);
    const double firstFitTime = millisecondsSince(start);
    start = Clock::now();
    const CoordinationResult result = coordinate(request);
    const double searchTime = millisecondsSince(start);
    const bool confirmed = findConflicts(result.frequencies, request.rules).empty();
    std::printf("%-8s%s %.1f-%.1f MHz / %g kHz: ours %zu in %.0f ms (%s), first-fit %zu in %.1f ms",
                row.guards, row.window ? "" : " without its window", row.fromKhz / 1000,
                row.toKhz / 1000, row.stepKhz,
                result.frequencies.size(), searchTime, confirmed ? "checked" : "CHECK FAILED",
                firstFit.size(), firstFitTime);
    if (row.exactSeconds < 0) {
        std::printf(", +%.0f %%\n",
                    100.0 * (static_cast<double>(result.frequencies.size()) /
                                 static_cast<double>(firstFit.size()) -
                             1));
        return;
    }
    // The exact search without any limit, from nothing, so that it proves rather than confirms
    // what ours found.
    const CompatibleSetBuilder empty(GridMarks(request.grid), request.rules);
    bool proven = false;
    start = Clock::now();
    const Clock::time_point deadline =
        row.exactSeconds == 0
            ? Clock::time_point::max()
            : start + std::chrono::duration_cast<Clock::duration>(
                          std::chrono::duration<double>(row.exactSeconds));
    const std::vector<Hertz> optimum =
        largestSetByRussianDolls({empty, request.count, deadline}, {}, SIZE_MAX, proven);
    std::printf(", %s %zu in %.1f s\n",
                proven ? "exhaustive optimum" : "best of a long exact search (not proven)",
                optimum.size(), millisecondsSince(start) / 1000);
}

}  // namespace

int main() {
    benchCheck();
    // The whole 8 MHz channel with the default guards last: its exact search is the longest.
    const SearchCase rows[] = {
        {"default", 614000, 620000, 25, 0},     {"standard", 614000, 620000, 25, 0},
        {"default", 470000, 790000, 12.5, -1},  {"standard", 470000, 790000, 12.5, -1},
        {"standard", 470000, 790000, 12.5, -1, false},
        {"standard", 470000, 478000, 25, 300},  {"default", 470000, 478000, 25, 300},
    };
    for (const SearchCase& row : rows) {
        benchSearch(row);
        std::fflush(stdout);
    }
}
