#include "graphics/export/svg_writer.h"

#include "graphics/clip.h"
#include "graphics/export/export_common.h"
#include "graphics/pixel.h"
#include "graphics/primitives.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace quan {

namespace {
constexpr Real kPi = 3.141592653589793238462643383279502884L;
constexpr Real kLimit = 16777216.0L; // 2^24: far outside any image, still exact

std::string I(long long v) { return formatInt(v); }
std::string attr(const char* name, const std::string& value) { return std::string(" ") + name + "=\"" + value + "\""; }
} // namespace

std::string SvgWriter::colorText(plat::Color c)
{
    static const char hex[] = "0123456789abcdef";
    std::string s = "#";
    for (int v : {plat::red(c), plat::green(c), plat::blue(c)}) {
        s += hex[(v >> 4) & 15];
        s += hex[v & 15];
    }
    return s;
}

std::string SvgWriter::escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        switch (c) {
        case '&': out += "&amp;"; continue;
        case '<': out += "&lt;"; continue;
        case '>': out += "&gt;"; continue;
        case '"': out += "&quot;"; continue;
        default: break;
        }
        if (c >= 128) {
            char32_t u = cp1252ToUnicode(c);
            if (u != 0)
                out += "&#" + I(static_cast<long long>(u)) + ";";
        } else if (c >= 32 && c != 127) {
            out += static_cast<char>(c);
        }
    }
    return out;
}

void SvgWriter::prepare(const SvgSettings& s, int pages)
{
    const ViewState& v = p_.view();
    width_ = s.width > 0 ? s.width : v.W;
    height_ = s.height > 0 ? s.height : v.H;
    p_.page().pages = std::max(1, pages);
    patterns_ = 0;
    const std::string w = I(width_), h = I(height_);
    header_.clear();
    appendLine(header_, "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>");
    appendLine(header_, "<svg version=\"1.1\"");
    appendLine(header_, "baseProfile=\"full\"");
    appendLine(header_, "width=\"" + w + "\" height=\"" + h + "\"");
    appendLine(header_, "viewBox=\"0 0 " + w + " " + h + "\" preserveAspectRatio=\"xMidYMid meet\"");
    appendLine(header_, "xmlns=\"http://www.w3.org/2000/svg\"");
    appendLine(header_, "xmlns:xlink=\"http://www.w3.org/1999/xlink\"");
    appendLine(header_, "xmlns:ev=\"http://www.w3.org/2001/xml-events\">");
    appendLine(header_, "<title>" + escape(s.title) + "</title>");
}

std::string SvgWriter::colorOf(int index) const { return colorText(p_.tableColor(index)); }

std::pair<int, int> SvgWriter::px(WPoint w) const
{
    const ViewState& v = p_.view();
    Real x = std::clamp(v.kx * (w.x - v.xmin), -kLimit, kLimit);
    Real y = std::clamp(v.ky * (v.ymax - w.y), -kLimit, kLimit);
    if (std::isnan(x))
        x = -1;
    if (std::isnan(y))
        y = -1;
    return {roundPixel(x) + v.ox, roundPixel(y) + v.oy};
}

void SvgWriter::line(int x1, int y1, int x2, int y2, int color, int width, int style)
{
    // The most frequent element, written without temporaries.
    auto number = [this](const char* name, int v) {
        char buf[16];
        auto r = std::to_chars(buf, buf + sizeof buf, v);
        out_ += name;
        out_.append(buf, r.ptr);
        out_ += '"';
    };
    out_ += "<line";
    number(" x1=\"", x1);
    number(" y1=\"", y1);
    number(" x2=\"", x2);
    number(" y2=\"", y2);
    out_ += " stroke=\"";
    out_ += colorOf(color);
    out_ += '"';
    number(" stroke-width=\"", std::max(1, width));
    out_.insert(out_.size() - 1, "px");
    if (style != 0) {
        const char* dash = style == 1 ? "4,4" : style == 2 ? "20,8" : style == 3 ? "2,4,6,4" : "3,3,10,3,3,3";
        out_ += " stroke-dasharray=\"";
        out_ += dash;
        out_ += '"';
    }
    out_ += " />\r\n";
}

void SvgWriter::segment(plat::DC&, WPoint a, WPoint b, const PenSpec& pen)
{
    if (!pen.draws())
        return;
    // Clipped to the view like the screen's lines, so that a line reaching
    // out of the picture keeps its direction.
    const ViewState& v = p_.view();
    if (!(v.WorldToDevice(a).visible && v.WorldToDevice(b).visible) && !clipToView(v, a, b))
        return;
    auto p = px(a), q = px(b);
    line(p.first, p.second, q.first, q.second, pen.color, pen.width, pen.style);
}

