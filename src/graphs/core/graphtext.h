// The graph's text formats: the Coordinates, Adjacencies and Weights pastes
// (numbers picked out of any text by quan::scanNumbers), the Definition text
// that the Coordinates paste reads back, and the Data counts.
//
// Every paste returns 0 or a message code; on a code the graph is exactly
// as it was. Reals become integers by roundHalfDown (nearest, an exact half
// towards zero).
#pragma once

#include "graphs/core/graph.h"

#include <string>

namespace quan {

// The notebook never grows past this many characters by a Definition.
inline constexpr size_t kDefinitionNotebookLimit = 63900;
// Definition writes weights and directions for graphs of at most this many edges.
inline constexpr int kDefinitionWeightedEdges = 6000;
// A weight or direction block is left out (written as "0") when it would
// bring the text to this many characters.
inline constexpr size_t kDefinitionBlockLimit = 490000;

// Replaces the graph by the one a text describes, in blocks each preceded
// by its item count: nV and nV pairs (x, y); optionally nE and nE pairs of
// vertex numbers (from 0 when zeroBased, else from 1); optionally (after
// the edges) nW and the weights of the first nW edges; optionally (after
// the weights) nD and the directions -1..2 of the first nD edges, seen from
// each edge's first vertex. A pair (a, a) is skipped; a later duplicate
// pair overwrites an earlier one. Weights are shown when any weight is
// positive, digraph mode is on when any direction is not 0, the solution
// is cleared with the best reset, the valences are recomputed and the
// graph is marked modified. Codes: 9 no number or nV = 0; 14 a negative
// count; 106 nV above the slot count; 101 fewer than 2 nV coordinates; 6 a
// coordinate too large for a real, a vertex number out of range, nW or nD
// above nE, a negative weight or a direction outside -1..2; 20 a weight
// above 32767; 105 a block with fewer numbers than its count.
int pasteCoordinates(Graph& g, const std::string& text, bool zeroBased);

// Replaces the edges of the present vertices. The text is groups each
// ended by ';' (text after the last ';' is ignored); a group's first number
// is a slot v and the following numbers its neighbours; at most count()
// numbers of a group are used. Each pair becomes an undirected edge of
// weight 0 (u = v is skipped). The whole text is read first: 6 when a
// number names no present slot, and then nothing changes. On success
// weights are hidden and the solution is cleared with the best reset.
int pasteAdjacencies(Graph& g, const std::string& text);

// Gives every pair of present vertices, in dictionary order of their ranks
// in slot order ((0,1), (0,2), ..., (n-2,n-1)), the absolute value of the
// next rounded number as its weight, making every pair an edge (a pair that
// was no edge gets direction 0). Codes: 105 fewer than n(n-1)/2 numbers;
// 20 a weight above 32767. On success weights are shown and the solution
// is cleared with the best reset.
int pasteWeights(Graph& g, const std::string& text);

// The words of the Definition and Data texts (the string table's
// "vertices", "edges", "weights", "directions", "components" and "no more
// room"); the window may pass its own.
struct GraphTextWords {
    std::string vertices = "vertices";
    std::string edges = "edges";
    std::string weights = "weights";
    std::string directions = "directions";
    std::string components = "components";
    std::string noMoreRoom = "no more room";
};

struct DefinitionOptions {
    int decimals = 2;          // decimal places of the coordinates (0..18)
    bool zeroBased = true;     // vertex numbers from 0, else from 1
    size_t notebookChars = 0;  // the length of the notebook the text is appended to
    GraphTextWords words;
};

// The Definition text (CR LF line ends) to be appended to the notebook:
// "vertices: n" and one "x y" line per present vertex; an empty line,
// "edges: m" and one line per edge (lower slot, then higher) holding the
// ranks of its ends in the vertex list; an empty line and "weights: " with
// 0 when weights are hidden, else the number k up to the last positive
// weight, a line break and the weights, ten to a line; an empty line and
// "directions: " likewise with the directions seen from the lower slot,
// fifteen to a line. A graph of more than 6000 edges gets both blocks as
// "0" and the line "no more room", and the result 4. The text is cut at a
// line end so that the notebook stays within 63 900 characters, also with
// the result 4 "no more room". Otherwise 0.
int definitionText(const Graph& g, const DefinitionOptions& options, std::string& out);

struct GraphData {
    int vertices = 0;
    int edges = 0;
    int components = 0; // directions ignored; 0 for an empty graph

    bool operator==(const GraphData&) const = default;
};
GraphData graphData(const Graph& g);
// "vertices: n", "edges: m" and "components: c", one to a line (CR LF).
std::string dataText(const GraphData& d, const GraphTextWords& words = {});

} // namespace quan
