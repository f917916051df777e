// The graph document as a plain type: a fixed number of vertex slots (286
// for the graph window, 12 for elections, 52 for scheduling), any of them
// present or absent, with positions, two labels and a colour each; one
// N x N matrix of 16-bit entries that holds every edge's weight (below the
// diagonal) and direction (above it); the valences; the result of the last
// algorithm run; and the primitive edits every algorithm and window uses.
//
// Invariants kept by the type: count() is the number of present slots,
// maxIndex() the highest present slot (-1 when there is none), every slot's
// label names its own slot, and the diagonal of the matrix is never an edge.
// Loops over the vertices run over 0..maxIndex() and skip absent slots;
// presentVertices() lists them in slot order.
#pragma once

#include "core/qmath.h"
#include "docfile/binio.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quan {

inline constexpr int kGraphSlots = 286;
inline constexpr int kElectionSlots = 12;
inline constexpr int kScheduleSlots = 52;
// Weights of edges are 0..32767; -1 in the weight entry means "no edge".
inline constexpr int kMaxWeight = 32767;
inline constexpr int kNoEdge = -1;
// The best total while no tour has been found.
inline constexpr int32_t kNoBestTotal = 2147483647;
// A summary line is cut to this many characters.
inline constexpr size_t kSummaryChars = 255;

// Icon kinds and text kinds of a label; the label state is text * 8 + icon.
enum IconKind : int { IconNone = 0, IconBullet = 1, IconCircle = 2, IconSolidBox = 3, IconEmptyBox = 4 };
enum TextKind : int { TextNone = 0, TextAlphabet = 1, TextUser = 2, TextValence = 3 };
inline constexpr int labelState(int text, int icon) { return text * 8 + icon; }
// One of the 20 states: icon 0..4, text 0..3.
inline constexpr bool labelStateValid(int state) { return state >= 0 && state < 32 && state % 8 <= 4; }

// The Vertex move mode's right click: the icon goes 0 -> 1 -> 2 -> 3 -> 4;
// after 4 it returns to 0 and the text kind moves on 0 -> 1 -> 2 -> 3 -> 0.
inline constexpr int nextLabelState(int state)
{
    const int icon = state % 8, text = state / 8;
    return icon < 4 ? labelState(text, icon + 1) : labelState((text + 1) % 4, 0);
}
// The direction after d in the Arrows cycle 0 -> 1 -> -1 -> 2 -> 0.
inline constexpr int nextArrowDirection(int d) { return d == 0 ? 1 : d == 1 ? -1 : d == -1 ? 2 : 0; }

// A vertex label; in files a 37-byte record.
struct LabelRecord {
    std::array<char, 21> textBytes{}; // user text, zero-terminated
    int16_t slot = 0;                 // the slot it belongs to
    int16_t state = labelState(TextNone, IconBullet);
    int16_t deviceX = 0, deviceY = 0; // where the text was last drawn
    int16_t width = 0, height = 0;    // its extent when last drawn, pixels
    int16_t dx = 0, dy = 0;           // offset of the text from its vertex, pixels

    static constexpr size_t kFileSize = 37;
    static constexpr size_t kMaxText = 20;

    std::string text() const;
    // Sets the user text, cut to 20 characters (and at a zero byte).
    void setText(const std::string& t);
    int icon() const { return state % 8; }
    int textKind() const { return state / 8; }

    void write(ByteWriter& w) const;
    // Reads 37 bytes; a text without its zero is cut to 20 characters.
    void read(ByteReader& r);

    bool operator==(const LabelRecord&) const = default;
};

struct VertexSlot {
    bool present = false;
    Real x = 0, y = 0;       // world coordinates
    LabelRecord label;       // the vertex label
    LabelRecord second;      // a second movable text (task weights of the scheduling window)
    int16_t out = 0, in = 0; // valence (or out-valence) and in-valence, from ComputeValences
    int32_t color = 0;       // colour number of a colouring; 0 = none

    bool operator==(const VertexSlot&) const = default;
};

// What the last algorithm run left on display.
enum class DisplayMode : int {
    None = -1,
    NearestNeighbour = 0,
    SortedEdges = 1,
    Kruskal = 2,
    Prim = 3,
    Dijkstra = 4,
    HamiltonianCircuit = 5,
    HamiltonianPath = 6,
    BestTour = 7,
    EulerianCircuit = 8,
    EulerianPath = 9,
    WelshPowell = 10,
};

