#include "graphics/device_backend.h"

#include "graphics/clip.h"
#include "graphics/pixel.h"
#include "graphics/primitives.h"
#include "graphics/shading.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {
constexpr Real kShapeLimit = 16777216.0L; // 2^24
constexpr Real kPi = 3.141592653589793238462643383279502884L;

plat::Point toPoint(const DevicePoint& d) { return {d.x, d.y}; }
} // namespace

plat::Point DeviceBackend::shapePoint(WPoint p) const
{
    const ViewState& v = p_.view();
    Real x = std::clamp(v.kx * (p.x - v.xmin), -kShapeLimit, kShapeLimit);
    Real y = std::clamp(v.ky * (v.ymax - p.y), -kShapeLimit, kShapeLimit);
    if (std::isnan(x))
        x = -1;
    if (std::isnan(y))
        y = -1;
    return {roundPixel(x) + v.ox, roundPixel(y) + v.oy};
}

int DeviceBackend::deviceWidth(int width) const
{
    if (width <= 0)
        return 0;
    if (p_.env().penScale == 1)
        return width;
    Real w = width * p_.env().penScale;
    return std::max(1, roundPixel(w));
}

void DeviceBackend::setPen(plat::DC& dc, int color, int width, int style, bool contrast)
{
    dc.setPen(p_.deviceColor(color, contrast), deviceWidth(width), devicePenStyle(style));
}

void DeviceBackend::segment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen)
{
    const ViewState& v = p_.view();
    DevicePoint p = v.WorldToDevice(a), q = v.WorldToDevice(b);
    if (!(p.visible && q.visible)) {
        if (!clipToView(v, a, b))
            return;
        p = v.WorldToDevice(a);
        q = v.WorldToDevice(b);
    }
    setPen(dc, pen.color, pen.width, pen.style);
    dc.line(toPoint(p), toPoint(q));
}

void DeviceBackend::arrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int color, bool solid, int width)
{
    if (!solid) {
        PenSpec pen{static_cast<int16_t>(color), static_cast<int16_t>(width), DashSolid};
        if (!tooShort(barb1, tip))
            segment(dc, barb1, tip, pen);
        if (!tooShort(barb2, tip))
            segment(dc, barb2, tip, pen);
        return;
    }
    setPen(dc, color, std::max(1, width), DashSolid);
    dc.setBrush(p_.deviceColor(color, true));
    dc.polygon({shapePoint(barb1), shapePoint(tip), shapePoint(barb2)});
}

void DeviceBackend::label(plat::DC& dc, const LabelPlacement& at, const LabelSpec& style)
{
    dc.setFont(p_.deviceFont(style.fontSlot, style.angle));
    plat::Color c = style.color < 0 ? p_.slotColor(style.fontSlot) : p_.deviceColor(style.color, style.contrast);
    dc.setTextColor(c);
    dc.setTextBackground(false, 0);
    dc.textOut(at.topLeft, style.text);
}

void DeviceBackend::frame(plat::DC& dc, WPoint lowerLeft, WPoint upperRight, int width)
{
    plat::Point a = shapePoint(lowerLeft), b = shapePoint(upperRight);
    dc.setPen(p_.deviceColor(0, false), deviceWidth(std::max(1, width)), plat::PenStyle::Solid);
    dc.setNullBrush();
    dc.rectangle({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1});
}

void DeviceBackend::polyline(plat::DC& dc, const std::vector<WPoint>& pts, int color, int width)
{
    PenSpec pen{static_cast<int16_t>(color), static_cast<int16_t>(width), DashSolid};
    for (size_t i = 1; i < pts.size(); ++i)
        if (!tooShort(pts[i - 1], pts[i]))
            segment(dc, pts[i - 1], pts[i], pen);
}

void DeviceBackend::path(plat::DC& dc, const std::vector<WPoint>& pts, const std::string& commands, int color,
                         int width)
{
    PenSpec pen{static_cast<int16_t>(color), static_cast<int16_t>(width), DashSolid};
    for (size_t i = 1; i < pts.size(); ++i) {
        bool move = i < commands.size() && (commands[i] == 'M' || commands[i] == 'm');
        if (!move && !tooShort(pts[i - 1], pts[i]))
            segment(dc, pts[i - 1], pts[i], pen);
    }
}

void DeviceBackend::polygon(plat::DC& dc, const std::vector<WPoint>& pts, const FillSpec& f)
{
    bool solidFill = !f.hollow && f.pattern == 0;
    bool outline = f.width >= 0;
    if (!f.hollow && f.pattern > 0 && pts.size() >= 3) {
        // Dot shading over the fan of triangles (convex polygons).
        std::vector<WPoint> all;
        for (size_t i = 1; i + 1 < pts.size(); ++i) {
            auto part = shadeTriangle(p_.view(), pts[0], pts[i], pts[i + 1]);
            all.insert(all.end(), part.begin(), part.end());
        }
        if (!all.empty())
            dots(dc, all, f.fill);
    }
    if (!solidFill && !outline)
        return;
    std::vector<plat::Point> dp;
    dp.reserve(pts.size());
    for (const WPoint& w : pts)
        dp.push_back(shapePoint(w));
    if (solidFill)
        dc.setBrush(p_.deviceColor(f.fill, false));
    else
        dc.setNullBrush();
    if (outline)
        setPen(dc, f.outline, std::max(1, f.width), DashSolid);
    else
        dc.setPen(0, 0, plat::PenStyle::Null);
    dc.polygon(dp);
}

