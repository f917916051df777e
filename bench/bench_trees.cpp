// Trees and colourings, key poll included where the command polls:
// - the exact colouring of the Mycielski graph M6 (47 vertices, 6 colours;
//   target under 100 ms), the 8 x 8 queen graph (64 vertices, 9 colours;
//   target under 0.6 s) and the Kneser graph K(10,4) (210 vertices,
//   4 colours; target under 10 ms);
// - Kruskal and Prim on K286 (bounded by the sort of its 40 755 edges);
// - the distance-rank graph of 256 points (target under 10 ms).
#include "graphs/core/trees.h"

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

using namespace quan;

namespace {

using Edges = std::vector<std::pair<int, int>>;

Graph graphOf(int n, const Edges& edges)
{
    Graph g;
    for (int i = 0; i < n; ++i)
        g.AddVertexAt(i % 17, i / 17);
    for (auto [a, b] : edges)
        g.SetWeight(a, b, 0);
    g.ComputeValences();
    return g;
}

Graph mycielski(int k)
{
    int n = 2;
    Edges e{{0, 1}};
    for (int i = 2; i < k; ++i) {
        Edges out = e;
        for (auto [a, b] : e) {
            out.emplace_back(a, n + b);
            out.emplace_back(b, n + a);
        }
        for (int v = 0; v < n; ++v)
            out.emplace_back(n + v, 2 * n);
        e = out;
        n = 2 * n + 1;
    }
    return graphOf(n, e);
}

Graph queens(int r)
{
    Edges e;
    for (int a = 0; a < r * r; ++a)
        for (int b = a + 1; b < r * r; ++b) {
            const int ra = a / r, ca = a % r, rb = b / r, cb = b % r;
            if (ra == rb || ca == cb || ra - ca == rb - cb || ra + ca == rb + cb)
                e.emplace_back(a, b);
        }
    return graphOf(r * r, e);
}

Graph kneser(int n, int k)
{
    std::vector<int> sets;
    for (int s = 0; s < (1 << n); ++s)
        if (__builtin_popcount(static_cast<unsigned>(s)) == k)
            sets.push_back(s);
    Edges e;
    for (size_t i = 0; i < sets.size(); ++i)
        for (size_t j = i + 1; j < sets.size(); ++j)
            if ((sets[i] & sets[j]) == 0)
                e.emplace_back(static_cast<int>(i), static_cast<int>(j));
    return graphOf(static_cast<int>(sets.size()), e);
}

void exact(benchmark::State& state, const Graph& g, int expect)
{
    const TreeWords w;
    for (auto _ : state) {
        CircuitRun run;
        run.poll = [] { return 0; };
        const ExactColouring c = exactColouring(g, run, w);
        if (c.colours != expect)
            state.SkipWithError("wrong chromatic number");
        benchmark::DoNotOptimize(c.colour.data());
        state.counters["nodes"] = static_cast<double>(c.nodes);
    }
}

void BM_ExactM6(benchmark::State& state) { exact(state, mycielski(6), 6); }
void BM_ExactQueens8(benchmark::State& state) { exact(state, queens(8), 9); }
void BM_ExactKneser10_4(benchmark::State& state) { exact(state, kneser(10, 4), 4); }

Graph weightedK286()
{
    Graph g;
    for (int i = 0; i < 286; ++i)
        g.AddVertexAt(i, 0);
    Random r;
    r.seed(5);
    for (int i = 0; i < 286; ++i)
        for (int j = i + 1; j < 286; ++j)
            g.SetWeight(i, j, 10 + r.below(41));
    return g;
}

void tree(benchmark::State& state, bool prim)
{
    const Graph k = weightedK286();
    const TreeWords w;
    for (auto _ : state) {
        state.PauseTiming();
        Graph g = k;
        Random r;
        r.seed(1);
        CircuitRun run;
        state.ResumeTiming();
        MinimalTree(g, prim, true, 2, r, run, w);
        benchmark::DoNotOptimize(g.solution.edges.data());
    }
}

void BM_KruskalK286(benchmark::State& state) { tree(state, false); }
void BM_PrimK286(benchmark::State& state) { tree(state, true); }

void BM_DistanceRank256(benchmark::State& state)
{
    Graph pts;
    Random r;
    r.seed(3);
    for (int i = 0; i < 256; ++i)
        pts.AddVertexAt(r.below(1000), r.below(1000));
    for (auto _ : state) {
        state.PauseTiming();
        Graph g = pts;
        state.ResumeTiming();
        BuildDistanceRankGraph(g);
        benchmark::DoNotOptimize(g.edgeCount());
    }
}

} // namespace

BENCHMARK(BM_ExactM6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExactQueens8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExactKneser10_4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KruskalK286)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrimK286)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistanceRank256)->Unit(benchmark::kMillisecond);

namespace {

// The clique search alone (the exact method's first step).
void clique(benchmark::State& state, const Graph& g)
{
    for (auto _ : state) {
        int calls = 0;
        benchmark::DoNotOptimize(searchClique(g, calls).size());
        state.counters["calls"] = calls;
    }
}
void BM_CliqueM6(benchmark::State& state) { clique(state, mycielski(6)); }
void BM_CliqueQueens8(benchmark::State& state) { clique(state, queens(8)); }

} // namespace

BENCHMARK(BM_CliqueM6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CliqueQueens8)->Unit(benchmark::kMillisecond);