struct Solution {
    DisplayMode mode = DisplayMode::None;
    // The highlighted edges in the order they were produced.
    std::vector<std::pair<int, int>> edges;
    // Colour indices of the highlighted edges while a slow-motion walk is
    // drawn (one per edge); empty: the solution colour for all.
    std::vector<int16_t> edgeColors;
    std::string summary; // at most 255 characters
    // The best tour: its vertices with the first repeated at the end.
    std::vector<int> bestTour;
    int32_t bestTotal = kNoBestTotal;
    bool colorDisplay = false;
    // The Eulerian numbering is shown in the weight places; clearing the
    // solution hides the weights again.
    bool eulerNumbering = false;

    void setSummary(const std::string& s) { summary = s.substr(0, kSummaryChars); }
    bool operator==(const Solution&) const = default;
};

class Graph {
public:
    // A graph of `slots` empty slots (1..286 are sensible; at least 1).
    explicit Graph(int slots = kGraphSlots);

    // --- slots -----------------------------------------------------------------
    int slots() const { return n_; }
    int count() const { return count_; }
    int maxIndex() const { return maxIndex_; }
    // False for an index outside 0..slots() - 1.
    bool present(int v) const { return v >= 0 && v < n_ && slots_[static_cast<size_t>(v)].present; }
    const VertexSlot& slot(int v) const { return slots_[static_cast<size_t>(v)]; }
    // The present slots in increasing order.
    std::vector<int> presentVertices() const;
    Real x(int v) const { return slot(v).x; }
    Real y(int v) const { return slot(v).y; }
    void setPosition(int v, Real x, Real y);
    const LabelRecord& label(int v) const { return slot(v).label; }
    const LabelRecord& secondLabel(int v) const { return slot(v).second; }
    // Label edits keep the label's slot field.
    void setLabelText(int v, const std::string& text);
    void setLabelState(int v, int state);
    void setLabelOffset(int v, int16_t dx, int16_t dy);
    // The cached device position and extent, written when the label is drawn.
    void setLabelCache(int v, int16_t x, int16_t y, int16_t width, int16_t height);
    void setSecondLabel(int v, const LabelRecord& r);
    void setLabel(int v, const LabelRecord& r);
    int32_t color(int v) const { return slot(v).color; }
    void setColor(int v, int32_t c);
    int outValence(int v) const { return slot(v).out; }
    int inValence(int v) const { return slot(v).in; }
    // The label state new vertices get (the last icon and text chosen).
    int newLabelState = labelState(TextNone, IconBullet);

    // --- edges -----------------------------------------------------------------
    // The weight entry of the pair: -1 no edge, else the weight. a and b
    // must be slot indices; a == b reads the unused diagonal.
    int Weight(int a, int b) const { return m_[idx(std::max(a, b), std::min(a, b))]; }
    bool Adjacent(int a, int b) const { return a != b && Weight(a, b) >= 0; }
    // The direction seen from a towards b: 1 a to b, -1 b to a, 2 both
    // ways, 0 undirected.
    int Direction(int a, int b) const;
    // w = -1 deletes the edge (its direction is left as it is); a value
    // outside -1..32767 is clamped to that range.
    void SetWeight(int a, int b, int w);
    // d in -1..2 as seen from a.
    void SetDirection(int a, int b, int d);
    // The raw matrix entry [i][j], as the file stores it.
    int16_t entry(int i, int j) const { return m_[idx(i, j)]; }
    void setEntry(int i, int j, int16_t v) { m_[idx(i, j)] = v; }
    // Removes every edge: -1 below the diagonal, 0 above.
    void ClearEdges();
    // Edges among present vertices.
    int edgeCount() const;
    // Every edge {lo, hi} between present vertices, lo < hi, ordered by lo then hi.
    std::vector<std::pair<int, int>> edges() const;

    // --- display switches saved with the document ------------------------------
    bool weightsShown = false;
    bool digraph = false;
    // The edges are the temporary distance-rank graph of a spanning tree on
    // points (not saved; removed by the next edit or command).
    bool distanceRank = false;

    // --- valences --------------------------------------------------------------
    // Recounts the valences of the present vertices: with digraph off each
    // endpoint's first count is its valence; with it on, out and in counts
    // along the directions (an undirected edge counts in neither), and the
    // source (in 0, out > 0) and sink (out 0, in > 0), the last of each in
    // slot order; -1 when there is none or digraph mode is off.
    void ComputeValences();
    int source() const { return source_; }
    int sink() const { return sink_; }
    int maxOut() const { return maxOut_; }
    int maxIn() const { return maxIn_; }