void SvgWriter::path(plat::DC&, const std::vector<WPoint>& pts, const std::string& commands, int color, int width)
{
    if (pts.size() < 2 || width < 0)
        return;
    auto moves = [&](size_t i) { return i == 0 || (i < commands.size() && commands[i] == 'M'); };
    std::string d;
    for (size_t i = 0; i < pts.size(); ++i) {
        auto p = px(pts[i]);
        if (moves(i)) {
            d += i == 0 ? "M " : " M ";
            d += I(p.first);
            d += ' ';
            d += I(p.second);
            // The line command only when a line follows.
            if (i + 1 < pts.size() && !moves(i + 1))
                d += " L";
        } else {
            d += ' ';
            d += I(p.first);
            d += ' ';
            d += I(p.second);
        }
    }
    out_ += "<path" + attr("d", d) + attr("fill", "none") + attr("stroke", colorOf(color)) +
            attr("stroke-width", I(std::max(1, width)) + "px") + " />\r\n";
}

void SvgWriter::polyline(plat::DC& dc, const std::vector<WPoint>& pts, int color, int width)
{
    path(dc, pts, std::string(), color, width);
}

std::string SvgWriter::fillValue(bool hollow, int fill, int outline, int pattern)
{
    if (hollow)
        return "none";
    if (pattern <= 0 || patterns_ == 999)
        return colorOf(fill);
    const std::string id = "fpat" + formatInt(patterns_, 3, '0');
    ++patterns_;
    const int s = pattern == 1 || pattern == 3 || pattern == 4 ? 10 : 8;
    std::string paths;
    auto add = [&paths](const char* d) { paths += std::string("<path d=\"") + d + "\"/>"; };
    switch (pattern) {
    case 1: add("M0,10 l10,-10"); break;
    case 2:
        add("M0,4 l8,0");
        add("M4,0 l0,8");
        break;
    case 3:
        add("M0,10 l10,-10");
        add("M0,0 l10,10");
        break;
    case 4: add("M0,0 l10,10"); break;
    case 5: add("M0,4 l8,0"); break;
    default: add("M4,0 l0,8"); break;
    }
    out_ += "<defs>\r\n";
    out_ += "<pattern" + attr("id", id) + attr("patternUnits", "userSpaceOnUse") + attr("x", "0") + attr("y", "0") +
            attr("width", I(s)) + attr("height", I(s)) + ">\r\n";
    out_ += "<g" +
            attr("style", "fill:" + colorOf(fill) + "; stroke:" + colorOf(outline < 0 ? fill : outline) +
                              "; stroke-width:1px") +
            "> " + paths + "</g>\r\n";
    out_ += "</pattern>\r\n</defs>\r\n";
    return "url(#" + id + ")";
}

void SvgWriter::polygonPx(const std::vector<std::pair<int, int>>& pts, const FillSpec& f)
{
    if (f.hollow && f.width < 0)
        return;
    const int w = f.width == 0 ? 1 : f.width;
    std::string fill = fillValue(f.hollow, f.fill, f.outline, f.pattern);
    std::string points;
    for (size_t i = 0; i < pts.size(); ++i) {
        if (i)
            points += ' ';
        points += I(pts[i].first) + "," + I(pts[i].second);
    }
    out_ += "<polygon" + attr("fill", fill) + attr("stroke", colorOf(w >= 1 ? f.outline : f.fill)) +
            attr("stroke-width", (w < 0 ? std::string("1") : I(w)) + "px") + attr("points", points) + " />\r\n";
}

void SvgWriter::polygon(plat::DC&, const std::vector<WPoint>& pts, const FillSpec& f)
{
    std::vector<std::pair<int, int>> d;
    d.reserve(pts.size());
    for (const WPoint& w : pts)
        d.push_back(px(w));
    polygonPx(d, f);
}

void SvgWriter::rect(int x, int y, int w, int h, bool hollow, int fill, int width, int outline, int rx, int ry,
                     int pattern)
{
    if (hollow && width < 0)
        return;
    std::string fv = fillValue(hollow, fill, outline, pattern);
    out_ += "<rect" + attr("x", I(x)) + attr("y", I(y)) + attr("width", I(std::abs(w))) +
            attr("height", I(std::abs(h))) + attr("fill", fv) + attr("stroke", width < 0 ? fv : colorOf(outline)) +
            attr("stroke-width", I(std::abs(width)) + "px");
    if (rx > 0)
        out_ += attr("rx", I(rx)) + attr("ry", I(ry));
    out_ += " />\r\n";
}

