#include "docfile/binio.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "testutil.h"

using namespace quan;

namespace {

using Pattern = std::array<uint8_t, 10>;

// Builds the ten bytes from the mantissa and the sign/exponent word.
Pattern pattern(uint64_t mantissa, unsigned signExponent)
{
    Pattern p{};
    for (int i = 0; i < 8; ++i)
        p[static_cast<size_t>(i)] = static_cast<uint8_t>(mantissa >> (8 * i));
    p[8] = static_cast<uint8_t>(signExponent & 0xFF);
    p[9] = static_cast<uint8_t>(signExponent >> 8);
    return p;
}

} // namespace

TEST(ExtendedReal, KnownBitPatterns)
{
    // Values from the x87 format: 1.0 is 3FFF 8000000000000000, pi as
    // loaded by FLDPI is 4000 C90FDAA22168C235, 0.1 is 3FFB CCCCCCCCCCCCCCCD.
    const Pattern one = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0xFF, 0x3F};
    EXPECT_EQ(encodeExtended(1.0L), one);
    EXPECT_EQ(decodeExtended(one.data()), 1.0L);

    struct Case {
        long double value;
        uint64_t mantissa;
        unsigned se;
    } cases[] = {
        {-2.0L, 0x8000000000000000ULL, 0xC000},
        {0.5L, 0x8000000000000000ULL, 0x3FFE},
        {3.0L, 0xC000000000000000ULL, 0x4000},
        {1234.0L, 0x9A40000000000000ULL, 0x4009},
        {0.0L, 0, 0},
        {-0.0L, 0, 0x8000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeExtended(c.value), pattern(c.mantissa, c.se)) << static_cast<double>(c.value);
        long double back = decodeExtended(pattern(c.mantissa, c.se).data());
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
#if LDBL_MANT_DIG == 64
    const long double pi = 3.14159265358979323846264338327950288L;
    EXPECT_EQ(encodeExtended(pi), pattern(0xC90FDAA22168C235ULL, 0x4000));
    EXPECT_EQ(encodeExtended(0.1L), pattern(0xCCCCCCCCCCCCCCCDULL, 0x3FFB));
    // The smallest denormal is 2^-16445, the largest finite value
    // (2 - 2^-63) * 2^16383.
    EXPECT_EQ(encodeExtended(std::ldexp(1.0L, -16445)), pattern(1, 0));
    EXPECT_EQ(encodeExtended(-std::ldexp(1.0L, -16445)), pattern(1, 0x8000));
    EXPECT_EQ(encodeExtended(LDBL_MAX), pattern(~0ULL, 0x7FFE));
    EXPECT_EQ(decodeExtended(pattern(~0ULL, 0x7FFE).data()), LDBL_MAX);
    EXPECT_EQ(decodeExtended(pattern(1, 0).data()), std::ldexp(1.0L, -16445));
    EXPECT_EQ(encodeExtended(LDBL_MIN), pattern(0x8000000000000000ULL, 1));
#endif
}

TEST(ExtendedReal, InfinitiesAndNaNs)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(encodeExtended(inf), pattern(0x8000000000000000ULL, 0x7FFF));
    EXPECT_EQ(encodeExtended(-inf), pattern(0x8000000000000000ULL, 0xFFFF));
    EXPECT_EQ(decodeExtended(pattern(0x8000000000000000ULL, 0x7FFF).data()), inf);
    EXPECT_EQ(decodeExtended(pattern(0x8000000000000000ULL, 0xFFFF).data()), -inf);

    Pattern nan = encodeExtended(std::numeric_limits<long double>::quiet_NaN());
    EXPECT_EQ(nan[9] & 0x7F, 0x7F);
    EXPECT_EQ(nan[8], 0xFF);
    EXPECT_NE(nan[7] & 0x7F, 0) << "a NaN needs a non-zero fraction";
    EXPECT_TRUE(std::isnan(decodeExtended(nan.data())));
    // Signalling NaN and the x87 "indefinite" both read as NaN.
    EXPECT_TRUE(std::isnan(decodeExtended(pattern(0x8000000000000001ULL, 0x7FFF).data())));
    EXPECT_TRUE(std::isnan(decodeExtended(pattern(0xC000000000000000ULL, 0xFFFF).data())));
}

TEST(ExtendedReal, NonCanonicalPatternsReadAtTheirFieldValue)
{
    // Pseudo-denormal: exponent 0 with the integer bit set means 2^-16382.
    EXPECT_EQ(decodeExtended(pattern(0x8000000000000000ULL, 0).data()), std::ldexp(1.0L, -16382));
    // Unnormal: exponent 3FFF without the integer bit: 0.5 * 2^0.
    EXPECT_EQ(decodeExtended(pattern(0x4000000000000000ULL, 0x3FFF).data()), 0.5L);
    EXPECT_EQ(decodeExtended(pattern(0, 0x3FFF).data()), 0.0L);
}

