// Exact unsigned integers of any size, for coalition and ordering counts
// that outgrow 64 bits (2^99 coalitions, 99! orderings).
#pragma once

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

namespace quan {

class BigUint {
public:
    BigUint() = default;
    BigUint(uint64_t v); // NOLINT: counts convert implicitly
    static BigUint fromParts(uint64_t high, uint64_t low); // high * 2^64 + low
    static BigUint powerOfTwo(unsigned exponent);
    static BigUint factorial(unsigned n);

    bool isZero() const { return limbs_.empty(); }
    bool fitsU64() const { return limbs_.size() <= 2; }
    // The low 64 bits (the whole value when fitsU64()).
    uint64_t low64() const;
    // The value as an extended real: exact whenever it fits in 64 bits,
    // otherwise its top 64 significant bits.
    long double toReal() const;
    std::string toString() const;
    size_t bitLength() const;

    BigUint& operator+=(const BigUint& b);
    BigUint& operator*=(const BigUint& b);
    BigUint& operator*=(uint32_t m);
    friend BigUint operator+(BigUint a, const BigUint& b) { return a += b; }
    friend BigUint operator*(const BigUint& a, const BigUint& b);

    friend bool operator==(const BigUint& a, const BigUint& b) = default;
    friend std::strong_ordering operator<=>(const BigUint& a, const BigUint& b);

private:
    void trim();
    std::vector<uint32_t> limbs_; // least significant first, no leading zeros
};

} // namespace quan
