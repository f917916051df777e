#include "graphics/view.h"

#include "core/msgcode.h"

#include "graphics/pixel.h"

#include <algorithm>
#include <cmath>

namespace quan {

void ViewState::setClient(int w, int h)
{
    // A one-pixel area would make the pixel scale 2 rx / (W - 1) divide by
    // zero.
    W = std::max(2, w);
    H = std::max(2, h);
}

void ViewState::recompute()
{
    W = std::max<int32_t>(2, W);
    H = std::max<int32_t>(2, H);
    const Real w = W, h = H;
    if (mode == ViewMode::CentreWidth) {
        ry = rx * aspect * h / w;
        xmin = cx - rx;
        xmax = cx + rx;
        ymin = cy - ry;
        ymax = cy + ry;
    } else {
        aspect = ((ymax - ymin) * w) / (h * (xmax - xmin));
        cx = (xmin + xmax) / 2;
        cy = (ymin + ymax) / 2;
        rx = (xmax - xmin) / 2;
        ry = (ymax - ymin) / 2;
    }
    dx = 2 * rx / (w - 1);
    dy = 2 * ry / (h - 1);
    kx = 1 / dx;
    ky = 1 / dy;
}

namespace {
// round() of the mapping with the clamps: above the limit becomes limit + 1,
// negative becomes -1.
int toPixel(Real v, int32_t limit)
{
    if (std::isnan(v))
        return -1;
    int32_t p = roundPixel(v);
    if (p > limit)
        return limit + 1;
    if (p < 0)
        return -1;
    return p;
}
} // namespace

DevicePoint ViewState::WorldToDevice(Real x, Real y) const
{
    DevicePoint d;
    d.x = toPixel(kx * (x - xmin), W);
    d.y = toPixel(ky * (ymax - y), H);
    d.visible = d.x >= 0 && d.x <= W && d.y >= 0 && d.y <= H;
    d.x += ox;
    d.y += oy;
    return d;
}

WPoint ViewState::DeviceToWorld(Real px, Real py) const
{
    return {xmin + dx * (px - ox), ymax - dy * (py - oy)};
}

bool ViewState::insideClient(Real x, Real y) const
{
    DevicePoint d = WorldToDevice(x, y);
    return d.visible;
}

bool ViewStack::pop(ViewNode& out)
{
    if (nodes_.empty())
        return false;
    out = nodes_.back();
    nodes_.pop_back();
    return true;
}

ViewTarget zoomTarget(const ViewState& v, Real factor, bool out)
{
    Real f = out ? factor : 1 / factor;
    Real rx = v.rx * f, ry = v.ry * f;
    if (v.mode == ViewMode::CentreWidth)
        return {ViewMode::CentreWidth, v.cx, v.cy, rx, 0};
    return {ViewMode::Corners, v.cx - rx, v.cx + rx, v.cy - ry, v.cy + ry};
}

ViewTarget shiftTarget(const ViewState& v, Real fx, Real fy)
{
    Real cx = v.cx + 2 * v.rx * fx, cy = v.cy + 2 * v.ry * fy;
    if (v.mode == ViewMode::CentreWidth)
        return {ViewMode::CentreWidth, cx, cy, v.rx, 0};
    return {ViewMode::Corners, cx - v.rx, cx + v.rx, cy - v.ry, cy + v.ry};
}

ViewNode PictureView::save() const
{
    ViewNode n;
    if (view.mode == ViewMode::CentreWidth)
        n.slots = {view.cx, view.cy, view.rx, view.ry};
    else
        n.slots = {view.xmin, view.xmax, view.ymin, view.ymax};
    n.aspect = view.aspect;
    n.mode = view.mode;
    n.layout = axes.layout;
    return n;
}

void PictureView::restore(const ViewNode& n)
{
    view.mode = n.mode;
    view.aspect = n.aspect;
    if (n.mode == ViewMode::CentreWidth) {
        view.cx = n.slots[0];
        view.cy = n.slots[1];
        view.rx = n.slots[2];
        view.ry = n.slots[3];
    } else {
        view.xmin = n.slots[0];
        view.xmax = n.slots[1];
        view.ymin = n.slots[2];
        view.ymax = n.slots[3];
    }
    axes.layout = n.layout;
    view.recompute();
}

namespace {
// The scale of a range stays usable: positive and finite both ways.
bool usableScale(Real range, int32_t pixels)
{
    Real d = range / (pixels - 1);
    return std::isfinite(range) && std::isfinite(d) && d > 0 && std::isfinite(1 / d);
}
} // namespace

int PictureView::checkCentre(Real cx, Real cy, Real rx) const
{
    if (!(rx > 0) || !std::isfinite(rx))
        return codeOf(Msg::PositiveValue);
    if (!std::isfinite(cx) || !std::isfinite(cy))
        return codeOf(Msg::OutOfBounds);
    Real ry = rx * view.H / view.W; // aspect 1
    if (!usableScale(2 * rx, view.W) || !usableScale(2 * ry, view.H) || !std::isfinite(cx - rx) ||
        !std::isfinite(cx + rx) || !std::isfinite(cy - ry) || !std::isfinite(cy + ry))
        return codeOf(Msg::OutOfBounds);
    return 0;
}

int PictureView::checkCorners(Real xmin, Real xmax, Real ymin, Real ymax) const
{
    if (!std::isfinite(xmin) || !std::isfinite(xmax) || !std::isfinite(ymin) || !std::isfinite(ymax))
        return codeOf(Msg::OutOfBounds);
    if (!(xmin < xmax) || !(ymin < ymax))
        return codeOf(Msg::InconsistentData);
    if (!usableScale(xmax - xmin, view.W) || !usableScale(ymax - ymin, view.H))
        return codeOf(Msg::OutOfBounds);
    return 0;
}

void PictureView::storeCentre(Real cx, Real cy, Real rx)
{
    view.cx = cx;
    view.cy = cy;
    view.rx = rx;
    view.mode = ViewMode::CentreWidth;
    view.aspect = 1;
    view.recompute();
}

void PictureView::storeCorners(Real xmin, Real xmax, Real ymin, Real ymax)
{
    view.xmin = xmin;
    view.xmax = xmax;
    view.ymin = ymin;
    view.ymax = ymax;
    view.mode = ViewMode::Corners;
    view.recompute();
}

int PictureView::setByCentre(Real cx, Real cy, Real rx)
{
    if (int e = checkCentre(cx, cy, rx))
        return e;
    push();
    storeCentre(cx, cy, rx);
    return 0;
}

int PictureView::setByCorners(Real xmin, Real xmax, Real ymin, Real ymax)
{
    if (int e = checkCorners(xmin, xmax, ymin, ymax))
        return e;
    push();
    storeCorners(xmin, xmax, ymin, ymax);
    return 0;
}

int PictureView::apply(const ViewTarget& t)
{
    if (t.mode == ViewMode::CentreWidth)
        return setByCentre(t.a, t.b, t.c);
    return setByCorners(t.a, t.b, t.c, t.d);
}

bool PictureView::lastWindow()
{
    ViewNode n;
    if (!stack.pop(n))
        return false;
    restore(n);
    return true;
}

int PictureView::setZoomFactor(Real f)
{
    if (!(f >= kMinZoomFactor) || !std::isfinite(f))
        return codeOf(Msg::PositiveValue);
    ZoomFactor = f;
    return 0;
}

int PictureView::setShiftPercent(Real percent)
{
    if (!(percent >= kMinShiftPercent) || !std::isfinite(percent))
        return codeOf(Msg::PositiveValue);
    ShiftFraction = percent * 0.01L;
    return 0;
}

} // namespace quan