void SvgWriter::roundedRectangle(plat::DC&, WPoint c1, WPoint c2, Real r, const FillSpec& f)
{
    auto a = px(c1), b = px(c2);
    const int x = std::min(a.first, b.first), y = std::min(a.second, b.second);
    const ViewState& v = p_.view();
    const int rx = r > 1e-13L ? roundPixel(r * v.kx) : 0, ry = r > 1e-13L ? roundPixel(r * v.kx) : 0;
    const int w = f.width == 0 ? 1 : f.width;
    rect(x, y, std::abs(b.first - a.first), std::abs(b.second - a.second), f.hollow, f.fill, w, f.outline, rx, ry,
         f.pattern);
}

void SvgWriter::ellipse(int x, int y, int r, int fill, int outline)
{
    out_ += "<ellipse" + attr("cx", I(x)) + attr("cy", I(y)) + attr("rx", I(r)) + attr("ry", I(r)) +
            attr("fill", colorOf(fill)) + attr("stroke", colorOf(outline)) + attr("stroke-width", "1px") +
            " />\r\n";
}

void SvgWriter::circle(plat::DC&, WPoint centre, Real r, const FillSpec& f)
{
    const bool fill = f.fill != -1 && !f.hollow, outline = f.outline != -1;
    if (!fill && !outline)
        return;
    auto c = px(centre);
    const int rr = roundPixel(std::min(r / p_.view().dx, kLimit));
    std::string fv = fill ? fillValue(false, f.fill, outline ? f.outline : f.fill, f.pattern) : "none";
    out_ += "<circle" + attr("cx", I(c.first)) + attr("cy", I(c.second)) + attr("r", I(rr)) + attr("fill", fv) +
            attr("stroke", outline ? colorOf(f.outline) : "none") +
            attr("stroke-width", I(std::max(1, f.width)) + "px") + " />\r\n";
}

void SvgWriter::arc(plat::DC&, WPoint c, WPoint s, Real sweep, const PenSpec& pen)
{
    if (!pen.draws())
        return;
    const ViewState& v = p_.view();
    auto dev = [&v](WPoint w) { return WPoint{v.kx * (w.x - v.xmin), v.ky * (v.ymax - w.y)}; };
    const WPoint dc = dev(c), ds = dev(s);
    const int r = roundPixel(std::hypot(ds.x - dc.x, ds.y - dc.y));
    if (r <= 0)
        return;
    auto p0 = px(s);
    // Turning counter-clockwise on the picture is SVG's negative direction
    // (its y runs downwards).
    const std::string flags = std::string(std::fabs(sweep) > kPi ? " 1," : " 0,") + (sweep < 0 ? "1 " : "0 ");
    auto piece = [&](WPoint from, WPoint to) {
        auto a = px(from), b = px(to);
        return " a" + I(r) + "," + I(r) + " 0 " + flags + " " + I(b.first - a.first) + "," + I(b.second - a.second);
    };
    std::string d = "M " + I(p0.first) + "," + I(p0.second);
    if (std::fabs(sweep) >= 2 * kPi - 1e-9L) {
        // A whole circle: an arc whose end is its start draws nothing, so
        // two halves through the opposite point.
        const WPoint o{2 * c.x - s.x, 2 * c.y - s.y};
        const std::string half = std::string(" 0,") + (sweep < 0 ? "1 " : "0 ");
        auto a = px(s), b = px(o);
        d += " a" + I(r) + "," + I(r) + " 0 " + half + " " + I(b.first - a.first) + "," + I(b.second - a.second);
        d += " a" + I(r) + "," + I(r) + " 0 " + half + " " + I(a.first - b.first) + "," + I(a.second - b.second);
    } else {
        const Real cs = std::cos(sweep), sn = std::sin(sweep);
        const WPoint e{c.x + (s.x - c.x) * cs - (s.y - c.y) * sn, c.y + (s.x - c.x) * sn + (s.y - c.y) * cs};
        d += piece(s, e);
    }
    out_ += "<path" + attr("d", d) + attr("fill", "none") + attr("stroke", colorOf(pen.color)) +
            attr("stroke-width", I(std::max<int>(1, pen.width)) + "px") + " />\r\n";
}

void SvgWriter::dots(plat::DC&, const std::vector<WPoint>& centres, int color)
{
    const std::string c = colorOf(color);
    for (const WPoint& w : centres) {
        auto p = px(w);
        out_ += "<circle" + attr("cx", I(p.first)) + attr("cy", I(p.second)) + attr("r", "1") + attr("fill", c) +
                attr("stroke", "none") + attr("stroke-width", "1px") + " />\r\n";
    }
}

