#include "core/qmath.h"

#include <gtest/gtest.h>

using namespace quan;

TEST(RoundHalfDown, HalvesGoTowardZeroAndAboveHalfAwayFromIt)
{
    EXPECT_EQ(roundHalfDown(2.5L), 2);
    EXPECT_EQ(roundHalfDown(3.5L), 3);
    EXPECT_EQ(roundHalfDown(2.51L), 3);
    EXPECT_EQ(roundHalfDown(2.49L), 2);
    EXPECT_EQ(roundHalfDown(-2.5L), -2);
    EXPECT_EQ(roundHalfDown(-2.6L), -3);
    EXPECT_EQ(roundHalfDown(0.5L), 0);
    EXPECT_EQ(roundHalfDown(0.0L), 0);
    EXPECT_EQ(roundHalfDown(1234.6L), 1235);
}

TEST(RoundHalfDown, SaturatesAt32Bits)
{
    EXPECT_EQ(roundHalfDown(1e12L), 2147483647);
    EXPECT_EQ(roundHalfDown(-1e12L), -2147483647);
    EXPECT_EQ(roundHalfDown(2147483647.0L), 2147483647);
    // The simple-majority quota W/2 + 0.999 rounds to floor(W/2) + 1.
    EXPECT_EQ(roundHalfDown(7 / 2.0L + 0.999L), 4);
    EXPECT_EQ(roundHalfDown(8 / 2.0L + 0.999L), 5);
}

TEST(SharedRandom, FirstOutputsFollowTheCongruence)
{
    // x <- x * 0x15A00004E35 + 1 (mod 2^64), output bits 32..62.
    Random r;
    r.seed(1);
    // Worked by hand: x1 = 0x15A00004E35 + 1 = 0x15A00004E36 -> bits 32.. = 0x15A = 346.
    EXPECT_EQ(r.next(), 346);
    unsigned long long x = 0x15A00004E36ULL;
    x = x * 0x0000015A00004E35ULL + 1ULL;
    EXPECT_EQ(r.next(), static_cast<int32_t>((x >> 32) & 0x7FFFFFFF));
    Random z;
    z.seed(0);
    EXPECT_EQ(z.next(), 0); // x1 = 1
    EXPECT_EQ(z.next(), 0x15A); // x2 = 0x15A00004E36
}

TEST(SharedRandom, SeedingClearsTheHighBits)
{
    Random a, b;
    a.setState(0xFFFFFFFF00000000ULL);
    a.seed(7);
    b.seed(7);
    EXPECT_EQ(a.state(), 7u);
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(a.next(), b.next());
}

TEST(VertexNames, FollowTheSlotRule)
{
    EXPECT_EQ(vertexName(0), "A");
    EXPECT_EQ(vertexName(25), "Z");
    EXPECT_EQ(vertexName(26), "A_0");
    EXPECT_EQ(vertexName(51), "Z_0");
    EXPECT_EQ(vertexName(285), "Z_9");
}

TEST(Constants, InfiniteSentinelIsTwiceEToThe42)
{
    const auto& c = constants();
    EXPECT_NEAR(static_cast<double>(c.e42), 1.739274941520501e18, 1e5);
    EXPECT_EQ(c.infinite(), 2 * c.e42);
}

TEST(StripAmpersand, RemovesTheMnemonicMarkerAndKeepsADoubledOne)
{
    EXPECT_EQ(stripAmpersand("&Open last"), "Open last");
    EXPECT_EQ(stripAmpersand("Te&X output ..."), "TeX output ...");
    EXPECT_EQ(stripAmpersand("Save && quit"), "Save & quit");
}

TEST(DecimalIntegers, DigitsOnlyAndPastTheRangeSaturates)
{
    long long v = 0;
    EXPECT_TRUE(parseDecimalInteger(" 42 ", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(parseDecimalInteger("-17", v));
    EXPECT_EQ(v, -17);
    EXPECT_TRUE(parseDecimalInteger("+3", v));
    EXPECT_EQ(v, 3);
    // Past the range: the largest value, for the caller's range check.
    EXPECT_TRUE(parseDecimalInteger("99999999999999999999", v));
    EXPECT_EQ(v, 9223372036854775807LL);
    EXPECT_TRUE(parseDecimalInteger("-99999999999999999999", v));
    EXPECT_EQ(v, -9223372036854775807LL);
    EXPECT_TRUE(parseDecimalInteger("9223372036854775807", v));
    EXPECT_EQ(v, 9223372036854775807LL);
    // Not decimal integers; nothing is written.
    v = 5;
    for (const char* bad : {"", " ", "-", "1e3", "0x10", "2.5", "1,000", "12a", "--1", "1 2"})
        EXPECT_FALSE(parseDecimalInteger(bad, v)) << bad;
    EXPECT_EQ(v, 5);
}
