// The EPS, SVG and PicTeX writers byte for byte against hand-written text,
// on a drawing area of 400 x 300 pixels with the initial view: x from -5
// to 5, y from -3.75 to 3.75. At 96 pixels per inch the EPS page is 300 x
// 225 points, 30 points per world unit on both axes (X = 30 (x + 5),
// Y = 30 (y + 3.75)); the device has 39.9 pixels per unit across and
// 299 / 7.5 down.
#include "export_helpers.h"
#include "graphics/export/eps_writer.h"
#include "graphics/export/export_common.h"
#include "graphics/export/pictex_writer.h"
#include "graphics/export/svg_writer.h"
#include "graphics/primitives.h"
#include "platform/recording_dc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

using namespace quan;

namespace {

constexpr Real kPi = 3.141592653589793238462643383279502884L;

class WriterTest : public ::testing::Test {
protected:
    WriterTest()
    {
        view.setClient(400, 300);
        view.recompute();
        fonts = initialFontTable(96);
        fonts[4].font.setFace("Times New Roman");
        fonts[4].font.italic = 1;
        fonts[4].font.height = -16;
        fonts[4].pointSize = 12;
        DrawEnv env;
        env.view = &view;
        env.fonts = &fonts;
        prims = std::make_unique<Primitives>(env);
    }
    // Lines joined with CR LF, each ending with one.
    static std::string lines(std::initializer_list<const char*> ls)
    {
        std::string s;
        for (const char* l : ls) {
            s += l;
            s += "\r\n";
        }
        return s;
    }
    PenSpec pen(int color, int width, int style)
    {
        return PenSpec{static_cast<int16_t>(color), static_cast<int16_t>(width), static_cast<int16_t>(style)};
    }
    LabelPlacement place(Real px, Real py, const LabelSpec& l)
    {
        dc.setFont(prims->deviceFont(l.fontSlot, 0));
        return placeLabel(px, py, dc.textExtent(l.text), l.hAnchor, l.vAnchor, l.angle);
    }

