#include "graphics/backend.h"

namespace quan {

bool maskedPlotDraws(const std::vector<int>& flags, int mode, size_t i)
{
    if (mode == 0)
        return true;
    if (i >= flags.size())
        return false;
    const int a = flags[i - 1], b = flags[i];
    return (a < 0 && b < 0) || (mode == 1 && a == 0 && b == 1);
}

void PictureBackend::icon(plat::DC& dc, const ViewState& v, WPoint c, int shape, int size, int color)
{
    // Device offsets (y down) to world points.
    const Real sx = size * v.dx, sy = size * v.dy;
    auto at = [&](Real ux, Real uy) { return WPoint{c.x + ux * sx, c.y - uy * sy}; };
    const PenSpec pen{static_cast<int16_t>(color), 1, DashSolid};
    FillSpec solid;
    solid.fill = color;
    solid.outline = color;
    solid.width = 1;
    FillSpec hollow = solid;
    hollow.hollow = true;
    auto square = [&](const FillSpec& f) { polygon(dc, {at(-1, -1), at(1, -1), at(1, 1), at(-1, 1)}, f); };
    auto plus = [&] {
        penLine(dc, at(-1, 0), at(1, 0), pen);
        penLine(dc, at(0, -1), at(0, 1), pen);
    };
    auto cross = [&] {
        penLine(dc, at(-1, -1), at(1, 1), pen);
        penLine(dc, at(-1, 1), at(1, -1), pen);
    };
    switch (shape) {
    case 0: square(solid); break;
    case 1: circle(dc, c, sx, solid); break;
    case 2: polygon(dc, {at(-1, 1), at(1, 1), at(0, -1)}, solid); break;
    case 3: polygon(dc, {at(-1, -1), at(1, -1), at(0, 1)}, solid); break;
    case 4: polygon(dc, {at(-1, -1), at(-1, 1), at(1, 0)}, solid); break;
    case 5: polygon(dc, {at(1, -1), at(1, 1), at(-1, 0)}, solid); break;
    case 6:
        plus();
        square(hollow);
        break;
    case 7: square(hollow); break;
    case 8: cross(); break;
    case 9: plus(); break;
    case 10:
        cross();
        square(hollow);
        break;
    case 11:
    case 12: {
        const Real d = shape == 11 ? -1 : 1;
        penLine(dc, c, at(0, 3 * d), pen);
        penLine(dc, c, at(1, d), pen);
        penLine(dc, c, at(-1, d), pen);
        break;
    }
    case 13:
        penLine(dc, {c.x, v.ymax}, {c.x, v.ymin}, pen);
        penLine(dc, {v.xmin, c.y}, {v.xmax, c.y}, pen);
        break;
    default: break;
    }
}

void PictureBackend::maskedPlot(plat::DC& dc, const std::vector<WPoint>& pts, const std::vector<int>& flags, int mode,
                                const PenSpec& pen)
{
    for (size_t i = 1; i < pts.size(); ++i)
        if (maskedPlotDraws(flags, mode, i))
            penLine(dc, pts[i - 1], pts[i], pen);
}

} // namespace quan
