// The routing primitives on the device back-end (a recording device
// context) and the rules they share with every back-end. Expected device
// coordinates are worked by hand: the view used maps 4 pixels to a world
// unit (corners 0..100 by 0..75 on 401 x 301 pixels).
#include "graphics/clip.h"
#include "graphics/device_backend.h"
#include "graphics/primitives.h"
#include "graphics/shading.h"
#include "platform/recording_dc.h"
#include "recording_backend.h"

#include <gtest/gtest.h>

using namespace quan;
using plat::DrawOp;

namespace {

struct Fixture {
    PictureView pv;
    ColorTable colors = initialColorTable();
    ColorRoles roles = initialColorRoles();
    FontTable fonts = initialFontTable(96);
    Primitives prims;
    plat::RecordingDC dc;

    Fixture()
    {
        pv.view.setClient(401, 301);
        pv.view.recompute();
        pv.setByCorners(0, 100, 0, 75);
        prims.env().view = &pv.view;
        prims.env().colors = &colors;
        prims.env().roles = &roles;
        prims.env().fonts = &fonts;
        // Known pixel sizes: slot 0 is 16 pixels (characters 10 wide), slot 3
        // is 15 pixels (characters 9 wide).
        fonts[0].font.height = -16;
        fonts[3].font.height = -15;
    }
    std::vector<DrawOp> lines() const
    {
        std::vector<DrawOp> out;
        for (const auto& op : dc.ops())
            if (op.kind == DrawOp::Line)
                out.push_back(op);
        return out;
    }
};

PenSpec pen(int color, int width = 1, int style = DashSolid)
{
    return {static_cast<int16_t>(color), static_cast<int16_t>(width), static_cast<int16_t>(style)};
}

} // namespace

TEST(DeviceSegment, InsideIsDrawnUnclipped)
{
    Fixture f;
    f.prims.DrawSegment(f.dc, {0, 0}, {100, 75}, pen(4, 2, DashLong));
    auto l = f.lines();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].pts[0], (plat::Point{0, 300}));
    EXPECT_EQ(l[0].pts[1], (plat::Point{400, 0}));
    EXPECT_EQ(l[0].penColor, plat::rgb(255, 0, 0));
    EXPECT_EQ(l[0].penWidth, 2);
    EXPECT_EQ(l[0].penStyle, plat::PenStyle::Dash);
}

TEST(DeviceSegment, ClippedAtEachEdge)
{
    // The clip rectangle is [0.25, 99.75] x [0.25, 74.75], one pixel inside.
    struct Case {
        WPoint a, b;
        plat::Point p, q;
    };
    const Case cases[] = {
        {{-10, 10}, {10, 10}, {1, 260}, {40, 260}},   // left edge: x = 0.25
        {{90, 20}, {110, 20}, {360, 220}, {399, 220}}, // right edge: x = 99.75
        {{50, 70}, {50, 80}, {200, 20}, {200, 1}},     // top edge: y = 74.75
        {{20, -5}, {20, 5}, {80, 299}, {80, 280}},     // bottom edge: y = 0.25
        {{-10, -10}, {10, 10}, {1, 299}, {40, 260}},   // corner: enters at (0.25, 0.25)
        {{-50, 37.5L}, {150, 37.5L}, {1, 150}, {399, 150}}, // through both sides
    };
    for (const Case& c : cases) {
        Fixture f;
        f.prims.DrawSegment(f.dc, c.a, c.b, pen(6));
        auto l = f.lines();
        ASSERT_EQ(l.size(), 1u);
        EXPECT_EQ(l[0].pts[0], c.p) << c.a.x << "," << c.a.y;
        EXPECT_EQ(l[0].pts[1], c.q) << c.a.x << "," << c.a.y;
    }
    // Wholly outside: nothing.
    Fixture f;
    f.prims.DrawSegment(f.dc, {-10, -10}, {-5, 80}, pen(6));
    f.prims.DrawSegment(f.dc, {-10, 80}, {110, 80}, pen(6));
    EXPECT_TRUE(f.lines().empty());
}

