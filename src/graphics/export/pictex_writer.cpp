#include "graphics/export/pictex_writer.h"

#include "graphics/export/export_common.h"
#include "graphics/primitives.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {
constexpr Real kPi = 3.141592653589793238462643383279502884L;
// Point pairs per line of a long coordinate list.
constexpr size_t kPairsPerLine = 6;
// The longest point list of one "\plot".
constexpr size_t kPlotBuffer = 64000;

// TeX for the Windows-1252 characters 192..255.
const char* const kLatin[64] = {
    "\\`A", "\\'A", "\\^A", "\\~A", "\\\"A", "\\AA", "\\AE", "\\c{C}", "\\`E", "\\'E", "\\^E", "\\\"E", "\\`I",
    "\\'I", "\\^I", "\\\"I", "D", "\\~N", "\\`O", "\\'O", "\\^O", "\\~O", "\\\"O", "$\\times$", "\\O", "\\`U",
    "\\'U", "\\^U", "\\\"U", "\\'Y", "Th", "\\ss", "\\`a", "\\'a", "\\^a", "\\~a", "\\\"a", "\\aa", "\\ae",
    "\\c{c}", "\\`e", "\\'e", "\\^e", "\\\"e", "\\`\\i", "\\'\\i", "\\^\\i", "\\\"\\i", "d", "\\~n", "\\`o",
    "\\'o", "\\^o", "\\~o", "\\\"o", "$\\div$", "\\o", "\\`u", "\\'u", "\\^u", "\\\"u", "\\'y", "th", "\\\"y"};

const char* texSymbol(unsigned char c)
{
    if (c >= 192)
        return kLatin[c - 192];
    switch (c) {
    case 145: return "`";
    case 146: return "'";
    case 147: return "``";
    case 148: return "''";
    case 150: return "--";
    case 151: return "---";
    case 133: return "...";
    case 160: return "~";
    case 167: return "\\S";
    case 169: return "\\copyright";
    case 176: return "$^\\circ$";
    case 177: return "$\\pm$";
    case 182: return "\\P";
    case 183: return "$\\cdot$";
    case 138: return "\\v{S}";
    case 154: return "\\v{s}";
    case 142: return "\\v{Z}";
    case 158: return "\\v{z}";
    case 140: return "\\OE";
    case 156: return "\\oe";
    default: return "";
    }
}
} // namespace

namespace {
// Plain text characters that TeX reads as commands or that the text fonts
// print as other signs (OT1 has "<" as an inverted exclamation mark).
const char* textSign(unsigned char c)
{
    switch (c) {
    case '\\': return "$\\backslash$";
    case '{': return "$\\{$";
    case '}': return "$\\}$";
    case '<': return "$<$";
    case '>': return "$>$";
    case '|': return "$|$";
    case '^': return "{\\tt\\char94}";
    case '_': return "{\\tt\\char95}";
    case '~': return "{\\tt\\char126}";
    default: return nullptr;
    }
}
} // namespace

std::string PicTeXWriter::escape(const std::string& text, bool math)
{
    std::string out;
    for (unsigned char c : text) {
        const char* sign = math ? nullptr : textSign(c);
        if (sign) {
            out += sign;
        } else if (c == '#' || c == '$' || c == '%' || c == '&') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 128) {
            const char* t = texSymbol(c);
            if (*t)
                out += std::string("{") + t + "}";
        } else if (c >= 32 && c != 127) {
            out += static_cast<char>(c);
        }
    }
    return out;
}

namespace {
std::string mathText(const LabelSpec& style)
{
    std::string t;
    if (style.math)
        t += '$';
    t += PicTeXWriter::escape(style.text, style.math);
    if (style.math)
        t += '$';
    return t;
}
} // namespace

std::string PicTeXWriter::anchor(int h, int v)
{
    std::string letters;
    if (h < 0)
        letters += 'r';
    else if (h > 0)
        letters += 'l';
    if (v < 0)
        letters += 't';
    else if (v > 0)
        letters += 'b';
    return letters.empty() ? "" : "[" + letters + "]";
}

std::string PicTeXWriter::dashStyle(int style)
{
    switch (style) {
    case 1: return "\\setdots<2pt>";
    case 2: return "\\setdashes";
    case 3: return "\\setdashpattern<3pt,2pt,10pt,2pt>";
    case 4: return "\\setdashpattern<3pt,2pt,10pt,2pt,3pt,2pt>";
    default: return "\\setsolid";
    }
}

std::string PicTeXWriter::num(Real v) const
{
    const int p = std::clamp(s_.decimals, 0, 18);
    return formatReal(v, p + 2, p);
}

std::string PicTeXWriter::xy(WPoint w) const
{
    if (pages_ > 1) {
        const ViewState& v = p_.view();
        const Real s = p_.page().s;
        w = {(w.x - v.cx) * s, (w.y - v.cy) * s};
    }
    return num(w.x * scale_) + " " + num(w.y * scale_);
}

