#include "files/frequency_sheet_layout.h"

#include <algorithm>

namespace quorprog {
namespace {

constexpr double kRowPitch = 0.75;  // in u
constexpr double kBoxFrame = 4.0;   // title band, headings and range line, in u

int boxHeightFor(uint32_t channels, int u) {
    return static_cast<int>((kRowPitch * channels + kBoxFrame) * u);
}

}  // namespace

SheetUnits sheetUnits(int pageWidth, int pageHeight) {
    SheetUnits units;
    units.W = pageWidth - 1;
    units.H = pageHeight - 1;
    units.m = units.W / 21;
    units.u = static_cast<int>(units.H * (1.0 / 29.5));
    return units;
}

int logoBottom(const SheetUnits& units) {
    return units.u + static_cast<int>(int64_t{kSheetLogoHeight} * units.u * 10 / kSheetLogoWidth);
}

GroupBoxGeometry groupBoxGeometry(const SheetUnits& units,
                                  const std::vector<uint32_t>& channelCounts, uint32_t r) {
    const uint32_t pairStart = r - r % 2;
    uint32_t channels = channelCounts.at(pairStart);
    if (pairStart + 1 < channelCounts.size()) {
        channels = std::max(channels, channelCounts[pairStart + 1]);
    }

    GroupBoxGeometry box;
    box.height = boxHeightFor(channels, units.u);
    box.rowPitch = kRowPitch * units.u;
    // The title sits at B + 2u; the box may grow up to one unit below it.
    const int bottom = units.H - 4 * units.u;
    const int highestTop = logoBottom(units) + 3 * units.u;
    if (bottom - box.height < highestTop && channels > 0) {
        box.height = std::max(bottom - highestTop, static_cast<int>(kBoxFrame * units.u));
        box.rowPitch = (box.height - kBoxFrame * units.u) / channels;
    }
    box.left = r % 2 == 0 ? units.m : (units.W + units.m) / 2;
    box.right = static_cast<int>(box.left + units.W / 2 - 1.5 * units.m);
    box.top = bottom - box.height;
    return box;
}

int sheetPageCount(uint32_t groups) {
    return static_cast<int>((groups + 1) / 2);
}

}  // namespace quorprog
