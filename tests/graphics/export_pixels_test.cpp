// The exports look like the screen: an asymmetric picture of solid
// pure-colour lines (a red Γ at the upper left, a blue diagonal at the
// lower right, each three pixels thick) is drawn on the headless bitmap
// and exported; ghostscript renders the EPS, librsvg and poppler the SVG.
// Per colour, both ways, 95 % of the pixels must have a pixel of the same
// colour within 2 pixels; the picture turned upside down must not pass.
#include "emf_walk.h"
#include "export_helpers.h"
#include "graphics/export/bmp_writer.h"
#include "graphics/export/emf_writer.h"
#include "graphics/export/eps_writer.h"
#include "graphics/export/svg_writer.h"
#include "graphics/primitives.h"
#include "platform/recording_dc.h"

#include <cmath>
#include <cstdlib>

using namespace quan;
using testexport::haveTool;
using testexport::run;

namespace {

enum Ink { None, Red, Blue };

struct Image {
    int w = 0, h = 0;
    std::vector<Ink> px;
    Ink at(int x, int y) const { return px[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)]; }
};

Ink inkOf(int r, int g, int b)
{
    if (r > 160 && g < 100 && b < 100)
        return Red;
    if (b > 160 && r < 100 && g < 100)
        return Blue;
    return None;
}

// A binary PPM (P6, maximum 255).
bool readPpm(const std::string& path, Image& img)
{
    std::string b = testexport::readFile(path);
    size_t at = 0;
    auto token = [&]() {
        while (at < b.size()) {
            if (b[at] == '#')
                at = b.find('\n', at);
            else if (std::isspace(static_cast<unsigned char>(b[at])))
                ++at;
            else
                break;
            if (at == std::string::npos)
                return std::string();
        }
        size_t start = at;
        while (at < b.size() && !std::isspace(static_cast<unsigned char>(b[at])))
            ++at;
        return b.substr(start, at - start);
    };
    if (token() != "P6")
        return false;
    img.w = std::atoi(token().c_str());
    img.h = std::atoi(token().c_str());
    if (token() != "255" || img.w <= 0 || img.h <= 0)
        return false;
    ++at;
    const size_t n = static_cast<size_t>(img.w) * static_cast<size_t>(img.h);
    if (b.size() < at + 3 * n)
        return false;
    img.px.resize(n);
    for (size_t i = 0; i < n; ++i)
        img.px[i] = inkOf(static_cast<unsigned char>(b[at + 3 * i]), static_cast<unsigned char>(b[at + 3 * i + 1]),
                          static_cast<unsigned char>(b[at + 3 * i + 2]));
    return true;
}

Image fromBitmap(const plat::Bitmap& bmp)
{
    Image img;
    img.w = bmp.size().w;
    img.h = bmp.size().h;
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            plat::Color c = bmp.pixel(x, y);
            img.px.push_back(inkOf(plat::red(c), plat::green(c), plat::blue(c)));
        }
    return img;
}

Image flipped(const Image& a)
{
    Image f = a;
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x)
            f.px[static_cast<size_t>(y) * static_cast<size_t>(a.w) + static_cast<size_t>(x)] = a.at(x, a.h - 1 - y);
    return f;
}

// The share of a's pixels of the colour that have one in b within 2 pixels.
double matched(const Image& a, const Image& b, Ink ink)
{
    size_t all = 0, found = 0;
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            if (a.at(x, y) != ink)
                continue;
            ++all;
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy)
                for (int dx = -2; dx <= 2 && !near; ++dx) {
                    int u = x + dx, v = y + dy;
                    near = u >= 0 && v >= 0 && u < b.w && v < b.h && b.at(u, v) == ink;
                }
            found += near;
        }
    return all == 0 ? 0 : static_cast<double>(found) / static_cast<double>(all);
}

bool looksAlike(const Image& a, const Image& b)
{
    if (a.w != b.w || a.h != b.h)
        return false;
    for (Ink ink : {Red, Blue})
        if (matched(a, b, ink) < 0.95 || matched(b, a, ink) < 0.95)
            return false;
    return true;
}

class PixelTest : public ::testing::Test {
protected:
    PixelTest()
    {
        view.setClient(320, 240);
        view.recompute();
        DrawEnv env;
        env.view = &view;
        prims = std::make_unique<Primitives>(env);
        dir = testexport::scratchFolder("PixelTest");
    }
    // Three parallel lines one pixel apart, each of pen width 3.
    void thick(plat::DC& dc, WPoint a, WPoint b, int color, bool vertical)
    {
        for (int k = -1; k <= 1; ++k) {
            WPoint d = vertical ? WPoint{k * view.dx, 0} : WPoint{0, k * view.dy};
            prims->DrawSegment(dc, {a.x + d.x, a.y + d.y}, {b.x + d.x, b.y + d.y},
                               PenSpec{static_cast<int16_t>(color), 3, DashSolid});
        }
    }
    void picture(plat::DC& dc)
    {
        thick(dc, {-4, 3}, {-1, 3}, 4, false);
        thick(dc, {-4, 3}, {-4, 0}, 4, true);
        thick(dc, {1, -1}, {4, -3}, 6, false);
    }
    Image screen()
    {
        plat::MemoryBitmap bmp({view.W, view.H});
        prims->output().clear();
        picture(bmp.dc());
        return fromBitmap(bmp);
    }

    ViewState view;
    std::unique_ptr<Primitives> prims;
    plat::RecordingDC rec;
    std::string dir;
};

} // namespace

TEST_F(PixelTest, TheScreenPictureIsAsymmetric)
{
    Image s = screen();
    EXPECT_TRUE(looksAlike(s, s));
    EXPECT_FALSE(looksAlike(s, flipped(s)));
    EXPECT_GT(std::count(s.px.begin(), s.px.end(), Red), 500);
    EXPECT_GT(std::count(s.px.begin(), s.px.end(), Blue), 250);
}

