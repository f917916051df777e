// The colour window's grid and the grey levels of a colour table: plain
// layout and arithmetic, independent of any window.
#pragma once

#include "docfile/colors.h"
#include "platform/geometry.h"

#include <array>
#include <cstdint>

namespace quan {

// Grey level of a colour: trunc(0.3 red + 0.59 green + 0.11 blue), computed
// exactly in whole numbers (so that white gives 255, not 254).
int greyOf(uint32_t color);

// Grey levels of a whole table: entry 0 (black) is 0, entry 1 (white) is
// 255, entries 2..60 by greyOf.
using GreyLevels = std::array<uint8_t, kColorEntries>;
GreyLevels greyLevels(const ColorTable& table);

// The grid of a colour window with client size W x H: cells W/8 wide and
// H/14 high; indices 1..60 in columns 1..6 and rows 1..10 at
// (c * cw, (r + 2) * ch); index 0 at column 1, row 0; the preview of the
// chosen colour across columns 3 to 5 of the band above.
struct ColorGrid {
    int cw = 0, ch = 0;

    explicit ColorGrid(plat::Size client) : cw(client.w / 8), ch(client.h / 14) {}
    // The cell of a colour index 0..60, one cell plus one pixel in size.
    plat::Rect cell(int index) const;
    plat::Rect preview() const { return {3 * cw, ch, 5 * cw, 2 * ch}; }
};

struct ColorClick {
    enum Kind { None, Pick, OpenRgb } kind = None;
    int index = -1; // the picked index for Pick
};

// What a click at p does: a colour cell picks its index; the band of the
// preview (row 1 of the window, columns 1 to 5) opens the RGB dialog for
// the colour already chosen; anything else does nothing.
ColorClick colorGridClick(plat::Size client, plat::Point p);

} // namespace quan
