#include "graphics/demopicwin.h"

#include <cmath>

namespace quan {

// "Québec – (a\b) & <c>": an accent, an en dash, PostScript's and TeX's
// special characters and XML's.
const char* const TDemoPicWin::kAccentedLabel = "Qu\xE9"
                                                "bec \x96 (a\\b) & <c>";

TDemoPicWin::TDemoPicWin(TQuanFrame* frame, DocInit init) : TBasWin(frame, std::move(init))
{
    roles_[RoleBackground] = 1; // white
    roles_[RoleAxes] = 0;       // black
    roles_[RoleGrid] = 19;      // light grey
    roles_[RoleSegments] = 4;   // red
    roles_[RoleCircle] = 6;     // blue
    roles_[RoleLabels] = 17;    // dark blue
    pv_.axes.layout.axesOn = true;
    pv_.axes.scaleX = pv_.axes.scaleY = true;
}

bool TDemoPicWin::DrawPage(int page, plat::DC& dc)
{
    step_ = page;
    bool ok = TBasWin::DrawPage(page, dc);
    step_ = 0;
    return ok;
}

void TDemoPicWin::drawPicture(plat::DC& dc)
{
    ++draws_;
    const Real pi = 3.141592653589793238462643383279502884L;
    const int16_t red = static_cast<int16_t>(roles_[RoleSegments]), blue = static_cast<int16_t>(roles_[RoleCircle]),
                  ink = static_cast<int16_t>(roles_[RoleLabels]);
    // Five segments, one per dash style, widths 1 to 5.
    for (int s = 0; s <= 4; ++s) {
        PenSpec pen{red, static_cast<int16_t>(s + 1), static_cast<int16_t>(s)};
        prims_.DrawSegment(dc, {-4.5L, 4.5L - s * 0.8L}, {-1.5L, 3.5L - s * 0.8L}, pen);
    }
    // A circle of radius 3 from 48 segments.
    PenSpec circle{blue, 2, DashSolid};
    const int n = 48;
    for (int i = 0; i < n; ++i) {
        Real a = 2 * pi * i / n, b = 2 * pi * (i + 1) / n;
        prims_.DrawSegment(dc, {3 * std::cos(a), 3 * std::sin(a)}, {3 * std::cos(b), 3 * std::sin(b)}, circle);
    }
    // Labels at the circle's compass points, anchored away from it.
    const struct {
        Real x, y;
        int h, v;
        const char* text;
    } marks[] = {{3, 0, 1, 0, "east"}, {0, 3, 0, 1, "north"}, {-3, 0, -1, 0, "west"}, {0, -3, 0, -1, "south"}};
    for (const auto& m : marks) {
        DevicePoint d = pv_.view.WorldToDevice(m.x, m.y);
        LabelSpec l;
        l.text = m.text;
        l.color = ink;
        l.fontSlot = 4;
        l.hAnchor = m.h;
        l.vAnchor = m.v;
        l.contrast = true;
        prims_.DrawLabel(dc, d.x, d.y, l);
    }
    // The radius with its arrowhead and its turned label; each step turns
    // them by 30 degrees more: barbs 0.35 back along the radius and 0.15 to
    // either side.
    const Real t = pi / 4 + step_ * pi / 6, ct = std::cos(t), st = std::sin(t);
    auto along = [ct, st](Real r, Real side) { return WPoint{r * ct - side * st, r * st + side * ct}; };
    DevicePoint c = pv_.view.WorldToDevice(along(1.5L * std::sqrt(2.0L), 0));
    LabelSpec turned;
    turned.text = "r = 3";
    turned.color = ink;
    turned.fontSlot = 5;
    turned.hAnchor = 0;
    turned.vAnchor = 1;
    turned.angle = 450 + step_ * 300;
    prims_.DrawLabel(dc, c.x, c.y, turned);
    prims_.DrawSegment(dc, {0, 0}, along(3, 0), PenSpec{ink, 1, DashSolid});
    prims_.DrawArrowhead(dc, along(2.65L, 0.15L), along(3, 0), along(2.65L, -0.15L), ink, true);
    // A shaded disc with its outline.
    FillSpec disc;
    disc.fill = blue;
    disc.outline = blue;
    disc.pattern = 1;
    prims_.WriteCircle(dc, {-3, -3}, 0.8L, disc);

    // Arcs turning both ways about the origin.
    prims_.WriteArc(dc, {0, 0}, {1, 0}, 2 * pi / 3, PenSpec{5, 2, DashSolid});
    prims_.WriteArc(dc, {0, 0}, {-1.4L, 0}, -pi / 2, PenSpec{2, 2, DashLong});
    // A path in two pieces ('M' starts the second) and a zigzag polyline.
    prims_.WritePath(dc, {{-4.8L, 0}, {-4.2L, -0.4L}, {-3.6L, 0}, {-4.8L, -0.6L}, {-3.6L, -0.6L}}, "MLLML", 13, 2);
    prims_.WritePolyline(dc, {{2.5L, -3.4L}, {3, -2.6L}, {3.5L, -3.4L}, {4, -2.6L}, {4.5L, -3.4L}}, red, 2);
    // A patterned triangle and a solid one.
    FillSpec hatched;
    hatched.fill = 7;
    hatched.outline = 0;
    hatched.pattern = 1;
    prims_.WritePolygon(dc, {{3.2L, 1.6L}, {4.6L, 1.6L}, {3.9L, 2.9L}}, hatched);
    FillSpec plain;
    plain.fill = 14;
    plain.outline = 0;
    prims_.WritePolygon(dc, {{3.4L, -1.2L}, {4.6L, -1.2L}, {4.0L, -2.1L}}, plain);
    // Rounded rectangles: solid, and patterned.
    FillSpec box;
    box.fill = 8;
    box.outline = 0;
    prims_.WriteRoundedRectangle(dc, {1.0L, -2.3L}, {2.4L, -3.3L}, 0.2L, box);
    box.fill = 9;
    box.pattern = 2;
    prims_.WriteRoundedRectangle(dc, {-1.8L, -2.6L}, {-0.6L, -3.4L}, 0, box);
    // A row of icons (the cross hairs of shape 13 would cover the picture).
    for (int k = 0; k <= 12; ++k)
        prims_.WriteIcon(dc, {-0.8L + k * 0.42L, 3.35L}, k, 4, k % 2 ? red : blue);
    // A sampled curve with a gap in the middle.
    std::vector<WPoint> curve;
    std::vector<int> flags;
    for (int k = 0; k <= 36; ++k) {
        Real x = -4.8L + k * 0.1L;
        curve.push_back({x, -1.5L + 0.25L * std::sin(3 * x)});
        flags.push_back(k >= 16 && k <= 20 ? 0 : -1);
    }
    prims_.WriteMaskedPlot(dc, curve, flags, 2, PenSpec{10, 2, DashSolid});
    // The accented label and one turned the other way.
    DevicePoint q = pv_.view.WorldToDevice(-4.8L, -0.9L);
    LabelSpec accented;
    accented.text = kAccentedLabel;
    accented.color = ink;
    accented.fontSlot = 4;
    accented.hAnchor = 1;
    accented.vAnchor = -1;
    prims_.DrawLabel(dc, q.x, q.y, accented);
    DevicePoint r = pv_.view.WorldToDevice(1.2L, -1.6L);
    LabelSpec down;
    down.text = "turned -30";
    down.color = 24;
    down.fontSlot = 5;
    down.angle = -300;
    prims_.DrawLabel(dc, r.x, r.y, down);
}

} // namespace quan