TEST(ClipSegment, LiangBarskyAgainstHandWorkedPoints)
{
    WPoint a{-5, 5}, b{15, 5};
    ASSERT_TRUE(clipSegment(a, b, 0, 10, 0, 10));
    EXPECT_EQ(a, (WPoint{0, 5}));
    EXPECT_EQ(b, (WPoint{10, 5}));
    // y = 2x + 5 from (-5, -5) to (5, 15): enters at (0, 5), leaves at (2.5, 10).
    a = {-5, -5};
    b = {5, 15};
    ASSERT_TRUE(clipSegment(a, b, 0, 10, 0, 10));
    EXPECT_NEAR(a.x, 0, 1e-18L);
    EXPECT_NEAR(a.y, 5, 1e-18L);
    EXPECT_NEAR(b.x, 2.5L, 1e-18L);
    EXPECT_NEAR(b.y, 10, 1e-18L);
    // Reversed direction gives the same piece reversed.
    a = {15, 5};
    b = {-5, 5};
    ASSERT_TRUE(clipSegment(a, b, 0, 10, 0, 10));
    EXPECT_EQ(a, (WPoint{10, 5}));
    EXPECT_EQ(b, (WPoint{0, 5}));
    // Misses the corner: x + y = 21 passes outside (10, 10).
    a = {6, 15};
    b = {15, 6};
    EXPECT_FALSE(clipSegment(a, b, 0, 10, 0, 10));
    // Parallel outside, and an empty rectangle.
    a = {-1, -5};
    b = {-1, 15};
    EXPECT_FALSE(clipSegment(a, b, 0, 10, 0, 10));
    a = {1, 1};
    b = {2, 2};
    EXPECT_FALSE(clipSegment(a, b, 5, 4, 0, 10));
}

TEST(DeviceColors, IndicesOutsideOneToSixtyReadEntryZero)
{
    Fixture f;
    f.colors.set(0, plat::rgb(10, 20, 30));
    for (int index : {0, 61, -5}) {
        f.dc.clear();
        f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(index));
        ASSERT_EQ(f.lines().size(), 1u);
        EXPECT_EQ(f.lines()[0].penColor, plat::rgb(10, 20, 30)) << index;
    }
    f.dc.clear();
    f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(60));
    EXPECT_EQ(f.lines()[0].penColor, plat::rgb(20, 100, 20));
}

TEST(DeviceColors, PenOnTheBackgroundColourStaysVisible)
{
    Fixture f;
    // Background role 7: a pen of index 7 is drawn with entry 0.
    f.roles[RoleBackground] = 7;
    f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(7));
    EXPECT_EQ(f.lines().back().penColor, plat::rgb(0, 0, 0));
    // Background role 0: a pen of index 0 (or one reading entry 0) is drawn
    // with entry 1, white.
    f.roles[RoleBackground] = 0;
    f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(0));
    EXPECT_EQ(f.lines().back().penColor, plat::rgb(255, 255, 255));
    f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(61));
    EXPECT_EQ(f.lines().back().penColor, plat::rgb(255, 255, 255));
    // Other indices are untouched.
    f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(4));
    EXPECT_EQ(f.lines().back().penColor, plat::rgb(255, 0, 0));
    // When printing there is no contrast rule.
    f.prims.env().printing = true;
    f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(0));
    EXPECT_EQ(f.lines().back().penColor, plat::rgb(0, 0, 0));
}

TEST(DeviceColors, PrinterWithoutColourPrintsGreyLevels)
{
    Fixture f;
    f.prims.env().printing = true;
    f.prims.env().colorPrinter = false;
    // grey = trunc(0.3 r + 0.59 g + 0.11 b), computed here independently.
    f.prims.env().grey = [&](int i) {
        if (i <= 0)
            return plat::rgb(0, 0, 0);
        if (i == 1)
            return plat::rgb(255, 255, 255);
        plat::Color c = f.colors.at(i);
        int g = static_cast<int>(0.3 * plat::red(c) + 0.59 * plat::green(c) + 0.11 * plat::blue(c));
        return plat::rgb(g, g, g);
    };
    f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(4)); // red: 0.3 * 255 = 76.5 -> 76
    EXPECT_EQ(f.lines().back().penColor, plat::rgb(76, 76, 76));
    f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(5)); // 0.59 * 191 + 0.11 * 63 = 119.62 -> 119
    EXPECT_EQ(f.lines().back().penColor, plat::rgb(119, 119, 119));
}

