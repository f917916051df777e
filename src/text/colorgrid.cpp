#include "text/colorgrid.h"

namespace quan {

int greyOf(uint32_t color)
{
    // 0.3, 0.59 and 0.11 as hundredths: the integer division truncates the
    // exact value.
    return static_cast<int>((30 * redOf(color) + 59 * greenOf(color) + 11 * blueOf(color)) / 100);
}

GreyLevels greyLevels(const ColorTable& table)
{
    GreyLevels g{};
    g[0] = 0;
    g[1] = 255;
    for (int i = 2; i < kColorEntries; ++i)
        g[static_cast<size_t>(i)] = static_cast<uint8_t>(greyOf(table.at(i)));
    return g;
}

plat::Rect ColorGrid::cell(int index) const
{
    int c, r;
    if (index <= 0) {
        c = 1;
        r = 0;
    } else {
        c = (index - 1) % 6 + 1;
        r = (index - 1) / 6 + 1;
    }
    int x = c * cw, y = (r + 2) * ch;
    return {x, y, x + cw + 1, y + ch + 1};
}

ColorClick colorGridClick(plat::Size client, plat::Point p)
{
    ColorGrid g(client);
    ColorClick none;
    // A client too small for a grid has no cells to hit.
    if (g.cw <= 0 || g.ch <= 0 || p.x < 0 || p.y < 0)
        return none;
    int c = p.x / g.cw;
    int row = p.y / g.ch; // window row: 1 is the preview band, 2 holds index 0
    int r = row - 2;
    if (c >= 1 && c <= 6 && r >= 1 && r <= 10)
        return {ColorClick::Pick, (r - 1) * 6 + c};
    if (c == 1 && r == 0)
        return {ColorClick::Pick, 0};
    if (row == 1 && c >= 1 && c <= 5)
        return {ColorClick::OpenRgb, -1};
    return none;
}

} // namespace quan
