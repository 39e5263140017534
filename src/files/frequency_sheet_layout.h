#pragma once

#include <cstdint>
#include <vector>

namespace quorprog {

// Every position on the frequency sheet is a fraction of the printable page, so the sheet looks
// the same at any printer resolution and paper size. W and H are the last pixel column and row,
// m is a twenty-first of the width and u a 29.5th of the height (both about 10 mm on A4).
struct SheetUnits {
    int W = 0;
    int H = 0;
    int m = 0;
    int u = 0;
};

SheetUnits sheetUnits(int pageWidth, int pageHeight);

// The header logo's own size in pixels; the layout keeps its proportions even when the bitmap is
// missing.
inline constexpr int kSheetLogoWidth = 1253;
inline constexpr int kSheetLogoHeight = 235;

// The logo is stretched ten units wide from (m, u); this is its bottom edge, which the red bar
// beside it ends on and the title is placed under.
int logoBottom(const SheetUnits& units);

// Where one group's box sits: groups go two to a page, the even one on the left half, and both
// boxes of a page end 4u above the page bottom with the height of the taller one. Rows are
// rowPitch apart (0.75u); a pair of groups with so many channels that the box would reach the
// sheet title is kept below it, its rows closer together.
struct GroupBoxGeometry {
    int left = 0;
    int right = 0;
    int top = 0;
    int height = 0;
    double rowPitch = 0;
};

// channelCounts holds every group's channel count; r is the group.
GroupBoxGeometry groupBoxGeometry(const SheetUnits& units,
                                  const std::vector<uint32_t>& channelCounts, uint32_t r);

// Number of pages for so many groups.
int sheetPageCount(uint32_t groups);

}  // namespace quorprog
