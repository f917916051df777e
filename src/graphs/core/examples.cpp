#include "graphs/core/examples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quan {

namespace {

// Empties the graph, keeping its remembered label state.
void restart(Graph& g)
{
    g.clearAll();
    g.weightsShown = false;
    g.digraph = false;
}

void finish(Graph& g)
{
    g.ClearSolution(true);
    g.ComputeValences();
    g.modified = true;
}

} // namespace

bool circleExample(Graph& g, int n, const ExampleView& view, bool cycle)
{
    if (n < 1 || n > g.slots())
        return false;
    restart(g);
    const Real rho = 0.8L * std::min(view.rx, view.ry);
    for (int i = 0; i < n; ++i) {
        const Real theta = 2 * std::numbers::pi_v<Real> * i / n;
        // The sine of a half or whole turn comes out a hair off 0: such
        // crumbs are 0, so that no coordinate reads "-0.00".
        auto clean = [rho](Real v) { return std::fabs(v) < 1e-15L ? 0 : rho * v; };
        g.addVertexInSlot(i, clean(std::cos(theta)), clean(std::sin(theta)));
    }
    if (cycle && n > 1)
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            if (i != j && !g.Adjacent(i, j)) {
                g.SetWeight(i, j, 0);
                g.SetDirection(i, j, 0);
            }
        }
    finish(g);
    return true;
}

bool gridExample(Graph& g, int rows, int columns, const ExampleView& view, bool streets)
{
    if (rows < 1 || columns < 1 || static_cast<long long>(rows) * columns > g.slots())
        return false;
    restart(g);
    const Real xmin = view.cx - view.rx, ymax = view.cy + view.ry;
    const Real stepX = 2 * view.rx / (columns + 1), stepY = 2 * view.ry / (rows + 1);
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < columns; ++j)
            g.addVertexInSlot(columns * i + j, xmin + stepX * (j + 1), ymax - stepY * (i + 1));
    if (streets)
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < columns; ++j) {
                const int v = columns * i + j;
                if (j + 1 < columns)
                    g.SetWeight(v, v + 1, 0);
                if (i + 1 < rows)
                    g.SetWeight(v, v + columns, 0);
            }
    finish(g);
    return true;
}

FirstExample randomFirstExample(Graph& g, const ExampleView& view, Random& rng)
{
    FirstExample e;
    e.grid = rng.bit();
    if (e.grid) {
        e.rows = 3 + rng.below(3);
        e.columns = 4 + rng.below(4);
        gridExample(g, e.rows, e.columns, view, true);
    } else {
        e.vertices = 5 + 2 * rng.below(3);
        circleExample(g, e.vertices, view, true);
    }
    g.modified = false;
    return e;
}

} // namespace quan