    ViewState view;
    FontTable fonts;
    std::unique_ptr<Primitives> prims;
    plat::RecordingDC dc;
};

// --- EPS ------------------------------------------------------------------------------

class EpsTest : public WriterTest {
protected:
    EpsTest() : eps(*prims)
    {
        EpsSettings s;
        s.title = "pic";
        s.date = "Monday, December 7, 2026";
        eps.prepare(s, 1);
        prims->setBackend(OutputKind::Eps, &eps);
        prims->output().set(OutputKind::Eps);
    }
    EpsWriter eps;
};

TEST_F(EpsTest, HeaderOfA400By300AreaAt96PixelsPerInch)
{
    EXPECT_EQ(prims->page().Wp, 300);
    EXPECT_EQ(prims->page().Hp, 225);
    EXPECT_EQ(eps.header(), lines({"%!PS-Adobe-3.0 EPSF-3.0", "%%BoundingBox: 0 0 300 225", "%%Creator: (VELdra)",
                                   "%%Title: (pic)", "%%CreationDate:(Monday, December 7, 2026)", "%%Pages: 1",
                                   "%%Page: 1 1", "0.32 setlinewidth", "newpath",
                                   "-1 -1 moveto 301 -1 lineto 301 226 lineto -1 226 lineto closepath clip",
                                   "newpath"}));
    eps.beginPage();
    eps.endPage();
    EXPECT_EQ(eps.bytes(), eps.header() + "%%EOF\r\n");
}

TEST_F(EpsTest, TitleParenthesesBackslashesAndAccentsAreEscaped)
{
    EpsSettings s;
    s.title = "f(x) \\ \xE9";
    s.date = "d";
    eps.prepare(s, 1);
    EXPECT_NE(eps.header().find("%%Title: (f\\(x\\) \\\\ \\351)\r\n"), std::string::npos);
}

TEST_F(EpsTest, DashTableAt96PixelsPerInch)
{
    EXPECT_EQ(eps.dashLine(0), "[] 0 setdash");
    EXPECT_EQ(eps.dashLine(1), "[3 3] 0 setdash");
    EXPECT_EQ(eps.dashLine(2), "[15 5] 0 setdash");
    EXPECT_EQ(eps.dashLine(3), "[2 4 6 4] 0 setdash");
    EXPECT_EQ(eps.dashLine(4), "[2 2 6 2 2 2] 0 setdash");
}

TEST_F(EpsTest, PenLineAndItsRefusals)
{
    prims->WritePenLine(dc, {-4, -2.25L}, {-3, -1.25L}, pen(4, 2, 1));
    EXPECT_EQ(eps.bytes(), lines({"1.000 0.000 0.000 setrgbcolor", "0.64 setlinewidth", "[3 3] 0 setdash", "newpath",
                                  "30.000 45.000 moveto", "60.000 75.000 lineto", "stroke"}));
    eps.clear();
    prims->WritePenLine(dc, {-4, -2.25L}, {-3, -1.25L}, pen(4, 1, 5));
    prims->WritePenLine(dc, {-4, -2.25L}, {-3, -1.25L}, pen(4, -1, 0));
    prims->DrawSegment(dc, {-4, -2.25L}, {-4 + 5e-14L, -2.25L + 4e-14L}, pen(4, 1, 0));
    eps.penLine(dc, {-4, -2.25L}, {-3, -1.25L}, pen(4, 1, 5));
    EXPECT_EQ(eps.bytes(), "");
    // A colour index outside 1..60 draws with entry 0.
    for (int bad : {0, 61, -5}) {
        prims->DrawSegment(dc, {-4, -2.25L}, {-3, -1.25L}, pen(bad, 1, 0));
        EXPECT_EQ(eps.bytes().substr(0, 30), "0.000 0.000 0.000 setrgbcolor\r") << bad;
        eps.clear();
    }
}

TEST_F(EpsTest, ArcsTurnBothWays)
{
    prims->WriteArc(dc, {0, 0}, {1, 0}, kPi / 2, pen(4, 1, 0));
    EXPECT_EQ(eps.bytes(), lines({"1.000 0.000 0.000 setrgbcolor", "0.32 setlinewidth", "[] 0 setdash", "newpath",
                                  "150.000 112.500 30.000 0.000000 90.000000 arc", "stroke"}));
    eps.clear();
    // Clockwise: from 90 degrees down to 0, not the three other quarters.
    prims->WriteArc(dc, {0, 0}, {0, 1}, -kPi / 2, pen(6, 1, 2));
    EXPECT_EQ(eps.bytes(), lines({"0.000 0.000 1.000 setrgbcolor", "0.32 setlinewidth", "[15 5] 0 setdash",
                                  "newpath", "150.000 112.500 30.000 90.000000 0.000000 arcn", "stroke"}));
}

TEST_F(EpsTest, CirclesFillOutlineBothOrNothing)
{
    FillSpec f;
    f.fill = -1;
    f.outline = -1;
    prims->WriteCircle(dc, {0, 0}, 1, f);
    eps.circle(dc, {0, 0}, 1, f);
    EXPECT_EQ(eps.bytes(), "");
    f.fill = 6;
    prims->WriteCircle(dc, {0, 0}, 1, f);
    EXPECT_EQ(eps.bytes(), lines({"% begin circle fill", "newpath", "150.000 112.500 30.000 0 360 arc",
                                  "0.000 0.000 1.000 setrgbcolor", "fill"}));
    eps.clear();
    f.fill = -1;
    f.outline = 4;
    f.width = 2;
    prims->WriteCircle(dc, {0, 0}, 1, f);
    EXPECT_EQ(eps.bytes(), lines({"newpath", "150.000 112.500 30.000 0 360 arc", "0.64 setlinewidth", "[] 0 setdash",
                                  "1.000 0.000 0.000 setrgbcolor", "stroke"}));
    eps.clear();
    f.fill = 6;
    prims->WriteCircle(dc, {0, 0}, 1, f);
    EXPECT_EQ(eps.bytes(), lines({"% begin circle fill", "newpath", "150.000 112.500 30.000 0 360 arc", "gsave",
                                  "0.000 0.000 1.000 setrgbcolor", "fill", "grestore", "0.64 setlinewidth",
                                  "[] 0 setdash", "1.000 0.000 0.000 setrgbcolor", "stroke"}));
}

TEST_F(EpsTest, RoundedRectangleWithoutRadiusIsAPlainFivePointPath)
{
    FillSpec f;
    f.fill = 8;
    f.outline = 0;
    prims->WriteRoundedRectangle(dc, {-4, -2.25L}, {-3, -1.25L}, 0, f);
    EXPECT_EQ(eps.bytes(), lines({"newpath", "60.000 75.000 moveto", "30.000 75.000 lineto", "30.000 45.000 lineto",
                                  "60.000 45.000 lineto", "60.000 75.000 lineto", "gsave",
                                  "1.000 0.498 0.000 setrgbcolor", "fill", "grestore", "[] 0 setdash",
                                  "0.000 0.000 0.000 setrgbcolor", "0.32 setlinewidth", "stroke"}));
    eps.clear();
    f.hollow = true;
    f.width = -1;
    prims->WriteRoundedRectangle(dc, {-4, -2.25L}, {-3, -1.25L}, 0, f);
    EXPECT_EQ(eps.bytes(), "");
    f.hollow = false;
    prims->WriteRoundedRectangle(dc, {-4, -2.25L}, {-3, -1.25L}, 0.2L, f);
    EXPECT_NE(eps.bytes().find("54.000 69.000 6.000 0 90 arc\r\n"), std::string::npos);
    EXPECT_NE(eps.bytes().find("54.000 51.000 6.000 270 360 arc\r\n"), std::string::npos);
}

TEST_F(EpsTest, PolygonsPathsAndMaskedPlots)
{
    FillSpec f;
    f.fill = 4;
    f.outline = 6;
    f.width = 0;
    prims->WritePolygon(dc, {{-4, -2.25L}, {-3, -2.25L}, {-3, -1.25L}}, f);
    EXPECT_EQ(eps.bytes(), lines({"newpath", "30.000 45.000 moveto", "60.000 45.000 lineto", "60.000 75.000 lineto",
                                  "30.000 45.000 lineto", "gsave", "1.000 0.000 0.000 setrgbcolor", "fill",
                                  "grestore", "[] 0 setdash", "0.000 0.000 1.000 setrgbcolor",
                                  "0.32 setlinewidth", "stroke"}));
    eps.clear();
    prims->WritePath(dc, {{-4, -2.25L}, {-3, -2.25L}, {-3, -1.25L}, {-4, -1.25L}}, "MLML", 6, 1);
    EXPECT_EQ(eps.bytes(), lines({"newpath", "30.000 45.000 moveto", "60.000 45.000 lineto", "60.000 75.000 moveto",
                                  "30.000 75.000 lineto", "0.000 0.000 1.000 setrgbcolor", "0.32 setlinewidth",
                                  "[] 0 setdash", "stroke"}));
    eps.clear();
    // Segments into points 1 and 4 are drawn (both flags negative); those
    // into 2 and 3 are not, so point 3 starts the next piece.
    prims->WriteMaskedPlot(dc, {{-4, -2.25L}, {-3, -2.25L}, {-3, -1.25L}, {-4, -1.25L}, {-4, -0.25L}},
                           {-1, -1, 5, -1, -1}, 2, pen(6, 1, 1));
    EXPECT_EQ(eps.bytes(), lines({"newpath", "30.000 45.000 moveto", "60.000 45.000 lineto", "30.000 75.000 moveto",
                                  "30.000 105.000 lineto", "0.32 setlinewidth", "[3 3] 0 setdash",
                                  "0.000 0.000 1.000 setrgbcolor", "stroke"}));
    eps.clear();
    prims->WriteMaskedPlot(dc, {{-4, -2.25L}}, {-1}, 0, pen(6, 1, 0));
    EXPECT_EQ(eps.bytes(), "");
}

TEST_F(EpsTest, TextBlockUnturnedAndTurned)
{
    LabelSpec l;
    l.text = "ab";
    l.color = 17;
    l.fontSlot = 4;
    l.hAnchor = 1;
    l.vAnchor = -1;
    prims->DrawLabel(dc, 100, 100, l);
    // Baseline 0.777 of 16 pixels below the top: device (100, 112.432).
    EXPECT_EQ(eps.bytes(), lines({"/Times-New-Roman-Italic findfont", "12 scalefont setfont",
                                  "75.188 140.394 moveto", "0.000 0.235 0.627 setrgbcolor", "(ab) show"}));
    eps.clear();
    l.angle = 455;
    prims->DrawLabel(dc, 100, 100, l);
    const std::string& b = eps.bytes();
    size_t move = b.find(" moveto\r\n45 rotate\r\n0.000 0.235 0.627 setrgbcolor\r\n(ab) show\r\n-45 rotate\r\n");
    EXPECT_NE(move, std::string::npos) << b;
    // Face names stay one PostScript name.
    eps.clear();
    fonts[4].font.setFace("Odd (Face)/1");
    fonts[4].font.italic = 0;
    l.angle = 0;
    prims->DrawLabel(dc, 100, 100, l);
    EXPECT_EQ(eps.bytes().substr(0, 27), "/Odd--Face--1 findfont\r\n12 ");
}

TEST_F(EpsTest, TextIsEscapedAndAccentsAreGlyphs)
{
    EXPECT_EQ(EpsWriter::showText("plain text 1.5"), "(plain text 1.5) show\r\n");
    EXPECT_EQ(EpsWriter::showText("Qu\xE9"
                                  "bec \x96 (a\\b) & <c>"),
              lines({"(Qu) show", "/eacute glyphshow", "(bec ) show", "/endash glyphshow",
                     "( \\(a\\\\b\\) & <c>) show"}));
    EXPECT_EQ(EpsWriter::showText("\xE9\xE8"), lines({"/eacute glyphshow", "/egrave glyphshow"}));
    // Control characters and the unused codes are dropped.
    EXPECT_EQ(EpsWriter::showText("a\tb\x81"), "(ab) show\r\n");
}

TEST_F(EpsTest, SymbolLabelsKeepTheirMinusSign)
{
    // Symbol has its own encoding: the bytes as they are, the sign 150 of
    // Hyphen to minus as Symbol's minus.
    EXPECT_EQ(EpsWriter::showText("\x96"
                                  "5",
                                  true),
              "(\\0555) show\r\n");
    EXPECT_EQ(EpsWriter::showText("a(\xB0)\t", true), "(a\\(\\260\\)) show\r\n");
    EXPECT_EQ(EpsWriter::showText("", true), "");
    // The face is Symbol however it is spelt.
    fonts[4].font.setFace("symbol");
    fonts[4].font.italic = 0;
    LabelSpec l;
    l.text = "\x96"
             "5";
    l.fontSlot = 4;
    prims->DrawLabel(dc, 100, 100, l);
    EXPECT_EQ(eps.bytes().substr(0, 18), "/Symbol findfont\r\n");
    fonts[4].font.setFace("Symbol");
    eps.clear();
    prims->DrawLabel(dc, 100, 100, l);
    EXPECT_NE(eps.bytes().find("(\\0555) show\r\n"), std::string::npos) << eps.bytes();
    if (!testexport::haveTool("gs"))
        GTEST_SKIP() << "ghostscript is not installed";
    // Ghostscript draws the minus: "-5" has more ink than "5".
    const std::string dir = testexport::scratchFolder("EpsTest.SymbolLabelsKeepTheirMinusSign");
    auto ink = [&](const std::string& text) -> long {
        eps.beginPage();
        l.text = text;
        prims->DrawLabel(dc, 100, 100, l);
        eps.endPage();
        if (!writeFileAtomically(dir + "/l.eps", eps.bytes()))
            return -1;
        std::string out;
        if (testexport::run("gs -q -dNOPAUSE -dBATCH -dSAFER -dEPSCrop -r300 -sDEVICE=pgmraw -sOutputFile=" + dir +
                                "/l.pgm " + dir + "/l.eps",
                            &out) != 0 ||
            !out.empty())
            return -1;
        // "P5", comment lines, the size, the largest value, the bytes.
        std::istringstream pgm(testexport::readFile(dir + "/l.pgm"));
        std::string magic, line;
        std::getline(pgm, magic);
        while (pgm.peek() == '#')
            std::getline(pgm, line);
        int w = 0, h = 0, max = 0;
        pgm >> w >> h >> max;
        pgm.get();
        long inked = 0;
        for (long i = 0; i < static_cast<long>(w) * h; ++i)
            inked += pgm.get() < 128;
        return magic == "P5" && pgm ? inked : -1;
    };
    const long five = ink("5"), minusFive = ink("\x96"
                                                "5");
    EXPECT_GT(five, 50);
    EXPECT_GT(minusFive, five + 20);
}

TEST_F(EpsTest, ArrowheadsFrameBackgroundAndComments)
{
    prims->DrawArrowhead(dc, {-4, -2.25L}, {-3, -1.25L}, {-3, -2.25L}, 4, true);
    EXPECT_EQ(eps.bytes(), lines({"newpath", "30.000 45.000 moveto", "60.000 75.000 lineto", "60.000 45.000 lineto",
                                  "30.000 45.000 lineto", "1.000 0.000 0.000 setrgbcolor", "fill"}));
    eps.clear();
    prims->WriteComment("x axis begin");
    prims->env().frameImage = true;
    prims->DrawFrame(dc);
    const std::string& b = eps.bytes();
    EXPECT_EQ(b.substr(0, 16), "% x axis begin\r\n");
    // One pixel outside the view, closed, in entry 0 with width 1.
    EXPECT_NE(b.find("newpath\r\n-0.752 -0.753 moveto\r\n300.752 -0.753 lineto\r\n"), std::string::npos) << b;
    EXPECT_NE(b.find("0.000 0.000 0.000 setrgbcolor\r\n0.32 setlinewidth\r\n[] 0 setdash\r\nstroke\r\n"),
              std::string::npos);
    eps.clear();
    eps.frameBackground(dc, 1, false);
    EXPECT_EQ(eps.bytes(), lines({"newpath", "0.000 0.000 moveto", "300.000 0.000 lineto", "300.000 225.000 lineto",
                                  "0.000 225.000 lineto", "0.000 0.000 lineto", "gsave",
                                  "1.000 1.000 1.000 setrgbcolor", "fill", "grestore"}));
}

// --- SVG ------------------------------------------------------------------------------

class SvgTest : public WriterTest {
protected:
    SvgTest() : svg(*prims)
    {
        svg.prepare(SvgSettings{}, 1);
        prims->setBackend(OutputKind::Svg, &svg);
        prims->output().set(OutputKind::Svg);
    }
    SvgWriter svg;
};

TEST_F(SvgTest, HeaderAndTrailer)
{
    EXPECT_EQ(svg.header(),
              lines({"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>", "<svg version=\"1.1\"",
                     "baseProfile=\"full\"", "width=\"400\" height=\"300\"",
                     "viewBox=\"0 0 400 300\" preserveAspectRatio=\"xMidYMid meet\"",
                     "xmlns=\"http://www.w3.org/2000/svg\"", "xmlns:xlink=\"http://www.w3.org/1999/xlink\"",
                     "xmlns:ev=\"http://www.w3.org/2001/xml-events\">", "<title>VELdra</title>"}));
    SvgSettings s;
    s.title = "VELdra <graph> & co";
    s.width = 640;
    s.height = 20;
    svg.prepare(s, 3);
    EXPECT_NE(svg.header().find("width=\"640\" height=\"20\"\r\nviewBox=\"0 0 640 20\""), std::string::npos);
    EXPECT_NE(svg.header().find("<title>VELdra &lt;graph&gt; &amp; co</title>"), std::string::npos);
    svg.beginPage();
    svg.endPage();
    EXPECT_EQ(svg.bytes(), svg.header() + "</svg>\r\n");
}

TEST_F(SvgTest, LinesWidthsAndDashes)
{
    EXPECT_EQ(SvgWriter::colorText(plat::rgb(10, 0, 200)), "#0a00c8");
    prims->DrawSegment(dc, {-4, -2.25L}, {-3, -1.25L}, pen(4, 0, 0));
    EXPECT_EQ(svg.bytes(), "<line x1=\"40\" y1=\"239\" x2=\"80\" y2=\"199\" stroke=\"#ff0000\" "
                           "stroke-width=\"1px\" />\r\n");
    svg.clear();
    const char* dashes[] = {"4,4", "20,8", "2,4,6,4", "3,3,10,3,3,3"};
    for (int s = 1; s <= 4; ++s) {
        prims->WritePenLine(dc, {-4, -2.25L}, {-3, -1.25L}, pen(6, 3, s));
        EXPECT_EQ(svg.bytes(), std::string("<line x1=\"40\" y1=\"239\" x2=\"80\" y2=\"199\" stroke=\"#0000ff\" "
                                           "stroke-width=\"3px\" stroke-dasharray=\"") +
                                   dashes[s - 1] + "\" />\r\n");
        svg.clear();
    }
    // A line reaching out of the picture is cut at its edge, keeping its
    // direction (the view's inner edge: one pixel in).
    prims->DrawSegment(dc, {1, 1}, {10, 1}, pen(4, 1, 0));
    EXPECT_EQ(svg.bytes(), "<line x1=\"239\" y1=\"110\" x2=\"398\" y2=\"110\" stroke=\"#ff0000\" "
                           "stroke-width=\"1px\" />\r\n");
}

TEST_F(SvgTest, PathsKeepTheirPiecesAndAtLeastOnePixel)
{
    prims->WritePath(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}, {-1, -1.25L}}, "MLML", 4, 0);
    EXPECT_EQ(svg.bytes(), "<path d=\"M 40 239 L 80 199 M 120 239 L 160 199\" fill=\"none\" stroke=\"#ff0000\" "
                           "stroke-width=\"1px\" />\r\n");
    svg.clear();
    prims->WritePolyline(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, 4, 2);
    EXPECT_EQ(svg.bytes(), "<path d=\"M 40 239 L 80 199 120 239\" fill=\"none\" stroke=\"#ff0000\" "
                           "stroke-width=\"2px\" />\r\n");
    svg.clear();
    // A move as the last point writes no dangling line command.
    prims->WritePath(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, "MLM", 4, 1);
    EXPECT_EQ(svg.bytes(), "<path d=\"M 40 239 L 80 199 M 120 239\" fill=\"none\" stroke=\"#ff0000\" "
                           "stroke-width=\"1px\" />\r\n");
}

