#include "graphics/export/eps_writer.h"

#include "core/qmath.h"
#include "graphics/export/export_common.h"
#include "graphics/primitives.h"
#include "graphics/shading.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace quan {

namespace {
constexpr Real kPi = 3.141592653589793238462643383279502884L;

std::string dashArray(std::initializer_list<int> items)
{
    std::string s = "[";
    bool first = true;
    for (int i : items) {
        if (!first)
            s += ' ';
        s += formatInt(i);
        first = false;
    }
    return s + "] 0 setdash";
}
} // namespace

void EpsWriter::prepare(const EpsSettings& s, int pages)
{
    const ViewState& v = p_.view();
    PageMapping& pm = p_.page();
    pm.setup(v, s.logPixelsX, pages);
    colorLines_ = {};
    widthLines_ = {};
    const Real p = 72.0L / (s.logPixelsX > 0 ? s.logPixelsX : 96);
    auto d = [p](Real f) { return std::max(2, static_cast<int>(std::trunc(f * p))); };
    const int d1 = d(4.3L), d2 = d(7.8L), d3 = d(2.5L), d4 = d(3.7L);
    dash_ = {dashArray({}), dashArray({d1, d1}), dashArray({3 * d2, d2}), dashArray({d3, 2 * d3, 3 * d3, 2 * d3}),
             dashArray({d4, d4, 3 * d4, d4, d4, d4})};
    const std::string W = formatInt(static_cast<long long>(pm.Wp)), H = formatInt(static_cast<long long>(pm.Hp));
    header_.clear();
    appendLine(header_, "%!PS-Adobe-3.0 EPSF-3.0");
    appendLine(header_, "%%BoundingBox: 0 0 " + W + " " + H);
    appendLine(header_, "%%Creator: (VELdra)");
    appendLine(header_, "%%Title: (" + escapeString(s.title) + ")");
    appendLine(header_, "%%CreationDate:(" + escapeString(s.date) + ")");
    appendLine(header_, "%%Pages: 1");
    appendLine(header_, "%%Page: 1 1");
    appendLine(header_, "0.32 setlinewidth");
    // Nothing drawn outside the view may spill over the host's page: clip
    // to the box, grown by the point the frame lies outside it.
    const std::string W1 = formatInt(static_cast<long long>(pm.Wp) + 1),
                      H1 = formatInt(static_cast<long long>(pm.Hp) + 1);
    appendLine(header_, "newpath");
    appendLine(header_, "-1 -1 moveto " + W1 + " -1 lineto " + W1 + " " + H1 + " lineto -1 " + H1 +
                            " lineto closepath clip");
    appendLine(header_, "newpath");
}

const std::string& EpsWriter::dashLine(int style) const { return dash_[static_cast<size_t>(std::clamp(style, 0, 4))]; }

