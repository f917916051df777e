// The layouts of the circle and grid examples and the random first example
// a new graph window shows.
#pragma once

#include "core/qmath.h"
#include "graphs/core/graph.h"

namespace quan {

// The world rectangle the example is laid out in: centre and half extents.
struct ExampleView {
    Real cx = 0, cy = 0;
    Real rx = 1, ry = 1;
};

// Replaces the graph by n vertices in slots 0..n-1 on the circle of radius
// 0.8 x min(rx, ry) about the world origin, vertex i at angle 2 pi i / n;
// with cycle the edges {i, i+1 mod n} (weight 0, undirected). n must be
// 1..slots(); false (nothing changes) otherwise.
bool circleExample(Graph& g, int n, const ExampleView& view, bool cycle);
// Replaces the graph by a grid of rows x columns vertices, vertex
// columns * i + j (row i from the top) at x = xmin + (2 rx / (columns + 1))
// (j + 1), y = ymax - (2 ry / (rows + 1)) (i + 1); with streets the edges
// between horizontal and vertical neighbours (weight 0, undirected). Both
// sizes at least 1 and their product at most slots(); false otherwise.
bool gridExample(Graph& g, int rows, int columns, const ExampleView& view, bool streets);

struct FirstExample {
    bool grid = false;
    int rows = 0, columns = 0; // of a grid
    int vertices = 0;          // of a cycle
};

// The first example of a new graph window, drawn from rng: a bit decides
// between a street grid (when it is 1) and a cycle; a grid then draws its
// rows 3 + rng.below(3) and its columns 4 + rng.below(4), a cycle its
// length 5 + 2 rng.below(3). Weights hidden, digraph off, no solution (the
// best reset), valences counted, not modified. The window's grid and
// circle settings are left to the caller (the result says what was made).
FirstExample randomFirstExample(Graph& g, const ExampleView& view, Random& rng);

} // namespace quan
