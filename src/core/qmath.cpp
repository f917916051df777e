#include "core/qmath.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstdlib>
#include <locale.h>
#include <ctime>

namespace quan {

int32_t roundHalfDown(Real x)
{
    if (std::isnan(x))
        return 0;
    Real s = x < 0 ? -1.0L : 1.0L;
    Real a = std::fabs(x);
    if (a > 2147483647.0L)
        return static_cast<int32_t>(s * 2147483647.0L);
    Real i = std::floor(a);
    Real f = a - i;
    if (f > 0.5L)
        i += 1.0L;
    return static_cast<int32_t>(s * std::trunc(i + 0.01L));
}

Random& Random::shared()
{
    static Random r;
    return r;
}

void Random::seedFromClock()
{
    seed(static_cast<uint32_t>(std::time(nullptr)));
}

std::string vertexName(int n)
{
    if (n < 0)
        return "?";
    std::string s(1, static_cast<char>('A' + n % 26));
    int k = n / 26 - 1;
    if (k >= 0) {
        s += '_';
        s += std::to_string(k);
    }
    return s;
}

const Constants& constants()
{
    static const Constants c = [] {
        Constants k{};
        k.e42 = std::exp(42.0L);
        return k;
    }();
    return c;
}

namespace {

// Writes value in fixed notation with the given number of decimals into a
// buffer. std::to_chars never looks at the locale and rounds correctly, as
// printf does under "C".
std::string fixedDigits(Real value, int decimals)
{
    char small[128];
    auto r = std::to_chars(small, small + sizeof small, value, std::chars_format::fixed, decimals);
    if (r.ec == std::errc())
        return std::string(small, r.ptr);
    // The largest long double has 4933 integer digits.
    std::string big(5200, '\0');
    r = std::to_chars(big.data(), big.data() + big.size(), value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc())
        return {};
    big.resize(static_cast<size_t>(r.ptr - big.data()));
    return big;
}

} // namespace

std::string formatReal(Real value, int width, int decimals)
{
    width = std::clamp(width, 0, 200);
    decimals = std::clamp(decimals, 0, 40);
    std::string s;
    if (std::isnan(value))
        s = std::signbit(value) ? "-nan" : "nan";
    else if (std::isinf(value))
        s = value < 0 ? "-inf" : "inf";
    else
        s = fixedDigits(value, decimals);
    return padLeft(s, static_cast<size_t>(width));
}

std::string formatInt(long long value, int width, char fill)
{
    width = std::clamp(width, 0, 200);
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    std::string s(buf, r.ptr);
    if (static_cast<int>(s.size()) >= width)
        return s;
    const size_t pad = static_cast<size_t>(width) - s.size();
    // A zero fill goes between the sign and the digits.
    const size_t at = fill == '0' && value < 0 ? 1 : 0;
    s.insert(at, pad, fill);
    return s;
}

std::string padLeft(const std::string& s, size_t width, char fill)
{
    return s.size() >= width ? s : std::string(width - s.size(), fill) + s;
}

std::string padRight(const std::string& s, size_t width, char fill)
{
    return s.size() >= width ? s : s + std::string(width - s.size(), fill);
}

std::string padOrCut(const std::string& s, size_t width)
{
    return s.size() >= width ? s.substr(0, width) : padRight(s, width);
}

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

static std::string trimmed(const std::string& t)
{
    size_t a = 0, b = t.size();
    while (a < b && isAsciiSpace(t[a]))
        ++a;
    while (b > a && isAsciiSpace(t[b - 1]))
        --b;
    return t.substr(a, b - a);
}

bool parseReal(const std::string& text, Real& out)
{
    // strtold reads exactly what the dialogs have always read (an optional
    // sign, decimal digits with '.', an exponent, hexadecimal with "0x",
    // tiny values as 0 or a subnormal), here always under the "C" locale
    // whatever the process's locale is.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const std::string t = trimmed(text);
    if (t.empty() || !cLocale)
        return false;
    char* end = nullptr;
    const Real v = strtold_l(t.c_str(), &end, cLocale);
    if (end == t.c_str() || *end != '\0' || std::isnan(v) || std::isinf(v))
        return false;
    out = v;
    return true;
}

bool parseInt(const std::string& text, long long& out)
{
    Real v;
    if (!parseReal(text, v) || v != std::floor(v) || std::fabs(v) > 9.0e18L)
        return false;
    out = static_cast<long long>(v);
    return true;
}

bool parseDecimalInteger(const std::string& text, long long& out)
{
    const std::string t = trimmed(text);
    size_t i = 0;
    const bool negative = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '-' || t[0] == '+'))
        ++i;
    if (i == t.size())
        return false;
    unsigned long long v = 0;
    bool saturated = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c < '0' || c > '9')
            return false;
        const unsigned d = static_cast<unsigned>(c - '0');
        if (v > (9223372036854775807ULL - d) / 10)
            saturated = true;
        else
            v = v * 10 + d;
    }
    const long long magnitude = saturated ? 9223372036854775807LL : static_cast<long long>(v);
    out = negative ? -magnitude : magnitude;
    return true;
}

std::string toUpper(std::string s)
{
    for (char& c : s)
        c = asciiUpper(c);
    return s;
}

std::string toLower(std::string s)
{
    for (char& c : s)
        c = asciiLower(c);
    return s;
}

std::string stripAmpersand(const std::string& label)
{
    std::string out;
    for (size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '&') {
            if (i + 1 < label.size() && label[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += label[i];
    }
    return out;
}

} // namespace quan