TEST_F(SvgTest, CirclesAndPolygons)
{
    FillSpec f;
    f.fill = -1;
    f.outline = 3;
    prims->WriteCircle(dc, {1, 1}, 1, f);
    EXPECT_EQ(svg.bytes(), "<circle cx=\"239\" cy=\"110\" r=\"40\" fill=\"none\" stroke=\"#ffff00\" "
                           "stroke-width=\"1px\" />\r\n");
    svg.clear();
    f.fill = -1;
    f.outline = -1;
    svg.circle(dc, {1, 1}, 1, f);
    EXPECT_EQ(svg.bytes(), "");
    FillSpec g;
    g.fill = 4;
    g.outline = 6;
    g.width = 0;
    prims->WritePolygon(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, g);
    EXPECT_EQ(svg.bytes(), "<polygon fill=\"#ff0000\" stroke=\"#0000ff\" stroke-width=\"1px\" "
                           "points=\"40,239 80,199 120,239\" />\r\n");
    svg.clear();
    g.width = -1;
    prims->WritePolygon(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, g);
    EXPECT_EQ(svg.bytes(), "<polygon fill=\"#ff0000\" stroke=\"#ff0000\" stroke-width=\"1px\" "
                           "points=\"40,239 80,199 120,239\" />\r\n");
    svg.clear();
    g.hollow = true;
    prims->WritePolygon(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, g);
    EXPECT_EQ(svg.bytes(), "");
}

