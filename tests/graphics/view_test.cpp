// The view: invariants of both modes, the mapping to device and page, the
// last-window stack and the view commands' arithmetic. Expected values are
// worked by hand from the definitions (noted beside each case).
#include "graphics/page.h"
#include "graphics/pixel.h"
#include "graphics/view.h"

#include <cmath>

#include <gtest/gtest.h>

using namespace quan;

namespace {
constexpr long double kEps = 1e-15L;

PictureView viewOf(int w, int h)
{
    PictureView pv;
    pv.view.setClient(w, h);
    pv.view.recompute();
    return pv;
}
} // namespace

TEST(ViewState, StartsAtTheInitialView)
{
    ViewState v;
    EXPECT_EQ(v.cx, 0);
    EXPECT_EQ(v.rx, 5);
    EXPECT_EQ(v.xmin, -5);
    EXPECT_EQ(v.ymax, 5);
    EXPECT_EQ(v.aspect, 1);
    EXPECT_EQ(v.mode, ViewMode::CentreWidth);
    EXPECT_EQ(v.dx, 0.01L);
    EXPECT_EQ(v.kx, 100);
    EXPECT_EQ(v.ox, 0);
    PictureView pv;
    EXPECT_TRUE(pv.stack.empty());
    EXPECT_EQ(pv.ZoomFactor, 1.1L);
    EXPECT_EQ(pv.ShiftFraction, 0.01L);
}

TEST(ViewState, CentreWidthInvariants)
{
    // 400 x 300 pixels, centre (1, 2), half-width 4: ry = 4 * 300 / 400 = 3,
    // x from -3 to 5, y from -1 to 5, dx = 8 / 399, dy = 6 / 299.
    PictureView pv = viewOf(400, 300);
    ASSERT_EQ(pv.setByCentre(1, 2, 4), 0);
    const ViewState& v = pv.view;
    EXPECT_NEAR(v.ry, 3, kEps);
    EXPECT_NEAR(v.xmin, -3, kEps);
    EXPECT_NEAR(v.xmax, 5, kEps);
    EXPECT_NEAR(v.ymin, -1, kEps);
    EXPECT_NEAR(v.ymax, 5, kEps);
    EXPECT_NEAR(v.dx, 8.0L / 399, kEps);
    EXPECT_NEAR(v.dy, 6.0L / 299, kEps);
    EXPECT_NEAR(v.kx, 399.0L / 8, 1e-12L);
    EXPECT_NEAR(v.ky, 299.0L / 6, 1e-12L);
    EXPECT_EQ(v.aspect, 1);

    // A new client size keeps rx and the centre and re-derives the rest:
    // 200 x 400 gives ry = 4 * 400 / 200 = 8.
    pv.view.setClient(200, 400);
    pv.view.recompute();
    EXPECT_NEAR(pv.view.ry, 8, kEps);
    EXPECT_NEAR(pv.view.ymax, 10, kEps);
    EXPECT_NEAR(pv.view.dx, 8.0L / 199, kEps);
}

TEST(ViewState, CornersInvariants)
{
    // Corners 0..10 by 0..5 on 400 x 300: aspect = 5 * 400 / (300 * 10) = 2/3,
    // centre (5, 2.5), half ranges 5 and 2.5.
    PictureView pv = viewOf(400, 300);
    ASSERT_EQ(pv.setByCorners(0, 10, 0, 5), 0);
    const ViewState& v = pv.view;
    EXPECT_EQ(v.mode, ViewMode::Corners);
    EXPECT_NEAR(v.aspect, 2.0L / 3, kEps);
    EXPECT_NEAR(v.cx, 5, kEps);
    EXPECT_NEAR(v.cy, 2.5L, kEps);
    EXPECT_NEAR(v.rx, 5, kEps);
    EXPECT_NEAR(v.ry, 2.5L, kEps);
    EXPECT_NEAR(v.dx, 10.0L / 399, kEps);
    EXPECT_NEAR(v.dy, 5.0L / 299, kEps);
    // The corners survive a resize; the aspect follows.
    pv.view.setClient(300, 300);
    pv.view.recompute();
    EXPECT_EQ(pv.view.xmax, 10);
    EXPECT_NEAR(pv.view.aspect, 0.5L, kEps);
}

