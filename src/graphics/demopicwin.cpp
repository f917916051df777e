#include "graphics/demopicwin.h"

#include <cmath>

namespace quan {

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

void TDemoPicWin::drawPicture(plat::DC& dc)
{
    ++draws_;
    const Real pi = 3.141592653589793238462643383279502884L;
    // Five segments, one per dash style, widths 1 to 5.
    for (int s = 0; s <= 4; ++s) {
        PenSpec pen{roles_[RoleSegments], static_cast<int16_t>(s + 1), static_cast<int16_t>(s)};
        prims_.DrawSegment(dc, {-4.5L, 4.5L - s * 0.8L}, {-1.5L, 3.5L - s * 0.8L}, pen);
    }
    // A circle of radius 3 from 48 segments.
    PenSpec circle{roles_[RoleCircle], 2, DashSolid};
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
        l.color = roles_[RoleLabels];
        l.fontSlot = 4;
        l.hAnchor = m.h;
        l.vAnchor = m.v;
        l.contrast = true;
        prims_.DrawLabel(dc, d.x, d.y, l);
    }
    // A turned label and an arrowhead along the diagonal.
    DevicePoint c = pv_.view.WorldToDevice(1.5L, 1.5L);
    LabelSpec turned;
    turned.text = "r = 3";
    turned.color = roles_[RoleLabels];
    turned.fontSlot = 5;
    turned.hAnchor = 0;
    turned.vAnchor = 1;
    turned.angle = 450;
    prims_.DrawLabel(dc, c.x, c.y, turned);
    // The radius to 45 degrees with its arrowhead: barbs 0.35 back along
    // the radius and 0.15 to either side.
    const Real tip = 3 / std::sqrt(2.0L), back = tip - 0.35L / std::sqrt(2.0L), side = 0.15L / std::sqrt(2.0L);
    prims_.DrawSegment(dc, {0, 0}, {tip, tip}, PenSpec{roles_[RoleLabels], 1, DashSolid});
    prims_.DrawArrowhead(dc, {back - side, back + side}, {tip, tip}, {back + side, back - side}, roles_[RoleLabels],
                         true);
    // A shaded disc with its outline.
    FillSpec disc;
    disc.fill = roles_[RoleCircle];
    disc.outline = roles_[RoleCircle];
    disc.pattern = 1;
    prims_.WriteCircle(dc, {-3, -3}, 0.8L, disc);
}

} // namespace quan