TEST_F(SvgTest, FillPatternsGetUniqueIdsPerExport)
{
    FillSpec f;
    f.fill = 4;
    f.outline = 6;
    for (int p = 1; p <= 4; ++p) {
        f.pattern = p;
        prims->WritePolygon(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, f);
    }
    const std::string& b = svg.bytes();
    EXPECT_NE(b.find("<defs>\r\n<pattern id=\"fpat000\" patternUnits=\"userSpaceOnUse\" x=\"0\" y=\"0\" "
                     "width=\"10\" height=\"10\">\r\n<g style=\"fill:#ff0000; stroke:#0000ff; stroke-width:1px\"> "
                     "<path d=\"M0,10 l10,-10\"/></g>\r\n</pattern>\r\n</defs>\r\n<polygon fill=\"url(#fpat000)\""),
              std::string::npos)
        << b;
    EXPECT_NE(b.find("<pattern id=\"fpat001\" patternUnits=\"userSpaceOnUse\" x=\"0\" y=\"0\" width=\"8\" "
                     "height=\"8\">\r\n<g style=\"fill:#ff0000; stroke:#0000ff; stroke-width:1px\"> "
                     "<path d=\"M0,4 l8,0\"/><path d=\"M4,0 l0,8\"/></g>"),
              std::string::npos);
    EXPECT_NE(b.find("<pattern id=\"fpat003\""), std::string::npos);
    EXPECT_NE(b.find("<polygon fill=\"url(#fpat003)\""), std::string::npos);
    // Pages of one export go on counting; a new export starts again.
    svg.clear();
    prims->WritePolygon(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, f);
    EXPECT_NE(svg.bytes().find("fpat004"), std::string::npos);
    svg.prepare(SvgSettings{}, 1);
    svg.clear();
    prims->WritePolygon(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, f);
    EXPECT_NE(svg.bytes().find("fpat000"), std::string::npos);
    svg.setPatternCounter(999);
    svg.clear();
    prims->WritePolygon(dc, {{-4, -2.25L}, {-3, -1.25L}, {-2, -2.25L}}, f);
    EXPECT_EQ(svg.bytes().find("<defs>"), std::string::npos);
}