TEST(Pens, InvalidStyleOrNegativeWidthDrawsNothing)
{
    Fixture f;
    for (PenSpec p : {pen(4, 1, 5), pen(4, 1, -1), pen(4, -1, 0), pen(4, -3, 2)}) {
        f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, p);
        f.prims.WritePenLine(f.dc, {10, 10}, {20, 20}, p);
        f.prims.WriteArc(f.dc, {50, 50}, {60, 50}, 1, p);
    }
    EXPECT_TRUE(f.dc.ops().empty());
    // Every valid style maps to its device style; width 0 is a thin pen.
    const plat::PenStyle want[] = {plat::PenStyle::Solid, plat::PenStyle::Dot, plat::PenStyle::Dash,
                                   plat::PenStyle::DashDot, plat::PenStyle::DashDotDot};
    for (int s = 0; s <= 4; ++s) {
        f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(4, 0, s));
        EXPECT_EQ(f.lines().back().penStyle, want[s]);
        EXPECT_EQ(f.lines().back().penWidth, 0);
    }
}

TEST(Pens, InvalidPensReachNoBackEnd)
{
    for (OutputKind k : {OutputKind::Eps, OutputKind::Svg, OutputKind::PicTeX}) {
        Fixture f;
        testgfx::RecordingBackend rec(k);
        f.prims.setBackend(k, &rec);
        OutputScope scope(f.prims.output(), k);
        f.prims.DrawSegment(f.dc, {10, 10}, {20, 20}, pen(4, 1, 5));
        f.prims.WritePenLine(f.dc, {10, 10}, {20, 20}, pen(4, -1));
        f.prims.DrawStraightSegment(f.dc, {10, 10}, {20, 20}, pen(4, 1, 5));
        EXPECT_TRUE(rec.calls.empty());
        f.prims.WritePenLine(f.dc, {10, 10}, {20, 20}, pen(4, 1, 4));
        EXPECT_EQ(rec.names(), std::vector<std::string>{"penLine"});
    }
}

TEST(ShortSegments, ManhattanLengthUpTo1e13DrawsNothingAnywhere)
{
    const WPoint a{1, 1};
    const WPoint shortB{1 + 4e-14L, 1 + 5e-14L}; // 9e-14
    const WPoint longB{1 + 6e-14L, 1 + 6e-14L};  // 1.2e-13
    {
        Fixture f;
        f.prims.DrawSegment(f.dc, a, shortB, pen(4));
        f.prims.DrawSegment(f.dc, a, a, pen(4));
        EXPECT_TRUE(f.dc.ops().empty());
    }
    for (OutputKind k : {OutputKind::Eps, OutputKind::Svg, OutputKind::PicTeX}) {
        Fixture f;
        testgfx::RecordingBackend rec(k);
        f.prims.setBackend(k, &rec);
        OutputScope scope(f.prims.output(), k);
        f.prims.DrawSegment(f.dc, a, shortB, pen(4));
        f.prims.DrawStraightSegment(f.dc, a, shortB, pen(4));
        f.prims.WritePenLine(f.dc, a, shortB, pen(4));
        EXPECT_TRUE(rec.calls.empty());
        f.prims.DrawSegment(f.dc, a, longB, pen(4));
        EXPECT_EQ(rec.names(), std::vector<std::string>{"segment"});
    }
    EXPECT_TRUE(tooShort(a, shortB));
    EXPECT_FALSE(tooShort(a, longB));
    EXPECT_TRUE(tooShort(a, {1 + 5e-14L, 1 - 4e-14L}));
}

TEST(Routing, OutputFlagsChooseTheBackEnd)
{
    Fixture f;
    testgfx::RecordingBackend eps(OutputKind::Eps), svg(OutputKind::Svg);
    f.prims.setBackend(OutputKind::Eps, &eps);
    f.prims.setBackend(OutputKind::Svg, &svg);
    EXPECT_EQ(f.prims.active().kind(), OutputKind::Device);
    f.prims.output().set(OutputKind::Eps);
    EXPECT_TRUE(f.prims.output().eps());
    EXPECT_FALSE(f.prims.output().svg());
    f.prims.DrawSegment(f.dc, {1, 1}, {2, 2}, pen(3));
    f.prims.WriteComment("hello");
    f.prims.output().set(OutputKind::Svg);
    EXPECT_FALSE(f.prims.output().eps());
    f.prims.DrawSegment(f.dc, {1, 1}, {2, 2}, pen(3));
    f.prims.WriteComment("not for svg");
    // PicTeX without a registered back-end draws nothing.
    f.prims.output().set(OutputKind::PicTeX);
    f.prims.DrawSegment(f.dc, {1, 1}, {2, 2}, pen(3));
    f.prims.output().clear();
    EXPECT_FALSE(f.prims.output().exporting());
    f.prims.WriteComment("not for the device");
    EXPECT_EQ(eps.names(), (std::vector<std::string>{"segment", "% hello"}));
    EXPECT_EQ(svg.names(), std::vector<std::string>{"segment"});
    EXPECT_TRUE(f.dc.ops().empty());
    {
        OutputScope scope(f.prims.output(), OutputKind::Eps);
        EXPECT_TRUE(f.prims.output().eps());
    }
    EXPECT_FALSE(f.prims.output().exporting());
}

