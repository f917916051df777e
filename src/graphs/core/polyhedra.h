// Faces and the Schlegel drawing of polyhedral graphs (3-connected planar
// graphs): the face vertices on a regular polygon, every other vertex at
// the centroid of its neighbours (Tutte's barycentric drawing, which is
// crossing-free and has convex faces for such a graph and a face as the
// outer polygon).
#pragma once

#include "graphs/core/examples.h"
#include "graphs/core/graph.h"

#include <functional>
#include <string>
#include <vector>

namespace quan {

// The faces of a drawing: cyclic vertex lists (slots), in the order they
// were traced.
struct FaceList {
    std::vector<std::vector<int>> faces;
    int view = -1; // the face drawn outside, an index into faces

    bool empty() const { return faces.empty(); }
    int count() const { return static_cast<int>(faces.size()); }
};

// Places the face's vertices (slots, in cyclic order) on a regular polygon
// of radius 0.8 x min(rx, ry) about the view's centre and every other
// present vertex at the centroid of its neighbours. Codes: 105 fewer than
// 3 face vertices (or a vertex named twice or absent); 2 two consecutive
// face vertices not adjacent; 24 a vertex off the face with valence below
// 2; 6 a singular system. On a code nothing changes.
int SchlegelOnFace(Graph& g, const std::vector<int>& face, const ExampleView& view);

// Finds every face of a 3-connected planar graph and lays it out on a
// largest face (the first in face order among the largest). Deterministic,
// in time polynomial in the graph's size. False, with the graph and faces
// unchanged, when the graph is not recognised as polyhedral (too small, a
// valence below 3, disconnected, not planar, or no face found).
bool polyhedralLayout(Graph& g, const ExampleView& view, FaceList& faces);

// The Polyhedral test's search: after the checks above, the peripheral
// cycles (by the edges' rank) are tried one by one as the outer face, at
// most maxAttempts of them, until one gives a drawing without crossings;
// stop is asked before every attempt but the first. 0 with the layout on a
// largest face and the faces (the first attempt is polyhedralLayout's), 2
// "could not find", or -1 when stop said so; on a code nothing changes.
// attemptsMade (when given) counts the attempts.
int polyhedralSearch(Graph& g, const ExampleView& view, FaceList& faces, int maxAttempts,
                     const std::function<bool()>& stop, int* attemptsMade = nullptr);

// Whether any two edges of the drawing cross (edges with a shared end are
// not compared; a vertex lying on an edge it does not end counts).
bool drawingHasCrossings(const Graph& g);

// Face sizes as "3:4, 6:4" (sides:count, sides ascending).
std::string faceCensus(const FaceList& faces);

} // namespace quan