TEST_F(SvgTest, ArcsTurnBothWaysAndWholeCirclesAreTwoHalves)
{
    prims->WriteArc(dc, {1, 2}, {2, 2}, kPi / 2, pen(4, 0, 0));
    EXPECT_EQ(svg.bytes(), "<path d=\"M 279,70 a40,40 0  0,0  -40,-40\" fill=\"none\" stroke=\"#ff0000\" "
                           "stroke-width=\"1px\" />\r\n");
    svg.clear();
    prims->WriteArc(dc, {1, 2}, {2, 2}, -kPi / 2, pen(4, 1, 0));
    EXPECT_EQ(svg.bytes(), "<path d=\"M 279,70 a40,40 0  0,1  -40,40\" fill=\"none\" stroke=\"#ff0000\" "
                           "stroke-width=\"1px\" />\r\n");
    svg.clear();
    prims->WriteArc(dc, {1, 2}, {2, 2}, 3 * kPi / 2, pen(4, 2, 0));
    EXPECT_EQ(svg.bytes(), "<path d=\"M 279,70 a40,40 0  1,0  -40,40\" fill=\"none\" stroke=\"#ff0000\" "
                           "stroke-width=\"2px\" />\r\n");
    svg.clear();
    prims->WriteArc(dc, {1, 2}, {1, 3}, 2 * kPi, pen(4, 1, 0));
    EXPECT_EQ(svg.bytes(), "<path d=\"M 239,30 a40,40 0  0,0  0,80 a40,40 0  0,0  0,-80\" fill=\"none\" "
                           "stroke=\"#ff0000\" stroke-width=\"1px\" />\r\n");
}

TEST_F(SvgTest, TextIsEscapedAndTurnedAboutItsPoint)
{
    EXPECT_EQ(SvgWriter::escape("a<b"), "a&lt;b");
    EXPECT_EQ(SvgWriter::escape("\xE9"), "&#233;");
    EXPECT_EQ(SvgWriter::escape("Qu\xE9"
                                "bec \x96 (a\\b) & <c> \"q\"\x01"),
              "Qu&#233;bec &#8211; (a\\b) &amp; &lt;c&gt; &quot;q&quot;");
    EXPECT_EQ(SvgWriter::escape("\x80\x81\x9F"), "&#8364;&#376;");
    LabelSpec l;
    l.text = "-1 & 2";
    l.color = 17;
    l.fontSlot = 4;
    l.hAnchor = 1;
    l.vAnchor = -1;
    prims->DrawLabel(dc, 100, 100, l);
    EXPECT_EQ(svg.bytes(), "<text x=\"100\" y=\"112\" font-family=\"Times New Roman\" font-size=\"16\" "
                           "font-weight=\"400\" font-style=\"italic\" fill=\"#003ca0\" text-anchor=\"start\"> "
                           "-1 &amp; 2 </text>\r\n");
    svg.clear();
    l.angle = 300;
    LabelPlacement at = place(100, 100, l);
    svg.label(dc, at, l);
    const std::string x = formatInt(std::lround(static_cast<double>(at.baseline.x))),
                      y = formatInt(std::lround(static_cast<double>(at.baseline.y)));
    EXPECT_EQ(svg.bytes(), "<g transform=\"translate(" + x + "," + y + ") rotate(-30)\">\r\n" +
                               "<text x=\"0\" y=\"0\" font-family=\"Times New Roman\" font-size=\"16\" "
                               "font-weight=\"400\" font-style=\"italic\" fill=\"#003ca0\" text-anchor=\"start\"> "
                               "-1 &amp; 2 </text>\r\n</g>\r\n");
}

TEST_F(SvgTest, IconsAreTheirElements)
{
    prims->WriteIcon(dc, {-4, -2.25L}, 2, 3, 4);
    EXPECT_EQ(svg.bytes(), "<polygon fill=\"#ff0000\" stroke=\"#ff0000\" stroke-width=\"1px\" "
                           "points=\"37,242 43,242 40,236\" />\r\n");
    svg.clear();
    prims->WriteIcon(dc, {-4, -2.25L}, 0, 3, 4);
    prims->WriteIcon(dc, {-4, -2.25L}, 1, 3, 4);
    EXPECT_EQ(svg.bytes(), "<rect x=\"37\" y=\"236\" width=\"6\" height=\"6\" fill=\"#ff0000\" stroke=\"#ff0000\" "
                           "stroke-width=\"1px\" />\r\n<ellipse cx=\"40\" cy=\"239\" rx=\"3\" ry=\"3\" "
                           "fill=\"#ff0000\" stroke=\"#ff0000\" stroke-width=\"1px\" />\r\n");
    svg.clear();
    prims->WriteIcon(dc, {-4, -2.25L}, 13, 3, 4);
    EXPECT_EQ(svg.bytes(), "<line x1=\"40\" y1=\"0\" x2=\"40\" y2=\"300\" stroke=\"#ff0000\" stroke-width=\"1px\" />"
                           "\r\n<line x1=\"0\" y1=\"239\" x2=\"400\" y2=\"239\" stroke=\"#ff0000\" "
                           "stroke-width=\"1px\" />\r\n");
    svg.clear();
    prims->WriteIcon(dc, {-4, -2.25L}, 14, 3, 4);
    EXPECT_EQ(svg.bytes(), "");
}

