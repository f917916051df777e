// Rounding of device coordinates: the system's roundHalfDown (an exact
// half goes toward zero), computed on the fast path with integer
// truncation. Coordinates are rounded several times per drawn segment, and
// the general helper's floor and trunc of extended reals dominate the
// drawing time otherwise.
#pragma once

#include "core/qmath.h"

#include <cstdint>

namespace quan {

inline int32_t roundPixel(Real v)
{
    if (v >= 0 && v < 2147483647.0L) {
        auto i = static_cast<int64_t>(v); // truncation is floor here
        return static_cast<int32_t>(v - static_cast<Real>(i) > 0.5L ? i + 1 : i);
    }
    if (v < 0 && v > -2147483647.0L) {
        auto i = static_cast<int64_t>(-v);
        return -static_cast<int32_t>(-v - static_cast<Real>(i) > 0.5L ? i + 1 : i);
    }
    return roundHalfDown(v); // saturation and NaN
}

} // namespace quan
