#include "docfile/header.h"
#include "platform/dc.h"

#include <cmath>

#include <gtest/gtest.h>

#include "testutil.h"

using namespace quan;
using testutil::getI32;
using testutil::setI32;

namespace {

// Byte offsets of the header's blocks: 80 bytes of words, 40 of point
// sizes, 600 of font records, 40 of font colours, 68 reserved, 30 of
// colour roles, then the colour words.
constexpr size_t kPointSizesAt = 80;
constexpr size_t kFontsAt = 120;
constexpr size_t kFontColorsAt = 720;
constexpr size_t kRolesAt = 828;
constexpr size_t kColorsAt = 858;

// A state in which every field differs from its initial value.
HeaderState unusualState(int32_t kind)
{
    HeaderState s;
    s.kind = kind;
    s.placement = {-7, 33, 812, 604, true};
    s.optionFlag = 0;
    s.printFormat = {-1.25L, 0.5L, 7.75L, 2.0L, true, false};
    for (int i = 0; i < kFontSlots; ++i) {
        FontSlot& f = s.fonts[static_cast<size_t>(i)];
        f.pointSize = 7 + i;
        f.color = rgb(10 * i, 20, 255 - i);
        f.font.height = -(9 + i);
        f.font.width = i;
        f.font.escapement = 900;
        f.font.orientation = 450;
        f.font.weight = 700;
        f.font.italic = 1;
        f.font.underline = static_cast<uint8_t>(i & 1);
        f.font.strikeOut = 1;
        f.font.charSet = 161;
        f.font.outPrecision = 3;
        f.font.clipPrecision = 4;
        f.font.quality = 5;
        f.font.pitchAndFamily = 0x22;
        f.font.setFace("Face number " + std::to_string(i));
    }
    for (int i = 0; i < kColorRoles; ++i)
        s.roles[static_cast<size_t>(i)] = static_cast<int16_t>(60 - i);
    for (int i = 0; i < kColorEntries; ++i)
        s.colors.set(i, rgb(i, 2 * i, 3 * i));
    s.extendedSettings = 1;
    return s;
}

Bytes headerBytes(const HeaderState& s, int32_t kindOverride = 0)
{
    ByteWriter w;
    WriteHeader(w, s, kindOverride);
    return w.take();
}

} // namespace

TEST(InitialTables, FontTableSlots)
{
    FontTable t = initialFontTable(96);
    // Heights are -MulDiv(points, 96, 72): 12 -> -16, 10 -> -13 (13.33),
    // 8 -> -11 (10.67 rounds up).
    const char* faces[] = {"Courier New", "Symbol", "Courier New", "Courier New", "Times", "Times",
        "Courier New", "Courier New", "Courier New", "Courier New"};
    const int points[] = {12, 10, 10, 8, 12, 10, 10, 10, 10, 10};
    const int heights[] = {-16, -13, -13, -11, -16, -13, -13, -13, -13, -13};
    for (size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t[i].font.face(), faces[i]);
        EXPECT_EQ(t[i].pointSize, points[i]);
        EXPECT_EQ(t[i].font.height, heights[i]);
        EXPECT_EQ(t[i].font.weight, 400);
        EXPECT_EQ(t[i].font.outPrecision, 8);
        EXPECT_EQ(t[i].font.clipPrecision, 2);
        EXPECT_EQ(t[i].font.quality, 1);
        EXPECT_EQ(t[i].font.charSet, i == 1 ? 2 : 0);
        EXPECT_EQ(t[i].font.pitchAndFamily, i == 4 || i == 5 ? 2 : 0x31);
        EXPECT_EQ(t[i].color, 0u);
        EXPECT_FALSE(t[i].effects);
        EXPECT_EQ(t[i].dialogTitleId, 63);
    }
    // At 120 dots per inch: 12 pt -> 20 pixels, 8 pt -> 13 (13.33).
    EXPECT_EQ(initialFontTable(120)[0].font.height, -20);
    EXPECT_EQ(initialFontTable(120)[3].font.height, -13);
    EXPECT_EQ(mulDiv(5, 3, 2), 8);   // 7.5 rounds away from zero
    EXPECT_EQ(mulDiv(-5, 3, 2), -8);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
}

