#include "graphics/export/emf_writer.h"

#include "graphics/export/bmp_writer.h"
#include "graphics/export/export_common.h"
#include "text/symbolfont.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quan {

namespace {

constexpr uint32_t kHeaderFixed = 108; // the header with both extensions
constexpr int kShortMin = -32768, kShortMax = 32767;

uint32_t pad4(uint32_t n) { return (n + 3u) & ~3u; }

uint32_t penStyleCode(plat::PenStyle s)
{
    switch (s) {
    case plat::PenStyle::Solid: return 0;      // PS_SOLID
    case plat::PenStyle::Dash: return 1;       // PS_DASH
    case plat::PenStyle::Dot: return 2;        // PS_DOT
    case plat::PenStyle::DashDot: return 3;    // PS_DASHDOT
    case plat::PenStyle::DashDotDot: return 4; // PS_DASHDOTDOT
    case plat::PenStyle::Null: return 5;       // PS_NULL
    }
    return 0;
}

int clampInt(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, -2147483647LL, 2147483647LL));
}

} // namespace

double emfMillimetresPerPixelX(const EmfSettings& s)
{
    if (s.horzSize > 0 && s.horzRes > 0)
        return static_cast<double>(s.horzSize) / s.horzRes;
    return 25.4 / (s.logPixelsX > 0 ? s.logPixelsX : 96);
}

double emfMillimetresPerPixelY(const EmfSettings& s)
{
    if (s.vertSize > 0 && s.vertRes > 0)
        return static_cast<double>(s.vertSize) / s.vertRes;
    return 25.4 / (s.logPixelsY > 0 ? s.logPixelsY : 96);
}

plat::Rect emfFrame(const EmfSettings& s)
{
    const double f = emfMillimetresPerPixelX(s) * s.scale * 100.0;
    const double g = emfMillimetresPerPixelY(s) * s.scale * 100.0;
    return {0, 0, clampInt(std::llround(s.width * f)), clampInt(std::llround(s.height * g))};
}

std::u16string EmfWriter::toUtf16(const std::string& text, bool symbol)
{
    std::u16string u;
    u.reserve(text.size());
    for (unsigned char c : text) {
        char32_t cp = symbol ? symbolToUnicode(c) : cp1252ToUnicode(c);
        if (cp == 0)
            continue;
        if (cp > 0xFFFF)
            cp = 0xFFFD;
        u.push_back(static_cast<char16_t>(cp));
    }
    return u;
}

EmfWriter::EmfWriter(const EmfSettings& s, plat::DC* measure) : s_(s), measure_(measure)
{
    if (s_.scale < 1)
        s_.scale = 1;
    out_.reserve(4096);
    // The header is written by finish(); its place is kept here.
    std::u16string desc;
    for (char c : s_.application)
        desc.push_back(static_cast<unsigned char>(c));
    desc.push_back(0);
    desc += toUtf16(s_.caption, false);
    desc.push_back(0);
    desc.push_back(0);
    const uint32_t size = kHeaderFixed + pad4(static_cast<uint32_t>(desc.size() * 2));
    begin(emr::Header, size);
    out_.resize(size, '\0');
    recordStart_ = 0;
    // The description now, the rest at the end.
    for (size_t i = 0; i < desc.size(); ++i) {
        out_[kHeaderFixed + 2 * i] = static_cast<char>(desc[i] & 0xFF);
        out_[kHeaderFixed + 2 * i + 1] = static_cast<char>(desc[i] >> 8);
    }
    const uint32_t n = static_cast<uint32_t>(desc.size());
    for (int k = 0; k < 4; ++k)
        out_[static_cast<size_t>(60 + k)] = static_cast<char>((n >> (8 * k)) & 0xFF);
    // Text is drawn with a transparent background from its top-left corner.
    begin(emr::SetBkMode, 12);
    u32(1); // TRANSPARENT
    end();
    begin(emr::SetTextAlign, 12);
    u32(0); // TA_LEFT | TA_TOP | TA_NOUPDATECP
    end();
    textSelValid_ = false;
}

