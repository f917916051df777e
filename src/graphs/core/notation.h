// The graph notations: graph6, digraph6 and sparse6 (the encodings of
// McKay's formats.txt, as nauty and networkx read and write them) and LCF
// notation for trivalent Hamiltonian graphs; and the collections of graph6
// strings the viewer steps through.
//
// Readers decode into a fresh graph and swap it in only when the whole
// string was read: a refused string leaves the graph exactly as it was.
#pragma once

#include "graphs/core/examples.h"
#include "graphs/core/graph.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quan {

// The structure a notation string describes, before it becomes a Graph:
// n vertices 0..n-1, the undirected edges {i, j} (i < j, each once) and,
// for digraph6, the arcs r -> c.
struct NotationGraph {
    enum class Kind { Graph6, Digraph6, Sparse6 };
    Kind kind = Kind::Graph6;
    int n = 0;
    std::vector<std::pair<int, int>> edges; // undirected, i < j
    std::vector<std::pair<int, int>> arcs;  // digraph6 only, r != c
    bool loop = false;                      // a loop was met (and dropped)
};

// Decodes a string of any of the three kinds; white space around it is
// ignored. A leading ':' marks sparse6, a leading '&' digraph6; a string
// without either is digraph6 when n >= 3 and its length is that of n^2
// bits, else graph6. Codes: 24 nothing or a cut prefix; 1 the 36-bit size
// form; 6 a character outside '?'..'~' (prefix or data); 9 n = 0; 106 n
// above maxVertices; 24 a graph6/digraph6 length that fits neither kind.
// A digraph6 loop sets `loop` (the caller reports 115); sparse6 loops are
// dropped silently, as nauty's padding may produce one.
int decodeNotation(std::string_view text, int maxVertices, NotationGraph& out);

// Replaces the graph by the one the string describes: n vertices on the
// circle of `view`, edges of weight 0; digraph6 switches digraph mode on
// (arcs as directions; both arcs of a pair give direction 2), graph6 and
// sparse6 switch it off. A tree is renumbered in depth-first order from
// slot 0 so that the circle follows it. Valences counted, solution cleared
// with the best reset. 0 or 115 "loop discarded" (the graph was read), or
// the code of decodeNotation with the graph unchanged.
int ReadGraph6(Graph& g, std::string_view text, const ExampleView& view);

// graph6 of the present vertices renumbered 0..count-1 in slot order; in
// digraph mode digraph6 with its '&': bit (r, c) is set when {r, c} is an
// edge whose direction from r is 1 or 2, or 0 (an undirected edge is the
// two opposite arcs).
std::string WriteGraph6(const Graph& g);
// sparse6 (directions ignored), padded as formats.txt says.
std::string WriteSparse6(const Graph& g);

// The encoders behind them: graph6 (or digraph6 with its '&' for the
// digraph kind, from the arcs) and sparse6 (from the edges) of a decoded
// structure; notationOf gives the present slots of a Graph renumbered
// 0..count-1, every edge once in `edges` and, in digraph mode, the arcs.
std::string encodeGraph6(const NotationGraph& ng);
std::string encodeSparse6(const NotationGraph& ng);
NotationGraph notationOf(const Graph& g);

// The size prefix N(n) for 0 <= n < 2^18.
std::string graph6SizePrefix(int n);

// Reads LCF notation "[a,b,...]^e" (white space anywhere is dropped) into
// the Hamiltonian cycle 0..n-1 on the circle with the chords i -> i +
// offset (mod n). Codes: 2 no '[' first or no ']'; 6 junk after ']', an
// item other than an optional '-' and digits, an offset 0, 1 or -1 (mod
// n), a chord on the cycle or chords that do not pair up; 9 no offset or
// e = 0; 17 a number too long, 2e above the slot count, more offsets than
// slots or n above the slot count. On a code the graph is unchanged; on
// success weights are hidden, digraph off, solution cleared with the best
// reset, valences counted and the document marked modified.
int ReadLCF(Graph& g, std::string_view text, const ExampleView& view);

// Renumbers a tree's vertices in depth-first order from its lowest slot:
// the vertex reached k-th takes the circle position of the k-th present
// slot (edges stay). False (nothing changes) when the graph is no tree.
bool renumberTreeOnCircle(Graph& g);

// A collection of graph6 strings: the non-empty lines of a text (ended by
// LF, CR LF or CR; the last line may lack its end), after a ">>graph6<<",
// ">>sparse6<<" or ">>digraph6<<" header at the start.
class G6Collection {
public:
    // 0, or 11 "cannot open file" when the text holds no example (then
    // nothing changes).
    int load(std::string text, int id);
    int count() const { return static_cast<int>(lines_.size()); }
    int id() const { return id_; }
    bool loaded() const { return !lines_.empty(); }
    // Ids below 200 are polyhedra, whose examples get a Schlegel layout.
    bool polyhedral() const { return loaded() && id_ >= 0 && id_ < 200; }
    // Example i taken modulo count (negative values wrap around); "" when
    // nothing is loaded.
    std::string_view example(long long i) const;
    // i modulo count, non-negative.
    int wrap(long long i) const;
    int current = 0;

private:
    std::string text_;
    std::vector<std::pair<size_t, size_t>> lines_; // start, length
    int id_ = -1;
};

// Next collection of the family: 0..2 cycle, 100..108 cycle, 200..206
// cycle; -1 for any other id.
int nextCollectionId(int id);

} // namespace quan
