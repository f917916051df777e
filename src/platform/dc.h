// The device context: everything the window classes draw goes through this
// interface, on screen, on a printer page, into an offscreen bitmap or into
// the headless recorder used by tests and batch runs.
#pragma once

#include "platform/geometry.h"

#include <memory>
#include <string>
#include <vector>

namespace quan::plat {

enum class PenStyle { Solid, Dot, Dash, DashDot, DashDotDot, Null };

// A font as the window classes describe it (the fields of a LOGFONT that
// matter for drawing). height < 0 gives the character height in pixels,
// height > 0 the cell height; both are treated as the pixel size here.
struct Font {
    std::string face = "Courier New";
    int height = -16;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;        // 2 = symbol
    int pitchAndFamily = 0; // low bits: 1 fixed, 2 variable
    int escapement = 0;     // text angle in tenths of a degree, counter-clockwise
    // The character height in pixels: 16 for "any", and never more than
    // 1000 (a height the program did not make itself is not trusted).
    int pixelSize() const
    {
        if (height == 0)
            return 16;
        const long long h = height < 0 ? -static_cast<long long>(height) : height;
        return static_cast<int>(h > 1000 ? 1000 : h);
    }
    bool operator==(const Font&) const = default;
};

// Device capabilities, named after the values a printer or screen reports.
enum class Cap {
    LogPixelsX,
    LogPixelsY,
    HorzRes,
    VertRes,
    HorzSize, // millimetres
    VertSize, // millimetres
    PhysicalOffsetX,
    PhysicalOffsetY,
    ColorDevice, // 1 when the device prints or shows colour
};

class Bitmap;

class DC {
public:
    virtual ~DC() = default;

    virtual void setPen(Color c, int width, PenStyle style) = 0;
    virtual void setBrush(Color c) = 0;
    virtual void setNullBrush() = 0;
    virtual void setFont(const Font& f) = 0;
    virtual void setTextColor(Color c) = 0;
    // Opaque text paints its box in the given colour first.
    virtual void setTextBackground(bool opaque, Color c) = 0;

    virtual void line(Point a, Point b) = 0;
    virtual void polyline(const std::vector<Point>& pts) = 0;
    // Filled with the brush and outlined with the pen.
    virtual void polygon(const std::vector<Point>& pts) = 0;
    virtual void rectangle(const Rect& r) = 0;
    virtual void fillRect(const Rect& r, Color c) = 0;
    virtual void ellipse(const Rect& box) = 0;
    // Counter-clockwise arc of the ellipse in box from the ray through start
    // to the ray through end.
    virtual void arc(const Rect& box, Point start, Point end) = 0;
    // Text with its top-left corner at p, turned by the font's escapement
    // about that corner.
    virtual void textOut(Point p, const std::string& text) = 0;
    // Extent of an unrotated text in the current font.
    virtual Size textExtent(const std::string& text) = 0;
    virtual void drawBitmap(Point p, const Bitmap& b) = 0;

    virtual int caps(Cap c) const = 0;
};

// An offscreen picture (the window layers, bitmap export, clipboard copy).
class Bitmap {
public:
    virtual ~Bitmap() = default;
    virtual DC& dc() = 0;
    virtual Size size() const = 0;
    virtual Color pixel(int x, int y) const = 0;
    virtual void fill(Color c) = 0;
};

// Text metrics used by the headless device context: fixed and predictable so
// that layouts can be checked exactly. A character is 3/5 of the font's pixel
// size wide (at least 1), and a line is the pixel size high.
inline Size headlessTextExtent(const Font& f, const std::string& text)
{
    int px = f.pixelSize();
    int cw = (px * 3 + 4) / 5;
    if (cw < 1)
        cw = 1;
    return {cw * static_cast<int>(text.size()), px};
}

} // namespace quan::plat
