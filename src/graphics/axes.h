// Axes and grid of a picture, drawn through the primitives so that every
// back-end receives them.
#pragma once

#include "graphics/axes_settings.h"
#include "graphics/primitives.h"

#include <string>

namespace quan {

// The text of a scale number: the coefficient with the given decimals,
// followed by the pi glyph when the scale counts multiples of pi (a
// coefficient of 1 or -1 shows the glyph alone); '-' becomes the minus
// character when hyphen-to-minus is on.
std::string scaleLabelText(Real coefficient, int decimals, bool pi, int piChar, bool hyphenToMinus, int minusChar);

// The whole numbers k with lo <= k * step <= hi, or an empty range when the
// step is not positive or the ticks would be denser than one per two of
// `pixels` (a grid that dense is not a picture).
struct TickRange {
    long long first = 0, last = -1;
    bool empty() const { return last < first; }
    long long count() const { return empty() ? 0 : last - first + 1; }
};
TickRange tickRange(Real lo, Real hi, Real step, int pixels);

// Draws, when anything is switched on: the rectangular grid lines in the
// chosen quadrants, the polar grid, the dots at the grid crossings, the x
// axis with its ticks and scale, the y axis with its ticks and scale, then
// the axis letters. EPS and PicTeX receive the axis comments.
void drawAxesAndGrid(Primitives& p, plat::DC& dc, const AxesGridSettings& s);

// Font slots of the scale numbers and of the axis letters.
inline constexpr int kScaleFontSlot = 1;
inline constexpr int kLetterFontSlot = 5;

} // namespace quan
