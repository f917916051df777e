#include "docfile/overlays.h"
#include "docfile/colors.h"

#include <gtest/gtest.h>

#include "testutil.h"

using namespace quan;
using testutil::getI32;
using testutil::setI32;

namespace {

OverlayBlocks sampleOverlays()
{
    OverlayBlocks o;
    for (int i = 0; i < 3; ++i) {
        TextOverlayRecord t;
        t.flags = {static_cast<uint8_t>(i), 0x7F, 0xFF};
        t.setText("label " + std::to_string(i));
        t.color = rgb(255, 127, static_cast<uint32_t>(i));
        t.x = 1.5L + i;
        t.firstX = 1.5L;
        t.firstY = -2.25L;
        t.y = -2.25L * i;
        t.font.setFace("Times");
        t.font.height = -16;
        t.font.weight = 700;
        t.pointSize = static_cast<int16_t>(112 + i);
        t.tie = static_cast<int16_t>(i - 1);
        t.hidden = static_cast<uint8_t>(i == 2);
        t.last = static_cast<int16_t>(-1 - i);
        o.texts.push_back(t);
    }
    for (int i = 0; i < 2; ++i) {
        GraphicOverlay g;
        g.placement = {0.1L * i, -3.0L, 4.0L, 1e-30L};
        g.flag = static_cast<uint8_t>(0xA0 + i);
        g.anchor = i == 0 ? -1 : 17;
        g.anchorRest[4] = 99; // foreign words survive
        for (int k = 0; k < 100 * (i + 1); ++k)
            g.metafile.push_back(static_cast<uint8_t>(k * 37));
        o.graphics.push_back(g);
    }
    return o;
}

Bytes overlayBytes(const OverlayBlocks& o)
{
    ByteWriter w;
    EXPECT_TRUE(writeOverlays(w, o));
    return w.take();
}

} // namespace

TEST(Overlays, TextRecordLayout)
{
    OverlayBlocks o;
    o.texts.push_back(sampleOverlays().texts[1]);
    Bytes b = overlayBytes(o);
    ASSERT_EQ(b.size(), 2u + 179u + 2u);
    const uint8_t* rec = b.data() + 2;
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(rec[0], 1);
    EXPECT_EQ(rec[2], 0xFF);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(rec + 3)), "label 1");
    EXPECT_EQ(static_cast<uint32_t>(getI32(b, 2 + 64)), rgb(255, 127, 1));
    EXPECT_EQ(decodeExtended(rec + 68), 2.5L);
    EXPECT_EQ(decodeExtended(rec + 78), 1.5L);
    EXPECT_EQ(decodeExtended(rec + 88), -2.25L);
    EXPECT_EQ(decodeExtended(rec + 98), -2.25L);
    EXPECT_EQ(getI32(b, 2 + 108), -16);                  // LOGFONT height
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(rec + 108 + 28)), "Times");
    EXPECT_EQ(rec[168] | (rec[169] << 8), 113);
    EXPECT_EQ(getI32(b, 2 + 170), 0);                    // link
    EXPECT_EQ(rec[174] | (rec[175] << 8), 0);            // tie 0
    EXPECT_EQ(rec[176], 0);
    EXPECT_EQ(static_cast<int16_t>(rec[177] | (rec[178] << 8)), -2);
    // No graphic overlays: m = 0.
    EXPECT_EQ(b[181], 0);
    EXPECT_EQ(b[182], 0);
}

TEST(Overlays, RoundTripIsByteExact)
{
    const OverlayBlocks o = sampleOverlays();
    const Bytes b = overlayBytes(o);
    // m is minus the count, and each picture carries its anchor block.
    const size_t graphicsAt = 2 + 3 * 179;
    EXPECT_EQ(static_cast<int16_t>(b[graphicsAt] | (b[graphicsAt + 1] << 8)), -2);
    EXPECT_EQ(getI32(b, graphicsAt + 2 + 41), -1);
    EXPECT_EQ(getI32(b, graphicsAt + 2 + 41 + 40), 100);

    OverlayBlocks got;
    ByteReader r(b);
    ASSERT_TRUE(readOverlays(r, got));
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(got, o);
    EXPECT_EQ(overlayBytes(got), b);
}

