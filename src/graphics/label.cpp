#include "graphics/label.h"

#include "graphics/pixel.h"

#include <algorithm>
#include <cmath>

namespace quan {

LabelPlacement placeLabel(Real px, Real py, plat::Size extent, int hAnchor, int vAnchor, int angleTenths)
{
    const Real pi = 3.141592653589793238462643383279502884L;
    hAnchor = std::clamp(hAnchor, -1, 1);
    vAnchor = std::clamp(vAnchor, -1, 1);
    const Real fx = (1 - hAnchor) / 2.0L, fy = (vAnchor + 1) / 2.0L;
    const Real w = extent.w, h = extent.h;
    Real c = 1, s = 0;
    if (angleTenths % 3600 != 0) {
        Real t = angleTenths * pi / 1800;
        c = std::cos(t);
        s = std::sin(t);
    }
    // Device y grows downwards: the text runs along (c, -s) and its height
    // along (s, c).
    LabelPlacement out;
    out.extent = extent;
    out.anchor = {px, py};
    out.topLeft = {roundPixel(px - fx * w * c - fy * h * s), roundPixel(py + fx * w * s - fy * h * c)};
    const Real tx = out.topLeft.x, ty = out.topLeft.y;
    out.baseline = {tx + kBaselineFraction * h * s, ty + kBaselineFraction * h * c};
    out.box = {WPoint{tx, ty}, WPoint{tx + w * c, ty - w * s}, WPoint{tx + w * c + h * s, ty - w * s + h * c},
               WPoint{tx + h * s, ty + h * c}};
    return out;
}

} // namespace quan
