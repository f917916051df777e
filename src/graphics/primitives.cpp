#include "graphics/primitives.h"

#include "graphics/clip.h"
#include "graphics/device_backend.h"
#include "graphics/shading.h"
#include "text/fontwin.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {
const ColorTable& defaultColors()
{
    static const ColorTable t = initialColorTable();
    return t;
}
const ColorRoles& defaultRoles()
{
    static const ColorRoles r = initialColorRoles();
    return r;
}
const FontTable& defaultFonts()
{
    static const FontTable f = initialFontTable();
    return f;
}
int normalIndex(int index) { return index >= 1 && index < kColorEntries ? index : 0; }
} // namespace

Primitives::Primitives(DrawEnv env) : env_(std::move(env)), device_(std::make_unique<DeviceBackend>(*this))
{
    if (!env_.view) {
        fallbackView_.recompute();
        env_.view = &fallbackView_;
    }
}

Primitives::~Primitives() = default;

void Primitives::setBackend(OutputKind k, PictureBackend* b)
{
    switch (k) {
    case OutputKind::Eps: eps_ = b; break;
    case OutputKind::Svg: svg_ = b; break;
    case OutputKind::PicTeX: picTeX_ = b; break;
    case OutputKind::Device: break;
    }
}

PictureBackend& Primitives::active()
{
    switch (output_.active()) {
    case OutputKind::Eps: return eps_ ? *eps_ : nullEps_;
    case OutputKind::Svg: return svg_ ? *svg_ : nullSvg_;
    case OutputKind::PicTeX: return picTeX_ ? *picTeX_ : nullPicTeX_;
    case OutputKind::Device: break;
    }
    return *device_;
}

// --- colours and fonts -------------------------------------------------------

plat::Color Primitives::tableColor(int index) const
{
    return (env_.colors ? *env_.colors : defaultColors()).at(index);
}

int Primitives::backgroundIndex() const { return (env_.roles ? *env_.roles : defaultRoles())[RoleBackground]; }

plat::Color Primitives::deviceColor(int index, bool contrast) const
{
    int idx = normalIndex(index);
    if (env_.printing && !env_.colorPrinter)
        return env_.grey ? env_.grey(idx) : tableColor(idx);
    if (contrast && !env_.printing) {
        // Compared as drawn: an index outside 1..60 is entry 0.
        int bg = normalIndex(backgroundIndex());
        if (idx == bg)
            idx = bg == 0 ? 1 : 0;
    }
    return tableColor(idx);
}

plat::Font Primitives::deviceFont(int slot, int angle) const
{
    const FontTable& fonts = env_.fonts ? *env_.fonts : defaultFonts();
    if (slot < 0 || slot >= kFontSlots)
        slot = 0;
    plat::Font f = toPlatFont(fonts[static_cast<size_t>(slot)].font);
    if (env_.fontScale != 1 && f.height != 0) {
        int h = roundHalfDown(f.height * env_.fontScale);
        f.height = h != 0 ? h : (f.height < 0 ? -1 : 1);
    }
    f.escapement = angle;
    return f;
}

plat::Color Primitives::slotColor(int slot) const { return fontSlot(slot).color; }

const FontSlot& Primitives::fontSlot(int slot) const
{
    const FontTable& fonts = env_.fonts ? *env_.fonts : defaultFonts();
    if (slot < 0 || slot >= kFontSlots)
        slot = 0;
    return fonts[static_cast<size_t>(slot)];
}

// --- routing primitives ----------------------------------------------------------

void Primitives::DrawSegment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen)
{
    if (!pen.draws() || tooShort(a, b))
        return;
    active().segment(dc, a, b, pen);
}

void Primitives::DrawStraightSegment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen)
{
    if (!pen.draws() || tooShort(a, b))
        return;
    active().straightSegment(dc, a, b, pen);
}

void Primitives::DrawArrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int color, bool solid, int width)
{
    if (width < 0)
        return;
    active().arrowhead(dc, barb1, tip, barb2, color, solid, width);
}

LabelPlacement Primitives::placeOnDevice(plat::DC& dc, Real px, Real py, const LabelSpec& style)
{
    // Measured unturned with the label's font on the device.
    dc.setFont(deviceFont(style.fontSlot, 0));
    plat::Size ext = dc.textExtent(style.text);
    return placeLabel(px, py, ext, style.hAnchor, style.vAnchor, style.angle);
}

void Primitives::drawOpaqueBox(plat::DC& dc, const LabelPlacement& p, int color)
{
    std::vector<WPoint> corners;
    for (const WPoint& d : p.box)
        corners.push_back(view().DeviceToWorld(d.x, d.y));
    FillSpec f;
    f.fill = color;
    f.outline = color;
    f.width = -1;
    active().polygon(dc, corners, f);
}

