// Axes and grid through the primitives: what reaches a back-end, in which
// order, and the scale texts. The view is -5..5 both ways on 401 x 401
// pixels (40 pixels per unit), so tick positions and counts follow by hand.
#include "graphics/axes.h"

#include <cmath>
#include "platform/recording_dc.h"
#include "recording_backend.h"

#include <gtest/gtest.h>

using namespace quan;

namespace {

using testgfx::Call;

struct AxesFixture {
    PictureView pv;
    ColorTable colors = initialColorTable();
    ColorRoles roles = initialColorRoles();
    FontTable fonts = initialFontTable(96);
    Primitives prims;
    plat::RecordingDC dc;
    testgfx::RecordingBackend rec{OutputKind::Eps};

    explicit AxesFixture(OutputKind k = OutputKind::Eps) : rec(k)
    {
        pv.view.setClient(401, 401);
        pv.view.recompute();
        prims.env().view = &pv.view;
        prims.env().colors = &colors;
        prims.env().roles = &roles;
        prims.env().fonts = &fonts;
        fonts[1].font.height = -10; // scale numbers: characters 6 wide
        prims.setBackend(k, &rec);
        prims.output().set(k);
    }
    void draw() { drawAxesAndGrid(prims, dc, pv.axes); }
    std::vector<Call> only(const std::string& what) const
    {
        std::vector<Call> out;
        for (const auto& c : rec.calls)
            if (c.what == what)
                out.push_back(c);
        return out;
    }
};

} // namespace

TEST(ScaleText, DecimalsPiAndMinus)
{
    EXPECT_EQ(scaleLabelText(2.5L, 1, false, 112, false, 150), "2.5");
    EXPECT_EQ(scaleLabelText(3, 2, false, 112, false, 150), "3.00");
    EXPECT_EQ(scaleLabelText(-0.04L, 1, false, 112, false, 150), "0.0");
    EXPECT_EQ(scaleLabelText(1, 1, true, 112, false, 150), "p");
    EXPECT_EQ(scaleLabelText(-1, 1, true, 112, false, 150), "-p");
    EXPECT_EQ(scaleLabelText(0.5L, 1, true, 112, false, 150), "0.5p");
    EXPECT_EQ(scaleLabelText(-1.5L, 1, true, 112, false, 150), "-1.5p");
    EXPECT_EQ(scaleLabelText(0, 1, true, 112, false, 150), "0.0");
    EXPECT_EQ(scaleLabelText(-3, 0, false, 112, true, 150), std::string("\x96") + "3");
    EXPECT_EQ(scaleLabelText(2, 0, true, 'P', false, 150), "2P");
}

TEST(ScaleText, TickRanges)
{
    TickRange r = tickRange(-5, 5, 1, 401);
    EXPECT_EQ(r.first, -5);
    EXPECT_EQ(r.last, 5);
    r = tickRange(0.5L, 3.2L, 1, 401);
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.last, 3);
    EXPECT_TRUE(tickRange(-5, 5, 0, 401).empty());
    EXPECT_TRUE(tickRange(-5, 5, -1, 401).empty());
    EXPECT_TRUE(tickRange(0.2L, 0.8L, 1, 401).empty());
    // 10001 ticks on 401 pixels is no picture.
    EXPECT_TRUE(tickRange(-5, 5, 0.001L, 401).empty());
}

TEST(AxesDrawing, NothingWhenEverythingIsOff)
{
    AxesFixture f;
    f.draw();
    EXPECT_TRUE(f.rec.calls.empty());
}

