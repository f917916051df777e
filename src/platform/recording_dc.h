// A device context that records what is drawn, with the fixed text metrics
// of headlessTextExtent. Used headless (tests, batch runs) and as the
// printer of the headless platform.
#pragma once

#include "platform/dc.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace quan::plat {

struct DrawOp {
    enum Kind { Line, Polyline, Polygon, Rectangle, FillRect, Ellipse, Arc, Text, Bitmap } kind = Line;
    std::vector<Point> pts; // Line: 2; Rectangle/Ellipse/FillRect: 2 corners; Arc: box corners + start + end
    std::string text;
    Color penColor = 0;
    int penWidth = 1;
    PenStyle penStyle = PenStyle::Solid;
    bool brush = false;
    Color brushColor = 0;
    Color textColor = 0;
    bool opaqueText = false;
    Color textBackground = 0;
    Font font;
};

class RecordingDC : public DC {
public:
    RecordingDC();
    void setPen(Color c, int width, PenStyle style) override;
    void setBrush(Color c) override;
    void setNullBrush() override;
    void setFont(const Font& f) override;
    void setTextColor(Color c) override;
    void setTextBackground(bool opaque, Color c) override;
    void line(Point a, Point b) override;
    void polyline(const std::vector<Point>& pts) override;
    void polygon(const std::vector<Point>& pts) override;
    void rectangle(const Rect& r) override;
    void fillRect(const Rect& r, Color c) override;
    void ellipse(const Rect& box) override;
    void arc(const Rect& box, Point start, Point end) override;
    void textOut(Point p, const std::string& text) override;
    Size textExtent(const std::string& text) override;
    void drawBitmap(Point p, const plat::Bitmap& b) override;
    int caps(Cap c) const override;

    void setCaps(Cap c, int v) { caps_[c] = v; }
    const std::vector<DrawOp>& ops() const { return ops_; }
    void clear() { ops_.clear(); }
    // The texts drawn, in order.
    std::vector<std::string> texts() const;

private:
    DrawOp base(DrawOp::Kind k) const;
    std::vector<DrawOp> ops_;
    Color penColor_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    bool brush_ = true;
    Color brushColor_ = rgb(255, 255, 255);
    Font font_;
    Color textColor_ = 0;
    bool opaque_ = false;
    Color textBackground_ = rgb(255, 255, 255);
    std::map<Cap, int> caps_;
};

// A headless offscreen picture: a recording context plus a plain pixel
// buffer that fills, lines and rectangles are rasterised into, so that tests
// can look at pixels.
class MemoryBitmap : public plat::Bitmap {
public:
    explicit MemoryBitmap(Size s);
    DC& dc() override { return dc_; }
    Size size() const override { return size_; }
    Color pixel(int x, int y) const override;
    void fill(Color c) override;

private:
    Size size_;
    std::vector<Color> pixels_;
    struct Dc : RecordingDC {
        MemoryBitmap* owner = nullptr;
        void line(Point a, Point b) override;
        void fillRect(const Rect& r, Color c) override;
        void rectangle(const Rect& r) override;
        void polyline(const std::vector<Point>& pts) override;
        void polygon(const std::vector<Point>& pts) override;
        void drawBitmap(Point p, const plat::Bitmap& b) override;
    } dc_;
    void put(int x, int y, Color c);
    // Fills the inside of a polygon (its outline is drawn by the caller).
    void fillPolygon(const std::vector<Point>& pts, Color c);
    friend struct Dc;
};

} // namespace quan::plat
