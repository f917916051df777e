// Where a label goes: the text box of a text of extent (w, h) anchored at a
// device point, possibly turned.
#pragma once

#include "graphics/view.h"
#include "platform/geometry.h"

#include <array>

namespace quan {

struct LabelPlacement {
    plat::Point topLeft;     // where the device draws the (turned) text
    WPoint baseline;         // device point 0.777 h below the top-left, along the turned height
    std::array<WPoint, 4> box; // device corners: top-left, top-right, bottom-right, bottom-left
    plat::Size extent;
    WPoint anchor;           // the device point the label is anchored at
};

// Horizontal anchor a: -1 the point is at the text's right end, 0 its
// middle, 1 its left end. Vertical anchor b: -1 the point is at the top,
// 0 the middle, 1 the bottom. With fx = (1 - a) / 2 and fy = (b + 1) / 2
// the top-left corner is the point minus fx w along the text direction
// and minus fy h along the height direction, both turned by the angle
// (tenths of a degree, counter-clockwise); unturned this is
// (round(px - fx w), round(py - fy h)).
LabelPlacement placeLabel(Real px, Real py, plat::Size extent, int hAnchor, int vAnchor, int angleTenths);

inline constexpr Real kBaselineFraction = 0.777L;

} // namespace quan
