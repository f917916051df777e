// Rigid turns of a drawn graph about a point of the plane.
#pragma once

#include "graphs/core/graph.h"

#include <utility>
#include <vector>

namespace quan {

// The position of every slot (absent slots included, as stored).
std::vector<std::pair<Real, Real>> slotPositions(const Graph& g);

// Turns every present vertex about (cx, cy) by `degrees` counter-clockwise,
// starting from the positions `from` (one per slot, as slotPositions gives
// them). Multiples of 90 degrees turn exactly. Returns false and changes
// nothing when a turned position would not be finite (or `from` does not
// fit the graph).
bool rotateFrom(Graph& g, const std::vector<std::pair<Real, Real>>& from, Real cx, Real cy, Real degrees);

// The cosine and sine of an angle in degrees, exact at multiples of 90.
std::pair<Real, Real> cosSinDegrees(Real degrees);

} // namespace quan
