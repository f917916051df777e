// The axes and grid settings of a picture window. The part that the
// last-window stack saves with every view lives in AxesLayout; the rest
// (colours of the pens, thicknesses, letters, label look) stays with the
// window when a view is restored.
#pragma once

#include "core/qmath.h"

#include <array>
#include <cstdint>
#include <string>

namespace quan {

// Which axes are drawn.
enum class AxisKind : int16_t { XOnly = 1, YOnly = 2, Both = 3, PolarRay = 4 };

// Where the scale numbers go.
enum class ScalePlace : int16_t { Axes = 0, Border = 1 };

// The bits of the grid word.
namespace grid {
constexpr int16_t Rectangular = 1;
constexpr int16_t Quadrant1 = 2; // x >= 0, y >= 0
constexpr int16_t Quadrant2 = 4; // x <= 0, y >= 0
constexpr int16_t Quadrant3 = 8; // x <= 0, y <= 0
constexpr int16_t Quadrant4 = 16; // x >= 0, y <= 0
constexpr int16_t AllQuadrants = Quadrant1 | Quadrant2 | Quadrant3 | Quadrant4;
constexpr int16_t Polar = 32;
constexpr int16_t Dotted = 64;
} // namespace grid

struct AxesLayout {
    bool axesOn = false;
    AxisKind kind = AxisKind::Both;
    bool ticks = true;
    bool arrows = false;  // arrowheads at the positive axis ends
    bool dots = false;    // dots at the grid crossings
    bool letters = false; // the axis letters at the axis ends
    int16_t gridBits = grid::AllQuadrants;
    int16_t polarSectors = 12;
    Real tickX = 1, tickY = 1;
    int16_t tickLength = 10; // pixels
    int16_t decimalsX = 1, decimalsY = 1;
    int16_t frequencyX = 1, frequencyY = 1; // 1 labels every tick
    bool piX = false, piY = false;          // scale in multiples of pi
    // Length of the arrowheads at the axis ends, in pixels.
    int16_t arrowLength = 7;
    // Character shown after angles (the degree sign).
    int16_t degreeChar = 176;

    bool rectangularGrid() const { return (gridBits & grid::Rectangular) != 0; }
    bool polarGrid() const { return (gridBits & grid::Polar) != 0; }
    bool dottedGrid() const { return (gridBits & grid::Dotted) != 0; }
    bool operator==(const AxesLayout&) const = default;
};

struct AxesGridSettings {
    AxesLayout layout;
    bool solidArrowheads = false;
    bool opaqueLabels = true;
    std::array<std::string, 3> letters{"x", "y", "z"};
    int16_t piChar = 112; // the pi glyph of the Symbol font
    int16_t axesScreenWidth = 1, axesPrintedWidth = 2;
    int16_t gridScreenWidth = 1, gridPrintedWidth = 2;
    bool hyphenToMinus = false;
    int16_t minusChar = 150;
    bool scaleX = false, scaleY = false; // scale numbers shown
    ScalePlace scalePlace = ScalePlace::Axes;
    // The side of the axis the scale numbers go to: 1 below the x axis and
    // left of the y axis, -1 the other side.
    int16_t labelSide = 1;

    // Something to draw at all.
    bool anything() const { return layout.axesOn || layout.dots || (layout.gridBits & (grid::Rectangular | grid::Polar)); }
    bool operator==(const AxesGridSettings&) const = default;
};

} // namespace quan