LabelPlacement Primitives::DrawLabel(plat::DC& dc, Real px, Real py, const LabelSpec& style)
{
    LabelPlacement place = placeOnDevice(dc, px, py, style);
    if (style.text.empty())
        return place;
    if (style.opaque >= 0)
        drawOpaqueBox(dc, place, style.opaque);
    active().label(dc, place, style);
    return place;
}

LabelPlacement Primitives::DrawScaleLabel(plat::DC& dc, Axis axis, WPoint at, const LabelSpec& style)
{
    const ViewState& v = view();
    Real px = v.kx * (at.x - v.xmin) + v.ox, py = v.ky * (v.ymax - at.y) + v.oy;
    LabelPlacement place = placeOnDevice(dc, px, py, style);
    if (style.text.empty())
        return place;
    if (style.opaque >= 0)
        drawOpaqueBox(dc, place, style.opaque);
    active().scaleLabel(dc, axis, at, place, style);
    return place;
}

void Primitives::DrawFrameBackground(plat::DC& dc) { active().frameBackground(dc, backgroundIndex(), env_.frameImage); }

void Primitives::DrawFrame(plat::DC& dc)
{
    if (!env_.frameImage)
        return;
    const ViewState& v = view();
    int width = 1 + (env_.printing ? env_.printWidthIncrement : 0);
    active().frame(dc, {v.xmin - v.dx, v.ymin - v.dy}, {v.xmax + v.dx, v.ymax + v.dy}, width);
}

void Primitives::WriteComment(const std::string& text)
{
    if (output_.eps() || output_.picTeX())
        active().comment(text);
}

void Primitives::SetDottedLines(bool on) { active().setDottedLines(on); }

// --- per-format writers -------------------------------------------------------------

void Primitives::WritePenLine(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen)
{
    if (!pen.draws() || tooShort(a, b))
        return;
    active().penLine(dc, a, b, pen);
}

void Primitives::WritePolyline(plat::DC& dc, const std::vector<WPoint>& pts, int color, int width)
{
    if (pts.size() < 2 || width < 0)
        return;
    active().polyline(dc, pts, color, width);
}

void Primitives::WritePath(plat::DC& dc, const std::vector<WPoint>& pts, const std::string& commands, int color,
                           int width)
{
    if (pts.size() < 2 || width < 0)
        return;
    active().path(dc, pts, commands, color, width);
}

void Primitives::WritePolygon(plat::DC& dc, const std::vector<WPoint>& pts, const FillSpec& f)
{
    if (pts.size() < 2 || (f.hollow && f.width < 0))
        return;
    active().polygon(dc, pts, f);
}

void Primitives::WriteCircle(plat::DC& dc, WPoint centre, Real r, const FillSpec& f)
{
    if ((f.fill == -1 && f.outline == -1) || !(r > 0) || !std::isfinite(r))
        return;
    active().circle(dc, centre, r, f);
}

void Primitives::WriteArc(plat::DC& dc, WPoint centre, WPoint start, Real sweep, const PenSpec& pen)
{
    if (!pen.draws() || !std::isfinite(sweep) || sweep == 0 || tooShort(centre, start))
        return;
    active().arc(dc, centre, start, sweep, pen);
}

void Primitives::WriteRoundedRectangle(plat::DC& dc, WPoint c1, WPoint c2, Real r, const FillSpec& f)
{
    if (f.hollow && f.width < 0)
        return;
    active().roundedRectangle(dc, c1, c2, r, f);
}

void Primitives::WriteShadedCircle(plat::DC& dc, WPoint centre, Real r, int color)
{
    auto pts = shadeCircle(centre, r, view().dx);
    if (!pts.empty())
        active().dots(dc, pts, color);
}

void Primitives::WriteShadedRectangle(plat::DC& dc, WPoint topLeft, WPoint bottomRight, int color)
{
    auto pts = shadeRectangle(topLeft, bottomRight, view().dx);
    if (!pts.empty())
        active().dots(dc, pts, color);
}

void Primitives::WriteShadedTriangle(plat::DC& dc, WPoint a, WPoint b, WPoint c, int color)
{
    auto pts = shadeTriangle(view(), a, b, c);
    if (!pts.empty())
        active().dots(dc, pts, color);
}

void Primitives::WriteIcon(plat::DC& dc, WPoint centre, int shape, int size, int color)
{
    if (size < 0 || shape < 0 || shape > 13)
        return;
    // Marks are a few pixels; far larger ones are not marks.
    active().icon(dc, view(), centre, shape, std::min(size, 100000), color);
}

void Primitives::WriteMaskedPlot(plat::DC& dc, const std::vector<WPoint>& pts, const std::vector<int>& flags, int mode,
                                 const PenSpec& pen)
{
    if (pts.size() < 2 || !pen.draws())
        return;
    active().maskedPlot(dc, pts, flags, mode, pen);
}

} // namespace quan