TEST(AxesDrawing, OrderAndCommentsOfBothAxes)
{
    AxesFixture f;
    f.pv.axes.layout.axesOn = true;
    f.pv.axes.scaleX = f.pv.axes.scaleY = true;
    f.draw();
    // x axis, 11 ticks, 10 labels (0 left out where the axes cross), each
    // after its opaque box; then the same for y.
    std::vector<std::string> want;
    for (const char* a : {"x", "y"}) {
        want.push_back(std::string("% ") + a + " axis begin");
        want.push_back("straight");
        want.push_back(std::string("% ") + a + " axis end");
        want.push_back(std::string("% ") + a + "-ticks begin");
        for (int i = 0; i < 11; ++i)
            want.push_back("straight");
        want.push_back(std::string("% ") + a + "-ticks end");
        for (int i = 0; i < 10; ++i) {
            want.push_back("polygon");
            want.push_back("scale");
        }
    }
    EXPECT_EQ(f.rec.names(), want);

    auto lines = f.only("straight");
    // The x axis spans the view at y = 0; ticks are 10 pixels (0.25) long.
    EXPECT_EQ(lines[0].pts[0], (WPoint{-5, 0}));
    EXPECT_EQ(lines[0].pts[1], (WPoint{5, 0}));
    EXPECT_NEAR(lines[1].pts[0].x, -5, 1e-15L);
    EXPECT_NEAR(lines[1].pts[0].y, -0.125L, 1e-15L);
    EXPECT_NEAR(lines[1].pts[1].y, 0.125L, 1e-15L);
    EXPECT_EQ(lines[0].pen.color, 19); // the axes role
    EXPECT_EQ(lines[0].pen.width, 1);

    auto labels = f.only("scale");
    std::vector<std::string> texts;
    for (const auto& c : labels)
        texts.push_back(c.label.text);
    const std::vector<std::string> wantTexts{"-5.0", "-4.0", "-3.0", "-2.0", "-1.0", "1.0", "2.0", "3.0", "4.0",
                                             "5.0", "-5.0", "-4.0", "-3.0", "-2.0", "-1.0", "1.0", "2.0", "3.0",
                                             "4.0", "5.0"};
    EXPECT_EQ(texts, wantTexts);
    // The label of 1 on the x axis: anchored at its top middle 4 pixels
    // below the axis, the world point (1, -0.1), device (240, 204); "1.0" is
    // 18 pixels wide, so its corner is (231, 204).
    const Call& one = labels[5];
    EXPECT_EQ(one.axis, Axis::X);
    EXPECT_NEAR(one.pts[0].x, 1, 1e-15L);
    EXPECT_NEAR(one.pts[0].y, -0.1L, 1e-15L);
    EXPECT_EQ(one.label.hAnchor, 0);
    EXPECT_EQ(one.label.vAnchor, -1);
    EXPECT_EQ(one.label.fontSlot, 1);
    EXPECT_EQ(one.place.topLeft, (plat::Point{231, 204}));
    // The label of 1 on the y axis: right end 4 pixels left of the axis,
    // vertically centred: device (196, 160), corner (178, 155).
    const Call& yOne = labels[15];
    EXPECT_EQ(yOne.axis, Axis::Y);
    EXPECT_EQ(yOne.label.hAnchor, -1);
    EXPECT_EQ(yOne.label.vAnchor, 0);
    EXPECT_EQ(yOne.place.topLeft, (plat::Point{178, 155}));
}

TEST(AxesDrawing, MultiplesOfPi)
{
    AxesFixture f;
    auto& L = f.pv.axes.layout;
    L.axesOn = true;
    L.kind = AxisKind::XOnly;
    L.tickX = 0.5L;
    L.piX = true;
    f.pv.axes.scaleX = true;
    f.pv.axes.opaqueLabels = false;
    f.draw();
    // Ticks at k pi / 2 within -5..5: k = -3..3.
    auto lines = f.only("straight");
    ASSERT_EQ(lines.size(), 1u + 7u);
    EXPECT_NEAR(lines[1].pts[0].x, -1.5L * 3.14159265358979323846L, 1e-15L);
    std::vector<std::string> texts;
    for (const auto& c : f.only("scale"))
        texts.push_back(c.label.text);
    // Only the x axis: the origin is labelled too.
    EXPECT_EQ(texts, (std::vector<std::string>{"-1.5p", "-p", "-0.5p", "0.0", "0.5p", "p", "1.5p"}));
    EXPECT_EQ(f.rec.count("% y axis begin"), 0u);
}