TEST(ViewState, DrawingAreaStaysAtLeastTwoByTwo)
{
    ViewState v;
    v.setClient(1, 0);
    EXPECT_EQ(v.W, 2);
    EXPECT_EQ(v.H, 2);
    v.recompute();
    EXPECT_TRUE(std::isfinite(v.kx));
    EXPECT_TRUE(std::isfinite(v.ky));
}

TEST(ViewState, SetByCornersRefusesEqualOrReversedCorners)
{
    PictureView pv = viewOf(400, 300);
    ViewState before = pv.view;
    EXPECT_EQ(pv.setByCorners(2, 2, 0, 5), 6);
    EXPECT_EQ(pv.setByCorners(0, 5, 3, 3), 6);
    EXPECT_EQ(pv.setByCorners(5, 0, 0, 5), 6);
    EXPECT_EQ(pv.setByCentre(0, 0, 0), 14);
    EXPECT_EQ(pv.setByCentre(0, 0, -1), 14);
    EXPECT_EQ(pv.view, before);
    EXPECT_TRUE(pv.stack.empty());
}

TEST(ViewCommands, ZoomAndShiftArithmetic)
{
    PictureView pv = viewOf(400, 300);
    ASSERT_EQ(pv.setByCentre(1, 2, 4), 0);
    // Zoom out by 1.1: rx = 4.4, centre kept.
    ASSERT_EQ(pv.zoom(true), 0);
    EXPECT_NEAR(pv.view.rx, 4.4L, 1e-15L);
    EXPECT_EQ(pv.view.cx, 1);
    // Zoom in by 1.1 from 4.4 returns to 4.
    ASSERT_EQ(pv.zoom(false), 0);
    EXPECT_NEAR(pv.view.rx, 4, 1e-15L);
    // Shift right by 1 %: cx = 1 + 2 * 4 * 0.01 = 1.08.
    ASSERT_EQ(pv.shift(pv.ShiftFraction, 0), 0);
    EXPECT_NEAR(pv.view.cx, 1.08L, 1e-15L);
    EXPECT_NEAR(pv.view.rx, 4, 1e-15L);
    // Shift down by 1 %: cy = 2 - 2 * 3 * 0.01 = 1.94.
    ASSERT_EQ(pv.shift(0, -pv.ShiftFraction), 0);
    EXPECT_NEAR(pv.view.cy, 1.94L, 1e-15L);

    // In corners mode the corners move: 0..10 x 0..5 zoomed out by 2 gives
    // -5..15 x -2.5..7.5.
    ASSERT_EQ(pv.setZoomFactor(2), 0);
    ASSERT_EQ(pv.setByCorners(0, 10, 0, 5), 0);
    ASSERT_EQ(pv.zoom(true), 0);
    EXPECT_EQ(pv.view.mode, ViewMode::Corners);
    EXPECT_NEAR(pv.view.xmin, -5, kEps);
    EXPECT_NEAR(pv.view.xmax, 15, kEps);
    EXPECT_NEAR(pv.view.ymin, -2.5L, kEps);
    EXPECT_NEAR(pv.view.ymax, 7.5L, kEps);
}

TEST(ViewCommands, FactorAndPercentageMustBePositive)
{
    PictureView pv;
    EXPECT_EQ(pv.setZoomFactor(1e-17L), 14);
    EXPECT_EQ(pv.setZoomFactor(0), 14);
    EXPECT_EQ(pv.ZoomFactor, 1.1L);
    EXPECT_EQ(pv.setZoomFactor(1e-16L), 0);
    EXPECT_EQ(pv.ZoomFactor, 1e-16L);
    EXPECT_EQ(pv.setShiftPercent(-3), 14);
    EXPECT_EQ(pv.ShiftFraction, 0.01L);
    EXPECT_EQ(pv.setShiftPercent(25), 0);
    EXPECT_NEAR(pv.ShiftFraction, 0.25L, 1e-18L);
    // The entry itself must be at least 1e-16.
    EXPECT_EQ(pv.setShiftPercent(1e-17L), 14);
    EXPECT_EQ(pv.setShiftPercent(1e-16L), 0);
    EXPECT_NEAR(pv.ShiftFraction, 1e-18L, 1e-30L);
}

