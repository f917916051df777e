// Plain geometry and colour types shared by the platform layer and the
// drawing code above it.
#pragma once

#include <cstdint>

namespace quan::plat {

// 24-bit colour stored as 0x00BBGGRR (red in the low byte).
using Color = uint32_t;
constexpr Color rgb(int r, int g, int b)
{
    return static_cast<Color>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr int red(Color c) { return static_cast<int>(c & 255); }
constexpr int green(Color c) { return static_cast<int>((c >> 8) & 255); }
constexpr int blue(Color c) { return static_cast<int>((c >> 16) & 255); }

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};
struct Size {
    int w = 0, h = 0;
    bool operator==(const Size&) const = default;
};
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

} // namespace quan::plat