TEST(Overlays, PositiveCountHasNoAnchorBlock)
{
    ByteWriter w;
    w.i16(0); // no text overlays
    w.i16(1); // one picture, no anchor block
    for (long double v : {1.0L, 2.0L, 3.0L, 4.0L})
        w.real(v);
    w.u8(9);  // flag
    w.i32(3); // length
    for (uint8_t x : {0xDE, 0xAD, 0x01})
        w.u8(x);
    const Bytes b = w.take();
    ASSERT_EQ(b.size(), 2u + 2u + 40u + 1u + 4u + 3u);
    OverlayBlocks got;
    ByteReader r(b);
    ASSERT_TRUE(readOverlays(r, got));
    ASSERT_EQ(got.graphics.size(), 1u);
    EXPECT_EQ(got.graphics[0].anchor, -1);
    EXPECT_EQ(got.graphics[0].flag, 9);
    EXPECT_EQ(got.graphics[0].placement[3], 4.0L);
    EXPECT_EQ(got.graphics[0].metafile, (Bytes{0xDE, 0xAD, 0x01}));
}

TEST(Overlays, HiddenOnRequestAndLinkIgnored)
{
    Bytes b = overlayBytes(sampleOverlays());
    setI32(b, 2 + 170, 0x12345678); // a stale pointer from another writer
    OverlayBlocks got;
    ByteReader r(b);
    ASSERT_TRUE(readOverlays(r, got, true));
    for (const TextOverlayRecord& t : got.texts)
        EXPECT_EQ(t.hidden, 1);
    EXPECT_EQ(got.texts[0].text(), "label 0");
}

TEST(Overlays, BadInputFailsAndChangesNothing)
{
    const Bytes good = overlayBytes(sampleOverlays());
    const OverlayBlocks before = sampleOverlays();
    auto refused = [&](const Bytes& b) {
        OverlayBlocks got = before;
        ByteReader r(b);
        bool ok = readOverlays(r, got);
        return !ok && got == before;
    };
    for (size_t len = 0; len < good.size(); ++len)
        ASSERT_TRUE(refused(Bytes(good.begin(), good.begin() + static_cast<long>(len)))) << len;

    const size_t firstLength = 2 + 3 * 179 + 2 + 41 + 40;
    Bytes huge = good;
    setI32(huge, firstLength, 0x7FFFFFFF); // far beyond the data: no allocation
    EXPECT_TRUE(refused(huge));
    Bytes negative = good;
    setI32(negative, firstLength, -5);
    EXPECT_TRUE(refused(negative));
    Bytes negativeCount = good;
    negativeCount[1] = 0x80;
    EXPECT_TRUE(refused(negativeCount));
    Bytes manyTexts = good;
    manyTexts[0] = 0xFF;
    manyTexts[1] = 0x7F;
    EXPECT_TRUE(refused(manyTexts));
}

TEST(Overlays, UnterminatedTextIsCutAndTooManyOverlaysAreRefused)
{
    OverlayBlocks o;
    o.texts.resize(1);
    Bytes b = overlayBytes(o);
    std::fill(b.begin() + 2 + 3, b.begin() + 2 + 64, 'z');
    OverlayBlocks got;
    ByteReader r(b);
    ASSERT_TRUE(readOverlays(r, got));
    EXPECT_EQ(got.texts[0].text(), std::string(60, 'z'));

    OverlayBlocks tooMany;
    tooMany.texts.resize(32768);
    ByteWriter w;
    EXPECT_FALSE(writeOverlays(w, tooMany));
    EXPECT_EQ(w.size(), 0u);
}
