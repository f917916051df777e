// Pens of the picture primitives: a colour index, a width in device pixels
// and one of five dash styles.
#pragma once

#include "platform/dc.h"

#include <cstdint>

namespace quan {

// 0 solid, 1 short dashes, 2 long dash with gap, 3 dash-dot, 4 dash-dot-dot.
enum DashStyle : int16_t { DashSolid = 0, DashShort = 1, DashLong = 2, DashDot = 3, DashDotDot = 4 };

struct PenSpec {
    int16_t color = 0; // colour index into the window's colour table
    int16_t width = 1; // device pixels on screen (0.32 points per pixel in EPS)
    int16_t style = DashSolid;

    // A style outside 0..4 or a negative width draws nothing on any back-end.
    bool draws() const { return style >= 0 && style <= 4 && width >= 0; }
    bool operator==(const PenSpec&) const = default;
};

// The device pen style of a dash style: 0 solid, 1 dotted, 2 dashed,
// 3 dash-dot, 4 dash-dot-dot; anything else (-1 included) gives no pen.
inline plat::PenStyle devicePenStyle(int style)
{
    switch (style) {
    case DashSolid: return plat::PenStyle::Solid;
    case DashShort: return plat::PenStyle::Dot;
    case DashLong: return plat::PenStyle::Dash;
    case DashDot: return plat::PenStyle::DashDot;
    case DashDotDot: return plat::PenStyle::DashDotDot;
    default: return plat::PenStyle::Null;
    }
}

} // namespace quan
