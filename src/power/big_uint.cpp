#include "power/big_uint.h"

#include <algorithm>
#include <cmath>

namespace quan {

BigUint::BigUint(uint64_t v)
{
    while (v != 0) {
        limbs_.push_back(static_cast<uint32_t>(v));
        v >>= 32;
    }
}

BigUint BigUint::fromParts(uint64_t high, uint64_t low)
{
    BigUint r;
    r.limbs_ = {static_cast<uint32_t>(low), static_cast<uint32_t>(low >> 32),
                static_cast<uint32_t>(high), static_cast<uint32_t>(high >> 32)};
    r.trim();
    return r;
}

BigUint BigUint::powerOfTwo(unsigned exponent)
{
    BigUint r;
    r.limbs_.assign(exponent / 32 + 1, 0);
    r.limbs_.back() = 1u << (exponent % 32);
    return r;
}

BigUint BigUint::factorial(unsigned n)
{
    BigUint r(1);
    for (unsigned k = 2; k <= n; ++k)
        r *= k;
    return r;
}

void BigUint::trim()
{
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

uint64_t BigUint::low64() const
{
    uint64_t v = 0;
    if (!limbs_.empty())
        v = limbs_[0];
    if (limbs_.size() > 1)
        v |= static_cast<uint64_t>(limbs_[1]) << 32;
    return v;
}

size_t BigUint::bitLength() const
{
    if (limbs_.empty())
        return 0;
    size_t bits = 32 * (limbs_.size() - 1);
    for (uint32_t top = limbs_.back(); top != 0; top >>= 1)
        ++bits;
    return bits;
}

long double BigUint::toReal() const
{
    if (fitsU64())
        return static_cast<long double>(low64());
    // The top 64 bits carry all a long double can hold; the rest only
    // decide the last rounding, which the top word's truncation ignores.
    size_t shift = bitLength() - 64;
    uint64_t top = 0;
    for (int b = 63; b >= 0; --b) {
        size_t bit = shift + static_cast<size_t>(b);
        if ((limbs_[bit / 32] >> (bit % 32)) & 1u)
            top |= uint64_t{1} << b;
    }
    return std::ldexp(static_cast<long double>(top), static_cast<int>(shift));
}

std::string BigUint::toString() const
{
    if (limbs_.empty())
        return "0";
    std::vector<uint32_t> v = limbs_;
    std::string digits;
    while (!v.empty()) {
        // Divide by 10^9, collecting the remainder as nine digits.
        uint64_t rem = 0;
        for (size_t i = v.size(); i-- > 0;) {
            uint64_t cur = (rem << 32) | v[i];
            v[i] = static_cast<uint32_t>(cur / 1000000000u);
            rem = cur % 1000000000u;
        }
        while (!v.empty() && v.back() == 0)
            v.pop_back();
        for (int d = 0; d < 9; ++d) {
            digits += static_cast<char>('0' + rem % 10);
            rem /= 10;
            if (v.empty() && rem == 0)
                break;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::reverse(digits.begin(), digits.end());
    return digits;
}

BigUint& BigUint::operator+=(const BigUint& b)
{
    if (b.limbs_.size() > limbs_.size())
        limbs_.resize(b.limbs_.size(), 0);
    uint64_t carry = 0;
    for (size_t i = 0; i < limbs_.size(); ++i) {
        uint64_t s = carry + limbs_[i] + (i < b.limbs_.size() ? b.limbs_[i] : 0u);
        limbs_[i] = static_cast<uint32_t>(s);
        carry = s >> 32;
        if (carry == 0 && i >= b.limbs_.size())
            break;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<uint32_t>(carry));
    return *this;
}

BigUint& BigUint::operator*=(uint32_t m)
{
    uint64_t carry = 0;
    for (uint32_t& limb : limbs_) {
        uint64_t p = static_cast<uint64_t>(limb) * m + carry;
        limb = static_cast<uint32_t>(p);
        carry = p >> 32;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<uint32_t>(carry));
    trim();
    return *this;
}

BigUint operator*(const BigUint& a, const BigUint& b)
{
    BigUint r;
    if (a.isZero() || b.isZero())
        return r;
    r.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (size_t i = 0; i < a.limbs_.size(); ++i) {
        uint64_t carry = 0;
        for (size_t j = 0; j < b.limbs_.size(); ++j) {
            uint64_t p = static_cast<uint64_t>(a.limbs_[i]) * b.limbs_[j] + r.limbs_[i + j] + carry;
            r.limbs_[i + j] = static_cast<uint32_t>(p);
            carry = p >> 32;
        }
        for (size_t k = i + b.limbs_.size(); carry != 0; ++k) {
            uint64_t s = static_cast<uint64_t>(r.limbs_[k]) + carry;
            r.limbs_[k] = static_cast<uint32_t>(s);
            carry = s >> 32;
        }
    }
    r.trim();
    return r;
}

BigUint& BigUint::operator*=(const BigUint& b)
{
    *this = *this * b;
    return *this;
}

std::strong_ordering operator<=>(const BigUint& a, const BigUint& b)
{
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() <=> b.limbs_.size();
    for (size_t i = a.limbs_.size(); i-- > 0;)
        if (a.limbs_[i] != b.limbs_[i])
            return a.limbs_[i] <=> b.limbs_[i];
    return std::strong_ordering::equal;
}

} // namespace quan
