// The graph generators of the File New, Paste and Edit Randomize commands:
// points, cycles, complete graphs and circulants on a circle, point and
// street grids, random weighted graphs for the travelling-salesperson and
// spanning-tree exercises, random trees, random planar graphs to untangle,
// graphs with a prescribed list of valences (Havel-Hakimi), prisms,
// Moebius ladders and generalised Petersen graphs, random connections,
// directions and weights, and the named examples.
//
// Every generator that makes a new graph builds it in a fresh copy and
// swaps it in only when it succeeded: a refusal returns its message code
// and leaves the graph exactly as it was. Sizes arrive as long long (as the
// dialogs read them, saturated) and are checked before any product is
// formed, so no entry overflows.
#pragma once

#include "core/qmath.h"
#include "graphs/core/circuits.h"
#include "graphs/core/examples.h"
#include "graphs/core/graph.h"
#include "graphs/core/polyhedra.h"

#include <string>
#include <vector>

namespace quan {

enum class CircleKind { Points, Cycle, Complete, Circulant };

// The separations of a circulant from text such as "2,3" (numbers picked
// out as a paste does, rounded): 0, or 17 "out of bounds" when there is
// none or one lies outside 1..n-1.
int parseSeparations(const std::string& text, long long n, std::vector<int>& separations);

// n vertices on the circle (Part of the document's layout: vertex i at
// angle 2 pi i / n, radius 0.8 x min(rx, ry)), then the kind's edges of
// weight 0: a cycle {i, i+1}, every pair, or {i, i+s mod n} for every
// separation s. n must be 3..slots() and (for a circulant) the separations
// valid, else 17 "out of bounds".
int MakeCircle(Graph& g, CircleKind kind, long long n, const std::vector<int>& separations,
               const ExampleView& view);

// rows x columns vertices in the grid layout, with streets the edges between
// horizontal and vertical neighbours: both at least 1 and their product at
// most slots(), else 17.
int MakeGrid(Graph& g, long long rows, long long columns, bool streets, const ExampleView& view);

// The generalised Petersen graph GP(n, k): outer cycle 0..n-1 at radius
// 0.84 x min(rx, ry), inner vertices n+i on the same rays at that radius
// times 0.75 n / 286 + 0.5, spokes {i, n+i}, inner edges {n+i, n+(i+k mod
// n)}. With moebius (k = 1) the edges {0,1} and {n,n+1} become {0,n+1} and
// {n,1}: the Moebius ladder. n >= 3, 2n <= slots() and 1 <= k < n, else 17.
int RingGraph(Graph& g, long long n, long long k, bool moebius, const ExampleView& view);
// The Petersen command's entries: 0 with the offset to use in k (taken
// modulo n, replaced by n - k when 2k > n), or 6 "inconsistent data" unless
// n >= 3, 2n <= slots, k >= 1 and k is no multiple of n.
int petersenOffset(long long n, long long k, int slots, int& offset);

// What Random TSP did.
struct TspRun {
    int rounds = 0;
    long long sortedTotal = 0; // the sorted-edges total of the last round
    long long randomBest = 0;  // the best of its 511 random tours
};
// The complete graph on n circle vertices (n as MakeCircle(complete)
// checks it) with distinct random weights from 5..min(n^2 + 4, 32767),
// redrawn round after round until the sorted-edges total exceeds the best
// of 511 random tours; one round only when n > 16 or n = 3; the poll's Q
// ends it. Above 256 vertices the distinct weights cannot fit: 17. The
// caption shows "press Q to quit" and the round number. Weights shown,
// solution cleared with the best reset.
int RandomTSP(Graph& g, long long n, const ExampleView& view, Random& rng, CircuitRun& run, TspRun* out = nullptr);
// One round's weights: every edge of g a distinct value from 5..hi.
void drawDistinctWeights(Graph& g, int hi, Random& rng);
// The best total of `tours` random tours (each a shuffle of the vertex
// order as the random search makes it) and the sorted-edges total, on a
// complete graph.
long long bestRandomTour(const Graph& g, int tours, Random& rng);
long long sortedEdgesTotal(const Graph& g, Random& rng);

// A street grid of rows x columns whose edges get weights uniform in
// low..high; weights shown. Codes as MakeGrid.
int RandomKruskal(Graph& g, long long rows, long long columns, int low, int high, const ExampleView& view,
                  Random& rng);

// A random tree of n vertices (2..285, else 14 "positive value?"): valences
// 1 + (n - 2 random increments), realised connected by GraphFromValences,
// then renumbered in depth-first order from slot 0 on the circle. With
// directed, every edge gets a random direction (digraph mode on).
int RandomTree(Graph& g, long long n, bool directed, const ExampleView& view, Random& rng);

// Havel-Hakimi on the valence list (values rounded): 105 "not enough data"
// for fewer than 2, 106 "too many points" for more than slots() (`more`
// says the scanner found more), 6 "inconsistent data" for a value outside
// 0..n-1, an odd sum or a sum above n(n-1); 110 "incompatible valences"
// when the sequence cannot be realised. With connected (and all valences
// positive, sum >= 2n - 2) the components are then joined by
// ConnectComponents. On success n vertices on the circle showing their
// valences; on a code the graph is unchanged.
int GraphFromValences(Graph& g, const std::vector<Real>& numbers, bool more, bool connected,
                      const ExampleView& view, Random& rng);
// The same on pasted text (at most slots() + 1 numbers are scanned).
int GraphFromValencesText(Graph& g, const std::string& text, bool connected, const ExampleView& view,
                          Random& rng);

// Joins the components of g without changing any valence: while there is
// more than one, an edge {a, b} of a circuit (found after pruning vertices
// of valence 1, walking without turning back along the edge just used) and
// the first neighbour y of the first vertex x outside a's component give
// way to {a, x} and {b, y}. 0, or 6 when no circuit or no such y exists
// (the graph may then be partly joined: callers run it on a copy).
int ConnectComponents(Graph& g);

// The lattice of the random planar graph: t rows, T = t(t+1)/2 vertices.
// t is the largest with T <= n.
int planarRows(int n);

// n vertices (6..slots(), else 17) scattered on the unit circle; vertices
// 0..T-1 a triangulated triangle of t rows, each further vertex joined to
// both ends of a lattice edge drawn uniformly.
int RandomPlanar(Graph& g, long long n, Random& rng);

// Removes every edge; 2 maxIndex times a and b are drawn from 0..maxIndex
// and {a, b} joined when both are present and b < a. Solution cleared.
void RandomConnections(Graph& g, Random& rng);
// Digraph mode on, every edge a direction 1 or -1 from its higher slot.
void RandomDirections(Graph& g, Random& rng);
// Weights shown, every edge uniform in low..high.
void RandomWeights(Graph& g, int low, int high, Random& rng);

// The ten named polyhedra are graph6 strings of the string table (ids
// 1008..1017, at most 2000 characters); index 0..9 follows those ids.
inline constexpr int kNamedGraph6Count = 10;
inline constexpr size_t kNamedGraph6MaxLength = 2000;
// The vertex count each is known to have.
int namedGraph6Vertices(int index);
// Decodes the string and shows it without crossings on a largest face (the
// polyhedral layout); its faces go into faces. 0, 1 "cannot understand" for
// a string past 2000 characters, or the reader's code.
int LoadNamedGraph6(Graph& g, const std::string& g6, const ExampleView& view, FaceList& faces);

// The fixed graphs of the Miscellany submenu.
enum class MiscGraph {
    Utilities,     // K3,3: three houses and three utilities
    Desargues,     // GP(10, 3)
    GoldnerHarary, // the smallest non-Hamiltonian maximal planar graph
    Grotzsch,      // the Mycielskian of the 5-cycle: triangle-free, 4-chromatic
    Heawood,       // the point-line incidence graph of the Fano plane
    Holt,          // the smallest half-transitive graph: 27 vertices, 4-regular
};
int LoadMiscGraph(Graph& g, MiscGraph which, const ExampleView& view);
// The map of the 50 states of the USA: slot i is the state whose postal
// code is the i-th in alphabetical order (AK, AL, AR, AZ, CA, ...), labelled
// with that code and placed at its centre's longitude and latitude (Alaska
// and Hawaii as insets below the south-west); an edge joins two states
// that share a land border of positive length (the Four Corners' point
// contacts, AZ-CO and NM-UT, are no edges; AK and HI have none).
inline constexpr int kStateCount = 50;
const char* stateCode(int slot);
int LoadStatesMap(Graph& g, const ExampleView& view);
// The knight's-move graph of an n x n board (3 <= n, n^2 <= slots(), else
// 17): squares in the grid layout, a knight's move between two squares an
// edge; 4(n-1)(n-2) edges.
int KnightBoard(Graph& g, long long n, const ExampleView& view);

} // namespace quan
