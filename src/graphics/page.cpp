#include "graphics/page.h"

#include <cmath>

namespace quan {

Real roundUpPoints(Real v)
{
    Real t = std::trunc(v);
    return t < v ? t + 1 : t;
}

void PageMapping::setup(const ViewState& v, int logPixelsX, int pageCount)
{
    pages = pageCount < 1 ? 1 : pageCount;
    if (logPixelsX <= 0)
        logPixelsX = 96;
    Real w = v.W, h = v.H;
    Real wp = (w - 1) * 72 / logPixelsX;
    Real hp = wp * (h - 1) / (w - 1);
    Wp = roundUpPoints(wp);
    Hp = roundUpPoints(hp);
    ePrime = e * v.ry / v.rx;
    if (pages > 1) {
        sx = (Wp / 2) / e;
        sy = (Hp / 2) / ePrime;
    } else {
        sx = (Wp / 2) / v.rx;
        sy = (Hp / 2) / v.ry;
    }
}

WPoint PageMapping::toPage(const ViewState& v, Real x, Real y) const
{
    if (pages <= 1)
        return {sx * (x - v.xmin), sy * (y - v.ymin)};
    Real xp = (x - v.cx) * s, yp = (y - v.cy) * s;
    return {sx * (e + xp), sy * (ePrime + yp)};
}

} // namespace quan
