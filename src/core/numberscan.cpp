#include "core/numberscan.h"

#include <limits>

namespace quan {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool continuesRun(char c) { return isDigit(c) || c == '-' || c == '.'; }

// The value of the longest prefix of run of the form [-]digits[.digits];
// 0 when that prefix holds no digit.
Real readRun(const std::string& run)
{
    size_t i = 0;
    bool negative = false;
    if (i < run.size() && run[i] == '-') {
        negative = true;
        ++i;
    }
    std::string whole, fraction;
    while (i < run.size() && isDigit(run[i]))
        whole += run[i++];
    if (i < run.size() && run[i] == '.') {
        ++i;
        while (i < run.size() && isDigit(run[i]))
            fraction += run[i++];
    }
    if (whole.empty() && fraction.empty())
        return 0;
    std::string normal = (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    Real v = 0;
    if (!parseReal(normal, v))
        v = std::numeric_limits<Real>::max(); // only digits: it can only have overflowed
    return negative ? -v : v;
}

} // namespace

std::vector<Real> scanNumbers(const std::string& text, size_t limit, bool* more)
{
    std::vector<Real> out;
    if (more)
        *more = false;
    size_t i = 0;
    while (i < text.size()) {
        if (!continuesRun(text[i])) {
            ++i;
            continue;
        }
        size_t start = i;
        bool digit = false;
        while (i < text.size() && continuesRun(text[i])) {
            digit = digit || isDigit(text[i]);
            ++i;
        }
        if (!digit)
            continue;
        if (out.size() == limit) {
            if (more)
                *more = true;
            break;
        }
        out.push_back(readRun(text.substr(start, i - start)));
    }
    return out;
}

} // namespace quan