std::string EpsWriter::escapeString(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 128) {
            out += '\\';
            out += static_cast<char>('0' + (c >> 6));
            out += static_cast<char>('0' + ((c >> 3) & 7));
            out += static_cast<char>('0' + (c & 7));
        } else if (c >= 32 && c != 127) {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string EpsWriter::showText(const std::string& text, bool symbol)
{
    std::string out, run;
    if (symbol) {
        for (unsigned char c : text) {
            if (c == 150)
                run += "\\055";
            else if (c >= 32 && c != 127)
                run += escapeString(std::string(1, static_cast<char>(c)));
        }
        if (!run.empty())
            appendLine(out, "(" + run + ") show");
        return out;
    }
    bool inRun = false;
    auto flush = [&] {
        if (inRun)
            appendLine(out, "(" + run + ") show");
        run.clear();
        inRun = false;
    };
    for (unsigned char c : text) {
        if (c >= 128) {
            const char* g = cp1252GlyphName(c);
            if (!*g)
                continue;
            flush();
            appendLine(out, std::string("/") + g + " glyphshow");
        } else if (c >= 32 && c != 127) {
            if (c == '(' || c == ')' || c == '\\')
                run += '\\';
            run += static_cast<char>(c);
            inRun = true;
        }
    }
    flush();
    return out;
}

void EpsWriter::num(Real v) { out_ += formatReal(v, 5, 3); }

void EpsWriter::point(WPoint w)
{
    WPoint q = p_.page().toPage(p_.view(), w);
    num(q.x);
    out_ += ' ';
    num(q.y);
    out_ += ' ';
}

void EpsWriter::color(int index)
{
    const size_t i = index >= 1 && index <= 60 ? static_cast<size_t>(index) : 0;
    std::string& line = colorLines_[i];
    if (line.empty()) {
        plat::Color c = p_.tableColor(index);
        line = formatReal(plat::red(c) / 255.0L, 5, 3) + " " + formatReal(plat::green(c) / 255.0L, 5, 3) + " " +
               formatReal(plat::blue(c) / 255.0L, 5, 3) + " setrgbcolor\r\n";
    }
    out_ += line;
}

void EpsWriter::width(int pixels)
{
    if (pixels >= 0 && pixels < static_cast<int>(widthLines_.size())) {
        std::string& line = widthLines_[static_cast<size_t>(pixels)];
        if (line.empty())
            line = formatReal(0.32L * pixels, 4, 2) + " setlinewidth\r\n";
        out_ += line;
        return;
    }
    out_ += formatReal(0.32L * pixels, 4, 2);
    out_ += " setlinewidth\r\n";
}

void EpsWriter::penLine(plat::DC&, WPoint a, WPoint b, const PenSpec& pen)
{
    if (!pen.draws())
        return;
    color(pen.color);
    width(pen.width);
    appendLine(out_, dashLine(pen.style));
    out_ += "newpath\r\n";
    point(a);
    out_ += "moveto\r\n";
    point(b);
    out_ += "lineto\r\nstroke\r\n";
}

void EpsWriter::pathLines(const std::vector<WPoint>& pts, const std::string* commands, bool closed)
{
    out_ += "newpath\r\n";
    for (size_t i = 0; i < pts.size(); ++i) {
        point(pts[i]);
        // A path always starts with a move, whatever its first letter.
        bool move = i == 0 || (commands && i < commands->size() && (*commands)[i] == 'M');
        out_ += move ? "moveto\r\n" : "lineto\r\n";
    }
    if (closed && !pts.empty()) {
        point(pts[0]);
        out_ += "lineto\r\n";
    }
}

void EpsWriter::polyline(plat::DC&, const std::vector<WPoint>& pts, int c, int w)
{
    if (pts.size() < 2 || w < 0)
        return;
    pathLines(pts, nullptr, false);
    color(c);
    width(w);
    appendLine(out_, dash_[0]);
    out_ += "stroke\r\n";
}

void EpsWriter::path(plat::DC&, const std::vector<WPoint>& pts, const std::string& commands, int c, int w)
{
    if (pts.size() < 2 || w < 0)
        return;
    pathLines(pts, &commands, false);
    color(c);
    width(w);
    appendLine(out_, dash_[0]);
    out_ += "stroke\r\n";
}

void EpsWriter::shadeFan(const std::vector<WPoint>& pts, int c)
{
    std::vector<WPoint> all;
    for (size_t i = 1; i + 1 < pts.size(); ++i) {
        auto part = shadeTriangle(p_.view(), pts[0], pts[i], pts[i + 1]);
        all.insert(all.end(), part.begin(), part.end());
    }
    for (const WPoint& d : all)
        fillCircle(d, kDotRadius * p_.view().dx, c);
}

void EpsWriter::polygon(plat::DC&, const std::vector<WPoint>& pts, const FillSpec& f)
{
    if (pts.size() < 2 || (f.hollow && f.width < 0))
        return;
    pathLines(pts, nullptr, true);
    out_ += "gsave\r\n";
    if (!f.hollow && f.pattern == 0) {
        color(f.fill);
        out_ += "fill\r\n";
    } else if (!f.hollow && f.pattern > 0) {
        shadeFan(pts, f.fill);
    }
    out_ += "grestore\r\n";
    if (f.width >= 0) {
        appendLine(out_, dash_[0]);
        color(f.outline);
        width(std::max(1, f.width));
        out_ += "stroke\r\n";
    }
}

void EpsWriter::fillCircle(WPoint centre, Real r, int c)
{
    WPoint q = p_.page().toPage(p_.view(), centre), e = p_.page().toPage(p_.view(), {centre.x + r, centre.y});
    out_ += "% begin circle fill\r\nnewpath\r\n";
    num(q.x);
    out_ += ' ';
    num(q.y);
    out_ += ' ';
    num(std::fabs(e.x - q.x));
    out_ += " 0 360 arc\r\n";
    color(c);
    out_ += "fill\r\n";
}

void EpsWriter::circle(plat::DC&, WPoint centre, Real r, const FillSpec& f)
{
    const bool fill = f.fill != -1 && !f.hollow, outline = f.outline != -1;
    if (!fill && !outline)
        return;
    const ViewState& v = p_.view();
    WPoint q = p_.page().toPage(v, centre), e = p_.page().toPage(v, {centre.x + r, centre.y});
    auto arcLine = [&] {
        out_ += "newpath\r\n";
        num(q.x);
        out_ += ' ';
        num(q.y);
        out_ += ' ';
        num(std::fabs(e.x - q.x));
        out_ += " 0 360 arc\r\n";
    };
    auto doFill = [&] {
        if (f.pattern == 0) {
            color(f.fill);
            out_ += "fill\r\n";
        } else if (f.pattern > 0) {
            for (const WPoint& d : shadeCircle(centre, r, v.dx))
                fillCircle(d, kDotRadius * v.dx, f.fill);
        }
    };
    auto stroke = [&] {
        width(std::max(0, f.width));
        appendLine(out_, dash_[0]);
        color(f.outline);
        out_ += "stroke\r\n";
    };
    if (fill && !outline) {
        out_ += "% begin circle fill\r\n";
        arcLine();
        doFill();
    } else if (!fill) {
        arcLine();
        stroke();
    } else {
        out_ += "% begin circle fill\r\n";
        arcLine();
        out_ += "gsave\r\n";
        doFill();
        out_ += "grestore\r\n";
        stroke();
    }
}

void EpsWriter::arc(plat::DC&, WPoint c, WPoint s, Real sweep, const PenSpec& pen)
{
    if (!pen.draws())
        return;
    const ViewState& v = p_.view();
    WPoint q = p_.page().toPage(v, c), t = p_.page().toPage(v, s);
    Real r2 = (t.x - q.x) * (t.x - q.x) + (t.y - q.y) * (t.y - q.y);
    Real r = r2 < 1e-31L ? 0 : std::sqrt(r2);
    Real a1 = 180 / kPi * std::atan2(s.y - c.y, s.x - c.x), a2 = a1 + sweep * 180 / kPi;
    color(pen.color);
    width(pen.width);
    appendLine(out_, dashLine(pen.style));
    out_ += "newpath\r\n";
    num(q.x);
    out_ += ' ';
    num(q.y);
    out_ += ' ';
    num(r);
    out_ += ' ';
    out_ += formatReal(a1, 8, 6);
    out_ += ' ';
    out_ += formatReal(a2, 8, 6);
    // A negative sweep turns clockwise.
    out_ += sweep < 0 ? " arcn\r\nstroke\r\n" : " arc\r\nstroke\r\n";
}

void EpsWriter::roundedRectangle(plat::DC&, WPoint c1, WPoint c2, Real r, const FillSpec& f)
{
    if (f.hollow && f.width < 0)
        return;
    const ViewState& v = p_.view();
    WPoint a = p_.page().toPage(v, c1), b = p_.page().toPage(v, c2);
    const Real L = std::min(a.x, b.x), Rt = std::max(a.x, b.x), B = std::min(a.y, b.y), T = std::max(a.y, b.y);
    const bool round = r > 1e-13L;
    const Real q = round ? std::fabs(p_.page().toPage(v, {c1.x + r, c1.y}).x - a.x) : 0;
    auto pt = [&](Real x, Real y) {
        num(x);
        out_ += ' ';
        num(y);
        out_ += ' ';
    };
    auto corner = [&](Real x, Real y, const char* angles) {
        if (!round)
            return;
        pt(x, y);
        num(q);
        out_ += angles;
    };
    out_ += "newpath\r\n";
    pt(Rt, T - q);
    out_ += "moveto\r\n";
    corner(Rt - q, T - q, " 0 90 arc\r\n");
    pt(L + q, T);
    out_ += "lineto\r\n";
    corner(L + q, T - q, " 90 180 arc\r\n");
    pt(L, B + q);
    out_ += "lineto\r\n";
    corner(L + q, B + q, " 180 270 arc\r\n");
    pt(Rt - q, B);
    out_ += "lineto\r\n";
    corner(Rt - q, B + q, " 270 360 arc\r\n");
    pt(Rt, T - q);
    out_ += "lineto\r\n";
    out_ += "gsave\r\n";
    if (!f.hollow && f.pattern == 0) {
        color(f.fill);
        out_ += "fill\r\n";
    } else if (!f.hollow && f.pattern > 0) {
        WPoint tl{std::min(c1.x, c2.x), std::max(c1.y, c2.y)}, br{std::max(c1.x, c2.x), std::min(c1.y, c2.y)};
        for (const WPoint& d : shadeRectangle(tl, br, v.dx))
            fillCircle(d, kDotRadius * v.dx, f.fill);
    }
    out_ += "grestore\r\n";
    if (f.width >= 0) {
        appendLine(out_, dash_[0]);
        color(f.outline);
        width(std::max(1, f.width));
        out_ += "stroke\r\n";
    }
}

void EpsWriter::dots(plat::DC&, const std::vector<WPoint>& centres, int c)
{
    const Real r = kDotRadius * p_.view().dx;
    for (const WPoint& d : centres)
        fillCircle(d, r, c);
}

void EpsWriter::arrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int c, bool solid, int w)
{
    if (!solid) {
        PenSpec pen{static_cast<int16_t>(c), static_cast<int16_t>(w), DashSolid};
        penLine(dc, barb1, tip, pen);
        penLine(dc, barb2, tip, pen);
        return;
    }
    pathLines({barb1, tip, barb2}, nullptr, true);
    color(c);
    out_ += "fill\r\n";
}