TEST(ViewCommands, ZoomThatWouldLoseTheScaleIsRefused)
{
    PictureView pv = viewOf(400, 300);
    ASSERT_EQ(pv.setZoomFactor(1e-16L), 0);
    int refusals = 0;
    for (int i = 0; i < 400; ++i)
        refusals += pv.zoom(true) != 0; // rx shrinks by 1e16 each time
    EXPECT_GT(refusals, 0);
    EXPECT_TRUE(std::isfinite(pv.view.kx));
    EXPECT_GT(pv.view.dx, 0);
}

TEST(LastWindow, ZoomOutThenLastWindowRestoresExactly)
{
    for (bool corners : {false, true}) {
        PictureView pv = viewOf(437, 291);
        if (corners)
            ASSERT_EQ(pv.setByCorners(-1.3L, 2.9L, 0.7L, 3.1L), 0);
        else
            ASSERT_EQ(pv.setByCentre(0.3L, -1.7L, 2.9L), 0);
        pv.stack.clear();
        pv.axes.layout.axesOn = true;
        const ViewState before = pv.view;
        const AxesLayout layoutBefore = pv.axes.layout;
        ASSERT_EQ(pv.zoom(true), 0);
        EXPECT_NE(pv.view.rx, before.rx);
        pv.axes.layout.axesOn = false; // a later change of the axes
        pv.axes.layout.tickX = 0.25L;
        ASSERT_TRUE(pv.lastWindow());
        EXPECT_EQ(pv.view, before) << (corners ? "corners" : "centre-width");
        EXPECT_EQ(pv.axes.layout, layoutBefore);
        EXPECT_TRUE(pv.stack.empty());
    }
}

TEST(LastWindow, EmptyStackDoesNothing)
{
    PictureView pv = viewOf(300, 200);
    const ViewState before = pv.view;
    EXPECT_FALSE(pv.lastWindow());
    EXPECT_EQ(pv.view, before);
}

TEST(LastWindow, StackIsUnboundedAndNewestFirst)
{
    PictureView pv = viewOf(300, 200);
    for (int i = 1; i <= 500; ++i)
        ASSERT_EQ(pv.setByCentre(i, 0, 1), 0);
    EXPECT_EQ(pv.stack.size(), 500u);
    ASSERT_TRUE(pv.lastWindow());
    EXPECT_EQ(pv.view.cx, 499);
    ASSERT_TRUE(pv.lastWindow());
    EXPECT_EQ(pv.view.cx, 498);
}

TEST(LastWindow, NodeKeepsTheAxesLayoutAndTheTwoFurtherSettings)
{
    PictureView pv = viewOf(300, 200);
    AxesLayout& L = pv.axes.layout;
    EXPECT_EQ(L.arrowLength, 7);
    EXPECT_EQ(L.degreeChar, 176);
    L.arrowLength = 12;
    L.degreeChar = 42;
    L.polarSectors = 8;
    L.gridBits = grid::Rectangular | grid::Quadrant1;
    pv.axes.opaqueLabels = false; // not part of a node
    pv.push();
    L = AxesLayout{};
    pv.axes.opaqueLabels = true;
    ASSERT_TRUE(pv.lastWindow());
    EXPECT_EQ(L.arrowLength, 12);
    EXPECT_EQ(L.degreeChar, 42);
    EXPECT_EQ(L.polarSectors, 8);
    EXPECT_EQ(L.gridBits, grid::Rectangular | grid::Quadrant1);
    EXPECT_TRUE(pv.axes.opaqueLabels);
}

