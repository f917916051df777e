// Plain text operations of the text windows: the length limit, searching,
// the minus-sign replacement and the line width. Kept free of the window
// classes so that they can be checked on their own.
#pragma once

#include <cstddef>
#include <string>

namespace quan {

// A text window never holds more than this many characters.
inline constexpr size_t kMaxTextLength = 64000;

// The text cut to kMaxTextLength characters.
std::string cutText(const std::string& text);
// Cuts in place; true when something was cut off.
bool cutTextInPlace(std::string& text);

// Finds pattern in text, starting the comparison window at `from`; when
// moveOn is set the window first moves one character on (so that a repeated
// search finds the following occurrence). The window then slides one
// character at a time to the end of the text. Returns the start of the
// match or std::string::npos (also for an empty pattern).
size_t findInText(const std::string& text, const std::string& pattern, size_t from, bool moveOn,
                  bool caseSensitive);

// The zero-based line holding position pos (lines end with '\n').
int lineOfPosition(const std::string& text, size_t pos);

// The "Minus signs" command: entry is the ASCII code typed by the user.
// A code below 2 or above 255 (or no number at all) gives message 1
// "cannot understand" and leaves the text alone; otherwise every '-' becomes
// the character with that code and 0 is returned.
int replaceMinusSigns(std::string& text, const std::string& entry);

// Characters per line of a text window: the usable width (client width less
// the vertical scroll bar) divided by the width of "M", minus one; never
// below 1.
int lineWidthChars(int clientWidth, int scrollBarWidth, int widthOfM);

} // namespace quan
