#include "platform/recording_dc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quan::plat {

RecordingDC::RecordingDC()
{
    // A 96 dpi screen of 1280 x 1024 pixels (338 x 270 mm).
    caps_[Cap::LogPixelsX] = 96;
    caps_[Cap::LogPixelsY] = 96;
    caps_[Cap::HorzRes] = 1280;
    caps_[Cap::VertRes] = 1024;
    caps_[Cap::HorzSize] = 338;
    caps_[Cap::VertSize] = 270;
    caps_[Cap::PhysicalOffsetX] = 0;
    caps_[Cap::PhysicalOffsetY] = 0;
    caps_[Cap::ColorDevice] = 1;
}

DrawOp RecordingDC::base(DrawOp::Kind k) const
{
    DrawOp op;
    op.kind = k;
    op.penColor = penColor_;
    op.penWidth = penWidth_;
    op.penStyle = penStyle_;
    op.brush = brush_;
    op.brushColor = brushColor_;
    op.textColor = textColor_;
    op.opaqueText = opaque_;
    op.textBackground = textBackground_;
    op.font = font_;
    return op;
}

void RecordingDC::setPen(Color c, int width, PenStyle style)
{
    penColor_ = c;
    penWidth_ = width;
    penStyle_ = style;
}
void RecordingDC::setBrush(Color c)
{
    brush_ = true;
    brushColor_ = c;
}
void RecordingDC::setNullBrush() { brush_ = false; }
void RecordingDC::setFont(const Font& f) { font_ = f; }
void RecordingDC::setTextColor(Color c) { textColor_ = c; }
void RecordingDC::setTextBackground(bool opaque, Color c)
{
    opaque_ = opaque;
    textBackground_ = c;
}

void RecordingDC::line(Point a, Point b)
{
    DrawOp op = base(DrawOp::Line);
    op.pts = {a, b};
    ops_.push_back(std::move(op));
}
void RecordingDC::polyline(const std::vector<Point>& pts)
{
    DrawOp op = base(DrawOp::Polyline);
    op.pts = pts;
    ops_.push_back(std::move(op));
}
void RecordingDC::polygon(const std::vector<Point>& pts)
{
    DrawOp op = base(DrawOp::Polygon);
    op.pts = pts;
    ops_.push_back(std::move(op));
}
void RecordingDC::rectangle(const Rect& r)
{
    DrawOp op = base(DrawOp::Rectangle);
    op.pts = {{r.left, r.top}, {r.right, r.bottom}};
    ops_.push_back(std::move(op));
}
void RecordingDC::fillRect(const Rect& r, Color c)
{
    DrawOp op = base(DrawOp::FillRect);
    op.pts = {{r.left, r.top}, {r.right, r.bottom}};
    op.brushColor = c;
    op.brush = true;
    ops_.push_back(std::move(op));
}
void RecordingDC::ellipse(const Rect& box)
{
    DrawOp op = base(DrawOp::Ellipse);
    op.pts = {{box.left, box.top}, {box.right, box.bottom}};
    ops_.push_back(std::move(op));
}
void RecordingDC::arc(const Rect& box, Point start, Point end)
{
    DrawOp op = base(DrawOp::Arc);
    op.pts = {{box.left, box.top}, {box.right, box.bottom}, start, end};
    ops_.push_back(std::move(op));
}
void RecordingDC::textOut(Point p, const std::string& text)
{
    DrawOp op = base(DrawOp::Text);
    op.pts = {p};
    op.text = text;
    ops_.push_back(std::move(op));
}
Size RecordingDC::textExtent(const std::string& text) { return headlessTextExtent(font_, text); }
void RecordingDC::drawBitmap(Point p, const plat::Bitmap& b)
{
    DrawOp op = base(DrawOp::Bitmap);
    op.pts = {p, {p.x + b.size().w, p.y + b.size().h}};
    ops_.push_back(std::move(op));
}
int RecordingDC::caps(Cap c) const
{
    auto it = caps_.find(c);
    return it == caps_.end() ? 0 : it->second;
}

std::vector<std::string> RecordingDC::texts() const
{
    std::vector<std::string> out;
    for (const auto& op : ops_)
        if (op.kind == DrawOp::Text)
            out.push_back(op.text);
    return out;
}

MemoryBitmap::MemoryBitmap(Size s)
    : size_{std::max(1, s.w), std::max(1, s.h)},
      pixels_(static_cast<size_t>(size_.w) * static_cast<size_t>(size_.h), rgb(255, 255, 255))
{
    dc_.owner = this;
}