TEST_F(SvgTest, BackgroundAndFrame)
{
    svg.frameBackground(dc, 1, true);
    EXPECT_EQ(svg.bytes(), "<rect x=\"0\" y=\"0\" width=\"400\" height=\"300\" fill=\"#ffffff\" stroke=\"#000000\" "
                           "stroke-width=\"1px\" />\r\n");
    svg.clear();
    svg.frameBackground(dc, 1, false);
    EXPECT_EQ(svg.bytes(), "<rect x=\"0\" y=\"0\" width=\"400\" height=\"300\" fill=\"#ffffff\" stroke=\"#ffffff\" "
                           "stroke-width=\"1px\" />\r\n");
    svg.clear();
    prims->env().frameImage = true;
    prims->DrawFrame(dc);
    EXPECT_EQ(svg.bytes(), "<polygon fill=\"none\" stroke=\"#000000\" stroke-width=\"1px\" "
                           "points=\"-1,-1 400,-1 400,300 -1,300\" />\r\n");
}

// --- PicTeX ---------------------------------------------------------------------------

class PicTeXTest : public WriterTest {
protected:
    PicTeXTest() : tex(*prims)
    {
        prims->setBackend(OutputKind::PicTeX, &tex);
        prims->output().set(OutputKind::PicTeX);
    }
    std::string page(int mode, int pages = 1)
    {
        PicTeXSettings s;
        s.mode = mode;
        tex.prepare(s, pages);
        tex.beginPage();
        tex.endPage();
        return tex.bytes();
    }
    PicTeXWriter tex;
    const std::string body = lines({"\\beginpicture", "\\setcoordinatesystem units <0.80000cm,0.80000cm>",
                                    "\\put {\\phantom{.}} at -5.00 -3.75", "\\put {\\phantom{.}} at -5.00 3.75",
                                    "\\put {\\phantom{.}} at 5.00 -3.75", "\\put {\\phantom{.}} at 5.00 3.75",
                                    "\\setlinear", "\\setshadesymbol <z,z,z,z> ({\\fiverm .})"});
};

TEST_F(PicTeXTest, TheFourModes)
{
    EXPECT_EQ(page(TeXInsertable), body + "\\endpicture\r\n");
    EXPECT_EQ(page(TeXStandalone), lines({"\\font\\fiverm = cmr5", "\\setbox1=\\vbox{"}) + body + "\\endpicture}\r\n");
    EXPECT_EQ(page(LaTeXStandalone), lines({"\\font\\fiverm = cmr5", "\\input prepictex", "\\input pictex",
                                            "\\input postpictex", "{"}) +
                                         body + "\\endpicture}\r\n");
    EXPECT_EQ(page(TeXCompilable), lines({"\\input pictex"}) + body + lines({"\\endpicture", "\\bye"}));
}

TEST_F(PicTeXTest, SeveralPagesLeaveThePreambleOut)
{
    // e = 5, e' = 5 ry / rx = 3.75: the same box.
    for (int mode = 0; mode <= 3; ++mode)
        EXPECT_EQ(page(mode, 3), body + "\\endpicture\r\n") << mode;
    PicTeXSettings s;
    s.width = 4;
    s.decimals = 3;
    tex.prepare(s, 1);
    EXPECT_NE(tex.header().find("units <0.40000cm,0.40000cm>\r\n\\put {\\phantom{.}} at -5.000 -3.750"),
              std::string::npos);
}

TEST_F(PicTeXTest, CallsAndTheirCommands)
{
    page(TeXInsertable);
    tex.clear();
    prims->DrawSegment(dc, {0, 0}, {1, 1}, pen(4, 1, 0));
    prims->DrawArrowhead(dc, {0, 0}, {1, 1}, {1, 0}, 4, true);
    EXPECT_EQ(tex.bytes(), "");
    prims->DrawStraightSegment(dc, {0, 0}, {1, 0}, pen(0, 1, 0));
    prims->DrawStraightSegment(dc, {0, 0}, {1, 1}, pen(0, 1, 0));
    prims->SetDottedLines(true);
    prims->DrawStraightSegment(dc, {0, 0}, {0, 1}, pen(0, 1, 0));
    prims->SetDottedLines(false);
    prims->WritePenLine(dc, {0, 0}, {1, 0}, pen(0, 1, 2));
    prims->WritePolyline(dc, {{0, 0}, {1, 0}, {1, 1}}, 4, 1);
    prims->WritePath(dc, {{0, 0}, {1, 0}, {1, 1}, {2, 2}, {3, 2}}, "MLMML", 4, 1);
    FillSpec f;
    f.fill = 4;
    prims->WritePolygon(dc, {{0, 0}, {1, 0}, {1, 1}}, f);
    prims->WriteCircle(dc, {1, 1}, 0.5L, f);
    prims->WriteArc(dc, {0, 0}, {1, 0}, -kPi / 2, pen(0, 1, 0));
    prims->WriteRoundedRectangle(dc, {0, 0}, {1, 2}, 0.1L, f);
    tex.dots(dc, {{0, 0}, {1, 1}}, 4);
    prims->WriteComment("x axis begin");
    EXPECT_EQ(tex.bytes(), lines({"\\putrule from 0.00 0.00 to 1.00 0.00", "\\plot 0.00 0.00 1.00 1.00 /",
                                  "\\setdots<2pt>", "\\plot 0.00 0.00 0.00 1.00 /", "\\setsolid", "\\setdashes",
                                  "\\plot 0.00 0.00 1.00 0.00 /", "\\setsolid",
                                  "\\plot 0.00 0.00 1.00 0.00 1.00 1.00 /", "\\plot 0.00 0.00 1.00 0.00 /",
                                  "\\plot 2.00 2.00 3.00 2.00 /", "\\plot 0.00 0.00 1.00 0.00 1.00 1.00 0.00 0.00 /",
                                  "\\circulararc 360.00 degrees from 1.50 1.00 center at 1.00 1.00",
                                  "\\circulararc -90.00 degrees from 1.00 0.00 center at 0.00 0.00",
                                  "\\putrectangle corners at 0.00 0.00 and 1.00 2.00",
                                  "\\multiput {.} at", "0.00 0.00 1.00 1.00 /", "% x axis begin"}));
}