// --- record writing ----------------------------------------------------------------

void EmfWriter::begin(uint32_t type, uint32_t size)
{
    recordStart_ = out_.size();
    recordSize_ = size;
    ++records_;
    u32(type);
    u32(size);
}

void EmfWriter::end()
{
    const size_t want = recordStart_ + recordSize_;
    if (out_.size() < want)
        out_.resize(want, '\0');
}

void EmfWriter::u32(uint32_t v)
{
    char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF), static_cast<char>((v >> 16) & 0xFF),
                 static_cast<char>((v >> 24) & 0xFF)};
    out_.append(b, 4);
}

void EmfWriter::u16(uint16_t v)
{
    char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out_.append(b, 2);
}

void EmfWriter::rect(const plat::Rect& r)
{
    i32(r.left);
    i32(r.top);
    i32(r.right);
    i32(r.bottom);
}

// --- objects -------------------------------------------------------------------------

uint32_t EmfWriter::newHandle()
{
    uint32_t h;
    if (!free_.empty()) {
        auto it = std::min_element(free_.begin(), free_.end());
        h = *it;
        free_.erase(it);
    } else {
        h = nextHandle_++;
    }
    maxHandle_ = std::max(maxHandle_, h);
    return h;
}

void EmfWriter::freeHandle(uint32_t h) { free_.push_back(h); }

void EmfWriter::select(uint32_t h)
{
    begin(emr::SelectObject, 12);
    u32(h);
    end();
}

void EmfWriter::remove(uint32_t h)
{
    begin(emr::DeleteObject, 12);
    u32(h);
    end();
    freeHandle(h);
}

void EmfWriter::realizePen()
{
    if (penSlot_.valid && pen_ == penSel_)
        return;
    const uint32_t old = penSlot_.valid ? penSlot_.handle : 0;
    uint32_t h = 0;
    if (pen_.style == plat::PenStyle::Null) {
        select(emr::StockNullPen);
    } else {
        h = newHandle();
        const uint32_t width = static_cast<uint32_t>(std::max(0, pen_.width));
        if (pen_.style != plat::PenStyle::Solid && width > 1) {
            // A cosmetic pen is solid above width 1: a geometric pen keeps
            // its dashes.
            begin(emr::ExtCreatePen, 52);
            u32(h);
            u32(52); // offBmi: no brush bitmap
            u32(0);
            u32(52);
            u32(0);
            u32(0x00010000u | penStyleCode(pen_.style)); // PS_GEOMETRIC
            u32(width);
            u32(0); // BS_SOLID
            u32(pen_.color);
            u32(0);
            u32(0); // no style entries
            end();
        } else {
            begin(emr::CreatePen, 28);
            u32(h);
            u32(penStyleCode(pen_.style));
            i32(static_cast<int32_t>(width));
            i32(0);
            u32(pen_.color);
            end();
        }
        select(h);
    }
    if (old)
        remove(old);
    penSlot_ = {h, true};
    penSel_ = pen_;
}

void EmfWriter::realizeBrush()
{
    if (brushSlot_.valid && brush_ == brushSel_)
        return;
    const uint32_t old = brushSlot_.valid ? brushSlot_.handle : 0;
    uint32_t h = 0;
    if (brush_.null) {
        select(emr::StockNullBrush);
    } else {
        h = newHandle();
        begin(emr::CreateBrushIndirect, 24);
        u32(h);
        u32(0); // BS_SOLID
        u32(brush_.color);
        u32(0);
        end();
        select(h);
    }
    if (old)
        remove(old);
    brushSlot_ = {h, true};
    brushSel_ = brush_;
}