void PicTeXWriter::prepare(const PicTeXSettings& s, int pages)
{
    s_ = s;
    pages_ = std::max(1, pages);
    const ViewState& v = p_.view();
    PageMapping& pm = p_.page();
    pm.setup(v, 96, pages_);
    pm.setMultiPageScale(v);
    dotted_ = false;
    const bool one = pages_ == 1;
    header_.clear();
    if (one) {
        switch (s.mode) {
        case TeXStandalone:
            appendLine(header_, "\\font\\fiverm = cmr5");
            appendLine(header_, "\\setbox" + formatInt(s.box) + "=\\vbox{");
            break;
        case LaTeXStandalone:
            // Loads PiCTeX for LaTeX and opens the group the trailer closes.
            appendLine(header_, "\\font\\fiverm = cmr5");
            appendLine(header_, "\\input prepictex");
            appendLine(header_, "\\input pictex");
            appendLine(header_, "\\input postpictex");
            appendLine(header_, "{");
            break;
        case TeXCompilable: appendLine(header_, "\\input pictex"); break;
        default: break;
        }
    }
    appendLine(header_, "\\beginpicture");
    const Real W = v.W, H = v.H;
    Real hx = v.rx, hy = v.ry;
    if (!one) {
        hx = pm.e;
        hy = pm.ePrime;
    }
    // TeX's dimensions run to 16383.99998 pt in steps of 2^-16 pt, and the
    // coordinates are written with the window's decimals: a view of any
    // size is written at a power of ten that brings the larger half extent
    // to 1..10, with the unit (the picture's half width over that) scaled
    // back.
    scale_ = 1;
    const Real extent = std::max(hx, hy);
    if (std::isfinite(extent) && extent > 0) {
        const int k = static_cast<int>(std::floor(std::log10(extent)));
        scale_ = std::pow(10.0L, static_cast<Real>(-k));
        // log10 may land one off at an exact power of ten.
        if (extent * scale_ >= 10)
            scale_ /= 10;
        else if (extent * scale_ < 1)
            scale_ *= 10;
    }
    const Real ux = s.width * 0.5L / (hx * scale_), uy = s.width * H * 0.5L / (hy * scale_ * W);
    // The units keep five decimals at least, and five significant digits.
    auto unitDecimals = [&](Real u) {
        int d = std::max(5, std::clamp(s_.decimals, 0, 18));
        if (u > 0 && std::isfinite(u))
            d = std::max(d, 4 - static_cast<int>(std::floor(std::log10(u))));
        return std::min(d, 18);
    };
    const int dx = unitDecimals(ux), dy = unitDecimals(uy);
    appendLine(header_, "\\setcoordinatesystem units <" + formatReal(ux, dx + 2, dx) + "cm," +
                            formatReal(uy, dy + 2, dy) + "cm>");
    const Real x0 = one ? v.xmin : -hx, x1 = one ? v.xmax : hx, y0 = one ? v.ymin : -hy, y1 = one ? v.ymax : hy;
    for (WPoint c : {WPoint{x0, y0}, WPoint{x0, y1}, WPoint{x1, y0}, WPoint{x1, y1}})
        appendLine(header_, "\\put {\\phantom{.}} at " + num(c.x * scale_) + " " + num(c.y * scale_));
    appendLine(header_, "\\setlinear");
    appendLine(header_, "\\setshadesymbol <z,z,z,z> ({\\fiverm .})");
}

void PicTeXWriter::endPage()
{
    const bool one = pages_ == 1;
    if (one && (s_.mode == TeXStandalone || s_.mode == LaTeXStandalone))
        appendLine(out_, "\\endpicture}");
    else
        appendLine(out_, "\\endpicture");
    if (one && s_.mode == TeXCompilable)
        appendLine(out_, "\\bye");
}

void PicTeXWriter::plot(const std::vector<WPoint>& pts, size_t from, size_t to, bool close)
{
    // One "\plot" per piece; a very long piece continues in a new "\plot"
    // from its last point.
    std::vector<WPoint> piece(pts.begin() + static_cast<std::ptrdiff_t>(from),
                              pts.begin() + static_cast<std::ptrdiff_t>(to));
    if (close && !piece.empty())
        piece.push_back(piece.front());
    if (piece.size() < 2)
        return;
    std::string buf;
    size_t inPlot = 0;
    auto finish = [&] {
        out_ += "\\plot " + buf + " /\r\n";
        buf.clear();
        inPlot = 0;
    };
    for (size_t i = 0; i < piece.size(); ++i) {
        std::string pair = xy(piece[i]);
        if (inPlot >= 2 && buf.size() + pair.size() + 3 > kPlotBuffer) {
            finish();
            buf = xy(piece[i - 1]);
            inPlot = 1;
        }
        if (inPlot > 0)
            buf += inPlot % kPairsPerLine == 0 ? "\r\n" : " ";
        buf += pair;
        ++inPlot;
    }
    finish();
}