TEST(Labels, PlacementForEveryAnchorPair)
{
    // "ab" in a 16-pixel font is 20 x 16 at the point (100, 100):
    // horizontal anchor -1, 0, 1 puts the left end at 80, 90, 100;
    // vertical anchor -1, 0, 1 puts the top at 100, 92, 84.
    const int wantX[3] = {80, 90, 100}, wantY[3] = {100, 92, 84};
    for (int a = -1; a <= 1; ++a)
        for (int b = -1; b <= 1; ++b) {
            Fixture f;
            LabelSpec l;
            l.text = "ab";
            l.fontSlot = 0;
            l.hAnchor = a;
            l.vAnchor = b;
            l.color = 4;
            f.prims.DrawLabel(f.dc, 100, 100, l);
            ASSERT_EQ(f.dc.ops().size(), 1u);
            const DrawOp& op = f.dc.ops()[0];
            EXPECT_EQ(op.kind, DrawOp::Text);
            EXPECT_EQ(op.text, "ab");
            EXPECT_EQ(op.pts[0], (plat::Point{wantX[a + 1], wantY[b + 1]})) << a << "," << b;
            EXPECT_EQ(op.textColor, plat::rgb(255, 0, 0));
            EXPECT_EQ(op.font.pixelSize(), 16);
        }
}

TEST(Labels, HalvesRoundTowardZero)
{
    // "abc" in a 15-pixel font is 27 x 15; centred at (100, 100) the corner
    // is (100 - 13.5, 100 - 7.5) = (86.5, 92.5), which rounds to (86, 92).
    Fixture f;
    LabelSpec l;
    l.text = "abc";
    l.fontSlot = 3;
    l.hAnchor = 0;
    l.vAnchor = 0;
    LabelPlacement p = f.prims.DrawLabel(f.dc, 100, 100, l);
    EXPECT_EQ(p.extent, (plat::Size{27, 15}));
    EXPECT_EQ(f.dc.ops()[0].pts[0], (plat::Point{86, 92}));
    // The baseline point lies 0.777 h below the corner: 92 + 11.655.
    EXPECT_NEAR(p.baseline.x, 86, 1e-12L);
    EXPECT_NEAR(p.baseline.y, 92 + 0.777L * 15, 1e-12L);
}

TEST(Labels, TurnedLabel)
{
    // Turned by 90 degrees the text runs upwards from its corner. Anchored
    // at its right end and top (a = -1, b = -1) at (100, 100), the corner is
    // the width (20) below the point: (100, 120); the baseline is 0.777 h to
    // the right of it along the turned height: (112.432, 120).
    Fixture f;
    LabelSpec l;
    l.text = "ab";
    l.hAnchor = -1;
    l.vAnchor = -1;
    l.angle = 900;
    LabelPlacement p = f.prims.DrawLabel(f.dc, 100, 100, l);
    EXPECT_EQ(p.topLeft, (plat::Point{100, 120}));
    EXPECT_NEAR(p.baseline.x, 100 + 0.777L * 16, 1e-9L);
    EXPECT_NEAR(p.baseline.y, 120, 1e-9L);
    EXPECT_EQ(f.dc.ops()[0].font.escapement, 900);
    // Centred both ways at 180 degrees: the corner is the point plus half
    // the extent, (110, 108), and the box runs back to (90, 92).
    Fixture g;
    l.hAnchor = 0;
    l.vAnchor = 0;
    l.angle = 1800;
    p = g.prims.DrawLabel(g.dc, 100, 100, l);
    EXPECT_EQ(p.topLeft, (plat::Point{110, 108}));
    EXPECT_NEAR(p.box[2].x, 90, 1e-9L);
    EXPECT_NEAR(p.box[2].y, 92, 1e-9L);
}

