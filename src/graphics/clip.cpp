#include "graphics/clip.h"

#include <cmath>

namespace quan {

bool tooShort(WPoint a, WPoint b)
{
    Real m = std::fabs(b.x - a.x) + std::fabs(b.y - a.y);
    // NaN end points count as nothing to draw.
    return !(m > kShortestSegment);
}

bool clipSegment(WPoint& a, WPoint& b, Real x0, Real x1, Real y0, Real y1)
{
    if (!(x0 <= x1) || !(y0 <= y1))
        return false;
    const Real ddx = b.x - a.x, ddy = b.y - a.y;
    Real t0 = 0, t1 = 1;
    // For each edge: p * t <= q keeps the point inside.
    const Real p[4] = {-ddx, ddx, -ddy, ddy};
    const Real q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false; // parallel to the edge and outside it
            continue;
        }
        Real r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1)
                return false;
            if (r > t0)
                t0 = r;
        } else {
            if (r < t0)
                return false;
            if (r < t1)
                t1 = r;
        }
    }
    if (!std::isfinite(t0) || !std::isfinite(t1))
        return false;
    WPoint na{a.x + t0 * ddx, a.y + t0 * ddy};
    WPoint nb{a.x + t1 * ddx, a.y + t1 * ddy};
    // Exact edge values where the parameter landed on an edge.
    auto snap = [&](WPoint& pt) {
        if (pt.x < x0) pt.x = x0;
        if (pt.x > x1) pt.x = x1;
        if (pt.y < y0) pt.y = y0;
        if (pt.y > y1) pt.y = y1;
    };
    snap(na);
    snap(nb);
    a = na;
    b = nb;
    return true;
}

bool clipToView(const ViewState& v, WPoint& a, WPoint& b)
{
    return clipSegment(a, b, v.xmin + v.dx, v.xmax - v.dx, v.ymin + v.dy, v.ymax - v.dy);
}

} // namespace quan
