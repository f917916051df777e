// The string table: every text the program shows, by its number.
#pragma once

#include <string>

namespace quan {

struct StringEntry {
    int id;
    const char* text;
};

// The text of string id, or "" when the table has none.
const char* str(int id);
inline std::string S(int id) { return str(id); }
// The text of message n (string 400 + n).
inline std::string messageText(int n) { return str(400 + n); }

} // namespace quan
