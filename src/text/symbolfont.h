// The Symbol font's character codes as Unicode: the picture windows show
// their axis scale in the Symbol font (code 112, 'p', is the pi glyph), and
// a desktop without that font draws the Unicode characters instead.
#pragma once

#include <cstdint>
#include <string>

namespace quan {

// The Unicode code point of a Symbol-font character code. Codes below 32
// (control characters) map to themselves; codes the font leaves empty map
// to U+FFFD.
char32_t symbolToUnicode(unsigned char code);

// A text in Symbol-font codes converted to UTF-8.
std::string symbolTextToUtf8(const std::string& text);

// One code point as UTF-8.
std::string utf8(char32_t cp);

} // namespace quan