void EmfWriter::realizeFont()
{
    if (fontSlot_.valid && font_ == fontSel_)
        return;
    const uint32_t old = fontSlot_.valid ? fontSlot_.handle : 0;
    const uint32_t h = newHandle();
    const plat::Font& f = font_;
    begin(emr::ExtCreateFontIndirectW, 104);
    u32(h);
    i32(f.height);
    i32(0);
    i32(f.escapement);
    i32(f.escapement);
    i32(f.weight);
    std::string b(8, '\0');
    b[0] = f.italic ? 1 : 0;
    b[1] = f.underline ? 1 : 0;
    b[2] = f.strikeOut ? 1 : 0;
    // The texts are written as Unicode, also those of the Symbol font.
    b[3] = static_cast<char>(f.charSet == 2 ? 1 : f.charSet & 0xFF);
    b[7] = static_cast<char>(f.pitchAndFamily & 0xFF);
    out_ += b;
    std::u16string face = toUtf16(f.face, false);
    if (face.size() > 31)
        face.resize(31);
    for (size_t i = 0; i < 32; ++i)
        u16(i < face.size() ? face[i] : 0);
    end();
    select(h);
    if (old)
        remove(old);
    fontSlot_ = {h, true};
    fontSel_ = font_;
}

void EmfWriter::realizeTextState()
{
    if (!textSelValid_ || text_ != textSel_) {
        begin(emr::SetTextColor, 12);
        u32(text_);
        end();
        textSel_ = text_;
    }
    if (!textSelValid_ || opaque_ != opaqueSel_) {
        begin(emr::SetBkMode, 12);
        u32(opaque_ ? 2 : 1);
        end();
        opaqueSel_ = opaque_;
    }
    if (opaque_ && (!textSelValid_ || bk_ != bkSel_)) {
        begin(emr::SetBkColor, 12);
        u32(bk_);
        end();
        bkSel_ = bk_;
    }
    textSelValid_ = true;
}

// --- bounds ---------------------------------------------------------------------------

void EmfWriter::include(int x, int y)
{
    if (!any_) {
        minX_ = maxX_ = x;
        minY_ = maxY_ = y;
        any_ = true;
        return;
    }
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
}