void SvgWriter::arrowhead(plat::DC& dc, WPoint barb1, WPoint tip, WPoint barb2, int color, bool solid, int width)
{
    if (!solid) {
        PenSpec pen{static_cast<int16_t>(color), static_cast<int16_t>(width), DashSolid};
        segment(dc, barb1, tip, pen);
        segment(dc, barb2, tip, pen);
        return;
    }
    FillSpec f;
    f.fill = color;
    f.outline = color;
    f.width = 1;
    polygon(dc, {barb1, tip, barb2}, f);
}

void SvgWriter::label(plat::DC&, const LabelPlacement& at, const LabelSpec& style)
{
    const FontSlot& slot = p_.fontSlot(style.fontSlot);
    plat::Color c = style.color < 0 ? slot.color : p_.tableColor(style.color);
    const int x = roundPixel(at.baseline.x), y = roundPixel(at.baseline.y);
    const bool turned = style.angle != 0;
    if (turned)
        out_ += "<g" + attr("transform", "translate(" + I(x) + "," + I(y) + ") rotate(" + I(-(style.angle / 10)) + ")") +
                ">\r\n";
    // Turned text sits at the origin of its group, which lies on its point.
    out_ += "<text" + attr("x", I(turned ? 0 : x)) + attr("y", I(turned ? 0 : y)) +
            attr("font-family", escape(slot.font.face())) + attr("font-size", I(4 * slot.pointSize / 3)) +
            attr("font-weight", I(slot.font.weight));
    if (slot.font.italic)
        out_ += attr("font-style", "italic");
    out_ += attr("fill", colorText(c)) + attr("text-anchor", "start") + "> " + escape(style.text) + " </text>\r\n";
    if (turned)
        out_ += "</g>\r\n";
}

void SvgWriter::frameBackground(plat::DC&, int background, bool outline)
{
    const ViewState& v = p_.view();
    rect(0, 0, v.W, v.H, false, background, outline ? 1 : -1, 0, 0, 0, 0);
}

void SvgWriter::frame(plat::DC&, WPoint ll, WPoint ur, int width)
{
    FillSpec f;
    f.hollow = true;
    f.outline = 0;
    f.width = width;
    polygonPx({px({ll.x, ur.y}), px(ur), px({ur.x, ll.y}), px(ll)}, f);
}

void SvgWriter::icon(plat::DC&, const ViewState& v, WPoint centre, int shape, int s, int color)
{
    // Plain names, not a structured binding: the shapes' lambdas capture them.
    const std::pair<int, int> at = px(centre);
    const int x = at.first, y = at.second;
    FillSpec solid;
    solid.fill = color;
    solid.outline = color;
    solid.width = 1;
    auto tri = [&](int x1, int y1, int x2, int y2, int x3, int y3) { polygonPx({{x1, y1}, {x2, y2}, {x3, y3}}, solid); };
    auto stroke = [&](int x1, int y1, int x2, int y2) { line(x1, y1, x2, y2, color, 1, 0); };
    auto hollowSquare = [&] { rect(x - s, y - s, 2 * s, 2 * s, true, color, 1, color, 0, 0, 0); };
    auto plus = [&] {
        stroke(x - s, y, x + s, y);
        stroke(x, y - s, x, y + s);
    };
    auto cross = [&] {
        stroke(x - s, y - s, x + s, y + s);
        stroke(x - s, y + s, x + s, y - s);
    };
    switch (shape) {
    case 0: rect(x - s, y - s, 2 * s, 2 * s, false, color, 1, color, 0, 0, 0); break;
    case 1: ellipse(x, y, s, color, color); break;
    case 2: tri(x - s, y + s, x + s, y + s, x, y - s); break;
    case 3: tri(x - s, y - s, x + s, y - s, x, y + s); break;
    case 4: tri(x - s, y - s, x - s, y + s, x + s, y); break;
    case 5: tri(x + s, y - s, x + s, y + s, x - s, y); break;
    case 6:
        plus();
        hollowSquare();
        break;
    case 7: hollowSquare(); break;
    case 8: cross(); break;
    case 9: plus(); break;
    case 10:
        cross();
        hollowSquare();
        break;
    case 11:
        stroke(x, y, x, y - 3 * s);
        stroke(x, y, x + s, y - s);
        stroke(x, y, x - s, y - s);
        break;
    case 12:
        stroke(x, y, x, y + 3 * s);
        stroke(x, y, x + s, y + s);
        stroke(x, y, x - s, y + s);
        break;
    case 13:
        stroke(x, 0, x, v.H);
        stroke(0, y, v.W, y);
        break;
    default: break;
    }
}

} // namespace quan
