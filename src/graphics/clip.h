// Segment helpers shared by every back-end.
#pragma once

#include "graphics/view.h"

namespace quan {

// Segments whose Manhattan length |x2 - x1| + |y2 - y1| is at most this are
// not drawn by any back-end.
inline constexpr Real kShortestSegment = 1e-13L;
bool tooShort(WPoint a, WPoint b);

// Clips the segment a-b to the rectangle [x0, x1] x [y0, y1] (Liang-Barsky).
// False when nothing of it remains; otherwise a and b are the clipped end
// points.
bool clipSegment(WPoint& a, WPoint& b, Real x0, Real x1, Real y0, Real y1);

// The screen rule: clipped to [xmin + dx, xmax - dx] x [ymin + dy, ymax - dy].
bool clipToView(const ViewState& v, WPoint& a, WPoint& b);

} // namespace quan