TEST(InitialTables, ColorTableAndRoles)
{
    ColorTable t = initialColorTable();
    EXPECT_EQ(t.at(0), 0x000000u);
    EXPECT_EQ(t.at(1), 0xFFFFFFu);
    EXPECT_EQ(t.at(5), 0x3FBF00u);  // 0,191,63 as 0x00BBGGRR
    EXPECT_EQ(t.at(17), 0xA03C00u); // 0,60,160
    EXPECT_EQ(t.at(19), 0xC0C0C0u);
    EXPECT_EQ(t.at(52), 0x0070C8u); // 200,112,0
    EXPECT_EQ(t.at(60), 0x146414u); // 20,100,20
    // Indices outside 1..60 read entry 0.
    t.set(0, rgb(1, 2, 3));
    EXPECT_EQ(t.at(61), rgb(1, 2, 3));
    EXPECT_EQ(t.at(-5), rgb(1, 2, 3));
    EXPECT_EQ(t.at(0), rgb(1, 2, 3));
    for (int16_t r : initialColorRoles())
        EXPECT_EQ(r, 19);
}

TEST(DocumentHeader, LayoutOfTheWords)
{
    HeaderState s = unusualState(kKindGraph);
    Bytes b = headerBytes(s);
    ASSERT_EQ(b.size(), 1102u);
    ASSERT_EQ(b.size(), kHeaderBytes);
    const int32_t expected[20] = {6561, 6, -7, 33, 812, 604, 1, 0, 61, 200, -125, 50, 775, 1, 0, 10, 15,
        19451947, 19471945, 1};
    for (size_t i = 0; i < 20; ++i)
        EXPECT_EQ(getI32(b, 4 * i), expected[i]) << "word " << i;
    EXPECT_EQ(getI32(b, kPointSizesAt + 4 * 3), 10);
    EXPECT_EQ(getI32(b, kFontsAt + 60 * 2), -11);      // slot 2's height
    EXPECT_EQ(b[kFontsAt + 60 * 2 + 20 + 3], 161);      // its character set
    EXPECT_EQ(b[kFontsAt + 60 * 2 + 28], 'F');          // its face name
    EXPECT_EQ(static_cast<uint32_t>(getI32(b, kFontColorsAt + 4)), rgb(10, 20, 254));
    for (size_t i = kRolesAt - 68; i < kRolesAt; ++i)
        EXPECT_EQ(b[i], 0) << "reserved byte " << i;
    EXPECT_EQ(b[kRolesAt], 60);
    EXPECT_EQ(static_cast<uint32_t>(getI32(b, kColorsAt + 4 * 60)), rgb(60, 120, 180));

    // A positive kind given by the caller replaces the window's own.
    EXPECT_EQ(getI32(headerBytes(s, 887), 0), 887);
    EXPECT_EQ(getI32(headerBytes(s, -3), 0), 6561);
}

TEST(DocumentHeader, RoundTripsEveryField)
{
    HeaderState s = unusualState(kKindBinPacking);
    Bytes b = headerBytes(s);
    HeaderState got = headerStateFor(kKindBinPacking);
    got.fonts[0].effects = true; // not stored in the header: stays
    got.fonts[0].dialogTitleId = 77;
    ByteReader r(b);
    EXPECT_EQ(ReadHeader(r, got), 6);
    EXPECT_TRUE(r.atEnd());
    HeaderState expected = s;
    expected.fonts[0].effects = true;
    expected.fonts[0].dialogTitleId = 77;
    EXPECT_EQ(got, expected);
}

