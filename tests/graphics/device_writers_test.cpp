// The BMP and EMF writers on their own: a BMP written byte by byte by hand,
// and metafiles checked by the record walker of emf_walk.h.
#include "emf_walk.h"
#include "graphics/export/bmp_writer.h"
#include "graphics/export/emf_writer.h"
#include "platform/recording_dc.h"

#include <gtest/gtest.h>

using namespace quan;

namespace {

std::string bytes(std::initializer_list<int> v)
{
    std::string s;
    for (int b : v)
        s += static_cast<char>(b);
    return s;
}

} // namespace

TEST(BmpWriter, AThreeByTwoPictureByteForByte)
{
    PixelImage img;
    img.width = 3;
    img.height = 2;
    // Top row red, green, blue; bottom row white, black, (10, 20, 30).
    img.pixels = {plat::rgb(255, 0, 0), plat::rgb(0, 255, 0), plat::rgb(0, 0, 255),
                  plat::rgb(255, 255, 255), plat::rgb(0, 0, 0), plat::rgb(10, 20, 30)};
    // 96 dpi: 96 / 0.0254 = 3779.5 -> 3780 = 0x0EC4 pixels per metre.
    const std::string want = bytes({'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,
                                    40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0,
                                    24, 0, 0, 0, 0xC4, 0x0E, 0, 0, 0xC4, 0x0E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    // bottom row first, B G R, padded from 9 to 12 bytes
                                    255, 255, 255, 0, 0, 0, 30, 20, 10, 0, 0, 0,
                                    0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0});
    ASSERT_EQ(want.size(), 78u);
    EXPECT_EQ(bmpBytes(img, 96, 96), want);
}

TEST(BmpWriter, RefusesWhatIsNoPicture)
{
    PixelImage img;
    EXPECT_EQ(bmpBytes(img, 96, 96), "");
    img.width = 2;
    img.height = 2;
    img.pixels.assign(3, 0);
    EXPECT_EQ(bmpBytes(img, 96, 96), "");
    img.width = -2;
    img.height = -2;
    img.pixels.assign(4, 0);
    EXPECT_EQ(bmpBytes(img, 96, 96), "");
    EXPECT_EQ(pixelsPerMetre(600), 23622); // 600 / 0.0254 = 23622.05
    EXPECT_EQ(pixelsPerMetre(300), 11811);
}

TEST(BmpWriter, ABitmapsPixelsInRows)
{
    plat::MemoryBitmap b({4, 3});
    b.fill(plat::rgb(1, 2, 3));
    b.dc().fillRect({1, 1, 2, 2}, plat::rgb(200, 100, 50));
    PixelImage img = pixelsOf(b);
    ASSERT_EQ(img.pixels.size(), 12u);
    EXPECT_EQ(img.pixels[0], plat::rgb(1, 2, 3));
    EXPECT_EQ(img.pixels[1 * 4 + 1], plat::rgb(200, 100, 50));
    const std::string f = bmpBytes(img, 96, 96);
    // Row size 12; the middle row is the second row stored: 54 + 12 + 3.
    ASSERT_EQ(f.size(), 54u + 36u);
    EXPECT_EQ(static_cast<unsigned char>(f[54 + 12 + 3]), 50);
    EXPECT_EQ(static_cast<unsigned char>(f[54 + 12 + 5]), 200);
}

