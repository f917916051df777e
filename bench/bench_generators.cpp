// The graph generators without painting:
// - each at 286 vertices: the complete graph, the circulant with every
//   separation, dense valences with Connected, the random planar graph,
//   the random tree of 285 vertices (target under 10 ms each);
// - one round of Random TSP on 16 vertices (distinct weights, 511 random
//   tours, sorted edges; target at least 20 000 rounds per second);
// - the polyhedral (Schlegel) layout of a 286-vertex prism (target under
//   50 ms).
#include "graphs/core/generators.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace quan;

namespace {

const ExampleView kView{0, 0, 10, 10};

void BM_Complete286(benchmark::State& state)
{
    Graph g;
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeCircle(g, CircleKind::Complete, 286, {}, kView));
}
BENCHMARK(BM_Complete286)->Unit(benchmark::kMillisecond);

void BM_CirculantAllSeparations286(benchmark::State& state)
{
    Graph g;
    std::vector<int> s;
    for (int k = 1; k < 286; ++k)
        s.push_back(k);
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeCircle(g, CircleKind::Circulant, 286, s, kView));
}
BENCHMARK(BM_CirculantAllSeparations286)->Unit(benchmark::kMillisecond);

void BM_DenseValencesConnected286(benchmark::State& state)
{
    // 286 valences of 150: dense, realisable, connected by Havel-Hakimi.
    std::string text;
    for (int i = 0; i < 286; ++i)
        text += "150 ";
    Graph g;
    Random rng;
    rng.seed(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(GraphFromValencesText(g, text, true, kView, rng));
}
BENCHMARK(BM_DenseValencesConnected286)->Unit(benchmark::kMillisecond);

void BM_SparseValencesConnected286(benchmark::State& state)
{
    // Many 2s, a few 3s and 1s (sum 572 >= 2 x 286 - 2, so the exchange
    // runs): Havel-Hakimi leaves many cycles to exchange.
    std::string text;
    for (int i = 0; i < 286; ++i)
        text += i < 4 ? "1 " : i < 8 ? "3 " : "2 ";
    Graph g;
    Random rng;
    rng.seed(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(GraphFromValencesText(g, text, true, kView, rng));
}
BENCHMARK(BM_SparseValencesConnected286)->Unit(benchmark::kMillisecond);

void BM_RandomPlanar286(benchmark::State& state)
{
    Graph g;
    Random rng;
    rng.seed(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(RandomPlanar(g, 286, rng));
}
BENCHMARK(BM_RandomPlanar286)->Unit(benchmark::kMillisecond);

void BM_RandomTree285(benchmark::State& state)
{
    Graph g;
    Random rng;
    rng.seed(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(RandomTree(g, 285, false, kView, rng));
}
BENCHMARK(BM_RandomTree285)->Unit(benchmark::kMillisecond);

void BM_RandomTspRound16(benchmark::State& state)
{
    Graph g;
    MakeCircle(g, CircleKind::Complete, 16, {}, kView);
    Random rng;
    rng.seed(1);
    for (auto _ : state) {
        drawDistinctWeights(g, 16 * 16 + 4, rng);
        benchmark::DoNotOptimize(bestRandomTour(g, 511, rng));
        benchmark::DoNotOptimize(sortedEdgesTotal(g, rng));
    }
    state.counters["rounds/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RandomTspRound16)->Unit(benchmark::kMicrosecond);

void BM_SchlegelPrism286(benchmark::State& state)
{
    Graph g;
    RingGraph(g, 143, 1, false, kView);
    for (auto _ : state) {
        Graph h = g;
        FaceList faces;
        benchmark::DoNotOptimize(polyhedralLayout(h, kView, faces));
    }
}
BENCHMARK(BM_SchlegelPrism286)->Unit(benchmark::kMillisecond);

} // namespace
