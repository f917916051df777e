// Circuits and tours, key poll included where the command polls:
// - Hamiltonian search attempts per second on the Petersen graph (target
//   2 000 000/s) and on the 46-vertex Tutte graph (target 500 000/s);
// - random-search tours per second on 20 vertices (target 5 000 000/s);
// - sorted edges on K286 with (nearly) distinct weights, weights 10..50 and
//   all weights equal (target under 150 ms each), beside the literal
//   selection sort it replaces;
// - the Eulerian walk on K255 (target under 20 ms);
// - the exact count of the 1 814 400 circuits of K11 (target under 1 s), the
//   snarks of 24 vertices decided, and the optimal tour of 20 vertices by
//   Held-Karp (target under 0.6 s).
#include "graphs/core/circuits.h"

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

using namespace quan;

namespace {

Graph graphOf(int n, const std::vector<std::pair<int, int>>& edges)
{
    Graph g;
    for (int i = 0; i < n; ++i)
        g.AddVertexAt(i, 0);
    for (auto [a, b] : edges)
        g.SetWeight(a, b, 0);
    g.ComputeValences();
    return g;
}

Graph petersen()
{
    return graphOf(10, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 0}, {0, 5}, {1, 6}, {2, 7},
                        {3, 8}, {4, 9}, {5, 7}, {7, 9}, {9, 6}, {6, 8}, {8, 5}});
}

// The Tutte graph: 46 vertices, 69 edges, cubic, no Hamiltonian circuit.
Graph tutte()
{
    // Neighbours of vertex k (1-based) above k.
    const std::vector<std::vector<int>> up = {
        {2, 3, 4}, {5, 27}, {11, 12}, {19, 20}, {6, 34}, {7, 30}, {8, 28}, {9, 15}, {10, 39}, {11, 38},
        {40},      {13, 40}, {14, 36}, {15, 16}, {35},    {17, 23}, {18, 45}, {19, 44}, {46},    {21, 46},
        {22, 42},  {23, 24}, {41},     {25, 28}, {26, 33}, {27, 32}, {34},    {29},     {30, 33}, {31},
        {32, 34},  {33},     {},       {},       {36, 39}, {37},     {38, 40}, {39},    {},       {},
        {42, 45},  {43},     {44, 46}, {45},     {},       {}};
    std::vector<std::pair<int, int>> e;
    for (size_t k = 0; k < up.size(); ++k)
        for (int u : up[k])
            e.emplace_back(static_cast<int>(k), u - 1);
    return graphOf(46, e);
}

Graph complete(int n, int (*w)(int, int))
{
    Graph g;
    for (int i = 0; i < n; ++i)
        g.AddVertexAt(i, 0);
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            g.SetWeight(a, b, w(a, b));
    g.ComputeValences();
    return g;
}

// A run whose poll answers Q after `polls` calls.
CircuitRun stopAfter(long& left)
{
    CircuitRun r;
    r.poll = [&left] { return --left < 0 ? 'Q' : 0; };
    return r;
}

void hamiltonianAttempts(benchmark::State& state, const Graph& g0)
{
    Graph g = g0;
    Random rng;
    rng.seed(1);
    uint64_t attempts = 0;
    for (auto _ : state) {
        long left = 200000;
        CircuitRun run = stopAfter(left);
        HamiltonianSearch(g, true, rng, run);
        attempts += run.attempts;
    }
    state.counters["attempts/s"] = benchmark::Counter(static_cast<double>(attempts), benchmark::Counter::kIsRate);
}

void BM_HamiltonianPetersen(benchmark::State& state) { hamiltonianAttempts(state, petersen()); }
void BM_HamiltonianTutte(benchmark::State& state) { hamiltonianAttempts(state, tutte()); }

void BM_RandomSearch20(benchmark::State& state)
{
    Graph g0 = complete(20, [](int a, int b) { return (a * 37 + b * 11) % 97 + 1; });
    Random rng;
    rng.seed(2);
    uint64_t tours = 0;
    for (auto _ : state) {
        Graph g = g0;
        long left = 1000000;
        CircuitRun run = stopAfter(left);
        RandomSearch(g, rng, run);
        tours += run.attempts;
    }
    state.counters["tours/s"] = benchmark::Counter(static_cast<double>(tours), benchmark::Counter::kIsRate);
}

