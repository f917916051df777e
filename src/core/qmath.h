// Shared numeric helpers used by every subsystem: the system's rounding,
// the shared random generator, vertex names, start-up constants and the
// writing and reading of numbers (the same under every locale).
#pragma once

#include <cstdint>
#include <string>

namespace quan {

using Real = long double;

// Conversion of a real to a 32-bit integer used wherever a real becomes a
// whole number: saturates at +-2147483647, rounds up only when the
// fraction exceeds one half (an exact half goes toward zero).
int32_t roundHalfDown(Real x);

// The one random generator of the system: a 64-bit linear congruential
// generator whose output is bits 32..62 of the state.
class Random {
public:
    static Random& shared();
    void seed(uint32_t s) { state_ = s; }
    void seedFromClock();
    // A non-negative 31-bit number.
    int32_t next() {
        state_ = state_ * 0x0000015A00004E35ULL + 1ULL;
        return static_cast<int32_t>((state_ >> 32) & 0x7FFFFFFFULL);
    }
    // A draw modulo k (k > 0).
    int32_t below(int32_t k) { return k > 0 ? next() % k : 0; }
    bool bit() { return (next() & 1) != 0; }
    uint64_t state() const { return state_; }
    void setState(uint64_t s) { state_ = s; }

private:
    uint64_t state_ = 0;
};

// Slot n is named 'A' + n mod 26, followed by "_" and n div 26 - 1 when
// that is 0 or more: A..Z, A_0..Z_0, ..., A_9..Z_9.
std::string vertexName(int n);

// Constants computed once at start-up, shared as extended reals.
struct Constants {
    // e^42: a displayed value above it is shown as "infinite".
    Real e42;
    // The "infinite" table value: twice e^42.
    Real infinite() const { return 2 * e42; }
};
const Constants& constants();

// Numbers are written and read the same way whatever the user's language:
// always with '.' as the decimal point. None of these consult the C
// library's locale (the desktop toolkit sets it from the environment).
//
// A long double written like printf's "%W.DLf" under the "C" locale: right-
// aligned in a field of at least width characters, decimals digits after
// the point, correctly rounded; "inf", "-inf" and "nan" as printf writes them.
std::string formatReal(Real value, int width, int decimals);
// An integer right-aligned in a field of at least width characters, padded
// with fill ("%02d" is formatInt(n, 2, '0'); a '0' fill goes after the sign).
std::string formatInt(long long value, int width = 0, char fill = ' ');

// Pads on the left (right-aligns) or on the right; cutRight cuts too.
std::string padLeft(const std::string& s, size_t width, char fill = ' ');
std::string padRight(const std::string& s, size_t width, char fill = ' ');
std::string padOrCut(const std::string& s, size_t width);

// Parses a real number the way the dialogs read their fields: leading and
// trailing blanks allowed, then what strtold reads under the "C" locale (an
// optional sign, decimal digits with '.' as the point and an optional
// exponent such as "1e3", or a hexadecimal number such as "0x1A"), and
// nothing else: "0,5" is refused under every locale, and so are infinities
// and not-a-numbers. Returns false, leaving out alone, when it does not parse.
bool parseReal(const std::string& text, Real& out);
bool parseInt(const std::string& text, long long& out);
// A decimal integer: leading and trailing blanks, an optional sign and
// decimal digits, nothing else (no point, exponent or "0x"). A value past
// the range of long long saturates at its end, so that a range check after
// it says "out of bounds" rather than "cannot understand".
bool parseDecimalInteger(const std::string& text, long long& out);

// ASCII case mapping; other bytes are left alone whatever the locale.
std::string toUpper(std::string s);
std::string toLower(std::string s);
char asciiUpper(char c);
char asciiLower(char c);
bool isAsciiSpace(char c);

// A menu or dialog label with its '&' marker removed ("&&" stands for '&').
std::string stripAmpersand(const std::string& label);

} // namespace quan