TEST(DocumentHeader, PrintFormatWords)
{
    HeaderState s = headerStateFor(kKindApportionment);
    s.printFormat.horizontalOffset = 1.234L; // 123.4 -> 123
    s.printFormat.verticalOffset = 0.625L;   // 62.5 -> 62 (a half goes toward zero)
    s.printFormat.width = 6.506L;            // 650.6 -> 651
    Bytes b = headerBytes(s);
    EXPECT_EQ(getI32(b, 40), 123);
    EXPECT_EQ(getI32(b, 44), 62);
    EXPECT_EQ(getI32(b, 48), 651);
    // The initial x unit, 1 cm with the second radio button off, is
    // written as word 0 (as -39 it would read back as 0.99 cm).
    EXPECT_EQ(getI32(b, 36), 0);
    s.printFormat.xUnit = -0.39L;
    EXPECT_EQ(getI32(headerBytes(s), 36), -39);
    s.printFormat.xUnit = 1.0L / 2.54L;
    EXPECT_EQ(getI32(headerBytes(s), 36), 39);

    // Word 9 = 0 means 1 cm with the second radio button off.
    setI32(b, 36, 0);
    HeaderState got = headerStateFor(kKindApportionment);
    got.printFormat.xUnit = 5;
    ByteReader r(b);
    ASSERT_EQ(ReadHeader(r, got), 6);
    EXPECT_NEAR(static_cast<double>(got.printFormat.xUnit), -0.3937, 1e-4);
    EXPECT_NEAR(static_cast<double>(got.printFormat.xUnit * 2.54L), -1.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(got.printFormat.horizontalOffset), 1.23, 1e-15);
}

TEST(DocumentHeader, ColourCountAndMarkers)
{
    HeaderState s = unusualState(kKindGraph);
    const Bytes base = headerBytes(s);
    const ColorTable before = initialColorTable();

    {   // Word 8 = 0: no colour words follow, the table stays.
        Bytes b(base.begin(), base.begin() + kColorsAt);
        setI32(b, 32, 0);
        b.push_back(0x5A);
        HeaderState got = headerStateFor(kKindGraph);
        ByteReader r(b);
        EXPECT_EQ(ReadHeader(r, got), 6);
        EXPECT_EQ(got.colors, before);
        EXPECT_EQ(got.roles, s.roles); // everything else is taken
        EXPECT_EQ(r.u8(), 0x5A);       // and nothing beyond the roles consumed
    }
    {   // Word 8 = 64: all 64 words consumed, 61 copied.
        Bytes b = base;
        setI32(b, 32, 64);
        for (uint32_t extra : {0x111111u, 0x222222u, 0x333333u})
            testutil::putI32(b, extra);
        b.push_back(0x5A);
        HeaderState got = headerStateFor(kKindGraph);
        ByteReader r(b);
        EXPECT_EQ(ReadHeader(r, got), 6);
        EXPECT_EQ(got.colors, s.colors);
        EXPECT_EQ(r.u8(), 0x5A);
    }
    {   // Word 8 = 3: only the first three entries replaced.
        Bytes b(base.begin(), base.begin() + kColorsAt + 12);
        setI32(b, 32, 3);
        HeaderState got = headerStateFor(kKindGraph);
        ByteReader r(b);
        EXPECT_EQ(ReadHeader(r, got), 6);
        EXPECT_EQ(got.colors.at(2), s.colors.at(2));
        EXPECT_EQ(got.colors.at(3), before.at(3));
    }
    for (size_t marker : {68u, 72u}) { // words 17 and 18
        Bytes b = base;
        setI32(b, marker, 12345);
        HeaderState got = headerStateFor(kKindGraph);
        ByteReader r(b);
        EXPECT_EQ(ReadHeader(r, got), 6);
        EXPECT_EQ(got.colors, before) << "marker word " << marker / 4;
        EXPECT_EQ(got.placement, s.placement);
        EXPECT_TRUE(r.atEnd());
    }
    {   // A hostile count far beyond the data: unreadable, nothing applied.
        Bytes b = base;
        setI32(b, 32, 0x7FFFFFFF);
        HeaderState got = headerStateFor(kKindGraph);
        ByteReader r(b);
        EXPECT_EQ(ReadHeader(r, got), 0);
        EXPECT_EQ(got, headerStateFor(kKindGraph));
    }
}