namespace {
// Corners 0..100 by 0..75 on 401 x 301 pixels: exactly 4 pixels per unit.
ViewState quarterView()
{
    PictureView pv = viewOf(401, 301);
    EXPECT_EQ(pv.setByCorners(0, 100, 0, 75), 0);
    return pv.view;
}
} // namespace

TEST(WorldToDevice, RoundsClampsAndOffsets)
{
    ViewState v = quarterView();
    ASSERT_EQ(v.kx, 4);
    ASSERT_EQ(v.ky, 4);
    DevicePoint p = v.WorldToDevice(10, 20); // (40, 4 * 55)
    EXPECT_EQ(p.x, 40);
    EXPECT_EQ(p.y, 220);
    EXPECT_TRUE(p.visible);
    // Halves round toward zero: 0.5 -> 0, 1.5 -> 1, -0.5 -> 0.
    EXPECT_EQ(v.WorldToDevice(0.125L, 75).x, 0);
    EXPECT_EQ(v.WorldToDevice(0.375L, 75).x, 1);
    EXPECT_EQ(v.WorldToDevice(0.376L, 75).x, 2);
    DevicePoint edge = v.WorldToDevice(-0.125L, 75);
    EXPECT_EQ(edge.x, 0);
    EXPECT_TRUE(edge.visible);
    // Beyond the area: W + 1 / H + 1, and -1; not visible.
    DevicePoint far = v.WorldToDevice(101, -1);
    EXPECT_EQ(far.x, 402);
    EXPECT_EQ(far.y, 302);
    EXPECT_FALSE(far.visible);
    DevicePoint neg = v.WorldToDevice(-1, 80);
    EXPECT_EQ(neg.x, -1);
    EXPECT_EQ(neg.y, -1);
    EXPECT_FALSE(neg.visible);
    // x = 100.1 maps to 400.4 -> 400 = W - 1, still visible; 100.3 -> 401 = W.
    EXPECT_TRUE(v.WorldToDevice(100.1L, 0).visible);
    EXPECT_EQ(v.WorldToDevice(100.3L, 0).x, 401);
    EXPECT_TRUE(v.WorldToDevice(100.3L, 0).visible);
    // The origin offset is added after the clamps.
    v.ox = 10;
    v.oy = 20;
    p = v.WorldToDevice(10, 20);
    EXPECT_EQ(p.x, 50);
    EXPECT_EQ(p.y, 240);
    EXPECT_EQ(v.WorldToDevice(-1, 80).x, 9);
}

TEST(WorldToDevice, DeviceToWorldRoundTrip)
{
    ViewState v = quarterView();
    v.ox = 7;
    v.oy = -3;
    WPoint w = v.DeviceToWorld(47, 217); // (40 * 0.25, 75 - 220 * 0.25)
    EXPECT_NEAR(w.x, 10, kEps);
    EXPECT_NEAR(w.y, 20, kEps);
    PictureView pv = viewOf(513, 387);
    ASSERT_EQ(pv.setByCentre(-2.5L, 11.25L, 3.7L), 0);
    for (int i = 0; i < 50; ++i) {
        Real x = pv.view.xmin + (pv.view.xmax - pv.view.xmin) * i / 49;
        Real y = pv.view.ymax - (pv.view.ymax - pv.view.ymin) * i / 53;
        DevicePoint d = pv.view.WorldToDevice(x, y);
        WPoint back = pv.view.DeviceToWorld(d.x, d.y);
        EXPECT_LE(std::fabs(back.x - x), pv.view.dx / 2 + kEps);
        EXPECT_LE(std::fabs(back.y - y), pv.view.dy / 2 + kEps);
        // And a device pixel survives the trip exactly.
        WPoint pw = pv.view.DeviceToWorld(i * 7, i * 5);
        DevicePoint pd = pv.view.WorldToDevice(pw);
        EXPECT_EQ(pd.x, i * 7);
        EXPECT_EQ(pd.y, i * 5);
    }
}

