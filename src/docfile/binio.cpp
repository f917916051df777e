#include "docfile/binio.h"

#include "core/fileio.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace quan {

namespace {

constexpr int kExponentBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
constexpr uint64_t kIntegerBit = 0x8000000000000000ULL;

void putMantissa(std::array<uint8_t, kExtendedBytes>& out, uint64_t mantissa, bool negative, int exponent)
{
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<uint8_t>(mantissa >> (8 * i));
    uint16_t se = static_cast<uint16_t>((negative ? 0x8000 : 0) | (exponent & kMaxExponent));
    out[8] = static_cast<uint8_t>(se & 0xFF);
    out[9] = static_cast<uint8_t>(se >> 8);
}

// Rounds a non-negative whole-or-fractional value below 2^64 to the
// nearest integer, ties to even. Exact when long double has 64 mantissa
// bits or fewer; rounds when it has more (binary128 hosts).
long double roundToEven(long double x)
{
    long double f = std::floor(x);
    long double d = x - f;
    if (d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0))
        f += 1;
    return f;
}

} // namespace

std::array<uint8_t, kExtendedBytes> encodeExtended(long double value)
{
    std::array<uint8_t, kExtendedBytes> out{};
    bool negative = std::signbit(value);
    if (std::isnan(value)) {
        putMantissa(out, kIntegerBit | 0x4000000000000000ULL, negative, kMaxExponent);
        return out;
    }
    if (std::isinf(value)) {
        putMantissa(out, kIntegerBit, negative, kMaxExponent);
        return out;
    }
    if (value == 0) {
        putMantissa(out, 0, negative, 0);
        return out;
    }
    // |value| = m * 2^e with 0.5 <= m < 1, i.e. (m * 2^64) / 2^63 * 2^(e - 1).
    int e = 0;
    long double m = std::frexp(std::fabs(value), &e);
    int exponent = e - 1 + kExponentBias;
    if (exponent >= kMaxExponent) {
        putMantissa(out, kIntegerBit, negative, kMaxExponent);
        return out;
    }
    if (exponent >= 1) {
        long double scaled = roundToEven(std::ldexp(m, 64));
        if (scaled >= std::ldexp(1.0L, 64)) { // rounding carried into a new bit
            scaled = std::ldexp(1.0L, 63);
            if (++exponent >= kMaxExponent) {
                putMantissa(out, kIntegerBit, negative, kMaxExponent);
                return out;
            }
        }
        putMantissa(out, static_cast<uint64_t>(scaled), negative, exponent);
        return out;
    }
    // Denormal: value = mantissa * 2^(1 - 16383 - 63), no integer bit.
    long double scaled = roundToEven(std::ldexp(m, e + kExponentBias + 62));
    uint64_t mantissa = static_cast<uint64_t>(scaled);
    // Rounding up to 2^63 gives the smallest normal number: exponent 1 with
    // the integer bit set.
    putMantissa(out, mantissa, negative, (mantissa & kIntegerBit) ? 1 : 0);
    return out;
}

long double decodeExtended(const uint8_t* bytes)
{
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    unsigned se = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
    bool negative = (se & 0x8000) != 0;
    int exponent = static_cast<int>(se & kMaxExponent);
    long double v;
    if (exponent == kMaxExponent) {
        if ((mantissa & ~kIntegerBit) == 0)
            v = std::numeric_limits<long double>::infinity();
        else
            v = std::numeric_limits<long double>::quiet_NaN();
    } else if (exponent == 0) {
        // Zero, denormal, or a pseudo-denormal with its integer bit set:
        // all mean mantissa * 2^(1 - 16383 - 63).
        v = std::ldexp(static_cast<long double>(mantissa), 1 - kExponentBias - 63);
    } else {
        v = std::ldexp(static_cast<long double>(mantissa), exponent - kExponentBias - 63);
    }
    return negative ? -v : v;
}

void ByteWriter::u16(uint16_t v)
{
    buf_.push_back(static_cast<uint8_t>(v & 0xFF));
    buf_.push_back(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::u32(uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        buf_.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void ByteWriter::real(long double v)
{
    auto b = encodeExtended(v);
    buf_.insert(buf_.end(), b.begin(), b.end());
}

void ByteWriter::bytes(const void* data, size_t n)
{
    const auto* p = static_cast<const uint8_t*>(data);
    buf_.insert(buf_.end(), p, p + n);
}

void ByteWriter::fileString(const std::string& s)
{
    size_t len = std::min(s.find('\0'), s.size());
    len = std::min<size_t>(len, 65534);
    u16(static_cast<uint16_t>(len + 1));
    bytes(s.data(), len);
    u8(0);
}

void ByteWriter::fixedString(const std::string& s, size_t n)
{
    if (n == 0)
        return;
    size_t len = std::min({s.find('\0'), s.size(), n - 1});
    bytes(s.data(), len);
    zeros(n - len);
}

const uint8_t* ByteReader::take(size_t n)
{
    if (!has(n)) {
        ok_ = false;
        return nullptr;
    }
    const uint8_t* p = data_ + pos_;
    pos_ += n;
    return p;
}

uint8_t ByteReader::u8()
{
    const uint8_t* p = take(1);
    return p ? p[0] : 0;
}

uint16_t ByteReader::u16()
{
    const uint8_t* p = take(2);
    return p ? static_cast<uint16_t>(p[0] | (p[1] << 8)) : 0;
}

uint32_t ByteReader::u32()
{
    const uint8_t* p = take(4);
    if (!p)
        return 0;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
        (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

long double ByteReader::real()
{
    const uint8_t* p = take(kExtendedBytes);
    return p ? decodeExtended(p) : 0.0L;
}

bool ByteReader::bytes(void* dst, size_t n)
{
    const uint8_t* p = take(n);
    if (!p) {
        if (n)
            std::memset(dst, 0, n);
        return false;
    }
    if (n)
        std::memcpy(dst, p, n);
    return true;
}

bool ByteReader::skip(size_t n)
{
    return take(n) != nullptr;
}

std::string ByteReader::fileString(size_t maxChars)
{
    uint16_t len = u16();
    const uint8_t* p = take(len);
    if (!p)
        return {};
    size_t text = 0;
    while (text < len && p[text] != 0)
        ++text;
    return std::string(reinterpret_cast<const char*>(p), std::min(text, maxChars));
}

std::string ByteReader::fixedString(size_t n, size_t maxChars)
{
    const uint8_t* p = take(n);
    if (!p)
        return {};
    size_t text = 0;
    while (text < n && p[text] != 0)
        ++text;
    return std::string(reinterpret_cast<const char*>(p), std::min(text, maxChars));
}

bool readFileBytes(const std::string& path, Bytes& out, size_t maxBytes)
{
    std::string bytes;
    if (!readWholeFile(path, bytes, maxBytes))
        return false;
    out.assign(bytes.begin(), bytes.end());
    return true;
}

} // namespace quan