void DeviceBackend::circle(plat::DC& dc, WPoint centre, Real r, const FillSpec& f)
{
    const ViewState& v = p_.view();
    bool fill = f.fill != -1 && !f.hollow;
    bool outline = f.outline != -1;
    if (fill && f.pattern > 0) {
        auto pts = shadeCircle(centre, r, v.dx);
        if (!pts.empty())
            dots(dc, pts, f.fill);
    }
    bool solidFill = fill && f.pattern == 0;
    if (!solidFill && !outline)
        return;
    plat::Point c = shapePoint(centre);
    int R = roundPixel(std::min(r * v.kx, kShapeLimit));
    if (solidFill)
        dc.setBrush(p_.deviceColor(f.fill, false));
    else
        dc.setNullBrush();
    if (outline)
        setPen(dc, f.outline, std::max(1, f.width), DashSolid);
    else
        dc.setPen(0, 0, plat::PenStyle::Null);
    dc.ellipse({c.x - R, c.y - R, c.x + R, c.y + R});
}

void DeviceBackend::arc(plat::DC& dc, WPoint centre, WPoint start, Real sweep, const PenSpec& pen)
{
    const ViewState& v = p_.view();
    // The radius on the device, from the world x scale (circles stay round).
    Real R = std::hypot(start.x - centre.x, start.y - centre.y) * v.kx;
    if (!(R >= 0.5L))
        return;
    int r = roundPixel(std::min(R, kShapeLimit));
    plat::Point c = shapePoint(centre);
    plat::Rect box{c.x - r, c.y - r, c.x + r, c.y + r};
    setPen(dc, pen.color, pen.width, pen.style);
    dc.setNullBrush();
    if (std::fabs(sweep) >= 2 * kPi) {
        dc.ellipse(box);
        return;
    }
    Real ux = start.x - centre.x, uy = start.y - centre.y;
    WPoint end{centre.x + ux * std::cos(sweep) - uy * std::sin(sweep),
               centre.y + ux * std::sin(sweep) + uy * std::cos(sweep)};
    plat::Point s = shapePoint(start), e = shapePoint(end);
    if (sweep < 0)
        std::swap(s, e); // the device turns counter-clockwise
    dc.arc(box, s, e);
}

void DeviceBackend::roundedRectangle(plat::DC& dc, WPoint c1, WPoint c2, Real r, const FillSpec& f)
{
    Real left = std::min(c1.x, c2.x), right = std::max(c1.x, c2.x);
    Real bottom = std::min(c1.y, c2.y), top = std::max(c1.y, c2.y);
    if (!f.hollow && f.pattern > 0) {
        auto pts = shadeRectangle({left, top}, {right, bottom}, p_.view().dx);
        if (!pts.empty())
            dots(dc, pts, f.fill);
    }
    std::vector<WPoint> outline;
    Real q = std::min({r, (right - left) / 2, (top - bottom) / 2});
    if (!(q > kShortestSegment)) {
        outline = {{right, top}, {left, top}, {left, bottom}, {right, bottom}};
    } else {
        // Quarter circles of eight steps about the four inner corners,
        // counter-clockwise from the upper right.
        const WPoint centres[4] = {{right - q, top - q}, {left + q, top - q}, {left + q, bottom + q}, {right - q, bottom + q}};
        for (int k = 0; k < 4; ++k)
            for (int i = 0; i <= 8; ++i) {
                Real t = (k * 90 + i * 11.25L) * kPi / 180;
                outline.push_back({centres[k].x + q * std::cos(t), centres[k].y + q * std::sin(t)});
            }
    }
    FillSpec g = f;
    if (g.pattern > 0)
        g.hollow = true; // already shaded
    if (g.hollow && g.width < 0)
        return;
    polygon(dc, outline, g);
}

void DeviceBackend::dots(plat::DC& dc, const std::vector<WPoint>& centres, int color)
{
    const ViewState& v = p_.view();
    plat::Color c = p_.deviceColor(color, false);
    int s = std::max(1, roundPixel(2 * kDotRadius * p_.env().penScale));
    for (const WPoint& w : centres) {
        DevicePoint d = v.WorldToDevice(w);
        if (!d.visible)
            continue;
        int x = d.x - s / 2, y = d.y - s / 2;
        dc.fillRect({x, y, x + s, y + s}, c);
    }
}

} // namespace quan