#if LDBL_MANT_DIG == 64 && (defined(__x86_64__) || defined(__i386__))
// On x86 the host's long double is the file format itself, so memcpy of
// its first ten bytes is an independent reference.
TEST(ExtendedReal, MatchesTheHostFormatBitForBit)
{
    auto hostBytes = [](long double v) {
        Pattern p;
        std::memcpy(p.data(), &v, 10);
        return p;
    };
    auto fromBytes = [](const Pattern& p) {
        long double v = 0;
        std::memcpy(&v, p.data(), 10);
        return v;
    };
    std::mt19937_64 gen(20240611);
    int checked = 0;
    for (int i = 0; i < 200000; ++i) {
        uint64_t mantissa = gen();
        unsigned se = static_cast<unsigned>(gen() & 0xFFFF);
        if (i % 4 == 1) // many values near 1 where documents live
            se = (se & 0x8000) | (0x3FFF + static_cast<unsigned>(gen() % 64) - 32);
        unsigned e = se & 0x7FFF;
        if (e == 0x7FFF)
            continue;
        // Canonical forms only: normals carry the integer bit, denormals not.
        if (e == 0)
            mantissa &= ~0x8000000000000000ULL;
        else
            mantissa |= 0x8000000000000000ULL;
        Pattern p = pattern(mantissa, se);
        long double v = fromBytes(p);
        ASSERT_EQ(encodeExtended(v), p) << i;
        long double back = decodeExtended(p.data());
        ASSERT_EQ(hostBytes(back), p) << i;
        ++checked;
    }
    EXPECT_GT(checked, 190000);
    for (long double v : {0.0L, -0.0L, LDBL_MIN, -LDBL_MIN, LDBL_MAX, -LDBL_MAX, LDBL_TRUE_MIN, LDBL_EPSILON,
             1.0L / 3.0L, std::exp(42.0L), 2 * std::exp(42.0L), -1.0L / 2.54L, 309183463.0L / 435.0L,
             std::numeric_limits<long double>::infinity(), -std::numeric_limits<long double>::infinity()}) {
        EXPECT_EQ(encodeExtended(v), hostBytes(v));
        Pattern p = hostBytes(v);
        EXPECT_EQ(hostBytes(decodeExtended(p.data())), p);
    }
}
#endif

TEST(ByteBlocks, IntegersAreLittleEndian)
{
    ByteWriter w;
    w.i32(0x01020304);
    w.i16(-2);
    w.u16(0xABCD);
    w.i32(-1);
    w.u8(7);
    const testutil::Bytes expected = {0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xCD, 0xAB, 0xFF, 0xFF, 0xFF, 0xFF, 7};
    EXPECT_EQ(w.data(), expected);

    ByteReader r(expected);
    EXPECT_EQ(r.i32(), 0x01020304);
    EXPECT_EQ(r.i16(), -2);
    EXPECT_EQ(r.u16(), 0xABCD);
    EXPECT_EQ(r.i32(), -1);
    EXPECT_EQ(r.u8(), 7);
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(r.atEnd());
}

TEST(ByteBlocks, ShortReadsFailForGoodAndNeverReadPastTheEnd)
{
    const testutil::Bytes three = {1, 2, 3};
    ByteReader r(three);
    EXPECT_EQ(r.i32(), 0);
    EXPECT_TRUE(r.failed());
    // Even a read that would fit now stays failed.
    EXPECT_EQ(r.u8(), 0);
    EXPECT_TRUE(r.failed());

    ByteReader r2(three);
    uint8_t dst[4] = {9, 9, 9, 9};
    EXPECT_FALSE(r2.bytes(dst, 4));
    EXPECT_EQ(dst[0], 0);
    EXPECT_EQ(r2.real(), 0.0L);

    ByteReader r3(three.data(), 3);
    EXPECT_TRUE(r3.skip(3));
    EXPECT_FALSE(r3.skip(1));
}

TEST(ByteBlocks, FileStrings)
{
    ByteWriter w;
    w.fileString("abc");
    w.fileString("");
    EXPECT_EQ(w.data(), (testutil::Bytes{4, 0, 'a', 'b', 'c', 0, 1, 0, 0}));

    // Cut to the field, text ends at the first zero, the rest of the
    // stored length is skipped.
    testutil::Bytes b;
    testutil::putString(b, "Massachusetts");
    b.insert(b.end(), {6, 0, 'x', 'y', 0, 'z', 'w', 0, 0xAA});
    ByteReader r(b);
    EXPECT_EQ(r.fileString(5), "Massa");
    EXPECT_EQ(r.fileString(50), "xy");
    EXPECT_EQ(r.u8(), 0xAA);

    // A stored length of 0 is an empty text; a length beyond the data fails.
    testutil::Bytes zero = {0, 0};
    ByteReader rz(zero);
    EXPECT_EQ(rz.fileString(10), "");
    EXPECT_TRUE(rz.ok());
    testutil::Bytes hostile = {0xFF, 0xFF, 'a', 'b', 'c'};
    ByteReader rh(hostile);
    EXPECT_EQ(rh.fileString(10), "");
    EXPECT_TRUE(rh.failed());
}

TEST(ByteBlocks, FixedStringFieldsAreCutAndZeroFilled)
{
    ByteWriter w;
    w.fixedString("abcdef", 4);
    w.fixedString("x", 3);
    EXPECT_EQ(w.data(), (testutil::Bytes{'a', 'b', 'c', 0, 'x', 0, 0}));
    testutil::Bytes full = {'a', 'b', 'c', 'd'};
    ByteReader r(full);
    EXPECT_EQ(r.fixedString(4, 3), "abc");
}

TEST(ByteBlocks, ReadFileRefusesFilesAboveTheLimit)
{
    auto dir = testutil::scratchDir("readfile");
    testutil::writeAll(dir / "f.bin", testutil::Bytes(1000, 7));
    Bytes out = {1, 2};
    EXPECT_FALSE(readFileBytes((dir / "f.bin").string(), out, 999));
    EXPECT_EQ(out, (Bytes{1, 2}));
    EXPECT_TRUE(readFileBytes((dir / "f.bin").string(), out, 1000));
    EXPECT_EQ(out.size(), 1000u);
    EXPECT_FALSE(readFileBytes((dir / "missing.bin").string(), out, 1000));
    std::filesystem::remove_all(dir);
}