TEST(BmpWriter, PolygonsAreFilledInTheHeadlessBitmap)
{
    // A square from (2, 2) to (7, 7) with a black outline and a red brush:
    // pixels 3..6 inside are red, the outline black, the rest white.
    plat::MemoryBitmap b({10, 10});
    b.fill(plat::rgb(255, 255, 255));
    b.dc().setPen(plat::rgb(0, 0, 0), 1, plat::PenStyle::Solid);
    b.dc().setBrush(plat::rgb(255, 0, 0));
    b.dc().polygon({{2, 2}, {7, 2}, {7, 7}, {2, 7}});
    EXPECT_EQ(b.pixel(4, 4), plat::rgb(255, 0, 0));
    EXPECT_EQ(b.pixel(6, 6), plat::rgb(255, 0, 0));
    EXPECT_EQ(b.pixel(2, 4), plat::rgb(0, 0, 0));
    EXPECT_EQ(b.pixel(8, 8), plat::rgb(255, 255, 255));
    EXPECT_EQ(b.pixel(1, 4), plat::rgb(255, 255, 255));
    // A right triangle (0, 0), (9, 0), (0, 9): (2, 2) lies inside, (7, 7)
    // beyond the hypotenuse x + y = 9.
    plat::MemoryBitmap t({10, 10});
    t.fill(plat::rgb(255, 255, 255));
    t.dc().setPen(plat::rgb(0, 0, 0), 1, plat::PenStyle::Null);
    t.dc().setBrush(plat::rgb(0, 0, 255));
    t.dc().polygon({{0, 0}, {9, 0}, {0, 9}});
    EXPECT_EQ(t.pixel(2, 2), plat::rgb(0, 0, 255));
    EXPECT_EQ(t.pixel(7, 7), plat::rgb(255, 255, 255));
    // Without a brush only the outline.
    plat::MemoryBitmap n({10, 10});
    n.fill(plat::rgb(255, 255, 255));
    n.dc().setPen(plat::rgb(0, 0, 0), 1, plat::PenStyle::Solid);
    n.dc().setNullBrush();
    n.dc().polygon({{2, 2}, {7, 2}, {7, 7}, {2, 7}});
    EXPECT_EQ(n.pixel(4, 4), plat::rgb(255, 255, 255));
    // Far outside the bitmap: nothing, and no hang.
    n.dc().setBrush(plat::rgb(255, 0, 0));
    n.dc().polygon({{-2000000000, -2000000000}, {2000000000, -2000000000}, {2000000000, -1999999999}});
    EXPECT_EQ(n.pixel(4, 4), plat::rgb(255, 255, 255));
}

namespace {
EmfSettings screen640()
{
    EmfSettings s;
    s.width = 640;
    s.height = 480;
    s.horzSize = 338;
    s.vertSize = 270;
    s.horzRes = 1280;
    s.vertRes = 1024;
    s.caption = "demo";
    return s;
}
} // namespace

TEST(EmfWriter, TheFrameAtScalesOneAndNine)
{
    EmfSettings s = screen640();
    // 640 * 338 * 100 / 1280 = 16900; 480 * 270 * 100 / 1024 = 12656.25.
    EXPECT_EQ(emfFrame(s), (plat::Rect{0, 0, 16900, 12656}));
    s.scale = 9;
    // 152100 and 113906.25.
    EXPECT_EQ(emfFrame(s), (plat::Rect{0, 0, 152100, 113906}));
    // No physical size: 25.4 / 96 mm per pixel: 640 -> 16933.3, 480 -> 12700.
    s = screen640();
    s.horzSize = s.vertSize = 0;
    EXPECT_EQ(emfFrame(s), (plat::Rect{0, 0, 16933, 12700}));

    EmfWriter w(screen640(), nullptr);
    const emfwalk::Walk k = emfwalk::walk(w.finish());
    EXPECT_TRUE(k.faults.empty()) << emfwalk::faults(k);
    EXPECT_EQ(k.frame[2], 16900);
    EXPECT_EQ(k.frame[3], 12656);
}