TEST(PageMapping, SinglePageFromTheDrawingArea)
{
    // 400 x 300 at 96 pixels per inch: Wp = 399 * 0.75 = 299.25 -> 300,
    // Hp = 299.25 * 299 / 399 = 224.25 -> 225. With rx = 10 (ry = 7.5):
    // sx = 150 / 10 = 15, sy = 112.5 / 7.5 = 15.
    PictureView pv = viewOf(400, 300);
    ASSERT_EQ(pv.setByCentre(0, 0, 10), 0);
    PageMapping m;
    m.setup(pv.view, 96, 1);
    EXPECT_EQ(m.Wp, 300);
    EXPECT_EQ(m.Hp, 225);
    EXPECT_NEAR(m.sx, 15, kEps);
    EXPECT_NEAR(m.sy, 15, kEps);
    WPoint p = m.toPage(pv.view, 0, 0); // (15 * 10, 15 * 7.5)
    EXPECT_NEAR(p.x, 150, 1e-12L);
    EXPECT_NEAR(p.y, 112.5L, 1e-12L);
    p = m.toPage(pv.view, -10, -7.5L);
    EXPECT_NEAR(p.x, 0, 1e-12L);
    EXPECT_NEAR(p.y, 0, 1e-12L);
    // A whole number stays as it is: 401 pixels give exactly 300 points.
    pv.view.setClient(401, 301);
    pv.view.recompute();
    m.setup(pv.view, 96, 1);
    EXPECT_EQ(m.Wp, 300);
    EXPECT_EQ(m.Hp, 225);
}

TEST(PageMapping, MultiPageRecentresAndScales)
{
    // e = 5, e' = 5 * 7.5 / 10 = 3.75, sx = 150 / 5 = 30, sy = 112.5 / 3.75
    // = 30, s = e / rx = 0.5. The point (2, 1) about the centre (0, 0)
    // becomes (1, 0.5), then X = 30 * (5 + 1) = 180, Y = 30 * (3.75 + 0.5)
    // = 127.5.
    PictureView pv = viewOf(400, 300);
    ASSERT_EQ(pv.setByCentre(0, 0, 10), 0);
    PageMapping m;
    m.setup(pv.view, 96, 3);
    m.setMultiPageScale(pv.view);
    EXPECT_NEAR(m.ePrime, 3.75L, kEps);
    EXPECT_NEAR(m.sx, 30, kEps);
    EXPECT_NEAR(m.sy, 30, kEps);
    EXPECT_NEAR(m.s, 0.5L, kEps);
    WPoint p = m.toPage(pv.view, 2, 1);
    EXPECT_NEAR(p.x, 180, 1e-12L);
    EXPECT_NEAR(p.y, 127.5L, 1e-12L);
}

TEST(RoundPixel, AgreesWithTheSystemRounding)
{
    // Halves toward zero, saturation, NaN, and a sweep of values around
    // every half between -3 and 3 and far out.
    const Real cases[] = {0.5L, 1.5L, 2.5L, -0.5L, -1.5L, -2.5L, 0.5000001L, -0.5000001L, 0.4999999L, 0,
                          -0.0L, 1e12L, -1e12L, 2147483646.5L, 2147483646.6L, -2147483646.6L, 2147483647.0L};
    for (Real v : cases)
        EXPECT_EQ(roundPixel(v), roundHalfDown(v)) << static_cast<double>(v);
    EXPECT_EQ(roundPixel(std::nanl("")), roundHalfDown(std::nanl("")));
    for (int k = -3000; k <= 3000; ++k) {
        Real v = k / 1000.0L;
        ASSERT_EQ(roundPixel(v), roundHalfDown(v)) << k;
        ASSERT_EQ(roundPixel(v * 1234567.0L), roundHalfDown(v * 1234567.0L)) << k;
    }
    EXPECT_EQ(roundPixel(2.5L), 2);
    EXPECT_EQ(roundPixel(-2.5L), -2);
    EXPECT_EQ(roundPixel(2.51L), 3);
}
