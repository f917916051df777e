#include "power/big_uint.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace quan;

TEST(BigUint, PrintsPublishedLargeValues)
{
    EXPECT_EQ(BigUint().toString(), "0");
    EXPECT_EQ(BigUint(1000000000u).toString(), "1000000000");
    EXPECT_EQ(BigUint(18446744073709551615ull).toString(), "18446744073709551615");
    // 25! and 2^100 as tabulated.
    EXPECT_EQ(BigUint::factorial(25).toString(), "15511210043330985984000000");
    EXPECT_EQ(BigUint::powerOfTwo(100).toString(), "1267650600228229401496703205376");
    EXPECT_EQ(BigUint::factorial(0).toString(), "1");
}

TEST(BigUint, ArithmeticAcrossWords)
{
    // (2^64 + 1)(2^64 - 1) = 2^128 - 1.
    BigUint a = BigUint::fromParts(1, 1);
    BigUint b(18446744073709551615ull);
    EXPECT_EQ((a * b).toString(), "340282366920938463463374607431768211455");
    BigUint c(18446744073709551615ull);
    c += BigUint(1);
    EXPECT_EQ(c, BigUint::powerOfTwo(64));
    EXPECT_FALSE(c.fitsU64());
    EXPECT_TRUE(b.fitsU64());
    BigUint d(123456789u);
    d *= 1000u;
    EXPECT_EQ(d.toString(), "123456789000");
    EXPECT_EQ(BigUint(7) * BigUint(), BigUint());
}

TEST(BigUint, OrdersAndConvertsToReal)
{
    EXPECT_LT(BigUint(5), BigUint(6));
    EXPECT_LT(BigUint(18446744073709551615ull), BigUint::powerOfTwo(64));
    EXPECT_GT(BigUint::fromParts(2, 0), BigUint::fromParts(1, 18446744073709551615ull));
    // Every 64-bit value is exact in an extended real.
    EXPECT_EQ(BigUint(18446744073709551615ull).toReal(), 18446744073709551615.0L);
    EXPECT_EQ(BigUint::powerOfTwo(200).toReal(), std::ldexp(1.0L, 200));
    long double f30 = BigUint::factorial(30).toReal();
    EXPECT_NEAR(f30 / 2.6525285981219105864e32L, 1.0L, 1e-18L);
    EXPECT_EQ(BigUint::powerOfTwo(70).bitLength(), 71u);
}