int nearlyDistinct(int a, int b) { return static_cast<int>((static_cast<unsigned>(a * 286 + b) * 40503u) % 32768u); }
int tenToFifty(int a, int b) { return 10 + (a * 7919 + b * 104729) % 41; }
int allEqual(int, int) { return 20; }

void sortedEdges(benchmark::State& state, int (*w)(int, int))
{
    const Graph g0 = complete(kGraphSlots, w);
    Random rng;
    rng.seed(3);
    for (auto _ : state) {
        state.PauseTiming();
        Graph g = g0;
        CircuitRun run;
        state.ResumeTiming();
        benchmark::DoNotOptimize(SortedEdges(g, rng, run));
    }
}

void BM_SortedEdgesK286Distinct(benchmark::State& state) { sortedEdges(state, nearlyDistinct); }
void BM_SortedEdgesK286TenToFifty(benchmark::State& state) { sortedEdges(state, tenToFifty); }
void BM_SortedEdgesK286Equal(benchmark::State& state) { sortedEdges(state, allEqual); }

// The literal selection sort on the same list, for comparison.
void BM_LiteralSortK286TenToFifty(benchmark::State& state)
{
    const Graph g = complete(kGraphSlots, tenToFifty);
    std::vector<WeightedEdge> list0;
    for (auto [lo, hi] : g.edges())
        list0.push_back({hi, lo, g.Weight(lo, hi)});
    Random rng;
    rng.seed(3);
    for (auto _ : state) {
        std::vector<WeightedEdge> l = list0;
        for (size_t p = 0; p + 1 < l.size(); ++p) {
            int key = l[p].weight;
            size_t at = p;
            for (size_t q = p + 1; q < l.size(); ++q) {
                if (l[q].weight < key) {
                    key = l[q].weight;
                    at = q;
                } else if (l[q].weight == key && !rng.bit()) {
                    at = q;
                }
            }
            std::swap(l[p], l[at]);
        }
        benchmark::DoNotOptimize(l.data());
    }
}

void BM_EulerianK255(benchmark::State& state)
{
    const Graph g0 = complete(255, allEqual);
    Random rng;
    rng.seed(4);
    for (auto _ : state) {
        state.PauseTiming();
        Graph g = g0;
        CircuitRun run;
        state.ResumeTiming();
        if (EulerianWalk(g, rng, run) != 0)
            state.SkipWithError("no walk");
    }
}

void BM_CountCircuitsK11(benchmark::State& state)
{
    const Graph g = complete(11, allEqual);
    for (auto _ : state) {
        CircuitRun run;
        run.poll = [] { return 0; };
        if (countHamiltonianCircuits(g, run).circuits != 1814400)
            state.SkipWithError("wrong count");
    }
}

void BM_DecideTutte(benchmark::State& state)
{
    const Graph g = tutte();
    for (auto _ : state) {
        CircuitRun run;
        run.poll = [] { return 0; };
        if (countHamiltonianCircuits(g, run).circuits != 0)
            state.SkipWithError("Tutte has no circuit");
    }
}

void BM_TspOptimal20(benchmark::State& state)
{
    const Graph g = complete(20, [](int a, int b) { return (a * 37 + b * 11) % 97 + 1; });
    for (auto _ : state) {
        CircuitRun run;
        run.poll = [] { return 0; };
        std::vector<int> tour;
        long long total = 0;
        benchmark::DoNotOptimize(optimalTour(g, tour, total, run));
    }
}

} // namespace

BENCHMARK(BM_HamiltonianPetersen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HamiltonianTutte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomSearch20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedEdgesK286Distinct)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedEdgesK286TenToFifty)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedEdgesK286Equal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralSortK286TenToFifty)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_EulerianK255)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountCircuitsK11)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecideTutte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TspOptimal20)->Unit(benchmark::kMillisecond);