TEST(AxesDrawing, LabelFrequencyAndBorderPlacement)
{
    AxesFixture f;
    auto& L = f.pv.axes.layout;
    L.axesOn = true;
    L.kind = AxisKind::YOnly;
    L.frequencyY = 2;
    f.pv.axes.scaleY = true;
    f.pv.axes.opaqueLabels = false;
    f.pv.axes.scalePlace = ScalePlace::Border;
    f.draw();
    std::vector<std::string> texts;
    auto labels = f.only("scale");
    for (const auto& c : labels)
        texts.push_back(c.label.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"-4.0", "-2.0", "0.0", "2.0", "4.0"}));
    // On the border: 4 pixels inside the left edge, left-anchored.
    EXPECT_NEAR(labels[0].pts[0].x, -5 + 0.1L, 1e-15L);
    EXPECT_EQ(labels[0].label.hAnchor, 1);
}

TEST(AxesDrawing, AxisOffTheViewHasNoLabelsOnIt)
{
    AxesFixture f;
    ASSERT_EQ(f.pv.setByCentre(0, 100, 5), 0);
    f.pv.axes.layout.axesOn = true;
    f.pv.axes.layout.kind = AxisKind::XOnly;
    f.pv.axes.scaleX = true;
    f.draw();
    EXPECT_EQ(f.rec.count("scale"), 0u);
    f.pv.axes.scalePlace = ScalePlace::Border;
    f.draw();
    EXPECT_EQ(f.rec.count("scale"), 11u);
}

TEST(AxesDrawing, RectangularGridInTheFirstQuadrant)
{
    AxesFixture f;
    f.pv.axes.layout.gridBits = grid::Rectangular | grid::Quadrant1;
    f.draw();
    std::vector<std::pair<WPoint, WPoint>> got;
    for (const auto& c : f.rec.calls) {
        ASSERT_EQ(c.what, "straight");
        got.push_back({c.pts[0], c.pts[1]});
    }
    std::vector<std::pair<WPoint, WPoint>> want;
    for (int x = 0; x <= 5; ++x)
        want.push_back({{Real(x), 0}, {Real(x), 5}});
    for (int y = 0; y <= 5; ++y)
        want.push_back({{0, Real(y)}, {5, Real(y)}});
    EXPECT_EQ(got, want);
    EXPECT_EQ(f.rec.calls[0].pen.color, 19); // grid role
}

TEST(AxesDrawing, QuadrantsTwoAndFourAndTheDottedBracket)
{
    AxesFixture f;
    f.pv.axes.layout.gridBits = grid::Rectangular | grid::Quadrant2 | grid::Quadrant4 | grid::Dotted;
    f.pv.axes.layout.frequencyX = 5;
    f.pv.axes.gridScreenWidth = 3;
    f.draw();
    ASSERT_GE(f.rec.calls.size(), 3u);
    EXPECT_EQ(f.rec.calls.front().what, "dots on");
    EXPECT_EQ(f.rec.calls.back().what, "dots off");
    auto lines = f.only("straight");
    // x = -5: only quadrant II (y >= 0); x = 0: II above and IV below, the
    // whole height; x = 3: only IV (y <= 0).
    EXPECT_EQ(lines[0].pts[0], (WPoint{-5, 0}));
    EXPECT_EQ(lines[0].pts[1], (WPoint{-5, 5}));
    EXPECT_EQ(lines[5].pts[0], (WPoint{0, -5}));
    EXPECT_EQ(lines[5].pts[1], (WPoint{0, 5}));
    EXPECT_EQ(lines[8].pts[0], (WPoint{3, -5}));
    EXPECT_EQ(lines[8].pts[1], (WPoint{3, 0}));
    for (const auto& l : lines)
        EXPECT_EQ(l.pen.style, DashShort);
    // Lines at multiples of the label frequency use the full pen, the others
    // the pen one pixel thinner.
    EXPECT_EQ(lines[0].pen.width, 3);
    EXPECT_EQ(lines[1].pen.width, 2);
}

