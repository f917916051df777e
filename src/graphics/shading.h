// Dot shading: the fill patterns drawn as small dots on a square grid of
// step 2.6 dx (dx the world width of one screen pixel), each dot of radius
// 0.4 dx. Every back-end places its dots with these helpers.
#pragma once

#include "graphics/view.h"

#include <vector>

namespace quan {

inline constexpr Real kDotStep = 2.6L;   // grid step in pixels
inline constexpr Real kDotRadius = 0.4L; // dot radius in pixels
// Larger shadings are not drawn (a runaway pattern, not a picture).
inline constexpr size_t kMaxShadingDots = 250000;

// Dots inside the circle of centre c and radius r, four per grid point, one
// in each quadrant.
std::vector<WPoint> shadeCircle(WPoint c, Real r, Real dx);
// Dots inside the rectangle from top-left to bottom-right (y upwards).
std::vector<WPoint> shadeRectangle(WPoint topLeft, WPoint bottomRight, Real dx);
// Dots of the view's grid (from its lower left corner plus half a step)
// that lie inside the triangle.
std::vector<WPoint> shadeTriangle(const ViewState& v, WPoint a, WPoint b, WPoint c);

} // namespace quan
