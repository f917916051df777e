// Conversions between the program's 8-bit strings and Qt's strings.
//
// Texts of the workbench are Windows-1252 (bytes 128..159 are the
// typographic characters of that code page, the rest is Latin-1). File names
// and texts built from them are in the file system's encoding (UTF-8 on
// Linux). A font with character set 2 shows its bytes in the Symbol font's
// encoding: Greek letters and mathematical signs.
#pragma once

#include <QString>

#include <string>

namespace quan::qtui {

// Windows-1252 bytes to Unicode; one character per byte.
QString fromCp1252(const std::string& s);
// Unicode to Windows-1252; characters outside the code page become '?', one
// byte per UTF-16 unit (so positions match).
std::string toCp1252(const QString& s);
// True when every character of s exists in Windows-1252.
bool fitsCp1252(const QString& s);

// Texts shown in captions, labels and message boxes: UTF-8 when the bytes
// are valid UTF-8 with at least one multi-byte sequence (file names),
// otherwise Windows-1252.
QString fromUi(const std::string& s);
// The reverse for texts typed by the user: Windows-1252 when it can hold
// them, otherwise UTF-8.
std::string toUi(const QString& s);

// Symbol-font codes as Unicode ('p' -> pi).
QString fromSymbol(const std::string& s);

// File names: the local 8-bit encoding of the file system.
QString fromPath(const std::string& s);
std::string toPath(const QString& s);

// Line ends: "\r\n" and lone '\r' become '\n', and back.
QString toLf(const QString& s);
QString toCrLf(const QString& s);

} // namespace quan::qtui