plat::Rect EmfWriter::boundsOf(const std::vector<plat::Point>& pts) const
{
    plat::Rect r{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const plat::Point& p : pts) {
        r.left = std::min(r.left, p.x);
        r.right = std::max(r.right, p.x);
        r.top = std::min(r.top, p.y);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}

void EmfWriter::includePoints(const std::vector<plat::Point>& pts, int margin)
{
    if (pts.empty())
        return;
    plat::Rect r = boundsOf(pts);
    include(clampInt(static_cast<long long>(r.left) - margin), clampInt(static_cast<long long>(r.top) - margin));
    include(clampInt(static_cast<long long>(r.right) + margin), clampInt(static_cast<long long>(r.bottom) + margin));
}

// --- drawing --------------------------------------------------------------------------

void EmfWriter::setPen(plat::Color c, int width, plat::PenStyle style) { pen_ = {c & 0xFFFFFF, width, style}; }
void EmfWriter::setBrush(plat::Color c) { brush_ = {false, c & 0xFFFFFF}; }
void EmfWriter::setNullBrush() { brush_ = {true, 0}; }

void EmfWriter::setFont(const plat::Font& f)
{
    font_ = f;
    if (measure_)
        measure_->setFont(f);
}

void EmfWriter::setTextColor(plat::Color c) { text_ = c & 0xFFFFFF; }

void EmfWriter::setTextBackground(bool opaque, plat::Color c)
{
    opaque_ = opaque;
    bk_ = c & 0xFFFFFF;
}

void EmfWriter::pointsRecord(uint32_t type16, uint32_t type32, const std::vector<plat::Point>& pts)
{
    const plat::Rect b = boundsOf(pts);
    const bool small = b.left >= kShortMin && b.right <= kShortMax && b.top >= kShortMin && b.bottom <= kShortMax;
    const uint32_t n = static_cast<uint32_t>(pts.size());
    begin(small ? type16 : type32, 28 + n * (small ? 4 : 8));
    rect(b);
    u32(n);
    for (const plat::Point& p : pts) {
        if (small) {
            u16(static_cast<uint16_t>(static_cast<int16_t>(p.x)));
            u16(static_cast<uint16_t>(static_cast<int16_t>(p.y)));
        } else {
            i32(p.x);
            i32(p.y);
        }
    }
    end();
}

void EmfWriter::line(plat::Point a, plat::Point b)
{
    if (finished_ || pen_.style == plat::PenStyle::Null)
        return;
    realizePen();
    if (!(cur_ == a)) {
        begin(emr::MoveToEx, 16);
        i32(a.x);
        i32(a.y);
        end();
    }
    begin(emr::LineTo, 16);
    i32(b.x);
    i32(b.y);
    end();
    cur_ = b;
    const int m = (std::max(1, pen_.width) + 1) / 2;
    include(clampInt(static_cast<long long>(std::min(a.x, b.x)) - m), clampInt(static_cast<long long>(std::min(a.y, b.y)) - m));
    include(clampInt(static_cast<long long>(std::max(a.x, b.x)) + m), clampInt(static_cast<long long>(std::max(a.y, b.y)) + m));
}

void EmfWriter::polyline(const std::vector<plat::Point>& pts)
{
    if (finished_ || pts.size() < 2 || pen_.style == plat::PenStyle::Null)
        return;
    realizePen();
    pointsRecord(emr::Polyline16, emr::Polyline, pts);
    includePoints(pts, (std::max(1, pen_.width) + 1) / 2);
}

void EmfWriter::polygon(const std::vector<plat::Point>& pts)
{
    if (finished_ || pts.size() < 2)
        return;
    realizePen();
    realizeBrush();
    pointsRecord(emr::Polygon16, emr::Polygon, pts);
    includePoints(pts, pen_.style == plat::PenStyle::Null ? 0 : (std::max(1, pen_.width) + 1) / 2);
}

void EmfWriter::rectangle(const plat::Rect& r)
{
    if (finished_ || r.right <= r.left || r.bottom <= r.top)
        return;
    realizePen();
    realizeBrush();
    // The box is inclusive: the outline's right and bottom edges lie on the
    // last pixel inside r.
    const plat::Rect box{r.left, r.top, r.right - 1, r.bottom - 1};
    begin(emr::Rectangle, 24);
    rect(box);
    end();
    const int m = pen_.style == plat::PenStyle::Null ? 0 : (std::max(1, pen_.width) + 1) / 2;
    includePoints({{box.left, box.top}, {box.right, box.bottom}}, m);
}

void EmfWriter::fillRect(const plat::Rect& r, plat::Color c)
{
    if (finished_ || r.right <= r.left || r.bottom <= r.top)
        return;
    const PenKey pen = pen_;
    const BrushKey brush = brush_;
    pen_ = {0, 0, plat::PenStyle::Null};
    brush_ = {false, c & 0xFFFFFF};
    realizePen();
    realizeBrush();
    // Without an outline the filled box ends one pixel inside the
    // rectangle's right and bottom edges: those edges lie just outside r.
    begin(emr::Rectangle, 24);
    rect(r);
    end();
    includePoints({{r.left, r.top}, {r.right - 1, r.bottom - 1}}, 0);
    pen_ = pen;
    brush_ = brush;
}

void EmfWriter::ellipse(const plat::Rect& box)
{
    if (finished_)
        return;
    realizePen();
    realizeBrush();
    begin(emr::Ellipse, 24);
    rect(box);
    end();
    const int m = pen_.style == plat::PenStyle::Null ? 0 : (std::max(1, pen_.width) + 1) / 2;
    includePoints({{box.left, box.top}, {box.right, box.bottom}}, m);
}

void EmfWriter::arc(const plat::Rect& box, plat::Point start, plat::Point end_)
{
    if (finished_ || pen_.style == plat::PenStyle::Null)
        return;
    realizePen();
    begin(emr::Arc, 40);
    rect(box);
    i32(start.x);
    i32(start.y);
    i32(end_.x);
    i32(end_.y);
    end();
    includePoints({{box.left, box.top}, {box.right, box.bottom}}, (std::max(1, pen_.width) + 1) / 2);
}

plat::Size EmfWriter::textExtent(const std::string& text)
{
    if (measure_)
        return measure_->textExtent(text);
    return plat::headlessTextExtent(font_, text);
}

void EmfWriter::textOut(plat::Point p, const std::string& text)
{
    if (finished_)
        return;
    const bool symbol = font_.charSet == 2;
    // The advance of every byte as the measuring device lays the text out;
    // bytes without a character give their advance to the one before.
    std::vector<uint32_t> dx;
    std::u16string u;
    int before = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const int after = textExtent(text.substr(0, i + 1)).w;
        const uint32_t adv = static_cast<uint32_t>(std::max(0, after - before));
        before = after;
        std::u16string c = toUtf16(text.substr(i, 1), symbol);
        if (c.empty()) {
            if (!dx.empty())
                dx.back() += adv;
            continue;
        }
        u += c;
        dx.push_back(adv);
    }
    if (u.empty())
        return;
    realizeFont();
    realizeTextState();
    const plat::Size ext = textExtent(text);
    // The text box, turned about its top-left corner (y grows downwards).
    const double a = font_.escapement * 3.14159265358979323846 / 1800.0;
    const double ca = std::cos(a), sa = std::sin(a);
    std::vector<plat::Point> corners;
    for (auto [u0, v0] : {std::pair<double, double>{0, 0}, {double(ext.w), 0}, {0, double(ext.h)},
                          {double(ext.w), double(ext.h)}}) {
        const double x = p.x + u0 * ca + v0 * sa;
        const double y = p.y - u0 * sa + v0 * ca;
        corners.push_back({clampInt(std::llround(std::floor(x))), clampInt(std::llround(std::floor(y)))});
        corners.push_back({clampInt(std::llround(std::ceil(x))), clampInt(std::llround(std::ceil(y)))});
    }
    const plat::Rect b = boundsOf(corners);
    const uint32_t n = static_cast<uint32_t>(u.size());
    const uint32_t offString = 76;
    const uint32_t offDx = offString + pad4(2 * n);
    begin(emr::ExtTextOutW, offDx + 4 * n);
    rect(b);
    u32(1); // GM_COMPATIBLE
    u32(0); // exScale, eyScale: unused
    u32(0);
    i32(p.x);
    i32(p.y);
    u32(n);
    u32(offString);
    u32(0); // no options: the background mode paints an opaque box
    rect({0, 0, -1, -1});
    u32(offDx);
    for (char16_t c : u)
        u16(static_cast<uint16_t>(c));
    if (n % 2)
        u16(0);
    for (uint32_t d : dx)
        u32(d);
    end();
    include(b.left, b.top);
    include(b.right, b.bottom);
}

