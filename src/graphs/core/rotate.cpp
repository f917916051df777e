#include "graphs/core/rotate.h"

#include <cmath>

namespace quan {

std::vector<std::pair<Real, Real>> slotPositions(const Graph& g)
{
    std::vector<std::pair<Real, Real>> at(static_cast<size_t>(g.slots()));
    for (int v = 0; v < g.slots(); ++v)
        at[static_cast<size_t>(v)] = {g.x(v), g.y(v)};
    return at;
}

std::pair<Real, Real> cosSinDegrees(Real degrees)
{
    if (!std::isfinite(degrees))
        return {std::nanl(""), std::nanl("")};
    Real d = std::fmod(degrees, 360.0L);
    if (d < 0)
        d += 360;
    if (d == 0)
        return {1, 0};
    if (d == 90)
        return {0, 1};
    if (d == 180)
        return {-1, 0};
    if (d == 270)
        return {0, -1};
    const Real r = d * (3.14159265358979323846264338327950288L / 180);
    return {std::cos(r), std::sin(r)};
}

bool rotateFrom(Graph& g, const std::vector<std::pair<Real, Real>>& from, Real cx, Real cy, Real degrees)
{
    if (from.size() != static_cast<size_t>(g.slots()))
        return false;
    const auto [c, s] = cosSinDegrees(degrees);
    if (!std::isfinite(c) || !std::isfinite(s) || !std::isfinite(cx) || !std::isfinite(cy))
        return false;
    std::vector<std::pair<Real, Real>> to = from;
    for (int v = 0; v < g.slots(); ++v) {
        if (!g.present(v))
            continue;
        const Real dx = from[static_cast<size_t>(v)].first - cx, dy = from[static_cast<size_t>(v)].second - cy;
        const Real x = cx + dx * c - dy * s, y = cy + dx * s + dy * c;
        if (!std::isfinite(x) || !std::isfinite(y))
            return false;
        to[static_cast<size_t>(v)] = {x, y};
    }
    for (int v = 0; v < g.slots(); ++v)
        if (g.present(v))
            g.setPosition(v, to[static_cast<size_t>(v)].first, to[static_cast<size_t>(v)].second);
    return true;
}

} // namespace quan