TEST_F(PicTeXTest, LongPlotsContinueAndLinesStayShort)
{
    page(TeXInsertable);
    tex.clear();
    std::vector<WPoint> pts;
    for (int i = 0; i < 8; ++i)
        pts.push_back({static_cast<Real>(i), 0});
    prims->WritePolyline(dc, pts, 0, 1);
    EXPECT_EQ(tex.bytes(), lines({"\\plot 0.00 0.00 1.00 0.00 2.00 0.00 3.00 0.00 4.00 0.00 5.00 0.00",
                                  "6.00 0.00 7.00 0.00 /"}));
    tex.clear();
    pts.assign(20000, WPoint{1, 1});
    prims->WritePolyline(dc, pts, 0, 1);
    size_t plots = 0;
    for (size_t at = tex.bytes().find("\\plot"); at != std::string::npos; at = tex.bytes().find("\\plot", at + 1))
        ++plots;
    EXPECT_GE(plots, 3u);
}

TEST_F(PicTeXTest, LabelsAtTheirAnchorPoints)
{
    page(TeXInsertable);
    tex.clear();
    LabelSpec l;
    l.text = "50% & #1 $";
    l.hAnchor = -1;
    l.vAnchor = 1;
    DevicePoint d = view.WorldToDevice(1, 1);
    prims->DrawLabel(dc, d.x, d.y, l);
    l.text = "Qu\xE9"
             "bec \x96 x";
    l.hAnchor = 0;
    l.vAnchor = 0;
    l.math = false;
    prims->DrawLabel(dc, d.x, d.y, l);
    l.text = "x^2";
    l.math = true;
    l.hAnchor = 1;
    l.vAnchor = -1;
    prims->DrawLabel(dc, d.x, d.y, l);
    l.math = false;
    l.text = "1.0";
    prims->DrawScaleLabel(dc, Axis::X, {1, -0.1L}, l);
    l.hAnchor = -1;
    prims->DrawScaleLabel(dc, Axis::Y, {-0.1L, 1}, l);
    // The device point (239, 110) is the world point (0.9925, 0.9908).
    EXPECT_EQ(tex.bytes(), lines({"\\put {50\\% \\& \\#1 \\$} [rb] at 0.99 0.99",
                                  "\\put {Qu{\\'e}bec {--} x} at 0.99 0.99", "\\put {$x^2$} [lt] at 0.99 0.99",
                                  "\\put {1.0} [t] at 1.00 -0.10", "\\put {1.0} [r] at -0.10 1.00"}));
}

TEST_F(PicTeXTest, OpaqueLabelsGetNoBox)
{
    // PicTeX cannot fill: the background of an opaque label, a polygon
    // without outline, leaves nothing; the label itself is written.
    page(TeXInsertable);
    tex.clear();
    LabelSpec l;
    l.text = "1.0";
    l.opaque = 15;
    prims->DrawScaleLabel(dc, Axis::X, {1, -0.1L}, l);
    DevicePoint d = view.WorldToDevice(1, 1);
    prims->DrawLabel(dc, d.x, d.y, l);
    EXPECT_EQ(tex.bytes(), lines({"\\put {1.0} [t] at 1.00 -0.10", "\\put {1.0} [lt] at 0.99 0.99"}));
    tex.clear();
    FillSpec f;
    f.fill = 4;
    f.width = -1;
    prims->WritePolygon(dc, {{0, 0}, {1, 0}, {1, 1}}, f);
    EXPECT_EQ(tex.bytes(), "");
}

TEST_F(PicTeXTest, TextCharactersPrintAsThemselves)
{
    EXPECT_EQ(PicTeXWriter::escape("C:\\temp"), "C:$\\backslash$temp");
    EXPECT_EQ(PicTeXWriter::escape("Qu\xE9"
                                   "bec \x96 (a\\b) & <c>"),
              "Qu{\\'e}bec {--} (a$\\backslash$b) \\& $<$c$>$");
    EXPECT_EQ(PicTeXWriter::escape("{x^2_i} ~ |y| 50% #1 $"),
              "$\\{$x{\\tt\\char94}2{\\tt\\char95}i$\\}$ {\\tt\\char126} $|$y$|$ 50\\% \\#1 \\$");
    // Math text keeps its commands and groups.
    EXPECT_EQ(PicTeXWriter::escape("x^{2} \\le 50%", true), "x^{2} \\le 50\\%");
    page(TeXInsertable);
    tex.clear();
    LabelSpec l;
    l.text = "a<b";
    DevicePoint d = view.WorldToDevice(1, 1);
    prims->DrawLabel(dc, d.x, d.y, l);
    l.text = "a<b";
    l.math = true;
    prims->DrawLabel(dc, d.x, d.y, l);
    EXPECT_EQ(tex.bytes(), lines({"\\put {a$<$b} [lt] at 0.99 0.99", "\\put {$a<b$} [lt] at 0.99 0.99"}));
}

TEST(ExportNames, AFolderIsNoFileName)
{
    EXPECT_TRUE(namesFolder("/tmp/x/"));
    EXPECT_TRUE(namesFolder("x\\"));
    EXPECT_TRUE(namesFolder(""));
    EXPECT_FALSE(namesFolder("/tmp/x"));
    EXPECT_FALSE(namesFolder("/tmp/x/pic.svg"));
}