void PicTeXWriter::straightSegment(plat::DC& dc, WPoint a, WPoint b, const PenSpec& pen)
{
    if (!pen.draws())
        return;
    if (pen.style != DashSolid) {
        penLine(dc, a, b, pen);
        return;
    }
    const bool axisParallel = std::fabs(a.x - b.x) < 1e-16L || std::fabs(a.y - b.y) < 1e-16L;
    // A rule takes no dots: dotted grid lines are plotted.
    if (axisParallel && !dotted_)
        appendLine(out_, "\\putrule from " + xy(a) + " to " + xy(b));
    else
        appendLine(out_, "\\plot " + xy(a) + " " + xy(b) + " /");
}

void PicTeXWriter::penLine(plat::DC&, WPoint a, WPoint b, const PenSpec& pen)
{
    if (!pen.draws())
        return;
    if (pen.style == DashSolid) {
        const bool axisParallel = std::fabs(a.x - b.x) < 1e-16L || std::fabs(a.y - b.y) < 1e-16L;
        if (axisParallel && !dotted_)
            appendLine(out_, "\\putrule from " + xy(a) + " to " + xy(b));
        else
            appendLine(out_, "\\plot " + xy(a) + " " + xy(b) + " /");
        return;
    }
    appendLine(out_, dashStyle(pen.style));
    appendLine(out_, "\\plot " + xy(a) + " " + xy(b) + " /");
    appendLine(out_, dotted_ ? "\\setdots<2pt>" : "\\setsolid");
}

void PicTeXWriter::polyline(plat::DC&, const std::vector<WPoint>& pts, int, int width)
{
    if (width < 0)
        return;
    plot(pts, 0, pts.size(), false);
}

void PicTeXWriter::path(plat::DC&, const std::vector<WPoint>& pts, const std::string& commands, int, int width)
{
    if (width < 0)
        return;
    size_t start = 0;
    for (size_t i = 1; i <= pts.size(); ++i) {
        if (i == pts.size() || (i < commands.size() && commands[i] == 'M')) {
            plot(pts, start, i, false);
            start = i;
        }
    }
}

void PicTeXWriter::polygon(plat::DC&, const std::vector<WPoint>& pts, const FillSpec& f)
{
    // PicTeX draws outlines only: a shape without one (such as the
    // background of an opaque label) leaves nothing.
    if (f.width < 0)
        return;
    plot(pts, 0, pts.size(), true);
}

void PicTeXWriter::circle(plat::DC&, WPoint c, Real r, const FillSpec& f)
{
    if (f.fill == -1 && f.outline == -1)
        return;
    appendLine(out_, "\\circulararc " + num(360) + " degrees from " + xy({c.x + r, c.y}) + " center at " + xy(c));
}

void PicTeXWriter::arc(plat::DC&, WPoint c, WPoint s, Real sweep, const PenSpec& pen)
{
    if (!pen.draws())
        return;
    if (pen.style != DashSolid)
        appendLine(out_, dashStyle(pen.style));
    appendLine(out_, "\\circulararc " + num(sweep * 180 / kPi) + " degrees from " + xy(s) + " center at " + xy(c));
    if (pen.style != DashSolid)
        appendLine(out_, dotted_ ? "\\setdots<2pt>" : "\\setsolid");
}

void PicTeXWriter::roundedRectangle(plat::DC&, WPoint c1, WPoint c2, Real, const FillSpec& f)
{
    if (f.width < 0)
        return;
    appendLine(out_, "\\putrectangle corners at " + xy(c1) + " and " + xy(c2));
}

void PicTeXWriter::frame(plat::DC&, WPoint ll, WPoint ur, int)
{
    appendLine(out_, "\\putrectangle corners at " + xy(ll) + " and " + xy(ur));
}

void PicTeXWriter::dots(plat::DC&, const std::vector<WPoint>& centres, int)
{
    if (centres.empty())
        return;
    out_ += "\\multiput {.} at";
    for (size_t i = 0; i < centres.size(); ++i) {
        out_ += i % kPairsPerLine == 0 ? "\r\n" : " ";
        out_ += xy(centres[i]);
    }
    out_ += " /\r\n";
}

void PicTeXWriter::label(plat::DC&, const LabelPlacement& at, const LabelSpec& style)
{
    const std::string text = mathText(style);
    const std::string a = anchor(style.hAnchor, style.vAnchor);
    WPoint w = p_.view().DeviceToWorld(at.anchor.x, at.anchor.y);
    appendLine(out_, "\\put {" + text + "} " + (a.empty() ? "" : a + " ") + "at " + xy(w));
}

void PicTeXWriter::scaleLabel(plat::DC&, Axis axis, WPoint at, const LabelPlacement&, const LabelSpec& style)
{
    const std::string text = mathText(style);
    const char* a = axis == Axis::X ? (style.vAnchor < 0 ? "[t]" : "[b]") : (style.hAnchor > 0 ? "[l]" : "[r]");
    appendLine(out_, "\\put {" + text + "} " + a + " at " + xy(at));
}

void PicTeXWriter::comment(const std::string& text) { appendLine(out_, "% " + text); }

void PicTeXWriter::setDottedLines(bool on)
{
    dotted_ = on;
    appendLine(out_, on ? "\\setdots<2pt>" : "\\setsolid");
}

} // namespace quan