TEST(AxesDrawing, PolarGridCirclesAndSectors)
{
    AxesFixture f;
    f.pv.axes.layout.gridBits = grid::Polar;
    f.pv.axes.layout.polarSectors = 4;
    f.draw();
    auto lines = f.only("straight");
    // Circles of radius 1..7 (the farthest corner is 7.07 away), then four
    // rays from the origin to 7.07 at 0, 90, 180, 270 degrees.
    ASSERT_GE(lines.size(), 4u);
    const Real r = std::sqrt(50.0L);
    for (int j = 0; j < 4; ++j) {
        const Call& ray = lines[lines.size() - 4 + static_cast<size_t>(j)];
        EXPECT_EQ(ray.pts[0], (WPoint{0, 0}));
        EXPECT_NEAR(std::hypot(ray.pts[1].x, ray.pts[1].y), r, 1e-15L);
    }
    EXPECT_NEAR(lines[lines.size() - 3].pts[1].y, r, 1e-15L);
    // Every circle piece lies on one of the circles 1..7.
    for (size_t i = 0; i + 4 < lines.size(); ++i) {
        Real d = std::hypot(lines[i].pts[0].x, lines[i].pts[0].y);
        EXPECT_NEAR(d, std::round(static_cast<double>(d)), 1e-12L);
        EXPECT_GE(d, 0.999L);
        EXPECT_LE(d, 7.001L);
    }
}

TEST(AxesDrawing, DotsAtTheCrossings)
{
    AxesFixture f;
    f.pv.axes.layout.dots = true;
    f.draw();
    auto dots = f.only("circle");
    ASSERT_EQ(dots.size(), 121u); // 11 x 11 crossings
    EXPECT_EQ(dots[0].pts[0], (WPoint{-5, -5}));
    EXPECT_EQ(dots[0].fill.fill, 19);
    EXPECT_EQ(dots[0].fill.outline, -1);
}

TEST(AxesDrawing, ArrowsAndLetters)
{
    AxesFixture f;
    f.pv.axes.layout.axesOn = true;
    f.pv.axes.layout.ticks = false;
    f.pv.axes.layout.arrows = true;
    f.pv.axes.layout.letters = true;
    f.pv.axes.solidArrowheads = true;
    f.draw();
    auto heads = f.only("arrowhead");
    ASSERT_EQ(heads.size(), 2u);
    // Tip one pixel inside the right end, barbs 7 pixels back.
    EXPECT_NEAR(heads[0].pts[1].x, 5 - 0.025L, 1e-15L);
    EXPECT_NEAR(heads[0].pts[0].x, 5 - 0.025L - 7 * 0.025L, 1e-15L);
    EXPECT_TRUE(heads[0].solid);
    auto letters = f.only("label");
    ASSERT_EQ(letters.size(), 2u);
    EXPECT_EQ(letters[0].label.text, "x");
    EXPECT_EQ(letters[1].label.text, "y");
    EXPECT_EQ(letters[0].label.fontSlot, 5);
}

TEST(AxesDrawing, PicTeXReceivesStraightSegmentsAndComments)
{
    AxesFixture f(OutputKind::PicTeX);
    f.pv.axes.layout.axesOn = true;
    f.pv.axes.layout.kind = AxisKind::PolarRay;
    f.draw();
    EXPECT_EQ(f.rec.count("segment"), 0u);
    auto lines = f.only("straight");
    // The polar ray runs from the origin to the right edge; ticks 0..5.
    ASSERT_EQ(lines.size(), 1u + 6u);
    EXPECT_EQ(lines[0].pts[0], (WPoint{0, 0}));
    EXPECT_EQ(f.rec.count("% x axis begin"), 1u);
    EXPECT_EQ(f.rec.count("% y axis begin"), 0u);
}

TEST(AxesDrawing, OnTheDeviceInTheAxesColour)
{
    AxesFixture f;
    f.prims.output().clear();
    f.roles[RoleAxes] = 4;
    f.pv.axes.layout.axesOn = true;
    f.pv.axes.scaleX = true;
    plat::MemoryBitmap bmp({401, 401});
    bmp.fill(f.colors.at(f.roles[RoleBackground]));
    drawAxesAndGrid(f.prims, bmp.dc(), f.pv.axes);
    EXPECT_EQ(bmp.pixel(100, 200), plat::rgb(255, 0, 0)); // on the x axis
    EXPECT_EQ(bmp.pixel(200, 100), plat::rgb(255, 0, 0)); // on the y axis
    EXPECT_EQ(bmp.pixel(100, 100), plat::rgb(192, 192, 192));
    auto texts = static_cast<plat::RecordingDC&>(bmp.dc()).texts();
    EXPECT_EQ(texts.size(), 10u);
    EXPECT_TRUE(f.rec.calls.empty());
}
