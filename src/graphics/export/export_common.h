// What the picture writers (EPS, SVG, PicTeX) share: file names of the
// pages of an export, the animation lists, line ends, and the characters of
// the Windows-1252 code page the labels are written in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

// Every exported text line ends with CR LF.
inline void appendLine(std::string& out, const std::string& text)
{
    out += text;
    out += "\r\n";
}

// A chosen export file name split into the base name and the extension.
// The extension is looked for at the end of the name only, in any case
// ("pic.EPS" and "b.eps.d/pic.eps" are recognised; "pic" gets ".eps"):
// `ext` keeps the spelling the user chose, or the default in lower case.
struct ExportName {
    std::string base;
    std::string ext;
};
// defaultExt without its dot, e.g. "eps".
ExportName splitExportName(const std::string& chosen, const std::string& defaultExt);
// True when the chosen name is empty or ends with a folder separator: a
// folder, not a file.
bool namesFolder(const std::string& chosen);

// Decimal digits of the page numbers: 1, plus one for each of 9, 99, 999,
// 9999 and 99999 that the count exceeds.
int pageDigits(int pages);
// base + (pages > 1: the page index padded with '0' to pageDigits) + ext.
std::string pageFileName(const ExportName& n, int pages, int page);
// Every file name of an export: the pages, then the extra files (lists).
std::vector<std::string> exportFileNames(const ExportName& n, int pages, const std::vector<std::string>& extra);
// The name without its folder.
std::string withoutFolder(const std::string& path);

// The SVG animation list "ANIM.txt": one line per written page (the first
// `written` of `pages`, all when -1), the base name without its folder
// followed by the padded page index.
std::string svgAnimationList(const std::string& base, int pages, int written = -1);
// The LaTeX animation index "ANIM.tex" for the animate package.
std::string texAnimationIndex(const std::string& base, int pages, int written = -1);

// The Unicode character of a Windows-1252 byte (0 for the five unused
// codes 129, 141, 143, 144 and 157).
char32_t cp1252ToUnicode(unsigned char c);
// The PostScript glyph name of a byte 128..255 ("eacute"); empty when the
// byte has no character.
const char* cp1252GlyphName(unsigned char c);
// A Windows-1252 text as UTF-8 (unused codes dropped).
std::string cp1252ToUtf8(const std::string& text);

} // namespace quan