    // --- primitive edits ---------------------------------------------------------
    // Takes the lowest absent slot at (x, y) with a fresh label (the
    // alphabetic name as its text, newLabelState), clears the solution and
    // marks the document modified: 0 with the slot in *slot, or 106 "too
    // many points" (nothing changes) when every slot is taken.
    int AddVertexAt(Real x, Real y, int* slot = nullptr);
    // Takes slot v (which must be absent) at (x, y) with a fresh label, as
    // readers and pastes that place vertices by slot do: false (nothing
    // changes) for an index outside 0..slots() - 1 or a present slot.
    // Clears the solution and marks the document modified.
    bool addVertexInSlot(int v, Real x, Real y);
    // Marks v absent, deletes its edges and their directions; count and
    // maxIndex follow. An absent or out-of-range v is ignored.
    void DeleteVertex(int v);
    // Weight 0, direction 1 as seen from a. Ignored unless a and b are
    // different present vertices.
    void AddEdge(int a, int b);
    // Weight -1, direction 0.
    void DeleteEdge(int a, int b);
    // Removes every vertex and edge and clears the solution (best reset).
    void clearAll();
    // A weight typed in place for the edge {a, b}: a negative one deletes
    // the edge, one above 32767 gives 20 "too large" and changes nothing;
    // otherwise the weight is set. 0 or 20.
    int editWeight(int a, int b, long long w);
    // The Arrows mode's right click: the direction stored for {a, b} (as
    // seen from the lower slot) moves on along 0 -> 1 -> -1 -> 2 -> 0.
    void cycleDirection(int a, int b);

    // --- the solution -----------------------------------------------------------
    Solution solution;
    // Display mode none, no highlighted edges, colours hidden, empty
    // summary; weights hidden again after an Eulerian numbering. With
    // resetBest the best total becomes 2147483647 and the best tour the
    // present vertices in slot order followed by the first.
    void ClearSolution(bool resetBest);
    // Pages of a multi-page export: Eulerian circuit and path edges + 2;
    // nearest neighbour, sorted edges, Hamiltonian circuit, best tour and
    // Welsh-Powell maxIndex + 3; Kruskal, Prim, Dijkstra and Hamiltonian
    // path maxIndex + 2; no solution 1.
    int frameCount() const;

    // --- backup ------------------------------------------------------------------
    // Keeps the whole slot set (present flags, count, maxIndex), the
    // positions and the matrix; Restore puts them back (false when there
    // was no Backup). Labels and colours are not part of it.
    void Backup();
    bool Restore();
    bool hasBackup() const { return !backupSlots_.empty(); }

    // The name of a vertex in messages and summaries: its user text when
    // its label shows the user text, else its alphabetic name.
    std::string messageName(int v) const;

    // Set by every edit; the window clears it when the document is saved.
    bool modified = false;

    // The same document: the present slots with their positions, labels,
    // valences and colours, the matrix among them, the switches and the
    // solution (what absent slots still hold does not count).
    bool operator==(const Graph& o) const;

private:
    size_t idx(int i, int j) const { return static_cast<size_t>(i) * static_cast<size_t>(n_) + static_cast<size_t>(j); }
    void recount();
    LabelRecord freshLabel(int v) const;

    int n_;
    int count_ = 0;
    int maxIndex_ = -1;
    std::vector<VertexSlot> slots_;
    std::vector<int16_t> m_;
    int source_ = -1, sink_ = -1, maxOut_ = 0, maxIn_ = 0;

    struct BackupSlot {
        bool present;
        Real x, y;
    };
    std::vector<BackupSlot> backupSlots_;
    std::vector<int16_t> backupMatrix_;
};

// The alphabetic name of slot n: 'A' + n mod 26, then an apostrophe when
// n div 2626 is 1 or a double quote when it is 2, then "_" and s when
// s = (n div 26) mod 101 - 1 is 0 or more: A..Z, A_0..Z_0, ..., Z_9 for
// slot 285. "?" for a negative n.
std::string slotName(int n);
// The slot a name stands for, when it is the name of one of 0..slots - 1
// written exactly as slotName writes it; -1 for any other text ("AB",
// "A_01", "a", or "A_10" in a graph of 286 slots).
int slotOfName(const std::string& name, int slots = kGraphSlots);

} // namespace quan