void EmfWriter::drawBitmap(plat::Point p, const plat::Bitmap& bm)
{
    if (finished_)
        return;
    const std::string file = bmpBytes(pixelsOf(bm), 0, 0);
    if (file.size() < 54)
        return;
    const plat::Size sz = bm.size();
    const uint32_t bits = static_cast<uint32_t>(file.size() - 54);
    begin(emr::StretchDIBits, 80 + 40 + bits);
    const plat::Rect b{p.x, p.y, clampInt(static_cast<long long>(p.x) + sz.w - 1),
                       clampInt(static_cast<long long>(p.y) + sz.h - 1)};
    rect(b);
    i32(p.x);
    i32(p.y);
    i32(0);
    i32(0);
    i32(sz.w);
    i32(sz.h);
    u32(80);      // offBmiSrc
    u32(40);      // cbBmiSrc
    u32(120);     // offBitsSrc
    u32(bits);    // cbBitsSrc
    u32(0);       // DIB_RGB_COLORS
    u32(0x00CC0020); // SRCCOPY
    i32(sz.w);
    i32(sz.h);
    out_.append(file, 14, std::string::npos);
    end();
    include(b.left, b.top);
    include(b.right, b.bottom);
}

int EmfWriter::caps(plat::Cap c) const
{
    switch (c) {
    case plat::Cap::LogPixelsX: return s_.logPixelsX * s_.scale;
    case plat::Cap::LogPixelsY: return s_.logPixelsY * s_.scale;
    case plat::Cap::HorzRes: return s_.horzRes;
    case plat::Cap::VertRes: return s_.vertRes;
    case plat::Cap::HorzSize: return s_.horzSize;
    case plat::Cap::VertSize: return s_.vertSize;
    case plat::Cap::ColorDevice: return 1;
    default: return 0;
    }
}