TEST(EmfWriter, StructureOfADrawing)
{
    EmfWriter w(screen640(), nullptr);
    w.setPen(plat::rgb(255, 0, 0), 1, plat::PenStyle::Solid);
    for (int i = 0; i < 100; ++i)
        w.line({i, 10}, {i + 5, 200});
    w.setPen(plat::rgb(0, 0, 255), 3, plat::PenStyle::Dash);
    w.line({10, 10}, {300, 10});
    w.setPen(plat::rgb(0, 0, 255), 1, plat::PenStyle::Dot);
    w.line({10, 20}, {300, 20});
    w.setBrush(plat::rgb(0, 255, 0));
    w.polygon({{50, 50}, {100, 50}, {75, 90}});
    w.setNullBrush();
    w.rectangle({5, 5, 600, 400});
    w.ellipse({100, 100, 140, 140});
    w.arc({100, 100, 140, 140}, {140, 120}, {100, 120});
    w.fillRect({0, 0, 20, 20}, plat::rgb(9, 9, 9));
    w.polyline({{0, 0}, {40000, 5}}); // no longer fits 16 bits
    plat::Font f;
    f.height = -16;
    w.setFont(f);
    w.setTextColor(plat::rgb(0, 0, 128));
    w.textOut({20, 300}, "Qu\xE9"
                         "bec");
    f.charSet = 2;
    f.face = "Symbol";
    w.setFont(f);
    w.textOut({20, 330}, "p");
    plat::MemoryBitmap bm({3, 2});
    bm.fill(plat::rgb(1, 2, 3));
    w.drawBitmap({400, 300}, bm);
    const std::string b = w.finish();
    const emfwalk::Walk k = emfwalk::walk(b);
    EXPECT_TRUE(k.faults.empty()) << emfwalk::faults(k);

    // The same pen for all 100 lines: one red pen; the dashed pen of width 3
    // is geometric; the dotted pen is made again after the fill's null pen.
    EXPECT_EQ(k.counts.at(38), 3);
    EXPECT_EQ(k.counts.at(95), 1);
    EXPECT_EQ(k.counts.count(87), 0u);
    EXPECT_EQ(k.counts.at(4), 1);  // the 32-bit polyline
    EXPECT_EQ(k.counts.at(86), 1); // the 16-bit polygon
    EXPECT_EQ(k.counts.at(81), 1); // the bitmap
    // Two handle slots per kind at most: pens alternate, so do brushes.
    EXPECT_LE(k.handles, 7u);
    // The description: "Quandel", NUL, caption, NUL, NUL.
    EXPECT_EQ(k.description, std::u16string(u"Quandel\0demo\0\0", 14));
    // Texts as Unicode, the Symbol font's p as pi, with the headless
    // advances: a 16-pixel font is (16 * 3 + 4) / 5 = 10 pixels a character.
    ASSERT_EQ(k.texts.size(), 2u);
    EXPECT_EQ(k.texts[0], u"Qu\u00E9bec");
    EXPECT_EQ(k.advances[0], (std::vector<uint32_t>(6, 10)));
    EXPECT_EQ(k.texts[1], u"\u03C0");
    // The bounds hold the far polyline point and the fill's corner.
    EXPECT_EQ(k.bounds[0], -1); // the one-pixel pen about (0, 0)
    EXPECT_GE(k.bounds[2], 40000);
}

TEST(EmfWriter, SixteenBitPointsOnlyWhenEveryPointFits)
{
    EmfWriter w(screen640(), nullptr);
    w.setPen(0, 1, plat::PenStyle::Solid);
    w.polyline({{-32768, 0}, {32767, 10}});
    w.polyline({{-32769, 0}, {10, 10}});
    w.setBrush(0);
    w.polygon({{0, 0}, {10, 0}, {0, 32768}});
    const emfwalk::Walk k = emfwalk::walk(w.finish());
    EXPECT_TRUE(k.faults.empty()) << emfwalk::faults(k);
    EXPECT_EQ(k.counts.at(87), 1);
    EXPECT_EQ(k.counts.at(4), 1);
    EXPECT_EQ(k.counts.at(3), 1);
}

TEST(EmfWriter, ANullPenAndBrushAreStockObjects)
{
    EmfWriter w(screen640(), nullptr);
    w.setPen(0, 0, plat::PenStyle::Null);
    w.setNullBrush();
    w.polygon({{0, 0}, {10, 0}, {5, 5}});
    const std::string b = w.finish();
    const emfwalk::Walk k = emfwalk::walk(b);
    EXPECT_TRUE(k.faults.empty()) << emfwalk::faults(k);
    EXPECT_EQ(k.counts.count(38), 0u);
    EXPECT_EQ(k.counts.count(39), 0u);
    EXPECT_EQ(k.handles, 1u);
}

TEST(EmfWriter, TheWalkerFindsFaults)
{
    EmfWriter w(screen640(), nullptr);
    w.setPen(0, 1, plat::PenStyle::Solid);
    w.line({0, 0}, {10, 10});
    std::string b = w.finish();
    EXPECT_TRUE(emfwalk::walk(b).faults.empty());
    EXPECT_FALSE(emfwalk::walk(b.substr(0, b.size() - 20)).faults.empty()); // no EOF, wrong size
    std::string c = b;
    c[40] = 'X';
    EXPECT_FALSE(emfwalk::walk(c).faults.empty());
}