TEST_F(PicTeXTest, ViewsOfAnyWidthKeepTheBoxAndTheirPoints)
{
    // From a thousandth to ten million world units across, some off centre:
    // the box is the chosen 8 cm (227.62 pt) by 8 cm 300 / 400 (170.72 pt),
    // and the corner to corner diagonal keeps its ends apart.
    struct Case {
        Real width, cx, cy;
    };
    const Case cases[] = {{1e-3L, 0, 0},    {2e-2L, 0.01L, -0.005L}, {1, 0, 0},      {10, 3, -2},
                          {1e3L, -400, 100}, {3e5L, 0, 0},         {1e7L, 2e6L, 0}, {1e7L, 0, 0}};
    const std::string dir = testexport::scratchFolder("PicTeXTest.ViewsOfAnyWidthKeepTheBoxAndTheirPoints");
    std::string wrap = "\\input pictex\n";
    int n = 0;
    for (const Case& c : cases) {
        view.cx = c.cx;
        view.cy = c.cy;
        view.rx = c.width / 2;
        view.recompute();
        PicTeXSettings s;
        s.mode = TeXStandalone;
        tex.prepare(s, 1);
        tex.beginPage();
        prims->WritePolyline(dc, {{view.xmin, view.ymin}, {view.xmax, view.ymax}}, 0, 1);
        tex.endPage();
        const std::string& b = tex.bytes();
        EXPECT_EQ(b.find("units <0.00000cm"), std::string::npos) << b;
        const size_t plot = b.find("\\plot ");
        ASSERT_NE(plot, std::string::npos) << b;
        std::istringstream pts(b.substr(plot + 6, b.find(" /", plot) - plot - 6));
        std::string x0, y0, x1, y1;
        pts >> x0 >> y0 >> x1 >> y1;
        EXPECT_NE(x0, x1) << static_cast<double>(c.width) << "\n" << b;
        EXPECT_NE(y0, y1) << static_cast<double>(c.width) << "\n" << b;
        const std::string name = "w" + formatInt(n);
        ASSERT_TRUE(writeFileAtomically(dir + "/" + name + ".tex", b));
        wrap += "\\input " + name + ".tex\n\\setbox0=\\box1\n\\message{W" + formatInt(n) + "=\\the\\wd0}\\message{H" +
                formatInt(n) + "=\\the\\ht0}\\message{D" + formatInt(n) + "=\\the\\dp0}\n";
        ++n;
    }
    wrap += "\\bye\n";
    ASSERT_TRUE(writeFileAtomically(dir + "/wrap.tex", wrap));
    if (!testexport::haveTool("tex") || testexport::run("kpsewhich pictex.tex") != 0)
        GTEST_SKIP() << "tex or PiCTeX is not installed";
    std::string out;
    ASSERT_EQ(testexport::run("cd '" + dir + "' && tex -interaction=nonstopmode -halt-on-error wrap </dev/null", &out), 0)
        << out;
    auto points = [&](const std::string& key) {
        const size_t at = out.find(key + "=");
        Real v = -1;
        if (at != std::string::npos)
            parseReal(out.substr(at + key.size() + 1, out.find("pt", at) - at - key.size() - 1), v);
        return static_cast<double>(v);
    };
    for (int i = 0; i < n; ++i) {
        const std::string k = formatInt(i);
        EXPECT_NEAR(points("W" + k), 227.62, 3) << static_cast<double>(cases[i].width) << "\n" << out;
        EXPECT_NEAR(points("H" + k) + points("D" + k), 170.72, 3) << static_cast<double>(cases[i].width);
    }
}

// --- shared -------------------------------------------------------------------------------

TEST(ExportNames, TheExtensionComesFromTheEndInAnyCase)
{
    auto n = splitExportName("/tmp/pic.eps", "eps");
    EXPECT_EQ(n.base, "/tmp/pic");
    EXPECT_EQ(n.ext, ".eps");
    n = splitExportName("/tmp/b.eps.d/pic.eps", "eps");
    EXPECT_EQ(n.base, "/tmp/b.eps.d/pic");
    n = splitExportName("pic.EPS", "eps");
    EXPECT_EQ(n.base, "pic");
    EXPECT_EQ(n.ext, ".EPS");
    n = splitExportName("/tmp/b.eps.d/pic", "eps");
    EXPECT_EQ(n.base, "/tmp/b.eps.d/pic");
    EXPECT_EQ(n.ext, ".eps");
    n = splitExportName(".svg", "svg");
    EXPECT_EQ(n.base, ".svg");
    EXPECT_EQ(n.ext, ".svg");
}

TEST(ExportNames, PageNumbersHaveTheCountsDigits)
{
    ExportName n{"pic", ".eps"};
    EXPECT_EQ(pageFileName(n, 1, 0), "pic.eps");
    EXPECT_EQ(pageFileName(n, 9, 8), "pic8.eps");
    EXPECT_EQ(pageFileName(n, 10, 0), "pic00.eps");
    EXPECT_EQ(pageFileName(n, 10, 9), "pic09.eps");
    EXPECT_EQ(pageFileName(n, 12, 11), "pic11.eps");
    EXPECT_EQ(pageFileName(n, 100, 7), "pic007.eps");
    EXPECT_EQ(pageDigits(99999), 5);
    EXPECT_EQ(pageDigits(100000), 6);
    EXPECT_EQ(exportFileNames(n, 2, {"picANIM.txt"}), (std::vector<std::string>{"pic0.eps", "pic1.eps", "picANIM.txt"}));
}

TEST(ExportNames, AnimationLists)
{
    EXPECT_EQ(svgAnimationList("/tmp/x/pic", 3), "pic0\r\npic1\r\npic2\r\n");
    EXPECT_EQ(svgAnimationList("pic", 10).substr(0, 12), "pic00\r\npic01");
    EXPECT_EQ(texAnimationIndex("/tmp/x/pic", 3), "\\begin{animateinline}[poster=first,controls]{1}\r\n"
                                                  "\\input{pic0}\r\n\\newframe\r\n\\input{pic1}\r\n\\newframe\r\n"
                                                  "\\input{pic2}\r\n\\end{animateinline}\r\n");
}

} // namespace