TEST(Labels, OpaqueBoxIsAFilledPolygonBeforeTheText)
{
    Fixture f;
    LabelSpec l;
    l.text = "ab";
    l.hAnchor = 0;
    l.vAnchor = 0;
    l.opaque = 3;
    f.prims.DrawLabel(f.dc, 100, 100, l);
    ASSERT_EQ(f.dc.ops().size(), 2u);
    const DrawOp& box = f.dc.ops()[0];
    EXPECT_EQ(box.kind, DrawOp::Polygon);
    EXPECT_TRUE(box.brush);
    EXPECT_EQ(box.brushColor, plat::rgb(255, 255, 0));
    EXPECT_EQ(box.penStyle, plat::PenStyle::Null);
    const std::vector<plat::Point> corners{{90, 92}, {110, 92}, {110, 108}, {90, 108}};
    EXPECT_EQ(box.pts, corners);
    EXPECT_EQ(f.dc.ops()[1].kind, DrawOp::Text);
    // Other back-ends receive the same polygon (fill and outline in the
    // opaque colour, no outline width) and then the text.
    Fixture g;
    testgfx::RecordingBackend rec(OutputKind::Svg);
    g.prims.setBackend(OutputKind::Svg, &rec);
    OutputScope scope(g.prims.output(), OutputKind::Svg);
    g.prims.DrawLabel(g.dc, 100, 100, l);
    ASSERT_EQ(rec.names(), (std::vector<std::string>{"polygon", "label"}));
    EXPECT_EQ(rec.calls[0].fill.fill, 3);
    EXPECT_EQ(rec.calls[0].fill.outline, 3);
    EXPECT_LT(rec.calls[0].fill.width, 0);
    EXPECT_FALSE(rec.calls[0].fill.hollow);
    // Box corners in world units: (90, 92) is (22.5, 75 - 23).
    EXPECT_NEAR(rec.calls[0].pts[0].x, 22.5L, 1e-15L);
    EXPECT_NEAR(rec.calls[0].pts[0].y, 52, 1e-15L);
}

TEST(Frame, OnlyWithFrameImageOnePixelOutside)
{
    Fixture f;
    f.prims.DrawFrame(f.dc);
    EXPECT_TRUE(f.dc.ops().empty());
    f.prims.env().frameImage = true;
    f.prims.DrawFrame(f.dc);
    ASSERT_EQ(f.dc.ops().size(), 1u);
    const DrawOp& r = f.dc.ops()[0];
    EXPECT_EQ(r.kind, DrawOp::Rectangle);
    EXPECT_FALSE(r.brush);
    // (xmin - dx, ymax + dy) is pixel (-1, -1); (xmax + dx, ymin - dy) is
    // pixel (401, 301); the rectangle covers both.
    EXPECT_EQ(r.pts[0], (plat::Point{-1, -1}));
    EXPECT_EQ(r.pts[1], (plat::Point{402, 302}));
    EXPECT_EQ(r.penColor, plat::rgb(0, 0, 0));
    EXPECT_EQ(r.penWidth, 1);
    // The background is already in the layer bitmap: the device draws none.
    f.dc.clear();
    f.prims.DrawFrameBackground(f.dc);
    EXPECT_TRUE(f.dc.ops().empty());
    testgfx::RecordingBackend rec(OutputKind::Eps);
    f.prims.setBackend(OutputKind::Eps, &rec);
    OutputScope scope(f.prims.output(), OutputKind::Eps);
    f.roles[RoleBackground] = 25;
    f.prims.DrawFrameBackground(f.dc);
    ASSERT_EQ(rec.calls.size(), 1u);
    EXPECT_EQ(rec.calls[0].color, 25);
    EXPECT_TRUE(rec.calls[0].solid);
}