Color MemoryBitmap::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= size_.w || y >= size_.h)
        return 0;
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(size_.w) + static_cast<size_t>(x)];
}

void MemoryBitmap::fill(Color c)
{
    std::fill(pixels_.begin(), pixels_.end(), c);
    dc_.clear();
}

void MemoryBitmap::put(int x, int y, Color c)
{
    if (x < 0 || y < 0 || x >= size_.w || y >= size_.h)
        return;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(size_.w) + static_cast<size_t>(x)] = c;
}

void MemoryBitmap::Dc::line(Point a, Point b)
{
    RecordingDC::line(a, b);
    const DrawOp& op = ops().back();
    if (op.penStyle == PenStyle::Null || op.penWidth < 0)
        return;
    // Bresenham; the end point is not drawn, as on the original device.
    // In 64 bits: the ends may lie anywhere in the int range.
    const long long dx = std::llabs(static_cast<long long>(b.x) - a.x), dy = -std::llabs(static_cast<long long>(b.y) - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    long long err = dx + dy;
    int x = a.x, y = a.y;
    // Lines far outside the picture are clipped by the caller; guard anyway.
    long steps = 0;
    while ((x != b.x || y != b.y) && steps++ < 100000) {
        owner->put(x, y, op.penColor);
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void MemoryBitmap::Dc::polyline(const std::vector<Point>& pts)
{
    for (size_t i = 1; i < pts.size(); ++i)
        line(pts[i - 1], pts[i]);
}

void MemoryBitmap::Dc::polygon(const std::vector<Point>& pts)
{
    RecordingDC::polygon(pts);
    if (ops().back().brush && pts.size() >= 3)
        owner->fillPolygon(pts, ops().back().brushColor);
    for (size_t i = 0; i < pts.size(); ++i)
        line(pts[i], pts[(i + 1) % pts.size()]);
}

void MemoryBitmap::fillPolygon(const std::vector<Point>& pts, Color c)
{
    // The alternate (even-odd) rule of the original device: a pixel is
    // filled when its centre lies inside.
    long long top = pts[0].y, bottom = pts[0].y;
    for (const Point& q : pts) {
        top = std::min<long long>(top, q.y);
        bottom = std::max<long long>(bottom, q.y);
    }
    top = std::max<long long>(top, 0);
    bottom = std::min<long long>(bottom, size_.h - 1);
    std::vector<double> xs;
    for (long long y = top; y <= bottom; ++y) {
        const double cy = static_cast<double>(y) + 0.5;
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            const Point a = pts[i], b = pts[(i + 1) % pts.size()];
            if ((a.y <= cy) != (b.y <= cy))
                xs.push_back(a.x + (cy - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            const double from = std::clamp(std::ceil(xs[k] - 0.5), 0.0, static_cast<double>(size_.w));
            const double to = std::clamp(std::ceil(xs[k + 1] - 0.5), 0.0, static_cast<double>(size_.w));
            for (int x = static_cast<int>(from); x < static_cast<int>(to); ++x)
                put(x, static_cast<int>(y), c);
        }
    }
}

void MemoryBitmap::Dc::fillRect(const Rect& r, Color c)
{
    RecordingDC::fillRect(r, c);
    int l = std::max(0, r.left), t = std::max(0, r.top);
    int rr = std::min(owner->size_.w, r.right), bb = std::min(owner->size_.h, r.bottom);
    for (int y = t; y < bb; ++y)
        for (int x = l; x < rr; ++x)
            owner->put(x, y, c);
}

void MemoryBitmap::Dc::rectangle(const Rect& r)
{
    RecordingDC::rectangle(r);
    const DrawOp op = ops().back();
    if (op.brush)
        fillRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, op.brushColor);
    line({r.left, r.top}, {r.right - 1, r.top});
    line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1});
    line({r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1});
    line({r.left, r.bottom - 1}, {r.left, r.top});
}

void MemoryBitmap::Dc::drawBitmap(Point p, const plat::Bitmap& b)
{
    // A picture copied over the whole surface covers everything drawn
    // before: the record starts again from the copy.
    if (p.x <= 0 && p.y <= 0 && p.x + b.size().w >= owner->size_.w && p.y + b.size().h >= owner->size_.h)
        clear();
    RecordingDC::drawBitmap(p, b);
    for (int y = 0; y < b.size().h; ++y)
        for (int x = 0; x < b.size().w; ++x)
            owner->put(p.x + x, p.y + y, b.pixel(x, y));
}

} // namespace quan::plat