std::string EmfWriter::finish()
{
    if (finished_)
        return out_;
    // Stock objects back in, then every object of ours deleted.
    if (penSlot_.valid && penSlot_.handle) {
        select(emr::StockBlackPen);
        remove(penSlot_.handle);
    }
    if (brushSlot_.valid && brushSlot_.handle) {
        select(emr::StockWhiteBrush);
        remove(brushSlot_.handle);
    }
    if (fontSlot_.valid && fontSlot_.handle) {
        select(emr::StockSystemFont);
        remove(fontSlot_.handle);
    }
    begin(emr::Eof, 20);
    u32(0);
    u32(0x10);
    u32(20);
    end();
    finished_ = true;

    // The header, now that the bounds, sizes and counts are known.
    std::string h;
    auto put = [&h](uint32_t v) {
        for (int k = 0; k < 4; ++k)
            h += static_cast<char>((v >> (8 * k)) & 0xFF);
    };
    const plat::Rect bounds = any_ ? plat::Rect{minX_, minY_, maxX_, maxY_} : plat::Rect{0, 0, -1, -1};
    const plat::Rect frame = emfFrame(s_);
    const uint32_t headerSize = static_cast<uint32_t>(out_[4] & 0xFF) | (static_cast<uint32_t>(out_[5] & 0xFF) << 8) |
                                (static_cast<uint32_t>(out_[6] & 0xFF) << 16) |
                                (static_cast<uint32_t>(out_[7] & 0xFF) << 24);
    put(emr::Header);
    put(headerSize);
    for (int v : {bounds.left, bounds.top, bounds.right, bounds.bottom, frame.left, frame.top, frame.right, frame.bottom})
        put(static_cast<uint32_t>(v));
    put(emr::Signature);
    put(emr::Version);
    put(static_cast<uint32_t>(out_.size()));
    put(records_);
    const uint32_t handles = maxHandle_ + 1;
    put(handles & 0xFFFF); // nHandles, then the reserved 16 bits
    // nDescription stays as written at the start.
    h.append(out_, 60, 4);
    put(kHeaderFixed); // offDescription
    put(0);            // no palette
    // The reference device: its pixels and size, in millimetres and in
    // micrometres.
    const int devW = s_.horzRes > 0 ? s_.horzRes : std::max(1, s_.width);
    const int devH = s_.vertRes > 0 ? s_.vertRes : std::max(1, s_.height);
    put(static_cast<uint32_t>(devW));
    put(static_cast<uint32_t>(devH));
    const double umW = devW * emfMillimetresPerPixelX(s_) * 1000.0, umH = devH * emfMillimetresPerPixelY(s_) * 1000.0;
    put(static_cast<uint32_t>(std::lround(umW / 1000.0)));
    put(static_cast<uint32_t>(std::lround(umH / 1000.0)));
    put(0); // no pixel format
    put(0);
    put(0); // not OpenGL
    put(static_cast<uint32_t>(std::lround(umW)));
    put(static_cast<uint32_t>(std::lround(umH)));
    std::memcpy(out_.data(), h.data(), h.size());
    return out_;
}

} // namespace quan