TEST(Writers, DeviceShapes)
{
    Fixture f;
    // A circle of radius 2.5 (10 pixels) about (50, 37.5) = pixel (200, 150).
    FillSpec fs;
    fs.fill = 4;
    fs.outline = 6;
    fs.width = 2;
    f.prims.WriteCircle(f.dc, {50, 37.5L}, 2.5L, fs);
    ASSERT_EQ(f.dc.ops().size(), 1u);
    EXPECT_EQ(f.dc.ops()[0].kind, DrawOp::Ellipse);
    EXPECT_EQ(f.dc.ops()[0].pts[0], (plat::Point{190, 140}));
    EXPECT_EQ(f.dc.ops()[0].pts[1], (plat::Point{210, 160}));
    EXPECT_EQ(f.dc.ops()[0].brushColor, plat::rgb(255, 0, 0));
    EXPECT_EQ(f.dc.ops()[0].penColor, plat::rgb(0, 0, 255));
    // Both colours -1: nothing.
    f.dc.clear();
    FillSpec none;
    none.fill = -1;
    none.outline = -1;
    f.prims.WriteCircle(f.dc, {50, 37.5L}, 2.5L, none);
    EXPECT_TRUE(f.dc.ops().empty());
    // A quarter arc from (60, 37.5) counter-clockwise: ends at (50, 47.5),
    // pixel (200, 110); box 40 pixels about (200, 150).
    f.prims.WriteArc(f.dc, {50, 37.5L}, {60, 37.5L}, 3.14159265358979323846L / 2, pen(6));
    ASSERT_EQ(f.dc.ops().size(), 1u);
    const DrawOp& arc = f.dc.ops()[0];
    EXPECT_EQ(arc.kind, DrawOp::Arc);
    EXPECT_EQ(arc.pts[0], (plat::Point{160, 110}));
    EXPECT_EQ(arc.pts[1], (plat::Point{240, 190}));
    EXPECT_EQ(arc.pts[2], (plat::Point{240, 150}));
    EXPECT_EQ(arc.pts[3], (plat::Point{200, 110}));
    // A path breaks at 'M': three points "MLM" plus one more give two lines.
    f.dc.clear();
    f.prims.WritePath(f.dc, {{10, 10}, {20, 10}, {30, 10}, {40, 10}}, "MLML", 6, 1);
    auto l = f.lines();
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].pts[0], (plat::Point{40, 260}));
    EXPECT_EQ(l[1].pts[0], (plat::Point{120, 260}));
    // A hollow polygon without outline is nothing at all.
    f.dc.clear();
    FillSpec hollow;
    hollow.hollow = true;
    hollow.width = -1;
    f.prims.WritePolygon(f.dc, {{10, 10}, {20, 10}, {20, 20}}, hollow);
    EXPECT_TRUE(f.dc.ops().empty());
    // A rounded rectangle of radius 0 is a plain four-corner polygon.
    FillSpec rr;
    rr.fill = 5;
    rr.outline = 0;
    f.prims.WriteRoundedRectangle(f.dc, {10, 10}, {20, 30}, 0, rr);
    ASSERT_EQ(f.dc.ops().size(), 1u);
    EXPECT_EQ(f.dc.ops()[0].pts.size(), 4u);
    EXPECT_EQ(f.dc.ops()[0].pts[0], (plat::Point{80, 180}));
}

TEST(Writers, DotShadingGrid)
{
    // dx = 0.25: step 0.65, dot radius 0.1. A rectangle 0..1.3 wide and 1.3
    // high holds u = 0.325, 0.975 and v = 1.3 - 0.325, 1.3 - 0.975: four dots.
    Fixture f;
    auto pts = shadeRectangle({0, 1.3L}, {1.3L, 0}, f.pv.view.dx);
    ASSERT_EQ(pts.size(), 4u);
    EXPECT_NEAR(pts[0].x, 0.325L, 1e-15L);
    EXPECT_NEAR(pts[0].y, 0.975L, 1e-15L);
    // A circle of radius 1 about the origin: the grid point (0.325, 0.325)
    // lies within 1 - 0.1 = 0.9 (0.46 from the centre), (0.975, 0.325) does
    // not (1.03): four dots, one per quadrant.
    pts = shadeCircle({0, 0}, 1, f.pv.view.dx);
    EXPECT_EQ(pts.size(), 4u);
    f.prims.WriteShadedRectangle(f.dc, {10, 20}, {20, 10}, 4);
    // (10 / 0.65 rounded down, less the margin) = 15 columns and rows.
    EXPECT_EQ(f.dc.ops().size(), 15u * 15u);
    EXPECT_EQ(f.dc.ops()[0].kind, DrawOp::FillRect);
}
