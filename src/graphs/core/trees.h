// Trees, shortest paths and colourings on the graph document: spanning
// trees by Kruskal and Prim (on the edges, or on the distance-rank graph of
// the points when there are none), Dijkstra's tree of shortest paths, vertex
// colouring by Welsh-Powell or by an exact saturation-degree branch and
// bound, a random strong orientation, and the edge-set changes Complement,
// Complete and Distances.
//
// Like the circuits, each operation works on a Graph and returns 0 or a
// message code (a refusal changes nothing) and reaches its window only
// through CircuitRun: key poll, caption, repaint, slow motion.
#pragma once

#include "core/qmath.h"
#include "graphs/core/circuits.h"
#include "graphs/core/graph.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

// The program's texts the summaries and captions of this file use.
struct TreeWords {
    std::string kruskalTree = "Kruskal tree";
    std::string primTree = "Prim tree";
    std::string dijkstraRoot = "Dijkstra root";
    std::string colorsUsed = "colors used";
    std::string orientation = "orientation";
    std::string notProvenMinimal = "not proven minimal";
    std::string colorsSoFar = "colors so far";
    std::string lowerBound = "lower bound";
};

// Components over undirected adjacency (directions ignored), minus one;
// -1 for an empty graph.
int CountComponents(const Graph& g);

// The Euclidean length of the segment between two vertices.
Real vertexDistance(const Graph& g, int a, int b);

// Replaces the edges by the complete graph on the present vertices whose
// weights are the ranks 1, 2, ... of the pairs' distances (equal distances
// in the order lo, then hi). False (nothing changes) when maxIndex > 255.
bool BuildDistanceRankGraph(Graph& g);

// While the temporary distance-rank graph is shown (g.distanceRank): removes
// its edges and the flag. Every edit or command that clears the solution
// calls it first.
void dropDistanceRankGraph(Graph& g);

// Kruskal (prim false) or Prim; ascending weights when `minimal`, else
// descending. Summary "Kruskal tree; total weight = t"; on the
// distance-rank graph the total is the Euclidean length with `decimals`.
// 409 below two vertices; a refused distance-rank graph does nothing (0).
int MinimalTree(Graph& g, bool prim, bool minimal, int decimals, Random& rng, CircuitRun& run, const TreeWords& w);

// Dijkstra's tree from root (display mode 4). `dist` (when given) gets
// every slot's distance, 2147483647 for unreached ones. 409 on an empty
// graph, 402 for an absent root.
int DijkstraTree(Graph& g, int root, CircuitRun& run, const TreeWords& w, std::vector<int32_t>* dist = nullptr);

// The notebook's list after Dijkstra: per reached vertex its distance and
// the path from the root ("E 20: A C F E"), one line each.
std::string dijkstraPaths(const Graph& g, int root, const std::vector<int32_t>& dist);

// Welsh-Powell on the present vertices: colours (from 1) into the slots,
// (vertex, colour) pairs into the highlighted list. Returns the colours used.
int WelshPowellColouring(Graph& g, Random& rng, CircuitRun& run);

// The exact colouring of a graph (any graph; the command asks for a
// connected one): colour per slot (0 for absent), the count, the clique's
// lower bound, whether the search ran to its end, the clique search's calls.
struct ExactColouring {
    std::vector<int> colour;
    int colours = 0;    // 0 when stopped before any colouring was found
    int lowerBound = 0; // the clique's size
    bool complete = false;
    int cliqueCalls = 0;
    uint64_t nodes = 0;
};
inline constexpr int kCliqueCallLimit = 10000;

// The clique the exact method starts from (slots, in the order found).
std::vector<int> searchClique(const Graph& g, int& calls);
ExactColouring exactColouring(const Graph& g, CircuitRun& run, const TreeWords& w);

// Color: Welsh-Powell or the exact method (509 "graph not connected" for a
// disconnected graph). Summary "colors used: k"; a stopped exact search
// shows its best colouring marked "not proven minimal" (nothing when none).
int ColourVertices(Graph& g, bool welshPowell, Random& rng, CircuitRun& run, const TreeWords& w);

// Orient: random closed walks until every edge is directed; 509 for a
// disconnected graph; Q restores the directions as they were (run.stopped).
int OrientRandomly(Graph& g, Random& rng, CircuitRun& run, const TreeWords& w);

// Complement and Complete over the present vertices (weights 0, no
// directions, weights hidden, digraph off; best reset). They, and
// DistanceWeights, first remove a temporary distance-rank graph.
void Complement(Graph& g);
void MakeComplete(Graph& g);

// The greatest Euclidean length of an edge (0 without edges).
Real longestEdge(const Graph& g);
// Weights proportional to the lengths, the longest edge getting `greatest`
// (2..32767, else 417; 409 when the longest edge is shorter than 1e-13).
int DistanceWeights(Graph& g, long long greatest);

} // namespace quan