TEST_F(PixelTest, GhostscriptDrawsTheEpsLikeTheScreen)
{
    if (!haveTool("gs"))
        GTEST_SKIP() << "ghostscript is not installed";
    EpsWriter eps(*prims);
    eps.prepare(EpsSettings{"pixels", "today", 96}, 1);
    prims->setBackend(OutputKind::Eps, &eps);
    prims->output().set(OutputKind::Eps);
    eps.beginPage();
    picture(rec);
    eps.endPage();
    ASSERT_TRUE(writeFileAtomically(dir + "/pic.eps", eps.bytes()));
    std::string out;
    ASSERT_EQ(run("gs -q -dNOPAUSE -dBATCH -dSAFER -dEPSCrop -r96 -sDEVICE=ppmraw -sOutputFile=" + dir + "/eps.ppm " +
                      dir + "/pic.eps",
                  &out),
              0)
        << out;
    Image img;
    ASSERT_TRUE(readPpm(dir + "/eps.ppm", img));
    const Image s = screen();
    EXPECT_EQ(img.w, s.w);
    EXPECT_EQ(img.h, s.h);
    EXPECT_TRUE(looksAlike(s, img)) << matched(s, img, Red) << " " << matched(img, s, Red) << " "
                                    << matched(s, img, Blue) << " " << matched(img, s, Blue);
    EXPECT_FALSE(looksAlike(s, flipped(img)));
}

TEST_F(PixelTest, LibrsvgDrawsTheSvgLikeTheScreen)
{
    if (!haveTool("rsvg-convert") || !haveTool("pdftoppm"))
        GTEST_SKIP() << "rsvg-convert or pdftoppm is not installed";
    SvgWriter svg(*prims);
    svg.prepare(SvgSettings{}, 1);
    prims->setBackend(OutputKind::Svg, &svg);
    prims->output().set(OutputKind::Svg);
    svg.beginPage();
    picture(rec);
    svg.endPage();
    ASSERT_TRUE(writeFileAtomically(dir + "/pic.svg", svg.bytes()));
    std::string out;
    ASSERT_EQ(run("rsvg-convert -f pdf -o " + dir + "/svg.pdf " + dir + "/pic.svg", &out), 0) << out;
    ASSERT_EQ(run("pdftoppm -r 96 -aa no -aaVector no -singlefile " + dir + "/svg.pdf " + dir + "/svg", &out), 0)
        << out;
    Image img;
    ASSERT_TRUE(readPpm(dir + "/svg.ppm", img));
    const Image s = screen();
    EXPECT_EQ(img.w, s.w);
    EXPECT_EQ(img.h, s.h);
    EXPECT_TRUE(looksAlike(s, img)) << matched(s, img, Red) << " " << matched(img, s, Red) << " "
                                    << matched(s, img, Blue) << " " << matched(img, s, Blue);
    EXPECT_FALSE(looksAlike(s, flipped(img)));
}

// The metafile through emf2svg and librsvg against the BMP of the screen
// picture (read back through ImageMagick).
TEST_F(PixelTest, Emf2svgDrawsTheMetafileLikeTheBmp)
{
    for (const char* tool : {"emf2svg-conv", "rsvg-convert", "convert"})
        if (!haveTool(tool))
            GTEST_SKIP() << tool << " is not installed";
    plat::MemoryBitmap bmp({view.W, view.H});
    bmp.fill(plat::rgb(255, 255, 255));
    prims->output().clear();
    picture(bmp.dc());
    ASSERT_TRUE(writeFileAtomically(dir + "/pic.bmp", bmpBytes(pixelsOf(bmp), 96, 96)));
    EmfSettings s;
    s.width = view.W;
    s.height = view.H; // no physical size: 25.4 / 96 mm a pixel
    EmfWriter emf(s, nullptr);
    picture(emf);
    const std::string bytes = emf.finish();
    ASSERT_TRUE(writeFileAtomically(dir + "/pic.emf", bytes));
    // emf2svg draws the bounds' box: put it back at the bounds' corner.
    const emfwalk::Walk k = emfwalk::walk(bytes);
    ASSERT_TRUE(k.faults.empty()) << emfwalk::faults(k);
    std::string out;
    ASSERT_EQ(run("convert " + dir + "/pic.bmp " + dir + "/bmp.ppm", &out), 0) << out;
    ASSERT_EQ(run("emf2svg-conv -i " + dir + "/pic.emf -o " + dir + "/emf.svg", &out), 0) << out;
    ASSERT_EQ(run("rsvg-convert -b white -o " + dir + "/emf.png " + dir + "/emf.svg", &out), 0) << out;
    ASSERT_EQ(run("convert -size " + formatInt(view.W) + "x" + formatInt(view.H) + " xc:white " + dir +
                      "/emf.png -geometry +" + formatInt(k.bounds[0]) + "+" + formatInt(k.bounds[1]) +
                      " -composite -alpha off -depth 8 " + dir + "/emf.ppm",
                  &out),
              0)
        << out;
    Image ref, img;
    ASSERT_TRUE(readPpm(dir + "/bmp.ppm", ref));
    ASSERT_TRUE(readPpm(dir + "/emf.ppm", img));
    EXPECT_TRUE(looksAlike(screen(), ref));
    EXPECT_TRUE(looksAlike(ref, img)) << matched(ref, img, Red) << " " << matched(img, ref, Red) << " "
                                      << matched(ref, img, Blue) << " " << matched(img, ref, Blue);
    EXPECT_FALSE(looksAlike(ref, flipped(img)));
}
