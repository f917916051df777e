#include "text/textops.h"

#include "core/msgcode.h"

#include "core/qmath.h"

#include <algorithm>
#include <cctype>

namespace quan {

std::string cutText(const std::string& text)
{
    return text.size() > kMaxTextLength ? text.substr(0, kMaxTextLength) : text;
}

bool cutTextInPlace(std::string& text)
{
    if (text.size() <= kMaxTextLength)
        return false;
    text.resize(kMaxTextLength);
    return true;
}

namespace {

// Case folding of single bytes: only the ASCII letters fold, so that texts
// in any 8-bit code page compare predictably.
inline unsigned char fold(char c)
{
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

} // namespace

size_t findInText(const std::string& text, const std::string& pattern, size_t from, bool moveOn,
                  bool caseSensitive)
{
    const size_t m = pattern.size(), n = text.size();
    if (m == 0 || m > n)
        return std::string::npos;
    size_t i = from;
    if (moveOn)
        ++i;
    for (; i <= n - m; ++i) {
        bool same = true;
        for (size_t k = 0; k < m && same; ++k)
            same = caseSensitive ? text[i + k] == pattern[k] : fold(text[i + k]) == fold(pattern[k]);
        if (same)
            return i;
    }
    return std::string::npos;
}

int lineOfPosition(const std::string& text, size_t pos)
{
    pos = std::min(pos, text.size());
    return static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
}

int replaceMinusSigns(std::string& text, const std::string& entry)
{
    long long code;
    if (!parseInt(entry, code) || code < 2 || code > 255)
        return codeOf(Msg::CannotUnderstand);
    std::replace(text.begin(), text.end(), '-', static_cast<char>(static_cast<unsigned char>(code)));
    return 0;
}

int lineWidthChars(int clientWidth, int scrollBarWidth, int widthOfM)
{
    if (widthOfM <= 0)
        return 1;
    return std::max(1, (clientWidth - scrollBarWidth) / widthOfM - 1);
}

} // namespace quan
