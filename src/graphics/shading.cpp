#include "graphics/shading.h"

#include <cmath>

namespace quan {

namespace {
bool usable(Real dx) { return dx > 0 && std::isfinite(dx); }

Real cross(WPoint o, WPoint a, WPoint b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

bool inTriangle(WPoint p, WPoint a, WPoint b, WPoint c)
{
    Real d1 = cross(a, b, p), d2 = cross(b, c, p), d3 = cross(c, a, p);
    bool neg = d1 < 0 || d2 < 0 || d3 < 0, pos = d1 > 0 || d2 > 0 || d3 > 0;
    return !(neg && pos);
}
} // namespace

std::vector<WPoint> shadeCircle(WPoint c, Real r, Real dx)
{
    std::vector<WPoint> out;
    if (!usable(dx) || !(r > 0) || !std::isfinite(r))
        return out;
    const Real step = kDotStep * dx, rho = kDotRadius * dx;
    const Real lim = (r - rho) * (r - rho);
    if ((r / step) * (r / step) * 4 > static_cast<Real>(kMaxShadingDots))
        return out;
    for (Real v = step / 2; v < r; v += step)
        for (Real u = step / 2; u < r; u += step) {
            if (u * u + v * v >= lim || r - rho <= 0)
                continue;
            out.push_back({c.x + u, c.y + v});
            out.push_back({c.x - u, c.y + v});
            out.push_back({c.x - u, c.y - v});
            out.push_back({c.x + u, c.y - v});
        }
    return out;
}

std::vector<WPoint> shadeRectangle(WPoint topLeft, WPoint bottomRight, Real dx)
{
    std::vector<WPoint> out;
    if (!usable(dx))
        return out;
    const Real step = kDotStep * dx, rho = kDotRadius * dx;
    const Real cols = (bottomRight.x - topLeft.x) / step, rows = (topLeft.y - bottomRight.y) / step;
    if (!std::isfinite(cols) || !std::isfinite(rows) || cols * rows > static_cast<Real>(kMaxShadingDots))
        return out;
    for (Real u = topLeft.x + step / 2; u < bottomRight.x - rho / 2; u += step)
        for (Real v = topLeft.y - step / 2; v > bottomRight.y + rho / 2; v -= step)
            out.push_back({u, v});
    return out;
}

std::vector<WPoint> shadeTriangle(const ViewState& v, WPoint a, WPoint b, WPoint c)
{
    std::vector<WPoint> out;
    if (!usable(v.dx))
        return out;
    const Real step = kDotStep * v.dx;
    Real lox = std::fmin(a.x, std::fmin(b.x, c.x)), hix = std::fmax(a.x, std::fmax(b.x, c.x));
    Real loy = std::fmin(a.y, std::fmin(b.y, c.y)), hiy = std::fmax(a.y, std::fmax(b.y, c.y));
    lox = std::fmax(lox, v.xmin);
    loy = std::fmax(loy, v.ymin);
    hix = std::fmin(hix, v.xmax);
    hiy = std::fmin(hiy, v.ymax);
    if (!(lox <= hix) || !(loy <= hiy))
        return out;
    if ((hix - lox) / step * ((hiy - loy) / step) > static_cast<Real>(kMaxShadingDots))
        return out;
    // Grid points of the view's grid within the triangle's box.
    const Real x0 = v.xmin + step / 2, y0 = v.ymin + step / 2;
    Real i0 = std::ceil((lox - x0) / step), j0 = std::ceil((loy - y0) / step);
    for (Real i = i0;; ++i) {
        Real u = x0 + i * step;
        if (u > hix)
            break;
        for (Real j = j0;; ++j) {
            Real w = y0 + j * step;
            if (w > hiy)
                break;
            if (inTriangle({u, w}, a, b, c))
                out.push_back({u, w});
        }
    }
    return out;
}

} // namespace quan