TEST(DocumentHeader, ForeignOrShortHeadersChangeNothing)
{
    const HeaderState s = unusualState(kKindWeightedVoting);
    const Bytes b = headerBytes(s);
    const HeaderState initial = headerStateFor(kKindApportionment);

    HeaderState other = initial;
    ByteReader r(b);
    EXPECT_EQ(ReadHeader(r, other), 0);
    EXPECT_EQ(other, initial);

    for (size_t len = 0; len < b.size(); ++len) {
        HeaderState got = headerStateFor(kKindWeightedVoting);
        ByteReader rs(b.data(), len);
        ASSERT_EQ(ReadHeader(rs, got), 0) << len;
        ASSERT_EQ(got, headerStateFor(kKindWeightedVoting)) << len;
    }

    Bytes bad = b;
    setI32(bad, 4, -6);
    HeaderState got = headerStateFor(kKindWeightedVoting);
    ByteReader rb(bad);
    EXPECT_EQ(ReadHeader(rb, got), 0);
    EXPECT_EQ(got, headerStateFor(kKindWeightedVoting));

    // A newer version is reported as such, for the caller to refuse.
    Bytes newer = b;
    setI32(newer, 4, 7);
    ByteReader rn(newer);
    EXPECT_EQ(ReadHeader(rn, got), 7);
}

TEST(DocumentHeader, UnterminatedFaceNameIsCut)
{
    Bytes b = headerBytes(headerStateFor(kKindGraph));
    for (size_t i = 0; i < 32; ++i)
        b[kFontsAt + 28 + i] = 'A';
    HeaderState got = headerStateFor(kKindGraph);
    ByteReader r(b);
    ASSERT_EQ(ReadHeader(r, got), 6);
    EXPECT_EQ(got.fonts[0].font.face(), std::string(31, 'A'));
}

TEST(DocumentHeader, FontSizesOutsideASaneRangeAreRefused)
{
    // Heights and widths are pixels, point sizes points: a file may say
    // anything, but a window can only use sizes a screen can show.
    struct Case {
        const char* what;
        void (*set)(HeaderState&);
    } bad[] = {
        {"height -2^31", [](HeaderState& s) { s.fonts[3].font.height = INT32_MIN; }},
        {"height 2^31-1", [](HeaderState& s) { s.fonts[0].font.height = INT32_MAX; }},
        {"height -1001", [](HeaderState& s) { s.fonts[9].font.height = -1001; }},
        {"height 1001", [](HeaderState& s) { s.fonts[9].font.height = 1001; }},
        {"width -2^31", [](HeaderState& s) { s.fonts[2].font.width = INT32_MIN; }},
        {"width 5000", [](HeaderState& s) { s.fonts[2].font.width = 5000; }},
        {"points -2^31", [](HeaderState& s) { s.fonts[1].pointSize = INT32_MIN; }},
        {"points -3", [](HeaderState& s) { s.fonts[1].pointSize = -3; }},
        {"points 1001", [](HeaderState& s) { s.fonts[1].pointSize = 1001; }},
    };
    for (const Case& c : bad) {
        HeaderState s = headerStateFor(kKindApportionment);
        c.set(s);
        const Bytes b = headerBytes(s);
        HeaderState got = headerStateFor(kKindApportionment);
        got.placement.left = 77;
        const HeaderState before = got;
        ByteReader r(b);
        EXPECT_EQ(ReadHeader(r, got), 0) << c.what;
        EXPECT_EQ(got, before) << c.what;
    }
    // The ends of the range are fine.
    HeaderState s = headerStateFor(kKindApportionment);
    s.fonts[0].font.height = -1000;
    s.fonts[1].font.height = 1000;
    s.fonts[2].font.height = 0;
    s.fonts[3].pointSize = 1000;
    s.fonts[4].pointSize = 0;
    s.fonts[5].font.width = -1000;
    const Bytes b = headerBytes(s);
    HeaderState got = headerStateFor(kKindApportionment);
    ByteReader r(b);
    EXPECT_EQ(ReadHeader(r, got), 6);
    EXPECT_EQ(got.fonts, s.fonts);
}

TEST(DocumentHeader, AnyFontHeightGivesAUsablePixelSize)
{
    // A font made elsewhere (a dialog, an old file) is measured safely.
    for (int32_t h : {INT32_MIN, INT32_MIN + 1, -1000000, -1001, 1001, INT32_MAX}) {
        plat::Font f;
        f.height = h;
        EXPECT_EQ(f.pixelSize(), 1000) << h;
    }
    plat::Font f;
    f.height = -12;
    EXPECT_EQ(f.pixelSize(), 12);
    f.height = 0;
    EXPECT_EQ(f.pixelSize(), 16);
}
