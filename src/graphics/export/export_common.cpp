#include "graphics/export/export_common.h"

#include "core/qmath.h"

#include <algorithm>

namespace quan {

ExportName splitExportName(const std::string& chosen, const std::string& defaultExt)
{
    ExportName n;
    std::string dotted(1, '.');
    dotted += toLower(defaultExt);
    if (chosen.size() > dotted.size() && toLower(chosen.substr(chosen.size() - dotted.size())) == dotted) {
        n.base = chosen.substr(0, chosen.size() - dotted.size());
        n.ext = chosen.substr(chosen.size() - dotted.size());
    } else {
        n.base = chosen;
        n.ext = dotted;
    }
    return n;
}

bool namesFolder(const std::string& chosen)
{
    return chosen.empty() || chosen.back() == '/' || chosen.back() == '\\';
}

int pageDigits(int pages)
{
    int d = 1;
    for (int limit : {9, 99, 999, 9999, 99999})
        d += pages > limit;
    return d;
}

std::string pageFileName(const ExportName& n, int pages, int page)
{
    if (pages <= 1)
        return n.base + n.ext;
    return n.base + formatInt(page, pageDigits(pages), '0') + n.ext;
}

std::vector<std::string> exportFileNames(const ExportName& n, int pages, const std::vector<std::string>& extra)
{
    std::vector<std::string> out;
    for (int i = 0; i < std::max(1, pages); ++i)
        out.push_back(pageFileName(n, pages, i));
    out.insert(out.end(), extra.begin(), extra.end());
    return out;
}

std::string withoutFolder(const std::string& path)
{
    size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string svgAnimationList(const std::string& base, int pages, int written)
{
    std::string out, name = withoutFolder(base);
    const int count = written < 0 ? pages : std::min(written, pages);
    for (int i = 0; i < count; ++i)
        appendLine(out, name + formatInt(i, pageDigits(pages), '0'));
    return out;
}

std::string texAnimationIndex(const std::string& base, int pages, int written)
{
    std::string out, name = withoutFolder(base);
    const int count = written < 0 ? pages : std::min(written, pages);
    appendLine(out, "\\begin{animateinline}[poster=first,controls]{1}");
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            appendLine(out, "\\newframe");
        appendLine(out, "\\input{" + name + formatInt(i, pageDigits(pages), '0') + "}");
    }
    appendLine(out, "\\end{animateinline}");
    return out;
}

namespace {
// 128..159 of Windows-1252.
constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
const char* const kGlyphs[128] = {
    "Euro", "", "quotesinglbase", "florin", "quotedblbase", "ellipsis", "dagger", "daggerdbl",
    "circumflex", "perthousand", "Scaron", "guilsinglleft", "OE", "", "Zcaron", "",
    "", "quoteleft", "quoteright", "quotedblleft", "quotedblright", "bullet", "endash", "emdash",
    "tilde", "trademark", "scaron", "guilsinglright", "oe", "", "zcaron", "Ydieresis",
    "space", "exclamdown", "cent", "sterling", "currency", "yen", "brokenbar", "section",
    "dieresis", "copyright", "ordfeminine", "guillemotleft", "logicalnot", "hyphen", "registered", "macron",
    "degree", "plusminus", "twosuperior", "threesuperior", "acute", "mu", "paragraph", "periodcentered",
    "cedilla", "onesuperior", "ordmasculine", "guillemotright", "onequarter", "onehalf", "threequarters",
    "questiondown",
    "Agrave", "Aacute", "Acircumflex", "Atilde", "Adieresis", "Aring", "AE", "Ccedilla",
    "Egrave", "Eacute", "Ecircumflex", "Edieresis", "Igrave", "Iacute", "Icircumflex", "Idieresis",
    "Eth", "Ntilde", "Ograve", "Oacute", "Ocircumflex", "Otilde", "Odieresis", "multiply",
    "Oslash", "Ugrave", "Uacute", "Ucircumflex", "Udieresis", "Yacute", "Thorn", "germandbls",
    "agrave", "aacute", "acircumflex", "atilde", "adieresis", "aring", "ae", "ccedilla",
    "egrave", "eacute", "ecircumflex", "edieresis", "igrave", "iacute", "icircumflex", "idieresis",
    "eth", "ntilde", "ograve", "oacute", "ocircumflex", "otilde", "odieresis", "divide",
    "oslash", "ugrave", "uacute", "ucircumflex", "udieresis", "yacute", "thorn", "ydieresis"};
} // namespace

char32_t cp1252ToUnicode(unsigned char c)
{
    if (c >= 128 && c < 160)
        return kHigh[c - 128];
    return c;
}

const char* cp1252GlyphName(unsigned char c) { return c >= 128 ? kGlyphs[c - 128] : ""; }

std::string cp1252ToUtf8(const std::string& text)
{
    std::string out;
    for (unsigned char b : text) {
        char32_t u = cp1252ToUnicode(b);
        if (u == 0 && b != 0)
            continue;
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

} // namespace quan