void EpsWriter::label(plat::DC&, const LabelPlacement& at, const LabelSpec& style)
{
    const FontSlot& slot = p_.fontSlot(style.fontSlot);
    // A PostScript name: blanks (and anything that would end the name)
    // become hyphens.
    std::string face = slot.font.face();
    for (char& ch : face)
        if (ch <= ' ' || ch > '~' || std::string_view("()<>[]{}/%").find(ch) != std::string_view::npos)
            ch = '-';
    // The symbol face, however spelt, is PostScript's Symbol.
    const bool symbol = toLower(face) == "symbol";
    if (symbol)
        face = "Symbol";
    if (slot.font.italic)
        face += "-Italic";
    out_ += "/" + face + " findfont\r\n";
    out_ += formatInt(slot.pointSize) + " scalefont setfont\r\n";
    point(p_.view().DeviceToWorld(at.baseline.x, at.baseline.y));
    out_ += "moveto\r\n";
    const int turn = style.angle / 10;
    if (style.angle != 0)
        out_ += formatInt(turn) + " rotate\r\n";
    plat::Color c = style.color < 0 ? slot.color : p_.tableColor(style.color);
    num(plat::red(c) / 255.0L);
    out_ += ' ';
    num(plat::green(c) / 255.0L);
    out_ += ' ';
    num(plat::blue(c) / 255.0L);
    out_ += " setrgbcolor\r\n";
    out_ += showText(style.text, symbol);
    if (style.angle != 0)
        out_ += formatInt(-turn) + " rotate\r\n";
}

