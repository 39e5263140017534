// libFuzzer target: arbitrary bytes as an RF scan. A scan either reads or names the line it
// refuses; every point it reads lies within the frequencies and levels a scan may hold, and the
// occupied frequencies taken from it are ascending and each one of the points.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "coordination/rf_scan.h"

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quorprog::coordination;
    const RfScan scan = readRfScan({reinterpret_cast<const char*>(data), size});
    if (!scan.ok()) {
        require(scan.points.empty());
        require(scan.error.starts_with("line ") || size > kMaxScanBytes);
        return 0;
    }
    for (const ScanPoint& point : scan.points) {
        require(point.frequency > 0 && point.frequency <= 10'000'000'000);
        require(point.levelDbm >= -300 && point.levelDbm <= 100);
    }
    const std::vector<Hertz> occupied = occupiedFrequencies(scan.points, kDefaultScanThresholdDbm);
    require(std::adjacent_find(occupied.begin(), occupied.end(), std::greater_equal<>()) ==
            occupied.end());
    for (const Hertz f : occupied) {
        require(std::any_of(scan.points.begin(), scan.points.end(), [f](const ScanPoint& p) {
            return p.frequency == f && p.levelDbm >= kDefaultScanThresholdDbm;
        }));
    }
    return 0;
}
