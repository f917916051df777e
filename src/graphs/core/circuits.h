// Circuits and tours on the graph document: the randomised Hamiltonian
// search, the travelling-salesperson heuristics (nearest neighbour, sorted
// edges, random search, best so far, improvement by exchanging pairs of
// edges), the Eulerian walk, and two exact answers for small graphs (every
// Hamiltonian circuit counted, the optimal tour by Held-Karp).
//
// Each operation works on a Graph and returns 0 or a message code; a
// refusal changes nothing. The window is reached only through CircuitRun:
// its key poll (Q stops a long search), its caption, and its repaint for
// the slow-motion steps. Results go into graph.solution (highlighted edges,
// display mode, summary, best tour) and notebook records into run.notes.
#pragma once

#include "core/qmath.h"
#include "graphs/core/graph.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace quan {

// The program's texts the summaries and captions are made of; the window
// fills them from its string table.
struct CircuitWords {
    std::string hamiltonianCircuit = "Hamiltonian circuit";
    std::string hamiltonianPath = "Hamiltonian path";
    std::string nearestStartAt = "nearest nbr start at";
    std::string totalWeight = "total weight";
    std::string sortedEdges = "sorted-edges circuit";
    std::string bestSoFar = "best circuit found so far";
    std::string eulerianCircuit = "Eulerian circuit";
    std::string eulerianPath = "Eulerian path";
    std::string pressQ = "press Q to quit";
    std::string spacebar = "spacebar to advance, Q to quit";
    std::string circuitsCounted = "Hamiltonian circuits";
    std::string incomplete = "incomplete";
    std::string optimalTour = "optimal tour";
    std::string aboveOptimum = "per cent above the optimum";
};

// What a run may use of its window.
struct CircuitRun {
    // The key poll: the pending key upper-cased, 0 for none. Without one a
    // long search stops at once (as if Q had been pressed).
    std::function<int()> poll;
    // The caption while a search runs or a slow-motion step waits.
    std::function<void(const std::string&)> caption;
    // Draws the graph with its solution as it stands now.
    std::function<void()> show;
    bool slowMotion = false;
    CircuitWords words;

    // --- filled by the run ---------------------------------------------------------
    std::string notes;    // what the run appends to the notebook
    bool stopped = false; // Q ended a search
    uint64_t attempts = 0;

    int pollKey() const { return poll ? poll() : 'Q'; }
    void setCaption(const std::string& t) const
    {
        if (caption)
            caption(t);
    }
    void redraw() const
    {
        if (show)
            show();
    }
};

// The slow-motion step: when slow motion is on, draws the step and waits
// for the space bar or Q (the caption says so); Q also turns slow motion
// off, so the rest of the run goes on without stopping.
void StepWait(CircuitRun& run);

// Every present vertex has valence + 1 >= count (valences recomputed;
// absent slots are not looked at).
bool IsComplete(Graph& g);

// Breadth-first labelling from the vertex in slot maxIndex: true when it
// reaches every present vertex. With `directed`, only edges that may be
// traversed forwards (direction 1 or 2) are followed.
bool Reachable(const Graph& g, bool directed);

// The start-vertex prompt's answer: 0 with the slot in v, 1 "cannot
// understand" for a text that is no vertex name, 2 "could not find" for the
// name of an absent slot.
int parseStartVertex(const Graph& g, const std::string& text, int& v);

// The randomised greedy search for a Hamiltonian circuit or path
// (display mode 5 or 6). Runs until an attempt succeeds or the poll gives
// Q (run.stopped, nothing shown).
int HamiltonianSearch(Graph& g, bool circuit, Random& rng, CircuitRun& run);

// The travelling-salesperson heuristics on a complete graph (508
// "incomplete graph" otherwise, 409 "nothing to do" below 3 vertices).
int NearestNeighbour(Graph& g, int start, Random& rng, CircuitRun& run);
int SortedEdges(Graph& g, Random& rng, CircuitRun& run);
int RandomSearch(Graph& g, Random& rng, CircuitRun& run);
// Shows the best tour (display mode 7); 409 when there is none.
int ShowBest(Graph& g, const CircuitWords& words);
int ImprovePairs(Graph& g, CircuitRun& run);

// Numbers the edges along an Eulerian circuit or path (display modes 8, 9).
int EulerianWalk(Graph& g, Random& rng, CircuitRun& run);

// One edge of the sorted-edges list: its ends (higher slot first) and weight.
struct WeightedEdge {
    int a = 0, b = 0;
    int weight = 0;
    bool operator==(const WeightedEdge&) const = default;
};

// The selection sort of the sorted-edges heuristic: ascending (or
// descending) by weight, equal weights in the order the generator's bits
// give. Equal to the literal selection sort in result and in the draws it
// takes, without its quadratic scans.
void SortEdges(std::vector<WeightedEdge>& list, bool descending, Random& rng);

// The notebook record of a tour: the summary, a line end, the names of the
// first count vertices, two line ends.
std::string WriteTour(const Graph& g, const std::vector<int>& tour, const std::string& summary);

// The sum of the weights along a walk.
long long walkTotal(const Graph& g, const std::vector<int>& walk);

// --- exact answers ------------------------------------------------------------------

struct HamiltonianCount {
    uint64_t circuits = 0;     // undirected circuits (directed ones in digraph mode)
    std::vector<int> first;    // the first found, closed; empty when none
    bool complete = false;     // the search ran to its end
};
// Counts every Hamiltonian circuit by an exhaustive search in a fixed order
// (no random draws), polling for Q every so many steps.
HamiltonianCount countHamiltonianCircuits(const Graph& g, CircuitRun& run);
// The window command: shows the first circuit and the count (mode 5);
// 409 below 3 vertices, 516 "no circuit exists" after a complete search
// without one; a stopped search shows what it found, marked incomplete.
int HamiltonianExact(Graph& g, CircuitRun& run);

// The optimal tour of a complete graph of 3 to 20 vertices by Held-Karp:
// 0 with the tour (closed) and its total; 420 above 20 vertices; 28
// "stopped" when the poll gave Q.
int optimalTour(const Graph& g, std::vector<int>& tour, long long& total, CircuitRun& run);
// The window command: shows the optimal tour, makes it the best and
// writes how many per cent above it the best tour before was.
int TspOptimal(Graph& g, CircuitRun& run);

} // namespace quan