void EpsWriter::frameBackground(plat::DC& dc, int background, bool outline)
{
    const ViewState& v = p_.view();
    FillSpec f;
    f.fill = background;
    f.outline = 0;
    f.width = outline ? 1 : -1;
    polygon(dc, {{v.xmin, v.ymin}, {v.xmax, v.ymin}, {v.xmax, v.ymax}, {v.xmin, v.ymax}}, f);
}

void EpsWriter::frame(plat::DC&, WPoint ll, WPoint ur, int w)
{
    pathLines({ll, {ur.x, ll.y}, ur, {ll.x, ur.y}}, nullptr, true);
    color(0);
    width(w);
    appendLine(out_, dash_[0]);
    out_ += "stroke\r\n";
}

void EpsWriter::comment(const std::string& text) { appendLine(out_, "% " + text); }

void EpsWriter::maskedPlot(plat::DC&, const std::vector<WPoint>& pts, const std::vector<int>& flags, int mode,
                           const PenSpec& pen)
{
    if (pts.size() < 2 || !pen.draws())
        return;
    out_ += "newpath\r\n";
    bool previous = false;
    for (size_t i = 1; i < pts.size(); ++i) {
        bool draws = maskedPlotDraws(flags, mode, i);
        if (draws) {
            if (!previous) {
                point(pts[i - 1]);
                out_ += "moveto\r\n";
            }
            point(pts[i]);
            out_ += "lineto\r\n";
        }
        previous = draws;
    }
    width(pen.width);
    appendLine(out_, dashLine(pen.style));
    color(pen.color);
    out_ += "stroke\r\n";
}

} // namespace quan
