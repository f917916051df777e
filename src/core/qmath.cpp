#include "core/qmath.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
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
        const Real pi = 3.141592653589793238462643383279502884L;
        k.sqrtPi = std::sqrt(pi);
        k.lnSqrtPi = std::log(k.sqrtPi);
        k.twoOverSqrtPi = 2 / k.sqrtPi;
        k.sqrt2Pi = std::sqrt(2 * pi);
        k.invSqrt2Pi = 1 / k.sqrt2Pi;
        k.sqrt2 = std::sqrt(2.0L);
        k.sqrt3 = std::sqrt(3.0L);
        k.sqrt3Half = k.sqrt3 / 2;
        k.sqrt24Third = std::sqrt(24.0L) / 3;
        k.golden = (1 + std::sqrt(5.0L)) / 2;
        k.ln2 = std::log(2.0L);
        k.ln10 = std::log(10.0L);
        k.ln2Pi = std::log(2 * pi);
        k.invLn10 = 1 / k.ln10;
        k.big = std::exp(5000.0L);
        k.small = std::exp(-5000.0L);
        k.e42 = std::exp(42.0L);
        return k;
    }();
    return c;
}

std::string format(const char* fmt, ...)
{
    char buf[512];
    va_list ap;
    va_start(ap, fmt);
    int n = std::vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    if (n < 0)
        return {};
    if (static_cast<size_t>(n) < sizeof buf)
        return std::string(buf, static_cast<size_t>(n));
    std::string s(static_cast<size_t>(n) + 1, '\0');
    va_start(ap, fmt);
    std::vsnprintf(s.data(), s.size(), fmt, ap);
    va_end(ap);
    s.resize(static_cast<size_t>(n));
    return s;
}

std::string formatReal(Real value, int width, int decimals)
{
    width = std::clamp(width, 0, 200);
    decimals = std::clamp(decimals, 0, 40);
    return format("%*.*Lf", width, decimals, value);
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

static std::string trimmed(const std::string& t)
{
    size_t a = 0, b = t.size();
    while (a < b && std::isspace(static_cast<unsigned char>(t[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(t[b - 1])))
        --b;
    return t.substr(a, b - a);
}

bool parseReal(const std::string& text, Real& out)
{
    std::string t = trimmed(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    Real v = std::strtold(t.c_str(), &end);
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

std::string toUpper(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string toLower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace quan
